#pragma once

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace io {
class ByteReader;
class ByteWriter;
}

namespace gfx {

// How the picture was stored when it was read (or how it is to be written).
// Pixels are always kept as 32-bit 0xAARRGGBB in memory; the format and the
// palette are remembered so that a palette picture writes back the same way and
// its pixels keep the exact palette colours.
enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

// A 32-bit top-down pixel buffer (cairo ARGB32 layout, stride = 4 * width).
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    // Copies take the pixels, format, palette and transparency, never the canvas:
    // a canvas always draws into the bitmap that created it.
    TBitmap(const TBitmap& other);
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(const TBitmap& other);
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap();

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }

    // Resizes; existing pixels in the overlapping area are kept, new ones are white.
    void SetSize(int width, int height);

    Pixel* ScanLine(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    const Pixel* ScanLine(int y) const { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    Pixel* Bits() { return m_pixels.data(); }
    const Pixel* Bits() const { return m_pixels.data(); }
    int StrideBytes() const { return m_width * 4; }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    // Reading outside gives black, writing outside is ignored.
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void Fill(TColor color);

    TPixelFormat PixelFormat { TPixelFormat::pf24bit };
    std::vector<TColor> Palette; // colour table of a palette picture (0x00BBGGRR)

    // Draw leaves out pixels of the transparent colour when Transparent is set.
    // clNone as the colour means the colour of the bottom-left pixel.
    bool Transparent { false };
    TColor TransparentColor { clNone };
    TColor EffectiveTransparentColor() const;

    // The canvas that draws into this bitmap (created on first use).
    TCanvas& Canvas();

    // BMP files (1, 4, 8, 24 and 32 bits per pixel, bottom-up or top-down,
    // uncompressed or bit-field). Reading from a stream consumes exactly the
    // length the file header gives, so pictures can follow one another in one
    // stream. Damaged data raises io::FormatError and leaves the bitmap as it was.
    void LoadFromStream(io::ByteReader& reader);
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    void LoadFromFile(const std::string& path);
    // Writes in PixelFormat: palette formats with the colour table cut to the
    // colours used (pixels whose colour is missing from Palette are matched to
    // the nearest entry; an empty Palette is built from the pixels when they
    // have few enough colours, else the picture is written with 24 bits).
    void SaveToStream(io::ByteWriter& writer) const;
    std::vector<std::uint8_t> SaveToBytes() const;
    void SaveToFile(const std::string& path) const;
    // A 32-bit RGBA PNG (alpha kept), for snapshots.
    void SaveToPngFile(const std::string& path) const;

    bool operator==(const TBitmap& other) const
    {
        return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
    }

private:
    int m_width { 0 };
    int m_height { 0 };
    std::vector<Pixel> m_pixels;
    std::unique_ptr<TCanvas> m_canvas;
};

} // namespace gfx
