#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <stdexcept>

namespace gfx {

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

void TBitmap::SetSize(int width, int height)
{
    if (width < 0 || height < 0)
        throw std::invalid_argument("bitmap size must not be negative");
    if (width == m_width && height == m_height)
        return;
    std::vector<Pixel> pixels(static_cast<std::size_t>(width) * height, ColorToPixel(clWhite));
    int keep_width = std::min(width, m_width);
    int keep_height = std::min(height, m_height);
    for (int y = 0; y < keep_height; ++y)
        std::copy_n(ScanLine(y), keep_width, pixels.data() + static_cast<std::size_t>(y) * width);
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
}

TColor TBitmap::GetPixel(int x, int y) const
{
    return Contains(x, y) ? PixelToColor(ScanLine(y)[x]) : clBlack;
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (Contains(x, y))
        ScanLine(y)[x] = ColorToPixel(ColorToRGB(color));
}

void TBitmap::Fill(TColor color)
{
    std::fill(m_pixels.begin(), m_pixels.end(), ColorToPixel(ColorToRGB(color)));
}

} // namespace gfx
