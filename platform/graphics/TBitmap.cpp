#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace gfx {

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : PixelFormat(other.PixelFormat)
    , Palette(other.Palette)
    , Transparent(other.Transparent)
    , TransparentColor(other.TransparentColor)
    , m_width(other.m_width)
    , m_height(other.m_height)
    , m_pixels(other.m_pixels)
{
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : PixelFormat(other.PixelFormat)
    , Palette(std::move(other.Palette))
    , Transparent(other.Transparent)
    , TransparentColor(other.TransparentColor)
    , m_width(std::exchange(other.m_width, 0))
    , m_height(std::exchange(other.m_height, 0))
    , m_pixels(std::move(other.m_pixels))
{
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other) {
        TBitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept
{
    if (this != &other) {
        PixelFormat = other.PixelFormat;
        Palette = std::move(other.Palette);
        Transparent = other.Transparent;
        TransparentColor = other.TransparentColor;
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_pixels = std::move(other.m_pixels);
        other.m_pixels.clear();
    }
    return *this;
}

TBitmap::~TBitmap() = default;

TCanvas& TBitmap::Canvas()
{
    if (!m_canvas)
        m_canvas = std::make_unique<TCanvas>(*this);
    return *m_canvas;
}

TColor TBitmap::EffectiveTransparentColor() const
{
    if (TransparentColor != clNone)
        return ColorToRGB(TransparentColor);
    return Empty() ? clNone : GetPixel(0, m_height - 1);
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
