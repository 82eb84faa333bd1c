#pragma once

#include "platform/graphics/Geometry.h"

#include <pixman.h>

#include <span>
#include <vector>

namespace gfx {

class TBitmap;

// Combination modes, with the classic numbers.
enum class TCombineMode { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

// A set of pixels made of rectangles (window regions, clip regions, masks).
// A value type: copies are independent.
class TRegion {
public:
    TRegion();
    explicit TRegion(const TRect& rect);
    TRegion(const TRegion& other);
    TRegion(TRegion&& other) noexcept;
    TRegion& operator=(const TRegion& other);
    TRegion& operator=(TRegion&& other) noexcept;
    ~TRegion();

    // A region from any rectangles (overlaps allowed; empty rectangles ignored).
    static TRegion FromRects(std::span<const TRect> rects);
    // The pixels inside the ellipse that fits the rectangle, as Ellipse fills it.
    static TRegion FromEllipse(const TRect& bounds);
    // The pixels of a rectangle with rounded corners of ellipse size w x h.
    static TRegion FromRoundRect(const TRect& bounds, int w, int h);
    // The pixels inside a polygon (alternate filling: pixel centres inside).
    static TRegion FromPolygon(std::span<const TPoint> points);
    // The pure black pixels (red, green and blue all 0) of a picture, offset by
    // (x, y): each horizontal run of black pixels of a row is one rectangle.
    static TRegion FromMask(const TBitmap& mask, int x = 0, int y = 0);

    bool Empty() const;
    bool Contains(int x, int y) const;
    bool Contains(TPoint p) const { return Contains(p.X, p.Y); }
    // True when the whole rectangle is inside the region.
    bool ContainsRect(const TRect& rect) const;
    // True when some pixel of the rectangle is inside the region.
    bool Intersects(const TRect& rect) const;
    TRect BoundingBox() const;
    // The region's rectangles, banded: top to bottom, left to right.
    std::vector<TRect> Rects() const;
    int RectCount() const;

    void Offset(int dx, int dy);
    void Clear();

    TRegion& operator|=(const TRegion& other);
    TRegion& operator&=(const TRegion& other);
    TRegion& operator-=(const TRegion& other);
    TRegion& operator^=(const TRegion& other);
    friend TRegion operator|(TRegion a, const TRegion& b) { return a |= b; }
    friend TRegion operator&(TRegion a, const TRegion& b) { return a &= b; }
    friend TRegion operator-(TRegion a, const TRegion& b) { return a -= b; }
    friend TRegion operator^(TRegion a, const TRegion& b) { return a ^= b; }

    // Equal when both cover the same pixels.
    bool operator==(const TRegion& other) const;

    // The classic combination: result = a (mode) b.
    static TRegion Combine(const TRegion& a, const TRegion& b, TCombineMode mode);

    const pixman_region32_t* Native() const { return &m_region; }

private:
    pixman_region32_t m_region;
};

} // namespace gfx
