#pragma once

#include "platform/graphics/TFont.h"
#include "skinctrls/SkinPart.h"
#include "skinctrls/TbsGraphicSkinControl.h"

namespace skinctrls {

// The windowless twin of TbsSkinCustomControl (no mask, no region).
class TbsGraphicSkinCustomControl : public TbsGraphicSkinControl {
public:
    explicit TbsGraphicSkinCustomControl(ctl::TComponent* AOwner);

    const gfx::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const gfx::TFont& Value);
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int Value);
    bool UseSkinFont { true };

    TbsSkinSizing SkinSizing() const { return m_part.Sizing(); }
    const gfx::TBitmap* SkinPicture() const { return m_part.Picture(); }
    gfx::TRect SkinClientRect() const { return m_part.Sized().ClientRect; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void LookupSkinRecord() override;
    void ApplySkin() override;

protected:
    virtual void DefaultFontChanged();
    virtual void CalcSkinSize(int& AWidth, int& AHeight);
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    void DrawSkinImage(gfx::TBitmap& Bitmap, const gfx::TRect& Source);
    gfx::TFont DefaultLookFont() const;
    const TbsSkinPart& SkinPart() const { return m_part; }

private:
    gfx::TFont m_defaultFont;
    int m_defaultWidth { 0 };
    int m_defaultHeight { 0 };
    TbsSkinPart m_part;
};

} // namespace skinctrls
