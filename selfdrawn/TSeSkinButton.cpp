#include "selfdrawn/TSeSkinButton.h"

#include "platform/controls/TForm.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {

TSeCustomButton::TSeCustomButton(ctl::TComponent* AOwner) : TSeCustomControl(AOwner)
{
    // The button decides itself when a press and release make a click.
    m_clickEvents = false;
    SetPerformance(TSePerformance::kspDoubleBuffer);
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TSeCustomButton::SetDefault(bool Value)
{
    m_default = Value;
    Invalidate();
}

void TSeCustomButton::SetWordWrap(bool Value)
{
    m_wordWrap = Value;
    Invalidate();
}

void TSeCustomButton::SetSpacing(int Value)
{
    m_spacing = Value;
    Invalidate();
}

void TSeCustomButton::SetState(TSeButtonState Value)
{
    if (m_state == Value)
        return;
    m_state = Value;
    Invalidate();
}

void TSeCustomButton::Click()
{
    if (ctl::TForm* form = GetParentForm(); form && m_modalResult != 0)
        form->SetModalResult(static_cast<ctl::TModalResult>(m_modalResult));
    TSeCustomControl::Click();
}

void TSeCustomButton::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyDown(Key, Shift);
    const bool plain = !Shift.Contains(ctl::TShiftKind::ssShift) && !Shift.Contains(ctl::TShiftKind::ssCtrl)
        && !Shift.Contains(ctl::TShiftKind::ssAlt);
    if (Key == wnd::VK_SPACE && !Shift.Contains(ctl::TShiftKind::ssAlt)) {
        SetState(TSeButtonState::kbsPressed);
    } else if (Key == wnd::VK_RETURN && plain) {
        Key = 0;
        Click();
    } else if (Key == wnd::VK_ESCAPE && plain && m_cancel) {
        Key = 0;
        Click();
    }
}

void TSeCustomButton::KeyUp(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyUp(Key, Shift);
    if (Key != wnd::VK_SPACE || m_state != TSeButtonState::kbsPressed)
        return;
    Key = 0;
    SetState(TSeButtonState::kbsNormal);
    Click();
}

void TSeCustomButton::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft || !Enabled())
        return;
    if (CanFocus())
        SetFocus();
    m_tracking = true;
    SetState(TSeButtonState::kbsPressed);
}

void TSeCustomButton::MouseMove(ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseMove(Shift, X, Y);
    if (m_tracking)
        SetState(gfx::PtInRect(ClientRect(), { X, Y }) ? TSeButtonState::kbsPressed : TSeButtonState::kbsNormal);
}

void TSeCustomButton::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
    if (!m_tracking || Button != ctl::TMouseButton::mbLeft)
        return;
    m_tracking = false;
    SetState(TSeButtonState::kbsNormal);
    if (gfx::PtInRect(ClientRect(), { X, Y }))
        Click();
}

void TSeCustomButton::PaintClient(gfx::TCanvas& Canvas)
{
    TSeCustomControl::PaintClient(Canvas);
    PaintFace(Canvas);
    PaintCaption(Canvas);
}

void TSeCustomButton::PaintFace(gfx::TCanvas& Canvas)
{
    gfx::TRect r = GetContentRect();
    if (Focused() || m_default) {
        FrameRectColor(Canvas, r, gfx::clBlack);
        gfx::InflateRect(r, -1, -1);
    }
    gfx::FillSolid(Canvas, r, Color());
    if (m_state == TSeButtonState::kbsNormal) {
        gfx::Frame3D(Canvas, r, gfx::clBtnHighlight, gfx::clBlack);
        gfx::Frame3D(Canvas, r, Color(), gfx::clBtnShadow);
    } else {
        gfx::Frame3D(Canvas, r, gfx::clBtnShadow, gfx::clBtnShadow);
    }
    if (Focused())
        Canvas.DrawFocusRect(gfx::Inflate(GetContentRect(), -4, -4));
}

unsigned TSeCustomButton::CaptionFlags() const
{
    return gfx::DT_CENTER | (m_wordWrap ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE);
}

void TSeCustomButton::PaintCaption(gfx::TCanvas& Canvas)
{
    Canvas.Font = PaintFont();
    // The caption block, centred; a pressed button shows it one pixel further.
    gfx::TRect measured = gfx::Rect(0, 0, m_wordWrap ? Width() - m_spacing - 10 : 0, 0);
    Canvas.DrawText(Caption(), measured, CaptionFlags() | gfx::DT_CALCRECT);
    const int pressed = m_state == TSeButtonState::kbsPressed ? 1 : 0;
    const int left = (Width() - measured.Width()) / 2 + pressed;
    const int top = (Height() - measured.Height()) / 2 + pressed;
    gfx::TRect r = gfx::Rect(left, top, left + measured.Width(), top + measured.Height());
    if (Enabled()) {
        DrawTextWide(Canvas, Caption(), r, CaptionFlags());
        return;
    }
    gfx::TRect raised = r;
    gfx::OffsetRect(raised, 1, 1);
    Canvas.Font.Color = gfx::clBtnHighlight;
    DrawTextWide(Canvas, Caption(), raised, CaptionFlags());
    Canvas.Font.Color = gfx::clBtnShadow;
    DrawTextWide(Canvas, Caption(), r, CaptionFlags());
}

} // namespace selfdrawn
