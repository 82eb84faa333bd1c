#include "selfdrawn/SeDrawing.h"

#include "platform/graphics/TextFormat.h"

#include <cmath>

namespace selfdrawn {

int Nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

void FrameRectColor(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TColor Color)
{
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.FrameRect(Rect);
}

void DrawTextWide(gfx::TCanvas& Canvas, std::string_view Text, gfx::TRect& Rect, unsigned Flags)
{
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    Canvas.DrawText(Text, Rect, Flags);
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
}

void DrawStateText(gfx::TCanvas& Canvas, std::string_view Text, const gfx::TRect& Rect, unsigned Flags, bool Enabled)
{
    gfx::TRect r = Rect;
    if (Enabled) {
        DrawTextWide(Canvas, Text, r, Flags);
        return;
    }
    gfx::TRect raised = Rect;
    gfx::OffsetRect(raised, 1, 1);
    Canvas.Font.Color = gfx::clBtnHighlight;
    DrawTextWide(Canvas, Text, raised, Flags);
    Canvas.Font.Color = gfx::clBtnShadow;
    DrawTextWide(Canvas, Text, r, Flags);
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
