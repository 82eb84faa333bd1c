// PNG output of bitmaps, used for snapshots of what was drawn.

#include "platform/graphics/TBitmap.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace gfx {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp, so this function keeps to plain values:
// nothing with a destructor lives across the jump.
bool WritePng(std::FILE* file, const TBitmap& bmp, png_byte* row)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bmp.Width()), static_cast<png_uint_32>(bmp.Height()), 8,
        PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // Rows are converted one at a time from 0xAARRGGBB to R, G, B, A bytes.
    for (int y = 0; y < bmp.Height(); ++y) {
        const Pixel* line = bmp.ScanLine(y);
        for (int x = 0; x < bmp.Width(); ++x) {
            Pixel p = line[x];
            png_byte* out = row + static_cast<std::size_t>(x) * 4;
            out[0] = static_cast<png_byte>(p >> 16);
            out[1] = static_cast<png_byte>(p >> 8);
            out[2] = static_cast<png_byte>(p);
            out[3] = static_cast<png_byte>(p >> 24);
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void TBitmap::SaveToPngFile(const std::string& path) const
{
    if (Empty())
        throw std::invalid_argument("an empty picture cannot be written as PNG");
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("cannot write picture " + path);
    std::vector<png_byte> row(static_cast<std::size_t>(m_width) * 4);
    if (!WritePng(file.get(), *this, row.data()))
        throw std::runtime_error("PNG writing failed: " + path);
}

} // namespace gfx
