#include "skinctrls/TbsSkinMemo2.h"

namespace skinctrls {

TbsSkinMemo2::TbsSkinMemo2(ctl::TComponent* AOwner) : ctl::TMemo(AOwner)
{
}

TbsSkinMemo2::~TbsSkinMemo2()
{
    if (m_vScrollBar)
        m_vScrollBar->RemoveFreeNotification(this);
}

void TbsSkinMemo2::SetVScrollBar(TbsSkinScrollBar* Value)
{
    if (m_vScrollBar)
        m_vScrollBar->RemoveFreeNotification(this);
    m_vScrollBar = Value;
    if (!m_vScrollBar)
        return;
    m_vScrollBar->FreeNotification(this);
    m_vScrollBar->SetRangeValues(0, 0, 0, 0);
    m_vScrollBar->OnChange = [this](ctl::TObject*) {
        if (m_vScrollBar)
            SetTopLine(m_vScrollBar->Position());
    };
    UpdateScrollBars();
}

void TbsSkinMemo2::UpdateScrollBars()
{
    if (!m_vScrollBar)
        return;
    const int max = LineCount() - 1;
    const int visible = VisibleLineCount();
    if (Enabled() && visible < LineCount()) {
        // A page of exactly the visible lines lets the bar reach the last top line.
        m_vScrollBar->SetRangeValues(0, max, visible, TopLine());
        m_vScrollBar->SetEnabled(true);
    } else {
        m_vScrollBar->SetRangeValues(0, 0, 0, 0);
        m_vScrollBar->SetEnabled(false);
    }
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

void TbsSkinMemo2::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    ctl::TMemo::Notification(AComponent, Operation);
    if (Operation == ctl::TOperation::opRemove && AComponent == m_vScrollBar)
        m_vScrollBar = nullptr;
}

} // namespace skinctrls
