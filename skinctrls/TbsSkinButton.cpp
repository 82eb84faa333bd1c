#include "skinctrls/TbsSkinButton.h"

#include "platform/controls/TForm.h"
#include "platform/window/Input.h"
#include "platform/window/VirtualKeys.h"
#include "skinctrls/DefaultLook.h"

namespace skinctrls {

TbsSkinButton::TbsSkinButton(ctl::TComponent* AOwner) : SkinButtonBase(AOwner)
{
    SetSkinDataName("button");
    TbsSkinCustomControl::SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TbsSkinButton::SetGroupIndex(int Value)
{
    SkinButtonBase::SetGroupIndex(Value);
    if (Value != 0)
        SetCanFocused(false);
}

void TbsSkinButton::SetCanFocused(bool Value)
{
    m_canFocused = Value;
    SetTabStop(Value);
    Invalidate();
}

void TbsSkinButton::SetDefault(bool Value)
{
    m_default = Value;
    RefreshForm();
}

namespace {

// Repaints every skinned button under Parent: the default button's highlight
// follows the focus.
void InvalidateButtons(ctl::TWinControl& Parent)
{
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        ctl::TControl* c = Parent.Controls(i);
        if (auto* button = dynamic_cast<TbsSkinButton*>(c))
            button->Invalidate();
        if (auto* container = dynamic_cast<ctl::TWinControl*>(c))
            InvalidateButtons(*container);
    }
}

} // namespace

void TbsSkinButton::RefreshForm()
{
    Invalidate();
    if (ctl::TForm* form = GetParentForm())
        InvalidateButtons(*form);
}

bool TbsSkinButton::ActiveDefault() const
{
    const ctl::TForm* form = GetParentForm();
    const ctl::TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (dynamic_cast<const TbsSkinButton*>(active))
        return active == this;
    return m_default;
}

bool TbsSkinButton::DefaultHighlight() const
{
    return m_canFocused && m_default && !Focused() && ActiveDefault();
}

bool TbsSkinButton::PressedLook() const
{
    if (!m_down)
        return false;
    if (GroupIndex() != 0)
        return true;
    return m_mouseIn || (FocusedLook() && !m_mousePressed);
}

void TbsSkinButton::ButtonClick()
{
    if (m_canFocused)
        if (ctl::TForm* form = GetParentForm())
            form->SetModalResult(ModalResult);
    RunClickHandler();
}

void TbsSkinButton::Click()
{
    // The platform's own click does nothing: ButtonClick fires OnClick.
}

wnd::LRESULT TbsSkinButton::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == ctl::CM_DIALOGKEY) {
        const int key = static_cast<int>(WParam);
        if (key == wnd::VK_RETURN && ActiveDefault() && Enabled() && Showing()) {
            ButtonClick();
            return 1;
        }
        if (key == wnd::VK_ESCAPE && Cancel && m_canFocused && wnd::GetKeyState(wnd::VK_SHIFT) >= 0 && CanFocus()) {
            ButtonClick();
            return 1;
        }
        return 0;
    }
    if (Msg == ctl::CM_DIALOGCHAR) {
        if (!m_canFocused || !ctl::IsAccel(static_cast<char32_t>(WParam), Caption()) || !CanFocus())
            return 0;
        SetFocus();
        ButtonClick();
        return 1;
    }
    return TbsSkinCustomControl::WndProc(Msg, WParam, LParam);
}

void TbsSkinButton::DrawContent(gfx::TCanvas& Canvas, bool Pressed) const
{
    TbsGlyphCaptionStyle style = m_style;
    style.Pressed = Pressed;
    const bool hot = m_mouseIn;
    const int frame = (m_down && hot && m_numGlyphs > 2) ? 3
        : (hot && m_numGlyphs > 3)                       ? 4
        : (!Enabled() && m_numGlyphs >= 2)               ? 2
                                                         : 1;
    DrawGlyphCaption(Canvas, ClientRect(), style, Caption(), m_glyph, m_numGlyphs, frame);
}

void TbsSkinButton::DrawDefault(gfx::TBitmap& Bitmap)
{
    gfx::TCanvas& canvas = Bitmap.Canvas();
    const gfx::TRect r = ClientRect();
    const bool pressed = PressedLook();
    if (pressed)
        gfx::DrawFramedFill(canvas, r, kDefaultFrameColor, kDefaultDownColor);
    else if (HotLook())
        gfx::DrawFramedFill(canvas, r, kDefaultFrameColor, kDefaultHotColor);
    else
        gfx::DrawFramedFill(canvas, r, gfx::clBtnShadow, gfx::clBtnFace);
    canvas.Font = DefaultLookFont();
    if (!Enabled())
        canvas.Font.Color = gfx::clBtnShadow;
    DrawContent(canvas, pressed);
}

void TbsSkinButton::DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool HotState, bool DownState)
{
    DrawSkinImage(Bitmap, Source);
    gfx::TCanvas& canvas = Bitmap.Canvas();
    canvas.Font = SkinStateFont(HotState, DownState);
    TbsGlyphCaptionStyle style = m_style;
    style.Pressed = HotState && DownState;
    const int frame = (m_down && m_mouseIn && m_numGlyphs > 2) ? 3 : (!Enabled() && m_numGlyphs >= 2) ? 2 : 1;
    DrawGlyphCaption(canvas, SkinClientRect(), style, Caption(), m_glyph, m_numGlyphs, frame);
}

void TbsSkinButton::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    if (Button == ctl::TMouseButton::mbLeft && m_canFocused && !Focused()) {
        if (CanFocus())
            SetFocus();
        if (!Focused())
            return;
    }
    TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft)
        return;
    PressLeft();
}

void TbsSkinButton::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    if (Button == ctl::TMouseButton::mbLeft && m_mousePressed)
        ReleaseLeft(X, Y);
    if (HandleAllocated() && Visible())
        TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinButton::MouseEnter()
{
    TbsSkinCustomControl::MouseEnter();
    m_mouseIn = true;
    if (m_down) {
        SetMorphFactor(1);
        Invalidate();
    } else {
        RefreshLook();
    }
    if (m_down && RepeatMode && GroupIndex() == 0)
        StartRepeat();
}

void TbsSkinButton::MouseLeave()
{
    TbsSkinCustomControl::MouseLeave();
    m_mouseIn = false;
    RefreshLook();
    if (m_down && RepeatMode && GroupIndex() == 0)
        StopRepeat();
}

void TbsSkinButton::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TbsSkinCustomControl::KeyDown(Key, Shift);
    if (!m_canFocused || Key != wnd::VK_SPACE)
        return;
    SetDown(true);
    if (RepeatMode)
        ButtonClick();
}

void TbsSkinButton::KeyUp(int& Key, ctl::TShiftState Shift)
{
    TbsSkinCustomControl::KeyUp(Key, Shift);
    if (!m_canFocused || Key != wnd::VK_SPACE || !m_down)
        return;
    SetDown(false);
    ButtonClick();
}

void TbsSkinButton::DoEnter()
{
    TbsSkinCustomControl::DoEnter();
    RefreshLook();
    RefreshForm();
}

void TbsSkinButton::DoExit()
{
    StopRepeat();
    if (GroupIndex() == 0 && m_down) {
        m_down = false;
        m_mousePressed = false;
    }
    TbsSkinCustomControl::DoExit();
    RefreshLook();
    RefreshForm();
}

} // namespace skinctrls
