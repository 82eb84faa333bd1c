#include "skinctrls/TbsSkinTreeView.h"

#include "skin/SkinControlRecords.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"
#include "skinctrls/TbsSkinCustomControl.h"

namespace skinctrls {

TbsSkinTreeView::TbsSkinTreeView(ctl::TComponent* AOwner)
    : ctl::TTreeView(AOwner), m_defaultFont(MakeSkinDefaultFont())
{
    SetScrollBars(false);
    SetBorderStyle(ctl::TBorderStyle::bsNone);
    ApplySkin();
}

void TbsSkinTreeView::SetSkinData(skin::TbsSkinData* Value)
{
    skin::FollowSkinData(*this, m_skinData, Value);
    m_skinData = Value;
    if (m_skinData && !m_skinData->IsEmpty())
        ApplySkin();
}

void TbsSkinTreeView::SetDefaultFont(const gfx::TFont& Value)
{
    m_defaultFont = Value;
    if (m_skinIndex == -1)
        SetFont(m_defaultFont);
}

void TbsSkinTreeView::SetDefaultColor(gfx::TColor Value)
{
    m_defaultColor = Value;
    if (m_skinIndex == -1)
        SetColor(m_defaultColor);
}

void TbsSkinTreeView::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove && skin::IsSkinData(AComponent, m_skinData)) {
        m_skinData = nullptr;
        m_skinIndex = -1;
    }
    ctl::TTreeView::Notification(AComponent, Operation);
}

void TbsSkinTreeView::Loaded()
{
    ctl::TTreeView::Loaded();
    ApplySkin();
}

void TbsSkinTreeView::ApplySkin()
{
    if (Loading())
        return;
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
    gfx::TFont font = Font();
    if (m_skinIndex == -1) {
        SetColor(m_defaultColor);
        font = m_defaultFont;
    } else if (const auto* record
               = dynamic_cast<const skin::TbsDataSkinTreeView*>(SkinRecordAt(m_skinData, m_skinIndex))) {
        font = m_defaultFont;
        if (UseSkinFont) {
            font.Name = record->FontName;
            font.Height = record->FontHeight;
            font.Style = record->FontStyle;
        }
        font.Color = record->FontColor;
        SetColor(record->BGColor);
    }
    font.CharSet = SkinCharSetOr(m_skinData, m_defaultFont.CharSet);
    SetFont(font);
    if (Images())
        Images()->BkColor = Color();
    Invalidate();
}

} // namespace skinctrls
