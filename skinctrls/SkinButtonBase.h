#pragma once

#include "platform/controls/TTimer.h"
#include "skinctrls/GlyphCaption.h"
#include "skinctrls/TbsGraphicSkinCustomControl.h"
#include "skinctrls/TbsSkinCustomControl.h"

#include <memory>

namespace skinctrls {

// What the windowed and the windowless skinned buttons share: the glyph and
// caption arrangement, the down state (a toggle within a group of sibling
// buttons with the same GroupIndex), the click repeat while held, and the
// choice of skin picture by state. CustomControl is TbsSkinCustomControl or
// TbsGraphicSkinCustomControl.
template <class CustomControl>
class SkinButtonBase : public CustomControl {
public:
    explicit SkinButtonBase(ctl::TComponent* AOwner);
    ~SkinButtonBase() override;

    const gfx::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const gfx::TBitmap& Value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int Value);
    TbsButtonLayout Layout() const { return m_style.Layout; }
    void SetLayout(TbsButtonLayout Value);
    int Margin() const { return m_style.Margin; }
    void SetMargin(int Value);
    int Spacing() const { return m_style.Spacing; }
    void SetSpacing(int Value);

    bool Down() const { return m_down; }
    void SetDown(bool Value);
    int GroupIndex() const { return m_groupIndex; }
    virtual void SetGroupIndex(int Value) { m_groupIndex = Value; }
    bool AllowAllUp { false };
    bool RepeatMode { false };
    int RepeatInterval { 100 };

    // The pointer is over the button.
    bool MouseIn() const { return m_mouseIn; }
    // How far the look has faded from the normal toward the hot image, 0 to 1.
    double MorphFactor() const { return m_morphFactor; }
    // Kept within 0 and 1.
    void SetMorphFactor(double Value);
    // The fade's 20 ms timer runs.
    bool Morphing() const { return m_morphTimer != nullptr; }
    void ApplySkin() override;
    // The click users of the button see.
    virtual void ButtonClick() = 0;
    // Besides caption, hint and states: a grouped button shows the action's
    // checked state as down, and a button without a glyph takes the action's
    // picture from its action list.
    void ActionChange(const ctl::TAction& Action) override;

protected:
    // The look of the pressed button.
    virtual bool PressedLook() const = 0;
    // The look of the button under the pointer.
    virtual bool HotLook() const { return m_mouseIn; }
    // The skin image of one state with the glyph and caption over it.
    virtual void DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool Hot, bool DownState) = 0;
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    // The font for the glyph and caption over a skin picture.
    gfx::TFont SkinStateFont(bool Hot, bool DownState) const;

    // A left press that the button accepts: it goes down, and either starts
    // repeating or, in a group, clicks at once.
    void PressLeft();
    // The left release at (X, Y): clicks when it is inside the button.
    void ReleaseLeft(int X, int Y);
    void StartRepeat();
    void StopRepeat();
    // The record fades between its normal and hot images.
    virtual bool RecordMorphs() const;
    // The button shows its hot state (the fade's target).
    virtual bool Lit() const { return m_mouseIn; }
    // After a change of hover or focus: fade toward the new state when the
    // record morphs, else repaint at once.
    void RefreshLook();
    void StartMorph();
    void StopMorph();
    void MorphTick();

    void EnabledChanged() override;
    void TextChanged() override;

    gfx::TBitmap m_glyph;
    int m_numGlyphs { 1 };
    TbsGlyphCaptionStyle m_style;
    bool m_down { false };
    bool m_mouseIn { false };
    bool m_mousePressed { false };

private:
    // Raises the other buttons of this button's group under the same parent.
    void ReleaseOthers();

    int m_groupIndex { 0 };
    bool m_downAtPress { false };
    std::unique_ptr<ctl::TTimer> m_repeatTimer;
    std::unique_ptr<ctl::TTimer> m_morphTimer;
    double m_morphFactor { 0 };
};

extern template class SkinButtonBase<TbsSkinCustomControl>;
extern template class SkinButtonBase<TbsGraphicSkinCustomControl>;

} // namespace skinctrls
