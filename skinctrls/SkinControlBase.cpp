#include "skinctrls/SkinControlBase.h"

#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"

namespace skinctrls {

template <class PlatformControl>
SkinControlBase<PlatformControl>::SkinControlBase(ctl::TComponent* AOwner) : PlatformControl(AOwner)
{
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::SetSkinData(skin::TbsSkinData* Value)
{
    skin::FollowSkinData(*this, m_skinData, Value);
    m_skinData = Value;
    if (m_skinData && !m_skinData->IsEmpty())
        ApplySkin();
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    // The control goes back to its default look (and drops its region) at once.
    if (Operation == ctl::TOperation::opRemove && skin::IsSkinData(AComponent, m_skinData)) {
        m_skinData = nullptr;
        ResetSkinIndex();
        if (!this->Destroying())
            ApplySkin();
    }
    PlatformControl::Notification(AComponent, Operation);
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::LookupSkinRecord()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::ApplySkin()
{
    LookupSkinRecord();
    this->Invalidate();
}

template <class PlatformControl>
const skin::TbsDataSkinControl* SkinControlBase<PlatformControl>::SkinRecord() const
{
    return SkinRecordAt(m_skinData, m_skinIndex);
}

template <class PlatformControl>
int SkinControlBase<PlatformControl>::SkinCharSet(int Fallback) const
{
    return SkinCharSetOr(m_skinData, Fallback);
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::PaintThroughBitmap(gfx::TCanvas& Canvas)
{
    gfx::TBitmap bitmap(this->Width(), this->Height());
    if (m_skinIndex == -1 || !HasSkinImage())
        DrawDefault(bitmap);
    else
        DrawSkin(bitmap);
    Canvas.Draw(0, 0, bitmap);
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::Paint()
{
    if (this->Width() <= 0 || this->Height() <= 0)
        return;
    LookupSkinRecord();
    PaintThroughBitmap(this->Canvas());
}

template class SkinControlBase<ctl::TCustomControl>;
template class SkinControlBase<ctl::TGraphicControl>;

} // namespace skinctrls
