#include "selfdrawn/TSeSkinButton.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TForm.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"
#include "selfdrawn/TSeVisualStyle.h"

namespace selfdrawn {
namespace {

bool IsButton(const ctl::TWinControl* Control)
{
    return dynamic_cast<const TSeCustomButton*>(Control) || dynamic_cast<const ctl::TButton*>(Control);
}

bool WithoutModifiers(ctl::TShiftState Shift)
{
    return !Shift.Contains(ctl::TShiftKind::ssShift) && !Shift.Contains(ctl::TShiftKind::ssCtrl)
        && !Shift.Contains(ctl::TShiftKind::ssAlt);
}

} // namespace

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
    const ctl::TForm* form = GetParentForm();
    FocusChanged(form ? form->ActiveControl() : nullptr);
    Invalidate();
}

void TSeCustomButton::FocusChanged(const ctl::TWinControl* Control)
{
    const bool active = !IsButton(Control) && m_default;
    if (active == m_activeDefault)
        return;
    m_activeDefault = active;
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

void TSeCustomButton::SetGlyph(const gfx::TBitmap& Value)
{
    m_glyph = Value;
    // A strip of square images tells its count: 1 to 4, one for more or none.
    if (m_glyph.Height() != 0 && m_glyph.Width() % m_glyph.Height() == 0) {
        const int count = m_glyph.Width() / m_glyph.Height();
        m_numGlyphs = count >= 1 && count < 5 ? count : 1;
    }
    Invalidate();
}

void TSeCustomButton::SetNumGlyphs(int Value)
{
    if (Value < 1 || Value > 4)
        return;
    m_numGlyphs = Value;
    Invalidate();
}

void TSeCustomButton::SetLayout(TButtonLayout Value)
{
    m_layout = Value;
    Invalidate();
}

void TSeCustomButton::SetKind(TBitBtnKind Value)
{
    m_kind = Value;
    if (Value != TBitBtnKind::bkCustom) {
        SetDefault(Value == TBitBtnKind::bkOK || Value == TBitBtnKind::bkYes);
        // A stored form keeps the caption it was given.
        if (!Loading() || Caption().empty())
            SetCaption(KindCaption(Value));
        m_modalResult = KindModalResult(Value);
        SetGlyph(KindGlyph(Value));
    }
    Invalidate();
}

void TSeCustomButton::SetBlackAndWhiteGlyph(bool Value)
{
    m_blackAndWhiteGlyph = Value;
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

wnd::LRESULT TSeCustomButton::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    switch (Msg) {
    case ctl::CM_DIALOGKEY:
        return DialogKey(static_cast<int>(WParam)) ? 1 : 0;
    case ctl::CM_DIALOGCHAR:
        return DialogChar(static_cast<char32_t>(WParam)) ? 1 : 0;
    case ctl::CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<const ctl::TWinControl*>(LParam));
        return 0;
    default:
        return TSeCustomControl::WndProc(Msg, WParam, LParam);
    }
}

bool TSeCustomButton::DialogKey(int Key)
{
    if (!WithoutModifiers(ctl::KeyboardShiftState()) || !CanFocus())
        return false;
    if ((Key == wnd::VK_RETURN && (m_activeDefault || Focused())) || (Key == wnd::VK_ESCAPE && m_cancel)) {
        Click();
        return true;
    }
    return false;
}

bool TSeCustomButton::DialogChar(char32_t Character)
{
    if (!CanFocus() || !ctl::IsAccel(Character, Caption()))
        return false;
    SetFocus();
    Click();
    return true;
}

void TSeCustomButton::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyDown(Key, Shift);
    if (Key == wnd::VK_SPACE && !Shift.Contains(ctl::TShiftKind::ssAlt)) {
        SetState(TSeButtonState::kbsPressed);
    } else if (Key == wnd::VK_RETURN && WithoutModifiers(Shift)) {
        Key = 0;
        Click();
    } else if (Key == wnd::VK_ESCAPE && WithoutModifiers(Shift) && m_cancel) {
        Key = 0;
        Click();
    }
}

void TSeCustomButton::KeyUp(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyUp(Key, Shift);
    // Only a release that ends this button's own press clicks it.
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
    PaintCaptionAndGlyph(Canvas);
}

int TSeCustomButton::FaceThemeState() const
{
    if (!Enabled())
        return kThemeDisabled;
    if (m_state == TSeButtonState::kbsPressed)
        return kThemePressed;
    if (Hot())
        return kThemeHot;
    return Focused() || m_activeDefault ? kThemeDefaulted : kThemeNormal;
}

void TSeCustomButton::PaintFace(gfx::TCanvas& Canvas)
{
    gfx::TRect r = GetContentRect();
    if (UseTheme()) {
        if (!Transparent())
            PaintParentBackground(Canvas);
        TSeVisualStyle::Current().DrawPart(Canvas, "Button", kThemeButtonFace, FaceThemeState(), r);
        return;
    }
    if (Focused() || m_activeDefault) {
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

gfx::TSize TSeCustomButton::GlyphSize() const
{
    if (m_glyph.Empty())
        return { 0, 0 };
    return { m_glyph.Width() / m_numGlyphs, m_glyph.Height() };
}

void TSeCustomButton::PaintCaptionAndGlyph(gfx::TCanvas& Canvas)
{
    Canvas.Font = PaintFont();
    const gfx::TSize glyph = GlyphSize();
    const bool hasGlyph = glyph.cx > 0;
    const bool beside = m_layout == TButtonLayout::blGlyphLeft || m_layout == TButtonLayout::blGlyphRight;
    // Without a caption the glyph alone is centred: no spacing beside nothing.
    const int spacing = hasGlyph && !Caption().empty() ? m_spacing : 0;

    gfx::TRect text = m_wordWrap ? gfx::Rect(0, 0, Width() - m_spacing - glyph.cx - 10, Height() - m_spacing - glyph.cy - 10)
                                 : gfx::Rect(0, 0, 0, 0);
    if (!Caption().empty())
        Canvas.DrawText(Caption(), text, CaptionFlags() | gfx::DT_CALCRECT);
    else
        text = gfx::Rect(0, 0, 0, 0);
    int blockWidth = text.Width();
    int blockHeight = text.Height();
    if (hasGlyph) {
        if (beside)
            blockWidth += glyph.cx + spacing;
        else
            blockHeight += glyph.cy + spacing;
        blockWidth = std::max(blockWidth, glyph.cx);
        blockHeight = std::max(blockHeight, glyph.cy);
    }
    const int pressed = m_state == TSeButtonState::kbsPressed ? 1 : 0;
    const int left = (Width() - blockWidth) / 2 + pressed;
    const int top = (Height() - blockHeight) / 2 + pressed;
    const gfx::TRect block = gfx::Rect(left, top, left + blockWidth, top + blockHeight);

    gfx::TRect captionArea = block;
    gfx::TRect glyphArea = block;
    switch (m_layout) {
    case TButtonLayout::blGlyphLeft:
        glyphArea.Right = block.Left + glyph.cx;
        captionArea.Left = glyphArea.Right + spacing;
        break;
    case TButtonLayout::blGlyphRight:
        glyphArea.Left = block.Right - glyph.cx;
        captionArea.Right = glyphArea.Left - spacing;
        break;
    case TButtonLayout::blGlyphTop:
        glyphArea.Bottom = block.Top + glyph.cy;
        captionArea.Top = glyphArea.Bottom + spacing;
        break;
    case TButtonLayout::blGlyphBottom:
        glyphArea.Top = block.Bottom - glyph.cy;
        captionArea.Bottom = glyphArea.Top - spacing;
        break;
    }

    if (!Caption().empty()) {
        const int x = captionArea.Left + (captionArea.Width() - text.Width()) / 2;
        const int y = captionArea.Top + (captionArea.Height() - text.Height()) / 2;
        DrawStateText(Canvas, Caption(), gfx::Rect(x, y, x + text.Width(), y + text.Height()), CaptionFlags(), Enabled());
    }
    if (hasGlyph)
        PaintGlyph(Canvas, glyphArea);
}

void TSeCustomButton::PaintGlyph(gfx::TCanvas& Canvas, const gfx::TRect& Area)
{
    const gfx::TSize glyph = GlyphSize();
    int index = 0;
    if (m_numGlyphs > 1 && !Enabled())
        index = 1;
    else if (m_numGlyphs > 2 && m_state == TSeButtonState::kbsPressed)
        index = 2;
    TGlyphTone tone = TGlyphTone::Normal;
    if (m_numGlyphs == 1 && !Enabled())
        tone = TGlyphTone::DisabledGrey;
    else if (m_blackAndWhiteGlyph && !Hot())
        tone = TGlyphTone::Grey;
    DrawGlyphImage(Canvas, m_glyph, m_numGlyphs, index, Area.Left + (Area.Width() - glyph.cx) / 2,
        Area.Top + (Area.Height() - glyph.cy) / 2, tone);
}

} // namespace selfdrawn
