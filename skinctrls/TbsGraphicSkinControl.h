#pragma once

#include "platform/controls/TGraphicControl.h"
#include "platform/graphics/TBitmap.h"

#include <string>

namespace skin {
class TbsSkinData;
class TbsDataSkinControl;
}

namespace skinctrls {

// The windowless twin of TbsSkinControl: paints on its parent's canvas,
// from its skin record or in its default look, through an off-screen bitmap.
class TbsGraphicSkinControl : public ctl::TGraphicControl {
public:
    explicit TbsGraphicSkinControl(ctl::TComponent* AOwner);

    skin::TbsSkinData* SkinData() const { return m_skinData; }
    virtual void SetSkinData(skin::TbsSkinData* Value);
    const std::string& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }
    int SkinIndex() const { return m_skinIndex; }

    virtual void LookupSkinRecord();
    virtual void ApplySkin();
    virtual void ResetSkinIndex();

protected:
    const skin::TbsDataSkinControl* SkinRecord() const;
    virtual void DrawDefault(gfx::TBitmap& Bitmap);
    virtual void DrawSkin(gfx::TBitmap& Bitmap);
    void PaintThroughBitmap(gfx::TCanvas& Canvas);
    int SkinCharSet(int Fallback) const;

    void Paint() override;

private:
    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName;
    int m_skinIndex { -1 };
};

} // namespace skinctrls
