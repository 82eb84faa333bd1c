#include "skinctrls/TbsSkinSpeedButton.h"

#include "platform/controls/TImageList.h"
#include "skin/SkinControlRecords.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/TbsSkinToolBar.h"

namespace skinctrls {

TbsSkinSpeedButton::TbsSkinSpeedButton(ctl::TComponent* AOwner) : SkinButtonBase(AOwner)
{
    SetSkinDataName("toolbutton");
    TbsGraphicSkinCustomControl::SetBounds(0, 0, 25, 25);
    m_captureMouse = true;
    m_clickEvents = false;
    m_opaque = true;
}

void TbsSkinSpeedButton::SetImageIndex(int Value)
{
    m_imageIndex = Value;
    if (ParentToolBar())
        Invalidate();
}

void TbsSkinSpeedButton::SetShowCaption(bool Value)
{
    if (Value == m_showCaption)
        return;
    m_showCaption = Value;
    if (WidthWithCaption > 0 && WidthWithoutCaption > 0)
        SetWidth(m_showCaption ? WidthWithCaption : WidthWithoutCaption);
    else
        Invalidate();
}

void TbsSkinSpeedButton::SetTransparent(bool Value)
{
    m_opaque = !Value;
    Invalidate();
}

void TbsSkinSpeedButton::SetFlat(bool Value)
{
    m_flat = Value;
    SetTransparent(Value);
}

void TbsSkinSpeedButton::ButtonClick()
{
    RunClickHandler();
}

wnd::LRESULT TbsSkinSpeedButton::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg != ctl::CM_DIALOGCHAR)
        return SkinButtonBase::WndProc(Msg, WParam, LParam);
    if (!Enabled() || !Showing() || !ctl::IsAccel(static_cast<char32_t>(WParam), Caption()))
        return 0;
    // The key works as a click of the pointer: a grouped button goes down
    // (or, when all may be up, toggles) and every button clicks.
    if (GroupIndex() != 0 && (!m_down || AllowAllUp))
        SetDown(!m_down);
    ButtonClick();
    return 1;
}

TbsSkinToolBar* TbsSkinSpeedButton::ParentToolBar() const
{
    return dynamic_cast<TbsSkinToolBar*>(Parent());
}

bool TbsSkinSpeedButton::PressedLook() const
{
    return m_down && ((m_mouseIn && GroupIndex() == 0) || GroupIndex() != 0);
}

void TbsSkinSpeedButton::DrawContent(gfx::TCanvas& Canvas, bool Pressed, bool Hot, bool ListNormalStyle) const
{
    const std::string caption = m_showCaption ? Caption() : std::string();
    TbsGlyphCaptionStyle style = m_style;
    TbsSkinToolBar* bar = ParentToolBar();
    if (!m_glyph.Empty() || !bar) {
        style.Pressed = Pressed;
        const int frame = (m_down && Hot && m_numGlyphs > 2) ? 3
            : (Hot && m_numGlyphs > 3)                       ? 4
            : (!Enabled() && m_numGlyphs >= 2)               ? 2
                                                             : 1;
        DrawGlyphCaption(Canvas, ClientRect(), style, caption, m_glyph, m_numGlyphs, frame);
        return;
    }
    style.Pressed = Pressed && m_down && m_mouseIn;
    const ctl::TImageList* list = bar->Images();
    bool enabledStyle = Enabled();
    if (!Enabled() && bar->DisabledImages()) {
        list = bar->DisabledImages();
        enabledStyle = true;
    } else if ((Hot || m_down) && bar->HotImages()) {
        list = bar->HotImages();
    }
    if (ListNormalStyle)
        enabledStyle = true;
    DrawImageCaption(Canvas, ClientRect(), style, caption, list, m_imageIndex, enabledStyle);
}

void TbsSkinSpeedButton::DrawDefault(gfx::TBitmap& Bitmap)
{
    gfx::TCanvas& canvas = Bitmap.Canvas();
    const gfx::TRect r = ClientRect();
    const bool pressed = PressedLook();
    if (pressed)
        gfx::DrawFramedFill(canvas, r, kDefaultFrameColor, kDefaultDownColor);
    else if (m_mouseIn)
        gfx::DrawFramedFill(canvas, r, kDefaultFrameColor, kDefaultHotColor);
    else if (!m_flat)
        gfx::DrawFramedFill(canvas, r, gfx::clBtnShadow, gfx::clBtnFace);
    else {
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        canvas.Brush.Color = gfx::clBtnFace;
        canvas.FillRect(r);
    }
    canvas.Font = DefaultLookFont();
    if (!Enabled())
        canvas.Font.Color = gfx::clBtnShadow;
    DrawContent(canvas, pressed, m_mouseIn, false);
}

void TbsSkinSpeedButton::DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool Hot, bool DownState)
{
    DrawSkinImage(Bitmap, Source);
    gfx::TCanvas& canvas = Bitmap.Canvas();
    canvas.Font = SkinStateFont(Hot, DownState);
    DrawContent(canvas, Hot && DownState, Hot, false);
}

void TbsSkinSpeedButton::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    LookupSkinRecord();
    const bool idleTransparent = Transparent() && !PressedLook() && !m_mouseIn;
    if (!idleTransparent) {
        PaintThroughBitmap(Canvas());
        return;
    }
    // A transparent idle button leaves the parent's background and draws only
    // its glyph and caption.
    gfx::TCanvas& canvas = Canvas();
    const auto* record = dynamic_cast<const skin::TbsDataSkinButtonControl*>(SkinRecord());
    canvas.Font = DefaultLookFont();
    if (record) {
        canvas.Font.Name = record->FontName;
        canvas.Font.Height = record->FontHeight;
        canvas.Font.Style = record->FontStyle;
        canvas.Font.Color = Enabled() ? record->FontColor : record->DisabledFontColor;
    } else if (!Enabled()) {
        canvas.Font.Color = gfx::clBtnShadow;
    }
    DrawContent(canvas, false, false, !Enabled());
}

void TbsSkinSpeedButton::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TbsGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft || !Enabled())
        return;
    PressLeft();
}

void TbsSkinSpeedButton::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TbsGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft || !m_mousePressed)
        return;
    ReleaseLeft(X, Y);
}

bool TbsSkinSpeedButton::RecordMorphs() const
{
    return !Transparent() && SkinButtonBase::RecordMorphs();
}

void TbsSkinSpeedButton::MouseEnter()
{
    TbsGraphicSkinCustomControl::MouseEnter();
    if (!Enabled())
        return;
    m_mouseIn = true;
    if (GroupIndex() == 0 || !m_down) {
        if (m_down) {
            SetMorphFactor(1);
            Invalidate();
        } else {
            RefreshLook();
        }
    }
    if (m_down && RepeatMode && GroupIndex() == 0)
        StartRepeat();
}

void TbsSkinSpeedButton::MouseLeave()
{
    TbsGraphicSkinCustomControl::MouseLeave();
    m_mouseIn = false;
    if (GroupIndex() == 0 || !m_down)
        RefreshLook();
    if (m_down && RepeatMode && GroupIndex() == 0)
        StopRepeat();
}

} // namespace skinctrls
