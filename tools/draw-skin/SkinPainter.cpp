#include "SkinPainter.h"

#include <algorithm>
#include <cmath>

namespace drawskin {

gfx::TColor Mix(gfx::TColor a, gfx::TColor b, double t)
{
    auto channel = [t](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * t)); };
    return gfx::RGB(channel(gfx::GetRValue(a), gfx::GetRValue(b)), channel(gfx::GetGValue(a), gfx::GetGValue(b)),
        channel(gfx::GetBValue(a), gfx::GetBValue(b)));
}

void SkinPainter::Blend(int x, int y, gfx::TColor color, double amount)
{
    if (amount <= 0 || !m_bitmap.Contains(x, y))
        return;
    m_bitmap.SetPixel(x, y, Mix(m_bitmap.GetPixel(x, y), color, std::min(amount, 1.0)));
}

void SkinPainter::Fill(const Shape& shape, gfx::TColor color, double opacity)
{
    Fill(shape, [color](int) { return color; }, opacity);
}

void SkinPainter::Fill(const Shape& shape, const std::function<gfx::TColor(int y)>& rowColor)
{
    Fill(shape, rowColor, 1.0);
}

void SkinPainter::Fill(const Shape& shape, const std::function<gfx::TColor(int y)>& rowColor, double opacity)
{
    constexpr int kSamples = 4;
    for (int y = 0; y < m_bitmap.Height(); ++y) {
        const gfx::TColor color = rowColor(y);
        for (int x = 0; x < m_bitmap.Width(); ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
            Blend(x, y, color, opacity * inside / (kSamples * kSamples));
        }
    }
}

void SkinPainter::FillRect(int left, int top, int right, int bottom, gfx::TColor color)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            m_bitmap.SetPixel(x, y, color);
}

void SkinPainter::FillRows(int left, int top, int right, int bottom, const std::function<gfx::TColor(int y)>& rowColor)
{
    for (int y = top; y < bottom; ++y)
        FillRect(left, y, right, y + 1, rowColor(y));
}

Shape RoundRect(double left, double top, double right, double bottom, double radius)
{
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

Shape RoundFrame(double left, double top, double right, double bottom, double radius, double width)
{
    const Shape outer = RoundRect(left, top, right, bottom, radius);
    const Shape inner = RoundRect(left + width, top + width, right - width, bottom - width, std::max(0.0, radius - width));
    return [=](double x, double y) { return outer(x, y) && !inner(x, y); };
}

Shape Segment(double x1, double y1, double x2, double y2, double width)
{
    return [=](double x, double y) {
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((x - x1) * dx + (y - y1) * dy) / length2, 0.0, 1.0) : 0.0;
        const double px = x1 + t * dx - x;
        const double py = y1 + t * dy - y;
        return px * px + py * py <= width * width / 4;
    };
}

gfx::TBitmap ShapeMask(int width, int height, const Shape& window)
{
    gfx::TBitmap mask(width, height);
    mask.Fill(gfx::clWhite);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (window(x + 0.5, y + 0.5))
                mask.SetPixel(x, y, gfx::clBlack);
    return mask;
}

gfx::TBitmap RoundMask(int width, int height, double radius)
{
    return ShapeMask(width, height, RoundRect(0, 0, width, height, radius));
}

Shape Union(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

} // namespace drawskin
