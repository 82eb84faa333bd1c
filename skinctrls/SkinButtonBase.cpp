#include "skinctrls/SkinButtonBase.h"

#include "platform/controls/TAction.h"
#include "platform/controls/TImageList.h"
#include "platform/controls/TWinControl.h"
#include "skin/SkinControlRecords.h"
#include "skin/TbsEffectBmp.h"
#include "skinctrls/ButtonSkin.h"

#include <algorithm>
#include <cmath>

namespace skinctrls {
namespace {

// The fade between the normal and the hot image: five steps of 20 ms.
constexpr unsigned kMorphInterval = 20;
constexpr double kMorphStep = 0.2;

// One step of the fade, kept on whole steps so that five of them reach 0 or 1 exactly.
double StepFrom(double Factor, double Step)
{
    return std::round((Factor + Step) / kMorphStep) * kMorphStep;
}

} // namespace

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
void SkinButtonBase<CustomControl>::ActionChange(const ctl::TAction& Action)
{
    CustomControl::ActionChange(Action);
    if (m_groupIndex != 0)
        SetDown(Action.Checked());
    const ctl::TImageList* images = Action.Images();
    if (!m_glyph.Empty() || !images || Action.ImageIndex() < 0 || Action.ImageIndex() >= images->Count())
        return;
    // Magenta behind the picture: the glyph's see-through colour.
    gfx::TBitmap glyph(images->Width(), images->Height());
    glyph.Canvas().Brush.Color = gfx::clFuchsia;
    glyph.Canvas().FillRect(gfx::TRect { 0, 0, glyph.Width(), glyph.Height() });
    images->Draw(glyph.Canvas(), 0, 0, Action.ImageIndex());
    SetGlyph(glyph);
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
    if (RecordMorphs()) {
        // A pressed button shows its hot image at once and fades back once released.
        SetMorphFactor(1);
        if (m_down)
            StopMorph();
        else
            StartMorph();
    }
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
    if (record->Morphing && m_morphFactor > 0 && m_morphFactor < 1 && this->Enabled()) {
        gfx::TBitmap normal(Bitmap.Width(), Bitmap.Height());
        gfx::TBitmap hot(Bitmap.Width(), Bitmap.Height());
        DrawSkinState(normal, rects.Normal, false, false);
        DrawSkinState(hot, rects.Hot, true, false);
        skin::TbsEffectBmp blend(normal);
        blend.Morph(skin::TbsEffectBmp(hot), record->MorphingKind, m_morphFactor);
        blend.DrawTo(Bitmap, 0, 0);
        return;
    }
    if (!this->Enabled() && !rects.Disabled.IsEmpty())
        DrawSkinState(Bitmap, rects.Disabled, false, false);
    else if (PressedLook())
        DrawSkinState(Bitmap, rects.Down, true, true);
    else if (HotLook() || (record->Morphing && m_morphFactor == 1))
        DrawSkinState(Bitmap, rects.Hot, true, false);
    else
        DrawSkinState(Bitmap, rects.Normal, false, false);
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::SetMorphFactor(double Value)
{
    m_morphFactor = std::clamp(Value, 0.0, 1.0);
}

template <class CustomControl>
bool SkinButtonBase<CustomControl>::RecordMorphs() const
{
    const auto* record = dynamic_cast<const skin::TbsDataSkinButtonControl*>(this->SkinRecord());
    return record && record->Morphing;
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::RefreshLook()
{
    if (RecordMorphs())
        StartMorph();
    else
        this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::StartMorph()
{
    if (m_morphTimer)
        return;
    m_morphTimer = std::make_unique<ctl::TTimer>(nullptr);
    m_morphTimer->OnTimer = [this](ctl::TObject*) { MorphTick(); };
    m_morphTimer->SetInterval(kMorphInterval);
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::StopMorph()
{
    m_morphTimer.reset();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::MorphTick()
{
    const bool lit = Lit();
    if (!RecordMorphs()) {
        SetMorphFactor(lit ? 1 : 0);
        StopMorph();
    } else if (lit && m_morphFactor < 1) {
        SetMorphFactor(StepFrom(m_morphFactor, kMorphStep));
    } else if (!lit && m_morphFactor > 0) {
        SetMorphFactor(StepFrom(m_morphFactor, -kMorphStep));
    } else {
        SetMorphFactor(lit ? 1 : 0);
        StopMorph();
    }
    this->Invalidate();
}

template <class CustomControl>
void SkinButtonBase<CustomControl>::ApplySkin()
{
    StopMorph();
    SetMorphFactor(0);
    CustomControl::ApplySkin();
    if (RecordMorphs() && Lit())
        SetMorphFactor(1);
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
    StopMorph();
    SetMorphFactor(0);
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
