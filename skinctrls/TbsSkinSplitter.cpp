#include "skinctrls/TbsSkinSplitter.h"

#include "skin/SkinControlRecords.h"
#include "skin/SkinImageBuilders.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"

namespace skinctrls {

TbsSkinSplitter::TbsSkinSplitter(ctl::TComponent* AOwner) : ctl::TSplitter(AOwner)
{
    m_opaque = true;
}

bool TbsSkinSplitter::Horizontal() const
{
    return Align() == ctl::TAlign::alTop || Align() == ctl::TAlign::alBottom;
}

void TbsSkinSplitter::SetSkinData(skin::TbsSkinData* Value)
{
    skin::FollowSkinData(*this, m_skinData, Value);
    m_skinData = Value;
    ApplySkin();
}

void TbsSkinSplitter::ResetSkinIndex()
{
    m_skinIndex = -1;
    m_part.Clear();
}

void TbsSkinSplitter::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove && skin::IsSkinData(AComponent, m_skinData)) {
        m_skinData = nullptr;
        ResetSkinIndex();
    }
    ctl::TSplitter::Notification(AComponent, Operation);
}

void TbsSkinSplitter::LookupSkinRecord()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
    const skin::TbsDataSkinControl* record = SkinRecordAt(m_skinData, m_skinIndex);
    if (!record || record->Kind() != skin::SkinControlKind::Splitter) {
        m_skinIndex = -1;
        m_part.Clear();
        return;
    }
    m_part.Take(*record, *m_skinData);
}

void TbsSkinSplitter::ApplySkin()
{
    LookupSkinRecord();
    int thickness = DefaultSize;
    if (m_skinIndex != -1)
        thickness = Horizontal() ? m_part.SkinHeight() : m_part.SkinWidth();
    MinSize = thickness;
    if (Horizontal())
        SetHeight(thickness);
    else
        SetWidth(thickness);
    Invalidate();
}

void TbsSkinSplitter::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    LookupSkinRecord();
    const bool skinned = m_skinIndex != -1 && m_part.Picture() && Align() != ctl::TAlign::alNone
        && Align() != ctl::TAlign::alClient;
    if (!skinned) {
        ctl::TSplitter::Paint();
        return;
    }
    const skin::TbsSkinGeometry& g = m_part.Geometry();
    gfx::TBitmap image;
    if (Horizontal())
        skin::BuildHorzSkinImage(g.LeftTop.X, m_part.SkinWidth() - g.RightTop.X, image, Width(), m_part.SkinRect(),
            *m_part.Picture());
    else
        skin::BuildVertSkinImage(g.LeftTop.Y, m_part.SkinHeight() - g.LeftBottom.Y, image, Height(),
            m_part.SkinRect(), *m_part.Picture());
    Canvas().Draw(0, 0, image);
}

} // namespace skinctrls
