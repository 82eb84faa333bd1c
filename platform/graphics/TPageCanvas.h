#pragma once

#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

#include <cairo.h>

#include <string_view>

namespace gfx {

class TBitmap;

// A rectangle with fractional edges, for drawing that is scaled (zoomed
// previews, printed and PDF pages).
struct TRectF {
    double Left { 0 };
    double Top { 0 };
    double Right { 0 };
    double Bottom { 0 };

    constexpr double Width() const { return Right - Left; }
    constexpr double Height() const { return Bottom - Top; }
};

// The canvas report pages are drawn on. It draws through cairo onto either a
// bitmap (preview, tests) or a vector surface someone else owns (a PDF page),
// so frames and lines stay vectors and text stays real text there. Drawing
// units are the target's units: pixels of a bitmap, or whatever the owner of
// a cairo context has scaled it to.
class TPageCanvas {
public:
    // Draws into the bitmap's pixels. Shapes are not anti-aliased, so a frame
    // on whole units covers exactly the pixels it names.
    explicit TPageCanvas(TBitmap& bitmap);
    // Draws with a cairo context owned by the caller.
    explicit TPageCanvas(cairo_t* cairo);
    ~TPageCanvas();
    TPageCanvas(const TPageCanvas&) = delete;
    TPageCanvas& operator=(const TPageCanvas&) = delete;

    // True when drawing goes to a vector surface (text keeps its glyph
    // outlines unhinted and positions are not snapped to pixels).
    bool IsVector() const { return m_vector; }

    void FillRect(const TRectF& rect, TColor color);
    // A straight line of the given width centred on the path; dashed styles
    // scale their dashes with the width. psClear draws nothing.
    void Line(double x1, double y1, double x2, double y2, double width, TColor color, TPenStyle style);
    // One line of text in `font` (its colour, style and orientation) with the
    // cell's top-left at (x, y). `charExtra` adds space after every
    // character; `rightToLeft` gives the text a right-to-left base direction.
    void Text(const TFont& font, double x, double y, std::string_view text, double charExtra = 0,
        bool rightToLeft = false);
    // A picture scaled to fill the rectangle.
    void Image(const TBitmap& picture, const TRectF& rect);

    // Limits drawing to the rectangle until the matching PopClip.
    void PushClip(const TRectF& rect);
    void PopClip();

private:
    cairo_surface_t* m_surface { nullptr };
    cairo_t* m_cairo { nullptr };
    bool m_ownsCairo { false };
    bool m_vector { false };
};

// Width of a one-line text as TPageCanvas::Text draws it, with `charExtra`
// added after every character. Report layout measures with this so that
// preview, print and PDF wrap text the same way.
double PageTextWidth(const TFont& font, std::string_view text, double charExtra = 0);

} // namespace gfx
