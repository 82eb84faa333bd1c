#pragma once

#include "platform/graphics/Geometry.h"

#include <span>
#include <vector>

// Pixel coverage of the canvas shapes, as lists of one-row rectangles. These
// decide which pixels a shape touches; the canvas then paints them once each,
// so raster operations such as XOR see every pixel exactly once.
namespace gfx::shapes {

// Per-row interval [Left, Right) of a shape that is convex along each row,
// for the rows Top .. Top + size - 1. An empty interval has Right <= Left.
struct RowSpans {
    int Top { 0 };
    std::vector<std::pair<int, int>> Rows;
};

// The pixels whose centres lie in the ellipse inscribed in the box.
RowSpans Ellipse(const TRect& box);
// The box with its corners cut by quarters of a w x h ellipse.
RowSpans RoundRect(const TRect& box, int w, int h);
RowSpans Box(const TRect& box);

// Every pixel of the rows as rectangles.
void AppendFill(const RowSpans& shape, std::vector<TRect>& out);
// A one-pixel outline: the pixels of the shape that have a 4-neighbour outside it.
void AppendOutline(const RowSpans& shape, std::vector<TRect>& out);
// The pixels of `outer` that are not in `inner`.
void AppendDifference(const RowSpans& outer, const RowSpans& inner, std::vector<TRect>& out);

// Pixels of a polygon filled by the alternate (even-odd) rule: pixel centres inside.
void AppendPolygon(std::span<const TPoint> points, std::vector<TRect>& out);

// The pixels of a line from a to b, end point excluded (Bresenham).
// `visit(x, y)` is called for each in order from a.
template <class Visit>
void LinePixels(TPoint a, TPoint b, Visit&& visit)
{
    int dx = b.X > a.X ? b.X - a.X : a.X - b.X;
    int dy = b.Y > a.Y ? b.Y - a.Y : a.Y - b.Y;
    int sx = a.X < b.X ? 1 : -1;
    int sy = a.Y < b.Y ? 1 : -1;
    int x = a.X;
    int y = a.Y;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            visit(x, y);
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            visit(x, y);
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y += sy;
        }
    }
}

} // namespace gfx::shapes
