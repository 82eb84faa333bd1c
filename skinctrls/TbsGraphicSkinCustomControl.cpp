#include "skinctrls/TbsGraphicSkinCustomControl.h"

#include "skin/TbsSkinData.h"
#include "skinctrls/TbsSkinCustomControl.h"

namespace skinctrls {

TbsGraphicSkinCustomControl::TbsGraphicSkinCustomControl(ctl::TComponent* AOwner)
    : TbsGraphicSkinControl(AOwner), m_defaultFont(MakeSkinDefaultFont())
{
}

void TbsGraphicSkinCustomControl::SetDefaultFont(const gfx::TFont& Value)
{
    m_defaultFont = Value;
    DefaultFontChanged();
    if (SkinIndex() == -1)
        Invalidate();
}

void TbsGraphicSkinCustomControl::DefaultFontChanged()
{
}

void TbsGraphicSkinCustomControl::SetDefaultWidth(int Value)
{
    m_defaultWidth = Value;
    if (SkinIndex() == -1 && Value > 0)
        SetWidth(Value);
}

void TbsGraphicSkinCustomControl::SetDefaultHeight(int Value)
{
    m_defaultHeight = Value;
    if (SkinIndex() == -1 && Value > 0)
        SetHeight(Value);
}

void TbsGraphicSkinCustomControl::LookupSkinRecord()
{
    TbsGraphicSkinControl::LookupSkinRecord();
    if (const skin::TbsDataSkinControl* record = SkinRecord()) {
        m_part.Take(*record, *SkinData());
        int w = Width();
        int h = Height();
        m_part.CalcSkinSize(w, h);
    } else {
        m_part.Clear();
    }
}

void TbsGraphicSkinCustomControl::CalcSkinSize(int& AWidth, int& AHeight)
{
    if (SkinIndex() == -1)
        return;
    m_part.CalcSkinSize(AWidth, AHeight);
}

void TbsGraphicSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    LookupSkinRecord();
    const bool resize = (AWidth != Width() || AHeight != Height()) && SkinIndex() != -1;
    if (resize) {
        CalcSkinSize(AWidth, AHeight);
        if (m_part.Sizing() == TbsSkinSizing::Fixed)
            m_part.SetSizedClientRect(m_part.Geometry().ClientRect);
    }
    TbsGraphicSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resize)
        Invalidate();
}

void TbsGraphicSkinCustomControl::ApplySkin()
{
    LookupSkinRecord();
    if (SkinIndex() == -1) {
        if (m_defaultWidth > 0)
            SetWidth(m_defaultWidth);
        if (m_defaultHeight > 0)
            SetHeight(m_defaultHeight);
    } else {
        int w = Width();
        int h = Height();
        CalcSkinSize(w, h);
        if (w != Width() || h != Height()) {
            SetBounds(Left(), Top(), w, h);
            return;
        }
    }
    Invalidate();
}

void TbsGraphicSkinCustomControl::DrawSkin(gfx::TBitmap& Bitmap)
{
    DrawSkinImage(Bitmap, m_part.SkinRect());
}

void TbsGraphicSkinCustomControl::DrawSkinImage(gfx::TBitmap& Bitmap, const gfx::TRect& Source)
{
    m_part.DrawImage(Bitmap, Source, Width(), Height());
}

gfx::TFont TbsGraphicSkinCustomControl::DefaultLookFont() const
{
    gfx::TFont font = m_defaultFont;
    font.CharSet = SkinCharSet(font.CharSet);
    return font;
}

} // namespace skinctrls
