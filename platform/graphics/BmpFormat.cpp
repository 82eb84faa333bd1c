// BMP pictures: reading and writing of the file format, in the order of its
// layout (file header, info header, colour table, pixel rows).

#include "platform/graphics/TBitmap.h"

#include "platform/io/ByteReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <unordered_map>

namespace gfx {
namespace {

constexpr std::uint16_t kSignature = 0x4D42; // "BM"
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;
// Pictures larger than this many pixels are refused as damaged, and so are
// pictures with a side longer than that: a picture 0 pixels wide holds no
// pixels whatever its height, and its rows of 0 bytes would not bound it.
constexpr std::int64_t kMaxPixels = std::int64_t { 1 } << 26;

struct BitMask {
    std::uint32_t Mask { 0 };
    int Shift { 0 };
    int Bits { 0 };

    explicit BitMask(std::uint32_t mask = 0) : Mask(mask)
    {
        if (mask == 0)
            return;
        while (((mask >> Shift) & 1u) == 0)
            ++Shift;
        while (Shift + Bits < 32 && ((mask >> (Shift + Bits)) & 1u))
            ++Bits;
    }

    // The field scaled to 0..255.
    unsigned Extract(std::uint32_t value) const
    {
        if (Bits == 0)
            return 0;
        std::uint32_t v = (value & Mask) >> Shift;
        if (Bits >= 8)
            return v >> (Bits - 8);
        std::uint32_t max = (1u << Bits) - 1;
        return (v * 255 + max / 2) / max;
    }
};

std::int64_t RowBytes(std::int64_t width, int bpp) { return ((width * bpp + 31) / 32) * 4; }

TPixelFormat FormatOf(int bpp)
{
    switch (bpp) {
    case 1:
        return TPixelFormat::pf1bit;
    case 4:
        return TPixelFormat::pf4bit;
    case 8:
        return TPixelFormat::pf8bit;
    case 32:
        return TPixelFormat::pf32bit;
    default:
        return TPixelFormat::pf24bit;
    }
}

int BitsOf(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit:
        return 1;
    case TPixelFormat::pf4bit:
        return 4;
    case TPixelFormat::pf8bit:
        return 8;
    case TPixelFormat::pf24bit:
        return 24;
    case TPixelFormat::pf32bit:
        return 32;
    }
    return 24;
}

struct Header {
    std::uint32_t FileSize { 0 };
    std::uint32_t PixelOffset { 0 };
    std::uint32_t InfoSize { 0 };
    std::int64_t Width { 0 };
    std::int64_t Height { 0 };
    bool TopDown { false };
    int Bpp { 0 };
    std::uint32_t Compression { kRgb };
    std::uint32_t ColorsUsed { 0 };
    BitMask Red;
    BitMask Green;
    BitMask Blue;
    BitMask Alpha;
};

Header ReadHeader(io::ByteReader& in, std::size_t start)
{
    Header h;
    if (in.U16() != kSignature)
        throw io::FormatError("not a BMP picture");
    h.FileSize = in.U32();
    in.Skip(4);
    h.PixelOffset = in.U32();
    h.InfoSize = in.U32();
    if (h.InfoSize == kCoreHeaderSize) {
        h.Width = in.U16();
        h.Height = in.U16();
        if (in.U16() != 1)
            throw io::FormatError("BMP picture with more than one plane");
        h.Bpp = in.U16();
    } else if (h.InfoSize >= kInfoHeaderSize && h.InfoSize <= 124) {
        h.Width = in.I32();
        std::int32_t height = in.I32();
        h.TopDown = height < 0;
        h.Height = height < 0 ? -static_cast<std::int64_t>(height) : height;
        if (in.U16() != 1)
            throw io::FormatError("BMP picture with more than one plane");
        h.Bpp = in.U16();
        h.Compression = in.U32();
        in.Skip(12); // image size, resolution
        h.ColorsUsed = in.U32();
        in.Skip(4); // important colours
        bool masks_in_header = h.InfoSize >= 52;
        if (h.Compression == kBitFields || h.Compression == kAlphaBitFields || masks_in_header) {
            // Masks follow a 40-byte header, or are part of a longer one.
            std::uint32_t red = in.U32();
            std::uint32_t green = in.U32();
            std::uint32_t blue = in.U32();
            std::uint32_t alpha = (h.Compression == kAlphaBitFields || h.InfoSize >= 56) ? in.U32() : 0;
            if (h.Compression == kBitFields || h.Compression == kAlphaBitFields) {
                h.Red = BitMask(red);
                h.Green = BitMask(green);
                h.Blue = BitMask(blue);
                h.Alpha = BitMask(alpha);
            }
        }
        std::size_t header_end = start + kFileHeaderSize + h.InfoSize;
        if (in.Position() < header_end)
            in.Seek(header_end);
    } else {
        throw io::FormatError("unknown BMP header size");
    }

    if (h.Bpp != 1 && h.Bpp != 4 && h.Bpp != 8 && h.Bpp != 16 && h.Bpp != 24 && h.Bpp != 32)
        throw io::FormatError("unsupported BMP bit depth");
    bool bitfields = h.Compression == kBitFields || h.Compression == kAlphaBitFields;
    if (!(h.Compression == kRgb || (bitfields && (h.Bpp == 16 || h.Bpp == 32))))
        throw io::FormatError("compressed BMP pictures are not supported");
    if (h.Width < 0 || h.Width > kMaxPixels || h.Height > kMaxPixels || h.Width * h.Height > kMaxPixels)
        throw io::FormatError("BMP picture size out of range");
    if (h.Compression == kRgb && h.Bpp == 16) {
        h.Red = BitMask(0x7C00);
        h.Green = BitMask(0x03E0);
        h.Blue = BitMask(0x001F);
    }
    return h;
}

std::vector<TColor> ReadColorTable(io::ByteReader& in, const Header& h, std::size_t table_end)
{
    if (h.Bpp > 8)
        return {};
    std::size_t entry = h.InfoSize == kCoreHeaderSize ? 3 : 4;
    std::size_t count = h.ColorsUsed != 0 ? h.ColorsUsed : (std::size_t { 1 } << h.Bpp);
    count = std::min(count, std::size_t { 1 } << h.Bpp);
    // A table cut short by the pixel offset keeps only the entries that fit.
    if (in.Position() > table_end)
        throw io::FormatError("BMP pixel data overlaps its header");
    count = std::min(count, (table_end - in.Position()) / entry);
    std::vector<TColor> table;
    table.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        auto bytes = in.Bytes(entry);
        table.push_back(RGB(bytes[2], bytes[1], bytes[0]));
    }
    return table;
}

void DecodeRow(const Header& h, std::span<const std::uint8_t> row, const std::vector<Pixel>& palette, Pixel* out)
{
    auto indexed = [&](std::size_t index) { return index < palette.size() ? palette[index] : ColorToPixel(clBlack); };
    auto width = static_cast<std::size_t>(h.Width);
    switch (h.Bpp) {
    case 1:
        for (std::size_t x = 0; x < width; ++x)
            out[x] = indexed((row[x / 8] >> (7 - x % 8)) & 1u);
        break;
    case 4:
        for (std::size_t x = 0; x < width; ++x)
            out[x] = indexed((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0Fu);
        break;
    case 8:
        for (std::size_t x = 0; x < width; ++x)
            out[x] = indexed(row[x]);
        break;
    case 24:
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* p = &row[x * 3];
            out[x] = 0xFF000000u | (Pixel { p[2] } << 16) | (Pixel { p[1] } << 8) | p[0];
        }
        break;
    case 16:
    case 32: {
        std::size_t step = static_cast<std::size_t>(h.Bpp / 8);
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* p = &row[x * step];
            std::uint32_t v = p[0] | (std::uint32_t { p[1] } << 8);
            if (step == 4)
                v |= (std::uint32_t { p[2] } << 16) | (std::uint32_t { p[3] } << 24);
            if (h.Compression == kRgb && h.Bpp == 32) {
                out[x] = v;
            } else {
                unsigned alpha = h.Alpha.Bits ? h.Alpha.Extract(v) : 255;
                out[x] = (Pixel { alpha } << 24) | (Pixel { h.Red.Extract(v) } << 16) | (Pixel { h.Green.Extract(v) } << 8)
                    | h.Blue.Extract(v);
            }
        }
        break;
    }
    default:
        break;
    }
}

// ---- writing ----

// The colour table to write for a palette format, and each pixel's index;
// empty when the picture does not fit the format's table.
struct Indexed {
    std::vector<TColor> Table;
    std::vector<std::uint8_t> Indexes;
};

int Distance(TColor a, TColor b)
{
    int dr = GetRValue(a) - GetRValue(b);
    int dg = GetGValue(a) - GetGValue(b);
    int db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

std::optional<Indexed> IndexPixels(const TBitmap& bmp, std::size_t max_colors)
{
    Indexed out;
    std::unordered_map<Pixel, std::uint8_t> lookup;
    if (!bmp.Palette.empty() && bmp.Palette.size() <= max_colors) {
        out.Table = bmp.Palette;
        for (std::size_t i = out.Table.size(); i-- > 0;)
            lookup[ColorToPixel(out.Table[i])] = static_cast<std::uint8_t>(i);
    }
    bool fixed_table = !out.Table.empty();
    out.Indexes.reserve(static_cast<std::size_t>(bmp.Width()) * bmp.Height());
    for (int y = 0; y < bmp.Height(); ++y) {
        const Pixel* line = bmp.ScanLine(y);
        for (int x = 0; x < bmp.Width(); ++x) {
            Pixel p = line[x] | 0xFF000000u;
            auto it = lookup.find(p);
            if (it == lookup.end()) {
                if (fixed_table) {
                    // A colour the palette lacks: its nearest entry.
                    TColor c = PixelToColor(p);
                    std::size_t best = 0;
                    for (std::size_t i = 1; i < out.Table.size(); ++i) {
                        if (Distance(out.Table[i], c) < Distance(out.Table[best], c))
                            best = i;
                    }
                    it = lookup.emplace(p, static_cast<std::uint8_t>(best)).first;
                } else {
                    if (out.Table.size() == max_colors)
                        return std::nullopt;
                    out.Table.push_back(PixelToColor(p));
                    it = lookup.emplace(p, static_cast<std::uint8_t>(out.Table.size() - 1)).first;
                }
            }
            out.Indexes.push_back(it->second);
        }
    }
    if (out.Table.empty())
        out.Table.push_back(clBlack);
    return out;
}

} // namespace

void TBitmap::LoadFromStream(io::ByteReader& in)
{
    std::size_t start = in.Position();
    Header h = ReadHeader(in, start);
    if (h.FileSize < kFileHeaderSize + h.InfoSize || h.FileSize > in.Size() - start)
        throw io::FormatError("BMP file size out of range");
    std::size_t end = start + h.FileSize;
    std::size_t pixels_at = start + h.PixelOffset;
    std::vector<TColor> table = ReadColorTable(in, h, std::min(pixels_at, end));

    std::int64_t row_bytes = RowBytes(h.Width, h.Bpp);
    if (h.PixelOffset > h.FileSize || row_bytes * h.Height > static_cast<std::int64_t>(end - pixels_at))
        throw io::FormatError("BMP pixel data runs past the file's length");

    std::vector<Pixel> palette;
    palette.reserve(table.size());
    for (TColor c : table)
        palette.push_back(ColorToPixel(c));

    // A picture without pixels is empty, whatever its other side claims.
    bool empty = h.Width == 0 || h.Height == 0;
    TBitmap result(empty ? 0 : static_cast<int>(h.Width), empty ? 0 : static_cast<int>(h.Height));
    in.Seek(pixels_at);
    bool any_alpha = false;
    std::int64_t rows = empty ? 0 : h.Height;
    for (std::int64_t r = 0; r < rows; ++r) {
        auto row = in.Bytes(static_cast<std::size_t>(row_bytes));
        int y = static_cast<int>(h.TopDown ? r : h.Height - 1 - r);
        DecodeRow(h, row, palette, result.ScanLine(y));
    }
    if (h.Bpp == 32) {
        for (const Pixel& p : result.m_pixels)
            any_alpha = any_alpha || (p >> 24) != 0;
        // Most 32-bit pictures leave the fourth byte zero: they are opaque.
        if (!any_alpha) {
            for (Pixel& p : result.m_pixels)
                p |= 0xFF000000u;
        }
    }
    in.Seek(end);

    result.PixelFormat = FormatOf(h.Bpp);
    result.Palette = std::move(table);
    m_width = result.m_width;
    m_height = result.m_height;
    m_pixels = std::move(result.m_pixels);
    PixelFormat = result.PixelFormat;
    Palette = std::move(result.Palette);
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    io::ByteReader reader(bytes);
    LoadFromStream(reader);
}

void TBitmap::LoadFromFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open picture " + path);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    LoadFromBytes(bytes);
}

void TBitmap::SaveToStream(io::ByteWriter& out) const
{
    int width = Empty() ? 0 : m_width;
    int height = Empty() ? 0 : m_height;
    int bpp = BitsOf(PixelFormat);
    std::optional<Indexed> indexed;
    if (bpp <= 8) {
        indexed = IndexPixels(*this, std::size_t { 1 } << bpp);
        if (!indexed)
            bpp = 24;
    }
    std::size_t table_size = indexed ? indexed->Table.size() : 0;
    auto row_bytes = static_cast<std::uint32_t>(RowBytes(width, bpp));
    std::uint32_t pixel_offset = kFileHeaderSize + kInfoHeaderSize + static_cast<std::uint32_t>(table_size * 4);
    std::uint64_t file_size = pixel_offset + std::uint64_t { row_bytes } * static_cast<std::uint32_t>(height);
    if (file_size > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("picture too large for a BMP file");

    out.U16(kSignature);
    out.U32(static_cast<std::uint32_t>(file_size));
    out.U32(0);
    out.U32(pixel_offset);

    out.U32(kInfoHeaderSize);
    out.I32(width);
    out.I32(height); // bottom-up
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(bpp));
    out.U32(kRgb);
    out.U32(row_bytes * static_cast<std::uint32_t>(height));
    out.I32(3780); // 96 dpi in pixels per metre
    out.I32(3780);
    out.U32(static_cast<std::uint32_t>(table_size));
    out.U32(0);

    if (indexed) {
        for (TColor c : indexed->Table) {
            out.U8(static_cast<std::uint8_t>(GetBValue(c)));
            out.U8(static_cast<std::uint8_t>(GetGValue(c)));
            out.U8(static_cast<std::uint8_t>(GetRValue(c)));
            out.U8(0);
        }
    }

    std::vector<std::uint8_t> row(row_bytes);
    for (int y = height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const Pixel* line = ScanLine(y);
        for (int x = 0; x < m_width; ++x) {
            auto ux = static_cast<std::size_t>(x);
            Pixel p = line[x];
            switch (bpp) {
            case 1:
            case 4:
            case 8: {
                unsigned index = indexed->Indexes[static_cast<std::size_t>(y) * m_width + ux];
                if (bpp == 8)
                    row[ux] = static_cast<std::uint8_t>(index);
                else if (bpp == 4)
                    row[ux / 2] |= static_cast<std::uint8_t>(index << (ux % 2 == 0 ? 4 : 0));
                else
                    row[ux / 8] |= static_cast<std::uint8_t>(index << (7 - ux % 8));
                break;
            }
            case 24:
                row[ux * 3] = static_cast<std::uint8_t>(p);
                row[ux * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
                row[ux * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
                break;
            default:
                row[ux * 4] = static_cast<std::uint8_t>(p);
                row[ux * 4 + 1] = static_cast<std::uint8_t>(p >> 8);
                row[ux * 4 + 2] = static_cast<std::uint8_t>(p >> 16);
                row[ux * 4 + 3] = static_cast<std::uint8_t>(p >> 24);
                break;
            }
        }
        out.Bytes(row);
    }
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const
{
    io::ByteWriter writer;
    SaveToStream(writer);
    return writer.Take();
}

void TBitmap::SaveToFile(const std::string& path) const
{
    std::vector<std::uint8_t> bytes = SaveToBytes();
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write picture " + path);
}

} // namespace gfx
