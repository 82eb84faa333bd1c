#include "skinctrls/TbsGraphicSkinControl.h"

#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"

namespace skinctrls {

TbsGraphicSkinControl::TbsGraphicSkinControl(ctl::TComponent* AOwner) : ctl::TGraphicControl(AOwner)
{
    m_opaque = true;
}

void TbsGraphicSkinControl::SetSkinData(skin::TbsSkinData* Value)
{
    m_skinData = Value;
    if (m_skinData && !m_skinData->IsEmpty())
        ApplySkin();
}

void TbsGraphicSkinControl::LookupSkinRecord()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
}

void TbsGraphicSkinControl::ApplySkin()
{
    LookupSkinRecord();
    Invalidate();
}

void TbsGraphicSkinControl::ResetSkinIndex()
{
    m_skinIndex = -1;
}

const skin::TbsDataSkinControl* TbsGraphicSkinControl::SkinRecord() const
{
    return SkinRecordAt(m_skinData, m_skinIndex);
}

int TbsGraphicSkinControl::SkinCharSet(int Fallback) const
{
    return SkinCharSetOr(m_skinData, Fallback);
}

void TbsGraphicSkinControl::DrawDefault(gfx::TBitmap&)
{
}

void TbsGraphicSkinControl::DrawSkin(gfx::TBitmap&)
{
}

void TbsGraphicSkinControl::PaintThroughBitmap(gfx::TCanvas& Canvas)
{
    gfx::TBitmap bitmap(Width(), Height());
    if (m_skinIndex == -1)
        DrawDefault(bitmap);
    else
        DrawSkin(bitmap);
    Canvas.Draw(0, 0, bitmap);
}

void TbsGraphicSkinControl::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    LookupSkinRecord();
    PaintThroughBitmap(Canvas());
}

} // namespace skinctrls
