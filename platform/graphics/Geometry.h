#pragma once

#include <algorithm>

namespace gfx {

// A point in pixels.
struct TPoint {
    int X { 0 };
    int Y { 0 };

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A width and a height in pixels, as text measuring returns them.
struct TSize {
    int cx { 0 };
    int cy { 0 };

    friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle in pixels. Right and Bottom are exclusive: the rectangle covers
// the columns Left..Right-1 and the rows Top..Bottom-1.
struct TRect {
    int Left { 0 };
    int Top { 0 };
    int Right { 0 };
    int Bottom { 0 };

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // Empty when it covers no pixel (zero or negative width or height).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr TPoint TopLeft() const { return { Left, Top }; }
    constexpr TPoint BottomRight() const { return { Right, Bottom }; }
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }

    friend bool operator==(const TRect&, const TRect&) = default;
};

inline constexpr TPoint Point(int x, int y) { return { x, y }; }
inline constexpr TRect Rect(int left, int top, int right, int bottom) { return { left, top, right, bottom }; }
inline constexpr TRect Bounds(int left, int top, int width, int height) { return { left, top, left + width, top + height }; }

inline constexpr bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
inline constexpr bool IsRectEmpty(const TRect& r) { return r.IsEmpty(); }
inline constexpr bool EqualRect(const TRect& a, const TRect& b) { return a == b; }

inline constexpr void OffsetRect(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

inline constexpr TRect Offset(TRect r, int dx, int dy)
{
    OffsetRect(r, dx, dy);
    return r;
}

// Moves every side outwards by dx (left and right) and dy (top and bottom);
// negative values shrink the rectangle.
inline constexpr void InflateRect(TRect& r, int dx, int dy)
{
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}

inline constexpr TRect Inflate(TRect r, int dx, int dy)
{
    InflateRect(r, dx, dy);
    return r;
}

// The common part of two rectangles; false (and an all-zero result) when they
// do not overlap.
inline constexpr bool IntersectRect(TRect& result, const TRect& a, const TRect& b)
{
    TRect r { std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom) };
    if (r.IsEmpty()) {
        result = {};
        return false;
    }
    result = r;
    return true;
}

inline constexpr TRect Intersection(const TRect& a, const TRect& b)
{
    TRect r;
    IntersectRect(r, a, b);
    return r;
}

// The smallest rectangle holding both; an empty rectangle does not count.
inline constexpr bool UnionRect(TRect& result, const TRect& a, const TRect& b)
{
    if (a.IsEmpty()) {
        result = b.IsEmpty() ? TRect {} : b;
    } else if (b.IsEmpty()) {
        result = a;
    } else {
        result = { std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom) };
    }
    return !result.IsEmpty();
}

} // namespace gfx
