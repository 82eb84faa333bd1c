#include "skinctrls/TbsSkinTreeView.h"

#include "skin/SkinControlRecords.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"
#include "skinctrls/TbsSkinCustomControl.h"

#include <algorithm>

namespace skinctrls {

TbsSkinTreeView::TbsSkinTreeView(ctl::TComponent* AOwner)
    : ctl::TTreeView(AOwner), m_vBar(*this, [this](int Position) { SetTopIndex(Position); }),
      m_hBar(*this, [this](int Position) { SetLeftOffset(Position); }),
      m_defaultFont(MakeSkinDefaultFont())
{
    SetScrollBars(false);
    SetBorderStyle(ctl::TBorderStyle::bsNone);
    ApplySkin();
}

TbsSkinTreeView::~TbsSkinTreeView() = default;

void TbsSkinTreeView::SetVScrollBar(TbsSkinScrollBar* Value)
{
    TakeBar(m_vBar, Value);
}

void TbsSkinTreeView::SetHScrollBar(TbsSkinScrollBar* Value)
{
    TakeBar(m_hBar, Value);
}

void TbsSkinTreeView::TakeBar(TbsScrollBarLink& Link, TbsSkinScrollBar* Value)
{
    if (Value == Link.Bar())
        return;
    Link.Attach(Value);
    if (!Value)
        return;
    Value->SetEnabled(true);
    Value->SetVisible(false);
    CheckScrollBars();
}

bool TbsSkinTreeView::CheckVScrollBar(TbsSkinScrollBar& Bar)
{
    const int max = VisibleNodeCount() - 1;
    const int page = PageRows();
    const bool show = max > 0 && page <= max && Visible();
    if (show)
        Bar.SetRangeValues(0, max, page, TopIndex());
    return show;
}

bool TbsSkinTreeView::CheckHScrollBar(TbsSkinScrollBar& Bar)
{
    // In pixels: a page of the rows' width, the last position showing the
    // end of the widest label. The arrows step by an indent.
    const bool show = ContentWidth() > ViewWidth() && Visible();
    if (show) {
        Bar.SetRangeValues(0, ContentWidth() - 1, ViewWidth(), LeftOffset());
        Bar.SmallChange = std::max(1, Indent());
        Bar.LargeChange = ViewWidth();
    }
    return show;
}

void TbsSkinTreeView::CheckScrollBars()
{
    TbsSkinScrollBar* vertical = m_vBar.Bar();
    TbsSkinScrollBar* horizontal = m_hBar.Bar();
    if ((!vertical && !horizontal) || m_checkingBars || Loading())
        return;
    m_checkingBars = true;
    // A bar shown or hidden re-aligns the parent's children, the tree among them.
    if (vertical)
        vertical->SetVisible(CheckVScrollBar(*vertical));
    if (horizontal) {
        horizontal->SetVisible(CheckHScrollBar(*horizontal));
        if (vertical)
            horizontal->SetBoth(vertical->Visible());
    }
    m_checkingBars = false;
}

void TbsSkinTreeView::Paint()
{
    ctl::TTreeView::Paint();
    CheckScrollBars();
}

void TbsSkinTreeView::Resize()
{
    ctl::TTreeView::Resize();
    CheckScrollBars();
}

void TbsSkinTreeView::KeyDown(int& Key, ctl::TShiftState Shift)
{
    ctl::TTreeView::KeyDown(Key, Shift);
    CheckScrollBars();
}

void TbsSkinTreeView::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    ctl::TTreeView::MouseUp(Button, Shift, X, Y);
    CheckScrollBars();
}

void TbsSkinTreeView::VisibleChanged()
{
    ctl::TTreeView::VisibleChanged();
    CheckScrollBars();
}

wnd::LRESULT TbsSkinTreeView::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    const wnd::LRESULT result = ctl::TTreeView::WndProc(Msg, WParam, LParam);
    if (Msg == wnd::WM_MOUSEWHEEL)
        CheckScrollBars();
    return result;
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
    if (Operation == ctl::TOperation::opRemove) {
        m_vBar.Forget(AComponent);
        m_hBar.Forget(AComponent);
        if (skin::IsSkinData(AComponent, m_skinData)) {
            m_skinData = nullptr;
            m_skinIndex = -1;
        }
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
    CheckScrollBars();
    for (TbsSkinScrollBar* bar : { m_vBar.Bar(), m_hBar.Bar() })
        if (bar)
            bar->SetAlign(bar->Align());
    Invalidate();
}

} // namespace skinctrls
