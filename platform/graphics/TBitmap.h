#pragma once

#include "platform/graphics/TColor.h"

#include <vector>

namespace gfx {

// How the picture was stored when it was read (or how it is to be written).
// Pixels are always kept as 32-bit 0xAARRGGBB in memory; the format and the
// palette are remembered so that a palette picture writes back the same way and
// its pixels keep the exact palette colours.
enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

// A 32-bit top-down pixel buffer (cairo ARGB32 layout, stride = 4 * width).
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height);

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

    bool operator==(const TBitmap& other) const
    {
        return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
    }

private:
    int m_width { 0 };
    int m_height { 0 };
    std::vector<Pixel> m_pixels;
};

} // namespace gfx
