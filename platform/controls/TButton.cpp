#include "platform/controls/TButton.h"

#include "platform/controls/StylePainter.h"
#include "platform/controls/TForm.h"
#include "platform/window/VirtualKeys.h"

namespace ctl {

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    TControl::SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool Value)
{
    m_default = Value;
    Invalidate();
}

bool TButton::IsActive() const
{
    if (Focused())
        return true;
    if (!m_default)
        return false;
    const TForm* form = GetParentForm();
    const TWinControl* active = form ? form->ActiveControl() : nullptr;
    return !dynamic_cast<const TButton*>(active) || active == this;
}

void TButton::Click()
{
    if (TForm* form = GetParentForm(); form && ModalResult != mrNone)
        form->SetModalResult(ModalResult);
    TCustomControl::Click();
}

wnd::LRESULT TButton::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == CM_DIALOGKEY) {
        const int key = static_cast<int>(WParam);
        if (((key == wnd::VK_RETURN && IsActive()) || (key == wnd::VK_ESCAPE && m_cancel)) && CanFocus()) {
            Click();
            return 1;
        }
        return 0;
    }
    return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TButton::SetPressed(bool Value)
{
    if (Value == m_pressed)
        return;
    m_pressed = Value;
    Invalidate();
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        m_tracking = true;
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (m_tracking)
        SetPressed(ClientRect().Contains({ X, Y }));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        m_tracking = false;
        SetPressed(false);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == wnd::VK_SPACE)
        SetPressed(true);
}

void TButton::KeyUp(int& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == wnd::VK_SPACE && m_pressed) {
        SetPressed(false);
        Click();
    }
}

void TButton::DoEnter()
{
    TCustomControl::DoEnter();
    if (TForm* form = GetParentForm())
        form->Invalidate(); // the default button's ring moves to the focused button
}

void TButton::DoExit()
{
    SetPressed(false);
    TCustomControl::DoExit();
    Invalidate();
}

void TButton::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const gfx::TRect r = ClientRect();
    const bool active = IsActive();
    StylePainter::DrawButtonFace(canvas, r, m_pressed, active);
    gfx::TRect text = gfx::Inflate(r, -4, -4);
    if (m_pressed)
        gfx::OffsetRect(text, 1, 1);
    canvas.Font = Font();
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const unsigned format = gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE;
    if (Enabled()) {
        gfx::TRect t = text;
        canvas.DrawText(Caption(), t, format);
    } else {
        StylePainter::DrawDisabledText(canvas, Caption(), text, format);
    }
    if (Focused()) {
        canvas.Brush.Color = gfx::clWhite;
        canvas.DrawFocusRect(gfx::Inflate(r, -4, -4));
    }
}

} // namespace ctl
