#include "selfdrawn/SeDrawing.h"

#include "platform/graphics/TextFormat.h"

namespace selfdrawn {

void FillRectColor(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TColor Color)
{
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.FillRect(Rect);
}

void FrameRectColor(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TColor Color)
{
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.FrameRect(Rect);
}

void Draw3DFrame(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TColor TopLeft, gfx::TColor BottomRight)
{
    Canvas.Pen.Style = gfx::TPenStyle::psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = TopLeft;
    Canvas.MoveTo(Rect.Left, Rect.Bottom - 2);
    Canvas.LineTo(Rect.Left, Rect.Top);
    Canvas.LineTo(Rect.Right - 1, Rect.Top);
    Canvas.Pen.Color = BottomRight;
    Canvas.LineTo(Rect.Right - 1, Rect.Bottom - 1);
    Canvas.LineTo(Rect.Left - 1, Rect.Bottom - 1);
}

void DrawFocusFrame(gfx::TCanvas& Canvas, const gfx::TRect& Rect)
{
    Canvas.DrawFocusRect(Rect);
}

void DrawTextWide(gfx::TCanvas& Canvas, std::string_view Text, gfx::TRect& Rect, unsigned Flags)
{
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    Canvas.DrawText(Text, Rect, Flags);
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
}

int TextWidthWide(gfx::TCanvas& Canvas, std::string_view Text, unsigned Flags)
{
    if (Flags == 0)
        return Canvas.TextWidth(Text);
    gfx::TRect r { 0, 0, 0, 0 };
    Canvas.DrawText(Text, r, Flags | gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
    return r.Width();
}

int TextHeightWide(gfx::TCanvas& Canvas, std::string_view Text)
{
    return Canvas.TextHeight(Text);
}

} // namespace selfdrawn
