#include "platform/controls/TCheckControl.h"

#include "platform/controls/StylePainter.h"
#include "platform/window/VirtualKeys.h"

namespace ctl {

namespace {

// Pixels between the mark and the caption.
constexpr int kCaptionGap = 4;

} // namespace

TCheckControl::TCheckControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    TControl::SetBounds(0, 0, 97, 17);
}

void TCheckControl::SetAlignment(TAlignment Value)
{
    if (Value == TAlignment::taCenter || Value == m_alignment)
        return;
    m_alignment = Value;
    Invalidate();
}

void TCheckControl::Click()
{
    Toggle();
    TCustomControl::Click();
}

void TCheckControl::SetPressed(bool Value)
{
    if (Value == m_pressed)
        return;
    m_pressed = Value;
    Invalidate();
}

void TCheckControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        m_tracking = true;
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCheckControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (m_tracking)
        SetPressed(ClientRect().Contains({ X, Y }));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCheckControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        m_tracking = false;
        SetPressed(false);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCheckControl::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == wnd::VK_SPACE)
        SetPressed(true);
}

void TCheckControl::KeyUp(int& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == wnd::VK_SPACE && m_pressed) {
        SetPressed(false);
        Click();
    }
}

void TCheckControl::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TCheckControl::DoExit()
{
    SetPressed(false);
    TCustomControl::DoExit();
    Invalidate();
}

void TCheckControl::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const gfx::TRect r = ClientRect();
    const int mark = MarkSize();
    const bool markLeft = m_alignment == TAlignment::taRightJustify;
    const int markX = markLeft ? 0 : r.Right - mark;
    PaintMark(canvas, markX, (r.Height() - mark) / 2, m_pressed);

    canvas.Font = Font();
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    gfx::TRect text = markLeft ? gfx::Rect(mark + kCaptionGap, 0, r.Right, r.Bottom)
                               : gfx::Rect(0, 0, r.Right - mark - kCaptionGap, r.Bottom);
    const unsigned format = gfx::DT_VCENTER | gfx::DT_SINGLELINE | (markLeft ? gfx::DT_LEFT : gfx::DT_RIGHT);
    if (Enabled()) {
        gfx::TRect t = text;
        canvas.DrawText(Caption(), t, format);
    } else {
        StylePainter::DrawDisabledText(canvas, Caption(), text, format);
    }
    if (Focused() && !Caption().empty()) {
        const gfx::TSize extent = canvas.TextExtent(Caption());
        const int top = (r.Height() - extent.cy) / 2;
        const int left = markLeft ? text.Left : text.Right - extent.cx;
        gfx::TRect focus = gfx::Rect(left - 1, top - 1, left + extent.cx + 1, top + extent.cy + 1);
        canvas.Brush.Color = gfx::clWhite;
        canvas.DrawFocusRect(focus);
    }
}

} // namespace ctl
