#include "skinctrls/SkinButtonBase.h"

#include "platform/controls/TWinControl.h"
#include "skin/SkinControlRecords.h"
#include "skinctrls/ButtonSkin.h"

#include <algorithm>

namespace skinctrls {

template <class CustomControl>
SkinButtonBase<CustomControl>::SkinButtonBase(ctl::TComponent* AOwner) : CustomControl(AOwner)
{
}

template <class CustomControl>
SkinButtonBase<CustomControl>::~SkinButtonBase() = default;

template <class CustomControl>
void SkinButtonBase<CustomControl>::SetGlyph(const gfx::TBitmap& Value)
{
    m_glyph = Value;
    this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::SetNumGlyphs(int Value)
{
    m_numGlyphs = std::clamp(Value, 1, 4);
    this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::SetLayout(TbsButtonLayout Value)
{
    if (Value == m_style.Layout)
        return;
    m_style.Layout = Value;
    this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::SetMargin(int Value)
{
    if (Value < -1 || Value == m_style.Margin)
        return;
    m_style.Margin = Value;
    this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::SetSpacing(int Value)
{
    if (Value == m_style.Spacing)
        return;
    m_style.Spacing = Value;
    this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::SetDown(bool Value)
{
    m_down = Value;
    this->Invalidate();
    if (m_groupIndex != 0 && m_down && !AllowAllUp)
        ReleaseOthers();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::ReleaseOthers()
{
    ctl::TWinControl* parent = this->Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<SkinButtonBase*>(parent->Controls(i));
        if (other && other != this && other->GroupIndex() == m_groupIndex && other->Down())
            other->SetDown(false);
    }
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::DrawSkin(gfx::TBitmap& Bitmap)
{
    const auto* record = dynamic_cast<const skin::TbsDataSkinButtonControl*>(this->SkinRecord());
    if (!record) {
        CustomControl::DrawSkin(Bitmap);
        return;
    }
    const TbsButtonSkinRects rects = ButtonSkinRects(*record);
    if (!this->Enabled() && !rects.Disabled.IsEmpty())
        DrawSkinState(Bitmap, rects.Disabled, false, false);
    else if (PressedLook())
        DrawSkinState(Bitmap, rects.Down, true, true);
    else if (HotLook())
        DrawSkinState(Bitmap, rects.Hot, true, false);
    else
        DrawSkinState(Bitmap, rects.Normal, false, false);
}

template <class CustomControl>
gfx::TFont SkinButtonBase<CustomControl>::SkinStateFont(bool Hot, bool DownState) const
{
    const auto* record = dynamic_cast<const skin::TbsDataSkinButtonControl*>(this->SkinRecord());
    if (!record)
        return this->DefaultLookFont();
    const gfx::TFont& font = this->DefaultFont();
    return ButtonSkinFont(*record, this->UseSkinFont, font, this->SkinCharSet(font.CharSet), this->Enabled(), Hot,
        DownState);
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::PressLeft()
{
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

template <class CustomControl>
void SkinButtonBase<CustomControl>::ReleaseLeft(int X, int Y)
{
    m_mousePressed = false;
    // The release point decides, whatever hover notices came while captured.
    m_mouseIn = this->ClientRect().Contains({ X, Y });
    if (m_groupIndex == 0) {
        m_down = false;
        StopRepeat();
        this->Invalidate();
        if (m_mouseIn)
            ButtonClick();
    } else if (m_down && AllowAllUp && m_downAtPress && m_mouseIn) {
        SetDown(false);
        ButtonClick();
    }
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::StartRepeat()
{
    if (!m_repeatTimer) {
        m_repeatTimer = std::make_unique<ctl::TTimer>(nullptr);
        m_repeatTimer->OnTimer = [this](ctl::TObject*) { ButtonClick(); };
    }
    m_repeatTimer->SetInterval(static_cast<unsigned>(std::max(RepeatInterval, 1)));
    m_repeatTimer->SetEnabled(true);
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::StopRepeat()
{
    m_repeatTimer.reset();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::EnabledChanged()
{
    CustomControl::EnabledChanged();
    m_mouseIn = false;
    this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::TextChanged()
{
    CustomControl::TextChanged();
    this->Invalidate();
}

template class SkinButtonBase<TbsSkinCustomControl>;
template class SkinButtonBase<TbsGraphicSkinCustomControl>;

} // namespace skinctrls
