#include "skinctrls/TbsSkinButton.h"

#include "platform/controls/TForm.h"
#include "platform/window/Input.h"
#include "platform/window/VirtualKeys.h"
#include "skin/SkinControlRecords.h"
#include "skinctrls/ButtonSkin.h"
#include "skinctrls/DefaultLook.h"

#include <algorithm>

namespace skinctrls {

TbsSkinButton::TbsSkinButton(ctl::TComponent* AOwner) : TbsSkinCustomControl(AOwner)
{
    SetSkinDataName("button");
    TbsSkinCustomControl::SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

TbsSkinButton::~TbsSkinButton() = default;

void TbsSkinButton::SetGlyph(const gfx::TBitmap& Value)
{
    m_glyph = Value;
    Invalidate();
}

void TbsSkinButton::SetNumGlyphs(int Value)
{
    m_numGlyphs = std::clamp(Value, 1, 4);
    Invalidate();
}

void TbsSkinButton::SetLayout(TbsButtonLayout Value)
{
    if (Value == m_style.Layout)
        return;
    m_style.Layout = Value;
    Invalidate();
}

void TbsSkinButton::SetMargin(int Value)
{
    if (Value < -1 || Value == m_style.Margin)
        return;
    m_style.Margin = Value;
    Invalidate();
}

void TbsSkinButton::SetSpacing(int Value)
{
    if (Value == m_style.Spacing)
        return;
    m_style.Spacing = Value;
    Invalidate();
}

void TbsSkinButton::SetDown(bool Value)
{
    m_down = Value;
    Invalidate();
    if (m_groupIndex != 0 && m_down && !AllowAllUp)
        ReleaseOthers();
}

void TbsSkinButton::SetGroupIndex(int Value)
{
    m_groupIndex = Value;
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

void TbsSkinButton::ReleaseOthers()
{
    ctl::TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TbsSkinButton*>(parent->Controls(i));
        if (other && other != this && other->GroupIndex() == m_groupIndex && other->Down())
            other->SetDown(false);
    }
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
    if (m_groupIndex != 0)
        return true;
    return m_mouseIn || (FocusedLook() && !m_mousePressed);
}

void TbsSkinButton::ButtonClick()
{
    if (m_canFocused)
        if (ctl::TForm* form = GetParentForm())
            form->SetModalResult(ModalResult);
    if (OnClick)
        OnClick(this);
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
        DrawFramedFill(canvas, r, kDefaultFrameColor, kDefaultDownColor);
    else if (Hot())
        DrawFramedFill(canvas, r, kDefaultFrameColor, kDefaultHotColor);
    else
        DrawFramedFill(canvas, r, gfx::clBtnShadow, gfx::clBtnFace);
    canvas.Font = DefaultLookFont();
    if (!Enabled())
        canvas.Font.Color = gfx::clBtnShadow;
    DrawContent(canvas, pressed);
}

void TbsSkinButton::DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool HotState, bool DownState)
{
    DrawSkinImage(Bitmap, Source);
    gfx::TCanvas& canvas = Bitmap.Canvas();
    if (const auto* record = dynamic_cast<const skin::TbsDataSkinButtonControl*>(SkinRecord()))
        canvas.Font = ButtonSkinFont(*record, UseSkinFont, DefaultFont(), SkinCharSet(DefaultFont().CharSet), Enabled(),
            HotState, DownState);
    TbsGlyphCaptionStyle style = m_style;
    style.Pressed = HotState && DownState;
    const int frame = (m_down && m_mouseIn && m_numGlyphs > 2) ? 3 : (!Enabled() && m_numGlyphs >= 2) ? 2 : 1;
    DrawGlyphCaption(canvas, SkinClientRect(), style, Caption(), m_glyph, m_numGlyphs, frame);
}

void TbsSkinButton::DrawSkin(gfx::TBitmap& Bitmap)
{
    const auto* record = dynamic_cast<const skin::TbsDataSkinButtonControl*>(SkinRecord());
    if (!record) {
        TbsSkinCustomControl::DrawSkin(Bitmap);
        return;
    }
    const TbsButtonSkinRects rects = ButtonSkinRects(*record);
    if (!Enabled() && !rects.Disabled.IsEmpty())
        DrawSkinState(Bitmap, rects.Disabled, false, false);
    else if (PressedLook())
        DrawSkinState(Bitmap, rects.Down, true, true);
    else if (Hot())
        DrawSkinState(Bitmap, rects.Hot, true, false);
    else
        DrawSkinState(Bitmap, rects.Normal, false, false);
}

void TbsSkinButton::StartRepeat()
{
    if (!m_repeatTimer) {
        m_repeatTimer = std::make_unique<ctl::TTimer>(nullptr);
        m_repeatTimer->OnTimer = [this](ctl::TObject*) { ButtonClick(); };
    }
    m_repeatTimer->SetInterval(static_cast<unsigned>(std::max(RepeatInterval, 1)));
    m_repeatTimer->SetEnabled(true);
}

void TbsSkinButton::StopRepeat()
{
    m_repeatTimer.reset();
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
    m_mousePressed = true;
    if (!m_down) {
        m_mouseIn = true;
        SetDown(true);
        if (RepeatMode && m_groupIndex == 0)
            StartRepeat();
        else if (m_groupIndex != 0)
            ButtonClick();
        m_downAtPress = false;
    } else if (m_groupIndex != 0) {
        m_downAtPress = true;
    }
}

void TbsSkinButton::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    if (Button == ctl::TMouseButton::mbLeft && m_mousePressed) {
        m_mousePressed = false;
        // The release point decides, whatever hover notices came while captured.
        m_mouseIn = ClientRect().Contains({ X, Y });
        if (m_groupIndex == 0) {
            m_down = false;
            StopRepeat();
            Invalidate();
            if (m_mouseIn)
                ButtonClick();
        } else if (m_down && AllowAllUp && m_downAtPress && m_mouseIn) {
            SetDown(false);
            ButtonClick();
        }
    }
    if (HandleAllocated() && Visible())
        TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinButton::MouseEnter()
{
    TbsSkinCustomControl::MouseEnter();
    m_mouseIn = true;
    Invalidate();
    if (m_down && RepeatMode && m_groupIndex == 0)
        StartRepeat();
}

void TbsSkinButton::MouseLeave()
{
    TbsSkinCustomControl::MouseLeave();
    m_mouseIn = false;
    Invalidate();
    if (m_down && RepeatMode && m_groupIndex == 0)
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
    RefreshForm();
}

void TbsSkinButton::DoExit()
{
    StopRepeat();
    if (m_groupIndex == 0 && m_down) {
        m_down = false;
        m_mousePressed = false;
    }
    TbsSkinCustomControl::DoExit();
    RefreshForm();
}

void TbsSkinButton::EnabledChanged()
{
    TbsSkinCustomControl::EnabledChanged();
    m_mouseIn = false;
    Invalidate();
}

void TbsSkinButton::TextChanged()
{
    TbsSkinCustomControl::TextChanged();
    Invalidate();
}

} // namespace skinctrls
