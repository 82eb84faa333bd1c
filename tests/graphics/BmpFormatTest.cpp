#include "platform/graphics/TBitmap.h"
#include "platform/io/ByteReader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gfx {
namespace {

// A picture whose pixels use the first `colors` entries of a palette.
TBitmap PalettePicture(TPixelFormat format, int colors, int width = 13, int height = 5)
{
    TBitmap bmp(width, height);
    bmp.PixelFormat = format;
    for (int i = 0; i < colors; ++i)
        bmp.Palette.push_back(RGB(i * 37 % 256, 255 - i * 11 % 256, i * 5 % 256));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bmp.SetPixel(x, y, bmp.Palette[static_cast<std::size_t>((x * 7 + y * 3) % colors)]);
    }
    return bmp;
}

void ExpectSamePicture(const TBitmap& a, const TBitmap& b)
{
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x)
            ASSERT_EQ(a.ScanLine(y)[x], b.ScanLine(y)[x]) << "at " << x << "," << y;
    }
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (std::uint32_t { bytes[at + 3] } << 24);
}

TEST(BmpRoundTrip, PaletteDepthsKeepPixelsFormatAndPalette)
{
    struct Case {
        TPixelFormat Format;
        int Colors;
    };
    for (Case c : { Case { TPixelFormat::pf1bit, 2 }, Case { TPixelFormat::pf4bit, 16 }, Case { TPixelFormat::pf4bit, 5 },
             Case { TPixelFormat::pf8bit, 256 }, Case { TPixelFormat::pf8bit, 3 } }) {
        TBitmap original = PalettePicture(c.Format, c.Colors);
        std::vector<std::uint8_t> bytes = original.SaveToBytes();
        // The colour table holds exactly the palette's entries.
        EXPECT_EQ(U32At(bytes, 46), static_cast<std::uint32_t>(c.Colors));
        EXPECT_EQ(U32At(bytes, 10), 14u + 40u + 4u * c.Colors);
        TBitmap loaded;
        loaded.LoadFromBytes(bytes);
        ExpectSamePicture(original, loaded);
        EXPECT_EQ(loaded.PixelFormat, c.Format);
        EXPECT_EQ(loaded.Palette, original.Palette);
    }
}

TEST(BmpRoundTrip, TrueColourDepthsKeepPixels)
{
    TBitmap original(7, 3); // 7 * 3 bytes: rows need padding
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 7; ++x)
            original.SetPixel(x, y, RGB(x * 30, y * 80, 200 - x * 10));
    }
    original.PixelFormat = TPixelFormat::pf24bit;
    TBitmap loaded;
    loaded.LoadFromBytes(original.SaveToBytes());
    ExpectSamePicture(original, loaded);
    EXPECT_EQ(loaded.PixelFormat, TPixelFormat::pf24bit);

    // 32 bits keep the alpha byte.
    original.ScanLine(1)[2] = 0x80112233u;
    original.PixelFormat = TPixelFormat::pf32bit;
    loaded.LoadFromBytes(original.SaveToBytes());
    ExpectSamePicture(original, loaded);
    EXPECT_EQ(loaded.PixelFormat, TPixelFormat::pf32bit);
}

TEST(BmpRoundTrip, PaletteFormatWithoutPaletteBuildsOneFromUsedColours)
{
    TBitmap bmp(4, 2);
    bmp.Fill(clRed);
    bmp.SetPixel(1, 1, clBlue);
    bmp.PixelFormat = TPixelFormat::pf4bit;
    std::vector<std::uint8_t> bytes = bmp.SaveToBytes();
    EXPECT_EQ(bytes[28], 4); // bits per pixel
    EXPECT_EQ(U32At(bytes, 46), 2u);
    TBitmap loaded;
    loaded.LoadFromBytes(bytes);
    ExpectSamePicture(bmp, loaded);

    // Too many colours for the format: written with 24 bits instead.
    TBitmap many(300, 1);
    for (int x = 0; x < 300; ++x)
        many.SetPixel(x, 0, RGB(x % 256, x / 256, 7));
    many.PixelFormat = TPixelFormat::pf8bit;
    bytes = many.SaveToBytes();
    EXPECT_EQ(bytes[28], 24);
    loaded.LoadFromBytes(bytes);
    ExpectSamePicture(many, loaded);
}

TEST(BmpRoundTrip, ColourMissingFromPaletteTakesTheNearestEntry)
{
    TBitmap bmp = PalettePicture(TPixelFormat::pf1bit, 2, 2, 1);
    bmp.Palette = { clBlack, clWhite };
    bmp.SetPixel(0, 0, RGB(20, 10, 10));
    bmp.SetPixel(1, 0, RGB(240, 250, 230));
    TBitmap loaded;
    loaded.LoadFromBytes(bmp.SaveToBytes());
    EXPECT_EQ(loaded.GetPixel(0, 0), clBlack);
    EXPECT_EQ(loaded.GetPixel(1, 0), clWhite);
}

// A hand-made 2 x 2 top-down 24-bit picture; the file header claims `file_size`.
std::vector<std::uint8_t> TopDown24(std::uint32_t file_size)
{
    io::ByteWriter w;
    w.U16(0x4D42);
    w.U32(file_size);
    w.U32(0);
    w.U32(54);
    w.U32(40);
    w.I32(2);
    w.I32(-2);
    w.U16(1);
    w.U16(24);
    for (int i = 0; i < 6; ++i)
        w.U32(0);
    // Row 0 (top): red, green; row 1: blue, white. Each row padded to 8 bytes.
    for (std::uint8_t b : { 0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0 })
        w.U8(b);
    while (w.Size() < file_size)
        w.U8(0xEE);
    return w.Take();
}

TEST(BmpRead, TopDownRowsAreInFileOrder)
{
    TBitmap bmp;
    bmp.LoadFromBytes(TopDown24(70));
    EXPECT_EQ(bmp.GetPixel(0, 0), clRed);
    EXPECT_EQ(bmp.GetPixel(1, 0), clLime);
    EXPECT_EQ(bmp.GetPixel(0, 1), clBlue);
    EXPECT_EQ(bmp.GetPixel(1, 1), clWhite);
}

TEST(BmpRead, ConsumesExactlyTheFileHeaderLength)
{
    TBitmap first = PalettePicture(TPixelFormat::pf8bit, 9, 5, 3);
    TBitmap second(3, 3);
    second.Fill(clNavy);
    io::ByteWriter w;
    first.SaveToStream(w);
    std::size_t first_size = w.Size();
    second.SaveToStream(w);
    std::vector<std::uint8_t> padded = TopDown24(90); // 20 bytes beyond its pixels
    w.Bytes(padded);
    w.U8(0x5A);

    io::ByteReader r(w.Data());
    TBitmap a;
    TBitmap b;
    TBitmap c;
    a.LoadFromStream(r);
    EXPECT_EQ(r.Position(), first_size);
    b.LoadFromStream(r);
    c.LoadFromStream(r);
    EXPECT_EQ(r.Remaining(), 1u);
    EXPECT_EQ(r.U8(), 0x5A);
    ExpectSamePicture(a, first);
    ExpectSamePicture(b, second);
    EXPECT_EQ(c.GetPixel(1, 1), clWhite);
}

TEST(BmpRead, DamagedDataRaisesAndLeavesThePictureAlone)
{
    TBitmap bmp(2, 2);
    bmp.Fill(clRed);
    std::vector<std::uint8_t> bytes = TopDown24(70);

    std::vector<std::uint8_t> truncated(bytes.begin(), bytes.begin() + 60);
    EXPECT_THROW(bmp.LoadFromBytes(truncated), io::FormatError);

    // A file length shorter than its own pixel rows.
    std::vector<std::uint8_t> short_length = TopDown24(70);
    short_length[2] = 60;
    EXPECT_THROW(bmp.LoadFromBytes(short_length), io::FormatError);

    std::vector<std::uint8_t> bad_depth = bytes;
    bad_depth[28] = 7;
    EXPECT_THROW(bmp.LoadFromBytes(bad_depth), io::FormatError);

    std::vector<std::uint8_t> not_bmp = bytes;
    not_bmp[0] = 'X';
    EXPECT_THROW(bmp.LoadFromBytes(not_bmp), io::FormatError);

    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.GetPixel(1, 1), clRed);
}

TEST(BmpRead, ColourTableSizedByUsedColourCount)
{
    // 8 bits per pixel, 2 colours used: the table has 2 entries and the pixel
    // rows start right after them.
    io::ByteWriter w;
    w.U16(0x4D42);
    w.U32(14 + 40 + 8 + 4);
    w.U32(0);
    w.U32(14 + 40 + 8);
    w.U32(40);
    w.I32(3);
    w.I32(1);
    w.U16(1);
    w.U16(8);
    w.U32(0);
    w.U32(0);
    w.U32(0);
    w.U32(0);
    w.U32(2); // colours used
    w.U32(0);
    w.U32(0x00FF0000); // blue... as B, G, R, 0 bytes: red
    w.U32(0x0000FF00); // green
    for (std::uint8_t b : { 1, 0, 1, 0 })
        w.U8(b);
    TBitmap bmp;
    bmp.LoadFromBytes(w.Data());
    EXPECT_EQ(bmp.Palette.size(), 2u);
    EXPECT_EQ(bmp.GetPixel(0, 0), clLime);
    EXPECT_EQ(bmp.GetPixel(1, 0), clRed);
    EXPECT_EQ(bmp.PixelFormat, TPixelFormat::pf8bit);
}

TEST(BmpRead, ThirtyTwoBitsWithoutAlphaAreOpaque)
{
    TBitmap bmp(2, 1);
    bmp.ScanLine(0)[0] = 0x00102030u;
    bmp.ScanLine(0)[1] = 0x00405060u;
    bmp.PixelFormat = TPixelFormat::pf32bit;
    TBitmap loaded;
    loaded.LoadFromBytes(bmp.SaveToBytes());
    EXPECT_EQ(loaded.ScanLine(0)[0], 0xFF102030u);
    EXPECT_EQ(loaded.ScanLine(0)[1], 0xFF405060u);
}

TEST(BmpRead, SixteenBitFieldsAndCoreHeader)
{
    io::ByteWriter w;
    w.U16(0x4D42);
    w.U32(14 + 40 + 12 + 4);
    w.U32(0);
    w.U32(14 + 40 + 12);
    w.U32(40);
    w.I32(2);
    w.I32(1);
    w.U16(1);
    w.U16(16);
    w.U32(3); // bit fields, 5-6-5
    for (int i = 0; i < 5; ++i)
        w.U32(0);
    w.U32(0xF800);
    w.U32(0x07E0);
    w.U32(0x001F);
    w.U16(0xF800); // red
    w.U16(0x07E0); // green
    TBitmap bmp;
    bmp.LoadFromBytes(w.Data());
    EXPECT_EQ(bmp.GetPixel(0, 0), clRed);
    EXPECT_EQ(bmp.GetPixel(1, 0), clLime);

    // The old 12-byte header with 3-byte colour entries, 1 bit per pixel.
    io::ByteWriter core;
    core.U16(0x4D42);
    core.U32(14 + 12 + 6 + 4);
    core.U32(0);
    core.U32(14 + 12 + 6);
    core.U32(12);
    core.U16(3);
    core.U16(1);
    core.U16(1);
    core.U16(1);
    for (std::uint8_t b : { 0, 0, 0, 255, 255, 255 })
        core.U8(b);
    core.U8(0b10100000);
    core.U8(0);
    core.U8(0);
    core.U8(0);
    bmp.LoadFromBytes(core.Data());
    EXPECT_EQ(bmp.PixelFormat, TPixelFormat::pf1bit);
    EXPECT_EQ(bmp.GetPixel(0, 0), clWhite);
    EXPECT_EQ(bmp.GetPixel(1, 0), clBlack);
    EXPECT_EQ(bmp.GetPixel(2, 0), clWhite);
}

TEST(BmpRoundTrip, EmptyPicturesStayEmpty)
{
    TBitmap empty;
    TBitmap loaded(3, 3);
    loaded.LoadFromBytes(empty.SaveToBytes());
    EXPECT_TRUE(loaded.Empty());

    // A header with a width but no rows is an empty picture too.
    std::vector<std::uint8_t> bytes = TopDown24(70);
    bytes[22] = 0;
    bytes[23] = 0;
    bytes[24] = 0;
    bytes[25] = 0;
    loaded.LoadFromBytes(bytes);
    EXPECT_EQ(loaded.Width(), 0);
    EXPECT_EQ(loaded.Height(), 0);
}

// A 24-bit header `width` pixels wide claiming `height` rows, with no pixel
// rows after it: the file ends with the header (plus `extra` bytes).
std::vector<std::uint8_t> HeaderOnly(std::int32_t width, std::int32_t height, std::uint32_t extra = 0)
{
    io::ByteWriter w;
    w.U16(0x4D42);
    w.U32(54 + extra);
    w.U32(0);
    w.U32(54);
    w.U32(40);
    w.I32(width);
    w.I32(height);
    w.U16(1);
    w.U16(24);
    for (int i = 0; i < 6; ++i)
        w.U32(0);
    for (std::uint32_t i = 0; i < extra; ++i)
        w.U8(0xEE);
    return w.Take();
}

TEST(BmpRead, AbsurdSidesAreRefusedBeforeReadingRows)
{
    TBitmap bmp(2, 2);
    bmp.Fill(clRed);
    // 0 pixels wide and about 251 million rows of 0 bytes each: no pixels and
    // no bound from the stream, so the side itself is refused.
    EXPECT_THROW(bmp.LoadFromBytes(HeaderOnly(0, 0x0F000000)), io::FormatError);
    EXPECT_THROW(bmp.LoadFromBytes(HeaderOnly(0, -0x0F000000)), io::FormatError);
    EXPECT_THROW(bmp.LoadFromBytes(HeaderOnly(0x7FFFFFFF, 0)), io::FormatError);
    // Rows the stream cannot hold.
    EXPECT_THROW(bmp.LoadFromBytes(HeaderOnly(1, 0x00100000)), io::FormatError);
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.GetPixel(1, 1), clRed);
}

TEST(BmpRead, ZeroWidthPictureIsEmptyAndConsumesItsFileLength)
{
    io::ByteWriter w;
    w.Bytes(HeaderOnly(0, 5000, 7));
    w.U8(0x5A);
    io::ByteReader r(w.Data());
    TBitmap bmp(3, 3);
    bmp.LoadFromStream(r);
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(r.Remaining(), 1u);
    EXPECT_EQ(r.U8(), 0x5A);
}

TEST(BmpFile, SavesAndLoadsFiles)
{
    auto path = std::filesystem::temp_directory_path() / "veltrin-graphics-test.bmp";
    TBitmap bmp = PalettePicture(TPixelFormat::pf4bit, 7);
    bmp.SaveToFile(path.string());
    TBitmap loaded;
    loaded.LoadFromFile(path.string());
    ExpectSamePicture(bmp, loaded);
    std::filesystem::remove(path);
    EXPECT_THROW(loaded.LoadFromFile(path.string()), std::runtime_error);
}

} // namespace
} // namespace gfx
