#include "platform/controls/StylePainter.h"

#include "platform/graphics/ArrowGlyph.h"
#include "platform/graphics/EdgePainter.h"

#include <array>

namespace ctl::StylePainter {

void DrawButtonFace(gfx::TCanvas& Canvas, const gfx::TRect& Rect, bool Pressed, bool IsDefault)
{
    gfx::TRect r = Rect;
    if (IsDefault || Pressed)
        gfx::Frame3D(Canvas, r, gfx::cl3DDkShadow, gfx::cl3DDkShadow);
    if (Pressed) {
        gfx::Frame3D(Canvas, r, gfx::clBtnShadow, gfx::clBtnShadow);
    } else {
        gfx::Frame3D(Canvas, r, gfx::clBtnHighlight, gfx::cl3DDkShadow);
        gfx::Frame3D(Canvas, r, gfx::cl3DLight, gfx::clBtnShadow);
    }
    gfx::FillSolid(Canvas, r, gfx::clBtnFace);
}

void DrawSunkenField(gfx::TCanvas& Canvas, gfx::TRect& Rect, gfx::TColor Fill)
{
    gfx::DrawEdge(Canvas, Rect, gfx::TEdgeRing::Sunken, gfx::TEdgeRing::Sunken);
    gfx::FillSolid(Canvas, Rect, Fill);
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
    gfx::DrawArrowGlyph(Canvas, gfx::Point(cx, cy + 3), gfx::TArrowDirection::Down,
        Enabled ? gfx::clBtnText : gfx::clGrayText);
}

void DrawCheckBox(gfx::TCanvas& Canvas, int X, int Y, TCheckMark Mark, bool Pressed, bool Enabled)
{
    gfx::TRect box = gfx::Rect(X, Y, X + kCheckBoxSize, Y + kCheckBoxSize);
    const bool faceInside = Pressed || !Enabled || Mark == TCheckMark::Grayed;
    DrawSunkenField(Canvas, box, faceInside ? gfx::clBtnFace : gfx::clWindow);
    if (Mark == TCheckMark::Unchecked)
        return;
    // The classic tick: seven columns three pixels tall, down to the fourth
    // column and up again.
    const gfx::TColor color = Mark == TCheckMark::Grayed || !Enabled ? gfx::clBtnShadow : gfx::clWindowText;
    static constexpr std::array<int, 7> kTop { 5, 6, 7, 6, 5, 4, 3 };
    for (int column = 0; column < static_cast<int>(kTop.size()); ++column) {
        const int x = X + 3 + column;
        const int y = Y + kTop[static_cast<std::size_t>(column)];
        gfx::FillSolid(Canvas, gfx::Rect(x, y, x + 1, y + 3), color);
    }
}

void DrawRadioMark(gfx::TCanvas& Canvas, int X, int Y, bool Checked, bool Pressed, bool Enabled)
{
    const gfx::TBrush savedBrush = Canvas.Brush;
    const gfx::TPen savedPen = Canvas.Pen;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = gfx::clBtnShadow;
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Pressed || !Enabled ? gfx::clBtnFace : gfx::clWindow;
    Canvas.Ellipse(X, Y, X + kRadioSize, Y + kRadioSize);
    if (Checked) {
        const gfx::TColor dot = Enabled ? gfx::clWindowText : gfx::clBtnShadow;
        Canvas.Pen.Color = dot;
        Canvas.Brush.Color = dot;
        Canvas.Ellipse(X + 4, Y + 4, X + kRadioSize - 4, Y + kRadioSize - 4);
    }
    Canvas.Brush = savedBrush;
    Canvas.Pen = savedPen;
}

void DrawSpinButton(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TArrowDirection Direction, bool Pressed,
    bool Enabled)
{
    DrawButtonFace(Canvas, Rect, Pressed, false);
    const int shift = Pressed ? 1 : 0;
    const int cx = (Rect.Left + Rect.Right - 1) / 2 + shift;
    const int cy = (Rect.Top + Rect.Bottom - 1) / 2 + shift;
    // The arrow is four rows tall; its tip sits so that it is centred.
    const gfx::TPoint tip = Direction == gfx::TArrowDirection::Up ? gfx::Point(cx, cy - 2) : gfx::Point(cx, cy + 1);
    gfx::DrawArrowGlyph(Canvas, tip, Direction, Enabled ? gfx::clBtnText : gfx::clGrayText);
}

void DrawExpandButton(gfx::TCanvas& Canvas, int X, int Y, bool Expanded)
{
    const gfx::TRect box = gfx::Rect(X - 4, Y - 4, X + 5, Y + 5);
    gfx::FillSolid(Canvas, box, gfx::clWindow);
    Canvas.Brush.Color = gfx::clGray;
    Canvas.FrameRect(box);
    gfx::FillSolid(Canvas, gfx::Rect(X - 2, Y, X + 3, Y + 1), gfx::clWindowText);
    if (!Expanded)
        gfx::FillSolid(Canvas, gfx::Rect(X, Y - 2, X + 1, Y + 3), gfx::clWindowText);
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
