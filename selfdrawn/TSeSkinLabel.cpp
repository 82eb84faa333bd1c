#include "selfdrawn/TSeSkinLabel.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TextFormat.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {

TSeCustomLabel::TSeCustomLabel(ctl::TComponent* AOwner) : TSeGraphicControl(AOwner)
{
    SetTransparent(true);
    SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

void TSeCustomLabel::SetAutoSize(bool Value)
{
    m_autoSize = Value;
    AdjustBounds();
}

void TSeCustomLabel::SetAlignment(ctl::TAlignment Value)
{
    m_alignment = Value;
    Invalidate();
}

void TSeCustomLabel::SetLayout(TTextLayout Value)
{
    m_layout = Value;
    Invalidate();
}

void TSeCustomLabel::SetWordWrap(bool Value)
{
    m_wordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TSeCustomLabel::SetShowAccelChar(bool Value)
{
    m_showAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TSeCustomLabel::SetFocusControl(ctl::TWinControl* Value)
{
    if (m_focusControl)
        m_focusControl->RemoveFreeNotification(this);
    m_focusControl = Value;
    if (m_focusControl)
        m_focusControl->FreeNotification(this);
}

void TSeCustomLabel::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    TSeGraphicControl::Notification(AComponent, Operation);
    if (Operation == ctl::TOperation::opRemove && AComponent == m_focusControl)
        m_focusControl = nullptr;
}

wnd::LRESULT TSeCustomLabel::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg != ctl::CM_DIALOGCHAR)
        return TSeGraphicControl::WndProc(Msg, WParam, LParam);
    if (!m_focusControl || !Enabled() || !m_showAccelChar || !ctl::IsAccel(static_cast<char32_t>(WParam), Caption())
        || !m_focusControl->CanFocus())
        return 0;
    m_focusControl->SetFocus();
    return 1;
}

void TSeCustomLabel::TextChanged()
{
    TSeGraphicControl::TextChanged();
    AdjustBounds();
    Repaint();
}

void TSeCustomLabel::FontChanged()
{
    TSeGraphicControl::FontChanged();
    AdjustBounds();
}

unsigned TSeCustomLabel::TextFlags() const
{
    unsigned flags = gfx::DT_EXPANDTABS;
    if (m_alignment == ctl::TAlignment::taRightJustify)
        flags |= gfx::DT_RIGHT;
    else if (m_alignment == ctl::TAlignment::taCenter)
        flags |= gfx::DT_CENTER;
    if (m_wordWrap)
        flags |= gfx::DT_WORDBREAK;
    if (!m_showAccelChar)
        flags |= gfx::DT_NOPREFIX;
    return flags;
}

gfx::TRect TSeCustomLabel::MeasureText(gfx::TCanvas& Canvas, gfx::TRect Rect) const
{
    std::string text = Caption();
    // An empty caption (or a lone accelerator mark) still measures one line.
    if (text.empty() || (m_showAccelChar && text == "&"))
        text += ' ';
    Canvas.DrawText(text, Rect, TextFlags() | gfx::DT_CALCRECT);
    return Rect;
}

void TSeCustomLabel::AdjustBounds()
{
    if (!m_autoSize)
        return;
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    canvas.Font = Font();
    gfx::TRect r = gfx::Rect(0, 0, m_wordWrap ? Width() : 0, 0);
    r = MeasureText(canvas, r);
    int left = Left();
    if (m_alignment == ctl::TAlignment::taRightJustify)
        left = Left() + Width() - r.Width();
    if (r.Width() != Width() || r.Height() != Height() || left != Left())
        SetBounds(left, Top(), r.Width(), r.Height());
}

void TSeCustomLabel::PaintClient(gfx::TCanvas& Canvas)
{
    TSeGraphicControl::PaintClient(Canvas);
    gfx::TRect r = gfx::Rect(0, 0, Width(), Height());
    if (m_layout != TTextLayout::tlTop) {
        const gfx::TRect measured = MeasureText(Canvas, r);
        const int free = Height() - measured.Bottom;
        gfx::OffsetRect(r, 0, m_layout == TTextLayout::tlBottom ? free : free / 2);
    }
    Canvas.Font = PaintFont();
    DrawStateText(Canvas, Caption(), r, TextFlags(), Enabled());
}

} // namespace selfdrawn
