#include "platform/controls/StylePainter.h"

#include <array>

namespace ctl::StylePainter {
namespace {

void FillColor(gfx::TCanvas& canvas, const gfx::TRect& r, gfx::TColor color)
{
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.Brush.Color = color;
    canvas.FillRect(r);
}

} // namespace

void Frame3D(gfx::TCanvas& Canvas, gfx::TRect& Rect, gfx::TColor TopColor, gfx::TColor BottomColor, int Width)
{
    const gfx::TBrush saved = Canvas.Brush;
    for (int i = 0; i < Width && !Rect.IsEmpty(); ++i) {
        const gfx::TRect& r = Rect;
        FillColor(Canvas, gfx::Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), TopColor);
        FillColor(Canvas, gfx::Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), TopColor);
        FillColor(Canvas, gfx::Rect(r.Right - 1, r.Top, r.Right, r.Bottom), BottomColor);
        FillColor(Canvas, gfx::Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), BottomColor);
        gfx::InflateRect(Rect, -1, -1);
    }
    Canvas.Brush = saved;
}

void DrawButtonFace(gfx::TCanvas& Canvas, const gfx::TRect& Rect, bool Pressed, bool IsDefault)
{
    gfx::TRect r = Rect;
    if (IsDefault || Pressed)
        Frame3D(Canvas, r, gfx::cl3DDkShadow, gfx::cl3DDkShadow, 1);
    if (Pressed) {
        Frame3D(Canvas, r, gfx::clBtnShadow, gfx::clBtnShadow, 1);
    } else {
        Frame3D(Canvas, r, gfx::clBtnHighlight, gfx::cl3DDkShadow, 1);
        Frame3D(Canvas, r, gfx::cl3DLight, gfx::clBtnShadow, 1);
    }
    FillColor(Canvas, r, gfx::clBtnFace);
}

void DrawSunkenField(gfx::TCanvas& Canvas, gfx::TRect& Rect, gfx::TColor Fill)
{
    Frame3D(Canvas, Rect, gfx::clBtnShadow, gfx::clBtnHighlight, 1);
    Frame3D(Canvas, Rect, gfx::cl3DDkShadow, gfx::cl3DLight, 1);
    FillColor(Canvas, Rect, Fill);
}

void DrawSunkenField(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TColor Fill)
{
    gfx::TRect inside = Rect;
    DrawSunkenField(Canvas, inside, Fill);
}

void DrawDisabledText(gfx::TCanvas& Canvas, std::string_view Text, gfx::TRect Rect, unsigned Format)
{
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const gfx::TColor color = Canvas.Font.Color;
    gfx::TRect shifted = gfx::Offset(Rect, 1, 1);
    Canvas.Font.Color = gfx::clBtnHighlight;
    Canvas.DrawText(Text, shifted, Format);
    Canvas.Font.Color = gfx::clBtnShadow;
    Canvas.DrawText(Text, Rect, Format);
    Canvas.Font.Color = color;
}

void DrawDropDownButton(gfx::TCanvas& Canvas, const gfx::TRect& Rect, bool Enabled)
{
    DrawButtonFace(Canvas, Rect, false, false);
    const int cx = (Rect.Left + Rect.Right) / 2;
    const int cy = (Rect.Top + Rect.Bottom) / 2 - 1;
    const gfx::TColor color = Enabled ? gfx::clBtnText : gfx::clGrayText;
    for (int i = 0; i < 4; ++i)
        FillColor(Canvas, gfx::Rect(cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1), color);
}

void DrawExpandButton(gfx::TCanvas& Canvas, int X, int Y, bool Expanded)
{
    const gfx::TRect box = gfx::Rect(X - 4, Y - 4, X + 5, Y + 5);
    FillColor(Canvas, box, gfx::clWindow);
    Canvas.Brush.Color = gfx::clGray;
    Canvas.FrameRect(box);
    FillColor(Canvas, gfx::Rect(X - 2, Y, X + 3, Y + 1), gfx::clWindowText);
    if (!Expanded)
        FillColor(Canvas, gfx::Rect(X, Y - 2, X + 1, Y + 3), gfx::clWindowText);
}

void DrawMessageIcon(gfx::TCanvas& Canvas, int X, int Y, TMessageIcon Icon)
{
    if (Icon == TMessageIcon::None)
        return;
    const gfx::TBrush savedBrush = Canvas.Brush;
    const gfx::TPen savedPen = Canvas.Pen;
    const gfx::TFont savedFont = Canvas.Font;
    Canvas.Pen.Width = 1;
    std::string_view glyph;
    gfx::TColor glyphColor = gfx::clWhite;
    if (Icon == TMessageIcon::Warning) {
        Canvas.Pen.Color = gfx::clBlack;
        Canvas.Brush.Color = gfx::clYellow;
        const std::array<gfx::TPoint, 3> triangle { gfx::Point(X + 15, Y + 1), gfx::Point(X + 30, Y + 29),
            gfx::Point(X + 1, Y + 29) };
        Canvas.Polygon(triangle);
        glyph = "!";
        glyphColor = gfx::clBlack;
    } else {
        Canvas.Pen.Color = gfx::clBlack;
        Canvas.Brush.Color = Icon == TMessageIcon::Error ? gfx::RGB(220, 0, 0) : gfx::RGB(0, 80, 200);
        Canvas.Ellipse(X + 1, Y + 1, X + 31, Y + 31);
        glyph = Icon == TMessageIcon::Question ? "?" : Icon == TMessageIcon::Information ? "i" : "";
    }
    if (Icon == TMessageIcon::Error) {
        // A white cross of two thick strokes.
        Canvas.Pen.Color = gfx::clWhite;
        Canvas.Pen.Width = 3;
        Canvas.MoveTo(X + 10, Y + 10);
        Canvas.LineTo(X + 22, Y + 22);
        Canvas.MoveTo(X + 22, Y + 10);
        Canvas.LineTo(X + 10, Y + 22);
    } else {
        Canvas.Font.Name = "Arial";
        Canvas.Font.Height = -20;
        Canvas.Font.Style = { gfx::TFontStyle::fsBold };
        Canvas.Font.Color = glyphColor;
        Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        gfx::TRect r = gfx::Rect(X, Y + (Icon == TMessageIcon::Warning ? 7 : 4), X + 32, Y + 30);
        Canvas.DrawText(glyph, r, gfx::DT_CENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    }
    Canvas.Brush = savedBrush;
    Canvas.Pen = savedPen;
    Canvas.Font = savedFont;
}

} // namespace ctl::StylePainter
