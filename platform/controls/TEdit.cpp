#include "platform/controls/TEdit.h"

#include "platform/text/Utf8.h"

#include <algorithm>
#include <cstdlib>

namespace ctl {

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    TControl::SetBounds(0, 0, 121, 21);
}

void TEdit::SetAlignment(TAlignment Value)
{
    if (Value == m_alignment)
        return;
    m_alignment = Value;
    ScrollToCaret();
    Invalidate();
}

int TEdit::AlignmentOffset() const
{
    if (m_alignment == TAlignment::taLeftJustify)
        return 0;
    // The caret after the last character needs a pixel of its own.
    const int room = TextArea().Width() - TextWidth(Model().Text()) - 1;
    if (room <= 0)
        return 0;
    return m_alignment == TAlignment::taRightJustify ? room : room / 2;
}

int TEdit::TextTop() const
{
    const gfx::TRect area = TextArea();
    return area.Top + (area.Height() - LineHeight()) / 2;
}

int TEdit::TextX(int Index) const
{
    const std::u32string& text = Model().Text();
    return TextArea().Left + AlignmentOffset() - m_scroll + TextWidth(text.substr(0, static_cast<std::size_t>(std::clamp(Index, 0, Model().Length()))));
}

gfx::TPoint TEdit::CaretPoint(int Index) const
{
    return { TextX(Index), TextTop() };
}

int TEdit::IndexAt(int X, int) const
{
    // The character boundary nearest to X.
    int best = 0;
    int bestDistance = std::abs(TextX(0) - X);
    for (int i = 1; i <= Model().Length(); ++i) {
        const int distance = std::abs(TextX(i) - X);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void TEdit::ScrollToCaret()
{
    const gfx::TRect area = TextArea();
    const int x = TextX(Model().Caret());
    if (x < area.Left)
        m_scroll -= area.Left - x;
    else if (x >= area.Right)
        m_scroll += x - area.Right + 1;
    m_scroll = std::max(0, m_scroll);
    UpdateCaret();
}

void TEdit::PaintText(gfx::TCanvas& Canvas)
{
    const int top = TextTop();
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    Canvas.TextOut(TextX(0), top, Text());
    if (Model().HasSelection() && Focused()) {
        const int left = TextX(SelStart());
        const int right = TextX(SelStart() + SelLength());
        Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        Canvas.Brush.Color = gfx::clHighlight;
        Canvas.Font.Color = gfx::clHighlightText;
        Canvas.TextRect(gfx::Rect(left, top, right, top + LineHeight()), left, top, SelText());
    }
}

} // namespace ctl
