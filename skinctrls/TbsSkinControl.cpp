#include "skinctrls/TbsSkinControl.h"

#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"

namespace skinctrls {

TbsSkinControl::TbsSkinControl(ctl::TComponent* AOwner) : ctl::TCustomControl(AOwner)
{
}

void TbsSkinControl::SetSkinData(skin::TbsSkinData* Value)
{
    m_skinData = Value;
    if (m_skinData && !m_skinData->IsEmpty())
        ApplySkin();
}

void TbsSkinControl::SetSkinDataName(const std::string& Value)
{
    m_skinDataName = Value;
}

void TbsSkinControl::LookupSkinRecord()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
}

void TbsSkinControl::ApplySkin()
{
    LookupSkinRecord();
    Invalidate();
}

void TbsSkinControl::ResetSkinIndex()
{
    m_skinIndex = -1;
}

const skin::TbsDataSkinControl* TbsSkinControl::SkinRecord() const
{
    return SkinRecordAt(m_skinData, m_skinIndex);
}

int TbsSkinControl::SkinCharSet(int Fallback) const
{
    return SkinCharSetOr(m_skinData, Fallback);
}

void TbsSkinControl::DrawDefault(gfx::TBitmap&)
{
}

void TbsSkinControl::DrawSkin(gfx::TBitmap&)
{
}

void TbsSkinControl::PaintThroughBitmap(gfx::TCanvas& Canvas)
{
    gfx::TBitmap bitmap(Width(), Height());
    if (m_skinIndex == -1)
        DrawDefault(bitmap);
    else
        DrawSkin(bitmap);
    Canvas.Draw(0, 0, bitmap);
}

void TbsSkinControl::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    LookupSkinRecord();
    PaintThroughBitmap(Canvas());
}

bool TbsSkinControl::EraseBackground(gfx::TCanvas&)
{
    return true;
}

} // namespace skinctrls
