#pragma once

#include "platform/graphics/TFont.h"
#include "skinctrls/SkinPart.h"
#include "skinctrls/TbsGraphicSkinControl.h"
#include "skinctrls/TbsSkinControl.h"

namespace skinctrls {

// The font every skinned control draws its default look with: 宋体 with a
// cell height of 12 pixels.
gfx::TFont MakeSkinDefaultFont();

// A skinned control whose skin image is cut from a picture of the skin by the
// record's corner points and rebuilt for any control size. It keeps a size of
// its own for the default look (DefaultWidth/DefaultHeight) and a default
// font. SkinControl is TbsSkinControl or TbsGraphicSkinControl.
template <class SkinControl>
class SkinCustomControlBase : public SkinControl {
public:
    explicit SkinCustomControlBase(ctl::TComponent* AOwner);

    const gfx::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const gfx::TFont& Value);
    // The size taken without a record; 0 keeps the current size.
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int Value);
    // Take font name, height and style from the skin record.
    bool UseSkinFont { true };

    TbsSkinSizing SkinSizing() const { return m_part.Sizing(); }
    const gfx::TBitmap* SkinPicture() const { return m_part.Picture(); }
    const gfx::TBitmap* SkinMask() const { return m_part.Mask(); }
    // The record's client rectangle moved to the current size: where children,
    // text and glyphs go in the skin look.
    gfx::TRect SkinClientRect() const { return m_part.Sized().ClientRect; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void LookupSkinRecord() override;
    void ApplySkin() override;
    // Forgets the record and the pictures it pointed into.
    void ResetSkinIndex() override;

protected:
    // Called after every change of DefaultFont.
    virtual void DefaultFontChanged() { }
    virtual void CalcSkinSize(int& AWidth, int& AHeight);
    // Called after the size or the record changed; a windowed control shapes
    // its window here.
    virtual void UpdateSkinRegion() { }
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    bool HasSkinImage() const override;
    // The skin image of one source rectangle of the record's picture.
    void DrawSkinImage(gfx::TBitmap& Bitmap, const gfx::TRect& Source);
    // A rectangle in skin coordinates mapped to the current control size.
    gfx::TRect MapSkinRect(const gfx::TRect& Rect) const { return m_part.MapRect(Rect, this->Width(), this->Height()); }
    // DefaultFont with the character set the skin asks for.
    gfx::TFont DefaultLookFont() const;
    const TbsSkinPart& SkinPart() const { return m_part; }

private:
    gfx::TFont m_defaultFont;
    int m_defaultWidth { 0 };
    int m_defaultHeight { 0 };
    TbsSkinPart m_part;
};

extern template class SkinCustomControlBase<TbsSkinControl>;
extern template class SkinCustomControlBase<TbsGraphicSkinControl>;

} // namespace skinctrls
