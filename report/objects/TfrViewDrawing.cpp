#include "report/objects/TfrView.h"

#include "platform/graphics/TPageCanvas.h"

#include <algorithm>
#include <cmath>
#include <array>

namespace report {
namespace {

// Report units beyond any page; keeps scaled geometry inside Int32.
constexpr double kCoordinateLimit = 1.0e8;

std::int32_t Scaled(std::int32_t value, double scale, std::int32_t offset)
{
    double result = std::nearbyint(value * scale + offset);
    return static_cast<std::int32_t>(std::clamp(result, -kCoordinateLimit, kCoordinateLimit));
}

gfx::TPenStyle PenStyleOf(std::uint16_t frame_style)
{
    switch (frame_style) {
    case psDash:
        return gfx::TPenStyle::psDash;
    case psDot:
        return gfx::TPenStyle::psDot;
    case psDashDot:
        return gfx::TPenStyle::psDashDot;
    case psDashDotDot:
        return gfx::TPenStyle::psDashDotDot;
    default:
        return gfx::TPenStyle::psSolid;
    }
}

// A frame side from (x1, y1) to (x2, y2) that runs along a row or column of
// units: a pen of odd width is centred on the middle of the unit so that a
// one-unit pen covers exactly that row or column.
struct Side {
    double x1, y1, x2, y2;
    bool vertical;
};

void DrawSide(gfx::TPageCanvas& canvas, Side side, double width, TColor color, std::uint16_t style)
{
    double centre = std::lround(width) % 2 == 1 ? 0.5 : 0.0;
    auto stroke = [&](double shift, double pen) {
        if (side.vertical)
            canvas.Line(side.x1 + centre + shift, side.y1, side.x2 + centre + shift, side.y2, pen, color,
                PenStyleOf(style));
        else
            canvas.Line(side.x1, side.y1 + centre + shift, side.x2, side.y2 + centre + shift, pen, color,
                PenStyleOf(style));
    };
    if (style != psDouble) {
        stroke(0, width);
        return;
    }
    // Two lines of the frame width with a gap of the same width between them.
    stroke(-width, width);
    stroke(width, width);
}

} // namespace

void TfrView::ApplyScale()
{
    if (m_unscaled)
        RestoreScale();
    m_unscaled = UnscaledGeometry { Left, Top, Width, Height, GapX, GapY, FrameWidth };
    Left = Scaled(Left, ScaleX, OffsetX);
    Top = Scaled(Top, ScaleY, OffsetY);
    Width = Scaled(Width, ScaleX, 0);
    Height = Scaled(Height, ScaleY, 0);
    FrameWidth = static_cast<float>(FrameWidth * ScaleX);
    GapX = Scaled(GapX, ScaleX, 0) + static_cast<std::int32_t>(FrameWidth / 2);
    GapY = Scaled(GapY, ScaleY, 0) + static_cast<std::int32_t>(FrameWidth / 2);

    double inset = std::max(0.0, (FrameWidth - 1.0) / 2.0);
    m_drawLeft = Left + ((FrameTyp & frftLeft) ? inset : 0.0);
    m_drawTop = Top + ((FrameTyp & frftTop) ? inset : 0.0);
    m_drawRight = static_cast<double>(Left) + Width + 1 - ((FrameTyp & frftRight) ? inset : 0.0);
    m_drawBottom = static_cast<double>(Top) + Height + 1 - ((FrameTyp & frftBottom) ? inset : 0.0);
}

void TfrView::RestoreScale()
{
    if (!m_unscaled)
        return;
    Left = m_unscaled->Left;
    Top = m_unscaled->Top;
    Width = m_unscaled->Width;
    Height = m_unscaled->Height;
    GapX = m_unscaled->GapX;
    GapY = m_unscaled->GapY;
    FrameWidth = m_unscaled->FrameWidth;
    m_unscaled.reset();
}

void TfrView::PaintBackground(gfx::TPageCanvas& canvas)
{
    if (DrawMode == TfrDrawMode::FirstPass)
        return;
    TColor fill = FillColor;
    if (fill == clTransparent) {
        if (DrawMode != TfrDrawMode::Designer)
            return;
        fill = clWhite;
    }
    canvas.FillRect({ m_drawLeft, m_drawTop, m_drawRight, m_drawBottom }, fill);
}

void TfrView::PaintFrame(gfx::TPageCanvas& canvas)
{
    if (DrawMode == TfrDrawMode::FirstPass)
        return;
    double left = Left;
    double top = Top;
    double right = static_cast<double>(Left) + Width;
    double bottom = static_cast<double>(Top) + Height;
    if (DrawMode == TfrDrawMode::Designer) {
        // Corner marks show where an object without a frame lies.
        constexpr double mark = 4;
        for (auto [x, y, dx, dy] : { std::array<double, 4> { left, top, 1, 1 }, { right, top, -1, 1 },
                 { left, bottom, 1, -1 }, { right, bottom, -1, -1 } }) {
            canvas.Line(x, y + 0.5, x + dx * mark, y + 0.5, 1, clBlack, gfx::TPenStyle::psSolid);
            canvas.Line(x + 0.5, y, x + 0.5, y + dy * mark, 1, clBlack, gfx::TPenStyle::psSolid);
        }
    }
    if (FrameTyp == frftNone)
        return;
    double width = std::max(1.0, static_cast<double>(std::lround(FrameWidth)));
    double end_x = right + 1;
    double end_y = bottom + 1;
    if (FrameTyp & frftRight)
        DrawSide(canvas, { right, top, right, end_y, true }, width, FrameColor, FrameStyle);
    if (FrameTyp & frftLeft)
        DrawSide(canvas, { left, top, left, end_y, true }, width, FrameColor, FrameStyle);
    if (FrameTyp & frftBottom)
        DrawSide(canvas, { left, bottom, end_x, bottom, false }, width, FrameColor, FrameStyle);
    if (FrameTyp & frftTop)
        DrawSide(canvas, { left, top, end_x, top, false }, width, FrameColor, FrameStyle);
}

} // namespace report
