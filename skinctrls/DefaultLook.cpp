#include "skinctrls/DefaultLook.h"

#include "platform/graphics/TCanvas.h"

namespace skinctrls {

void DrawBevelFrame(gfx::TCanvas& Canvas, gfx::TRect& Rect, gfx::TColor Top, gfx::TColor Bottom)
{
    Canvas.Pen.Width = 1;
    Canvas.Pen.Style = gfx::TPenStyle::psSolid;
    Canvas.Pen.Mode = gfx::TPenMode::pmCopy;
    const int right = Rect.Right - 1;
    const int bottom = Rect.Bottom - 1;
    Canvas.Pen.Color = Top;
    Canvas.MoveTo(Rect.Left, bottom);
    Canvas.LineTo(Rect.Left, Rect.Top);
    Canvas.LineTo(right, Rect.Top);
    Canvas.Pen.Color = Bottom;
    Canvas.LineTo(right, bottom);
    Canvas.LineTo(Rect.Left - 1, bottom);
    gfx::InflateRect(Rect, -1, -1);
}

void DrawFramedFill(gfx::TCanvas& Canvas, gfx::TRect Rect, gfx::TColor Frame, gfx::TColor Fill)
{
    DrawBevelFrame(Canvas, Rect, Frame, Frame);
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Fill;
    Canvas.FillRect(Rect);
}

} // namespace skinctrls
