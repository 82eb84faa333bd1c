#pragma once

#include "platform/graphics/TBitmap.h"

#include <functional>

namespace drawskin {

// A shape as a test of a point (continuous coordinates: the pixel (x, y)
// covers x..x+1, y..y+1).
using Shape = std::function<bool(double x, double y)>;

// Paints shapes into a bitmap with their edges smoothed: each pixel takes the
// colour in proportion to how much of it the shape covers (4 x 4 samples).
class SkinPainter {
public:
    explicit SkinPainter(gfx::TBitmap& bitmap) : m_bitmap(bitmap) {}

    void Fill(const Shape& shape, gfx::TColor color, double opacity = 1.0);
    // The same with a colour for each row: a vertical gradient in a shape.
    void Fill(const Shape& shape, const std::function<gfx::TColor(int y)>& rowColor);
    // A solid rectangle of whole pixels.
    void FillRect(int left, int top, int right, int bottom, gfx::TColor color);
    // Rows top..bottom-1 of a rectangle coloured by row.
    void FillRows(int left, int top, int right, int bottom, const std::function<gfx::TColor(int y)>& rowColor);

private:
    void Fill(const Shape& shape, const std::function<gfx::TColor(int y)>& rowColor, double opacity);
    void Blend(int x, int y, gfx::TColor color, double amount);

    gfx::TBitmap& m_bitmap;
};

// Shapes.
Shape RoundRect(double left, double top, double right, double bottom, double radius);
// The ring between a rounded rectangle and the same rectangle shrunk by width.
Shape RoundFrame(double left, double top, double right, double bottom, double radius, double width);
// A line of the given width between two points, with round ends.
Shape Segment(double x1, double y1, double x2, double y2, double width);
Shape Union(Shape a, Shape b);

// A window mask: black on the whole pixels whose centre lies in the shape (a
// window region takes a pixel or leaves it), white outside.
gfx::TBitmap ShapeMask(int width, int height, const Shape& window);
// The mask of a rounded rectangle filling the whole size.
gfx::TBitmap RoundMask(int width, int height, double radius);

// Mixes two colours: t = 0 gives a, t = 1 gives b.
gfx::TColor Mix(gfx::TColor a, gfx::TColor b, double t);

} // namespace drawskin
