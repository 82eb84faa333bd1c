#include "platform/graphics/JpegFormat.h"

#include "platform/io/ByteReader.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace gfx {
namespace {

// libjpeg reports errors through a callback that must not return; it jumps
// back to the caller, which then raises the error as an exception.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

void OnMessage(j_common_ptr, int) {}

// Pictures larger than this are refused rather than allocated.
constexpr unsigned long kMaxPixels = 100'000'000UL;

} // namespace

TBitmap DecodeJpeg(std::span<const std::uint8_t> bytes)
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.emit_message = OnMessage;
    TBitmap picture;
    std::vector<JSAMPLE> row;
    if (setjmp(errors.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        throw io::FormatError(std::string("damaged JPEG picture: ") + errors.Message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (static_cast<unsigned long>(info.image_width) * info.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        throw io::FormatError("JPEG picture too large");
    }
    if (info.jpeg_color_space != JCS_CMYK && info.jpeg_color_space != JCS_YCCK)
        info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    row.resize(static_cast<std::size_t>(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[] = { row.data() };
        jpeg_read_scanlines(&info, rows, 1);
        Pixel* out = picture.ScanLine(y);
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            const JSAMPLE* p = row.data() + static_cast<std::size_t>(x) * info.output_components;
            int r, g, b;
            if (info.out_color_space == JCS_CMYK) {
                // Adobe writes inverted CMYK: each value is already 255 - ink.
                r = p[0] * p[3] / 255;
                g = p[1] * p[3] / 255;
                b = p[2] * p[3] / 255;
            } else {
                r = p[0];
                g = p[1];
                b = p[2];
            }
            out[x] = 0xFF000000u | (static_cast<Pixel>(r) << 16) | (static_cast<Pixel>(g) << 8) | static_cast<Pixel>(b);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    picture.PixelFormat = TPixelFormat::pf24bit;
    return picture;
}

std::vector<std::uint8_t> EncodeJpeg(const TBitmap& picture, int quality)
{
    jpeg_compress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.emit_message = OnMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row(static_cast<std::size_t>(std::max(picture.Width(), 1)) * 3);
    if (setjmp(errors.Jump) != 0) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw io::FormatError(std::string("JPEG picture not written: ") + errors.Message);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.Width());
    info.image_height = static_cast<JDIMENSION>(picture.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const Pixel* in = picture.ScanLine(static_cast<int>(info.next_scanline));
        for (int x = 0; x < picture.Width(); ++x) {
            row[x * 3] = static_cast<JSAMPLE>((in[x] >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<JSAMPLE>((in[x] >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<JSAMPLE>(in[x] & 0xFF);
        }
        JSAMPROW rows[] = { row.data() };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

} // namespace gfx
