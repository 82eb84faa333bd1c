#pragma once

#include "platform/controls/TCustomControl.h"
#include "platform/controls/TGraphicControl.h"
#include "platform/graphics/TBitmap.h"
#include "skin/SkinnedControl.h"

#include <string>

namespace skin {
class TbsSkinData;
class TbsDataSkinControl;
}

namespace skinctrls {

// What every skinned control does, windowed or windowless: it is drawn either
// from its record in a loaded skin (found by SkinDataName) or, without one,
// in a fixed default look. Every paint looks the record up again and draws
// through an off-screen bitmap of the control's size, which is then copied
// in one go, so the control does not flicker. PlatformControl is the
// platform class it stands on: ctl::TCustomControl or ctl::TGraphicControl.
template <class PlatformControl>
class SkinControlBase : public PlatformControl, public skin::SkinnedControl {
public:
    explicit SkinControlBase(ctl::TComponent* AOwner);

    // The skin to draw with (not owned). Setting a loaded skin applies it.
    skin::TbsSkinData* SkinData() const override { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value) override;
    // The name of this control's record in the skin; stored only: the next
    // paint or ApplySkin uses it.
    const std::string& SkinDataName() const { return m_skinDataName; }
    virtual void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }
    // Index of the record in the skin's control list; -1 draws the default look.
    int SkinIndex() const { return m_skinIndex; }

    // Finds the record of SkinDataName in SkinData (-1 without one).
    virtual void LookupSkinRecord();
    // Re-reads the record and adapts the control to it.
    void ApplySkin() override;
    // Forgets the record (the skin is about to be replaced).
    void ResetSkinIndex() override { m_skinIndex = -1; }

protected:
    // The record found by the last lookup; nullptr with SkinIndex -1.
    const skin::TbsDataSkinControl* SkinRecord() const;
    void SetSkinIndex(int Value) { m_skinIndex = Value; }
    // Draw the default or the skin look into a bitmap of the control's size.
    virtual void DrawDefault(gfx::TBitmap&) { }
    virtual void DrawSkin(gfx::TBitmap&) { }
    // Whether the record found has an image to draw; a record whose picture
    // is missing draws the default look instead.
    virtual bool HasSkinImage() const { return true; }
    // Draws the look chosen by the record into a bitmap and copies it to the canvas.
    void PaintThroughBitmap(gfx::TCanvas& Canvas);
    // The character set the skin's replaceable strings ask for, or Fallback.
    int SkinCharSet(int Fallback) const;

    void Paint() override;
    // A skin data going away leaves the control without skin.
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName;
    int m_skinIndex { -1 };
    // The picture PaintThroughBitmap drew into last, kept at the control's
    // size so that a repaint does not allocate and clear it again.
    gfx::TBitmap m_lookBuffer;
};

extern template class SkinControlBase<ctl::TCustomControl>;
extern template class SkinControlBase<ctl::TGraphicControl>;

} // namespace skinctrls
