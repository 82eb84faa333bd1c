#include "skinctrls/TbsSkinMemo2.h"

#include "skin/SkinControlRecords.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"

namespace skinctrls {

TbsSkinMemo2::TbsSkinMemo2(ctl::TComponent* AOwner)
    : ctl::TMemo(AOwner), m_vBar(*this, [this](int Position) { SetTopLine(Position); }),
      m_hBar(*this, [this](int Position) { SetLeftOffset(Position); }), m_systemMenu(*this)
{
    gfx::TFont font = Font();
    font.Name = "Arial";
    font.Height = 14;
    SetFont(font);
    m_defaultFont = font;
}

TbsSkinMemo2::~TbsSkinMemo2() = default;

void TbsSkinMemo2::SetVScrollBar(TbsSkinScrollBar* Value)
{
    if (Value == m_vBar.Bar())
        return;
    m_vBar.Attach(Value);
    if (!Value)
        return;
    Value->SetRangeValues(0, 0, 0, 0);
    UpdateScrollBars();
}

void TbsSkinMemo2::SetHScrollBar(TbsSkinScrollBar* Value)
{
    if (Value == m_hBar.Bar())
        return;
    m_hBar.Attach(Value);
    if (!Value)
        return;
    Value->SetRangeValues(0, 0, 0, 0);
    UpdateScrollBars();
}

void TbsSkinMemo2::UpdateScrollBars()
{
    if (TbsSkinScrollBar* bar = m_vBar.Bar())
        UpdateVScrollBar(*bar);
    if (TbsSkinScrollBar* bar = m_hBar.Bar())
        UpdateHScrollBar(*bar);
}

void TbsSkinMemo2::UpdateVScrollBar(TbsSkinScrollBar& Bar)
{
    const int max = LineCount() - 1;
    const int visible = VisibleLineCount();
    if (Enabled() && visible < LineCount()) {
        // A page of exactly the visible lines lets the bar reach the last top line.
        Bar.SetRangeValues(0, max, visible, TopLine());
        Bar.SetEnabled(true);
    } else {
        Bar.SetRangeValues(0, 0, 0, 0);
        Bar.SetEnabled(false);
    }
}

void TbsSkinMemo2::UpdateHScrollBar(TbsSkinScrollBar& Bar)
{
    // In pixels: a page of the view's width, the last position showing the
    // caret after the widest line. The arrows step by a line's height.
    if (Enabled() && !WordWrap() && MaxLeftOffset() > 0) {
        Bar.SetRangeValues(0, ContentWidth(), ViewWidth(), LeftOffset());
        Bar.SmallChange = LineHeight();
        Bar.LargeChange = ViewWidth();
        Bar.SetEnabled(true);
    } else {
        Bar.SetRangeValues(0, 0, 0, 0);
        Bar.SetEnabled(false);
    }
}

void TbsSkinMemo2::SetSkinData(skin::TbsSkinData* Value)
{
    m_skinData = Value;
    if (m_skinData && !m_skinData->IsEmpty())
        ApplySkin();
}

void TbsSkinMemo2::SetDefaultFont(const gfx::TFont& Value)
{
    m_defaultFont = Value;
    if (m_skinIndex == -1)
        SetFont(m_defaultFont);
}

const skin::TbsDataSkinMemoControl* TbsSkinMemo2::MemoRecord() const
{
    return dynamic_cast<const skin::TbsDataSkinMemoControl*>(SkinRecordAt(m_skinData, m_skinIndex));
}

void TbsSkinMemo2::ApplySkin()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
    gfx::TFont font = m_defaultFont;
    if (const auto* record = MemoRecord(); record && UseSkinFont) {
        font.Name = record->FontName;
        font.Height = record->FontHeight;
        font.Style = record->FontStyle;
    }
    font.CharSet = SkinCharSetOr(m_skinData, m_defaultFont.CharSet);
    SetFont(font);
    UpdateColors();
    UpdateScrollBars();
    for (TbsSkinScrollBar* bar : { m_vBar.Bar(), m_hBar.Bar() })
        if (bar)
            bar->SetAlign(bar->Align());
    Invalidate();
}

void TbsSkinMemo2::UpdateColors()
{
    const auto* record = MemoRecord();
    if (!record)
        return;
    const bool active = Focused() || MouseInControl();
    gfx::TFont font = Font();
    font.Color = active ? record->ActiveFontColor : record->FontColor;
    SetFont(font);
    SetColor(active ? record->ActiveBGColor : record->BGColor);
}

void TbsSkinMemo2::ScrollChanged()
{
    ctl::TMemo::ScrollChanged();
    UpdateScrollBars();
}

void TbsSkinMemo2::EnabledChanged()
{
    ctl::TMemo::EnabledChanged();
    UpdateScrollBars();
}

void TbsSkinMemo2::TextChanged()
{
    ctl::TMemo::TextChanged();
    UpdateScrollBars();
}

void TbsSkinMemo2::Resize()
{
    ctl::TMemo::Resize();
    UpdateScrollBars();
}

void TbsSkinMemo2::MouseEnter()
{
    ctl::TMemo::MouseEnter();
    UpdateColors();
}

void TbsSkinMemo2::MouseLeave()
{
    ctl::TMemo::MouseLeave();
    UpdateColors();
}

void TbsSkinMemo2::DoEnter()
{
    ctl::TMemo::DoEnter();
    UpdateColors();
}

void TbsSkinMemo2::DoExit()
{
    ctl::TMemo::DoExit();
    UpdateColors();
}

wnd::LRESULT TbsSkinMemo2::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (m_systemMenu.HandleMessage(m_skinData, Msg, LParam))
        return 0;
    return ctl::TMemo::WndProc(Msg, WParam, LParam);
}

void TbsSkinMemo2::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    ctl::TMemo::Notification(AComponent, Operation);
    if (Operation == ctl::TOperation::opRemove) {
        m_vBar.Forget(AComponent);
        m_hBar.Forget(AComponent);
    }
}

} // namespace skinctrls
