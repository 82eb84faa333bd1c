#include "selfdrawn/TSeSkinListBox.h"

#include "platform/graphics/TextFormat.h"
#include "platform/window/Messages.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {

TSeCustomListBox::TSeCustomListBox(ctl::TComponent* AOwner) : TSeCustomControl(AOwner)
{
    SetPerformance(TSePerformance::kspDoubleBuffer);
    SetBevelKind(TSeBevelKind::kbkSingle);
    SetBevelWidth(1);
    SetColor(gfx::clWindow);
    SetTabStop(true);
    m_scrollBar = CreateScrollBar(TSeScrollBarKind::sbVertical);
    m_scrollBar->OnScroll = [this](ctl::TObject*, TSeScrollCode, int& Position) {
        Position = std::clamp(Position, 0, std::max(0, m_items.Count() - PageRows()));
        m_top = Position;
        Invalidate();
    };
    m_items.OnChange = [this](ctl::TObject*) {
        UpdateScrollBar();
        Invalidate();
    };
    UpdateScrollBar();
}

void TSeCustomListBox::SetItemHeight(int Value)
{
    m_itemHeight = std::max(1, Value);
    UpdateScrollBar();
    Invalidate();
}

int TSeCustomListBox::PageRows() const
{
    return GetContentRect().Height() / m_itemHeight;
}

void TSeCustomListBox::SetItemIndex(int Value)
{
    m_itemIndex = std::clamp(Value, -1, m_items.Count() - 1);
    MakeVisible(m_itemIndex);
    Invalidate();
}

void TSeCustomListBox::SetTopIndex(int Value)
{
    m_top = std::clamp(Value, 0, std::max(0, m_items.Count() - PageRows()));
    m_scrollBar->SetPosition(m_top);
    Invalidate();
}

void TSeCustomListBox::MakeVisible(int Index)
{
    if (Index < 0)
        return;
    if (Index < m_top)
        SetTopIndex(Index);
    else if (Index >= m_top + PageRows())
        SetTopIndex(Index - PageRows() + 1);
}

int TSeCustomListBox::ItemAtPos(int Y) const
{
    const int row = (Y - GetContentRect().Top) / m_itemHeight;
    const int index = m_top + row;
    return Y >= GetContentRect().Top && index < m_items.Count() ? index : -1;
}

void TSeCustomListBox::BoundsChanged(const gfx::TRect& OldBounds)
{
    TSeCustomControl::BoundsChanged(OldBounds);
    UpdateScrollBar();
}

void TSeCustomListBox::UpdateScrollBar()
{
    const gfx::TRect content = GetContentRect();
    const int width = GetScrollBarSize();
    m_scrollBar->SetBounds(content.Right - width, content.Top, width, content.Height());
    const int count = m_items.Count();
    const int page = PageRows();
    const bool needed = page < count && count > 1;
    m_scrollBar->SetParams(0, std::max(0, count - 1), page, m_top);
    m_scrollBar->SetVisible(needed);
    m_scrollBar->SetEnabled(needed);
    m_top = std::clamp(m_top, 0, std::max(0, count - page));
}

void TSeCustomListBox::PaintClient(gfx::TCanvas& Canvas)
{
    TSeCustomControl::PaintClient(Canvas);
    gfx::TRect content = GetContentRect();
    if (m_scrollBar->Visible())
        content.Right = m_scrollBar->Left();
    Canvas.Font = PaintFont();
    for (int index = m_top; index < m_items.Count(); ++index) {
        const int top = content.Top + (index - m_top) * m_itemHeight;
        if (top >= content.Bottom)
            break;
        const gfx::TRect row = gfx::Rect(content.Left, top, content.Right, top + m_itemHeight);
        const std::string& item = m_items[index];
        if (index == m_itemIndex)
            gfx::FillSolid(Canvas, row, gfx::clHighlight);
        if (item == "-") {
            Canvas.Pen.Color = PaintFont().Color;
            Canvas.MoveTo(row.Left + 3, top + m_itemHeight / 2);
            Canvas.LineTo(row.Right - 3, top + m_itemHeight / 2);
            continue;
        }
        Canvas.Font.Color = index == m_itemIndex ? gfx::clHighlightText
            : index == m_hotIndex                ? gfx::clHighlight
                                                 : PaintFont().Color;
        gfx::TRect textRect = gfx::Rect(row.Left + 2, row.Top, row.Right, row.Bottom);
        DrawTextWide(Canvas, item, textRect, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
        if (index == m_itemIndex && Focused())
            Canvas.DrawFocusRect(row);
    }
}

wnd::LRESULT TSeCustomListBox::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_MOUSEWHEEL) {
        // A notch scrolls by the system's wheel lines.
        SetTopIndex(m_top - wnd::GET_WHEEL_DELTA_WPARAM(WParam) * wnd::GetWheelScrollLines() / wnd::WHEEL_DELTA);
        return 0;
    }
    return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

unsigned TSeCustomListBox::WantedKeys() const
{
    return ctl::DLGC_WANTARROWS;
}

void TSeCustomListBox::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyDown(Key, Shift);
    const int page = std::max(1, PageRows() - 1);
    switch (Key) {
    case wnd::VK_UP:
    case wnd::VK_LEFT:
        SetItemIndex(std::max(0, m_itemIndex - 1));
        break;
    case wnd::VK_DOWN:
    case wnd::VK_RIGHT:
        SetItemIndex(m_itemIndex + 1);
        break;
    case wnd::VK_PRIOR:
        SetItemIndex(std::max(0, m_itemIndex - page));
        break;
    case wnd::VK_NEXT:
        SetItemIndex(m_itemIndex + page);
        break;
    case wnd::VK_HOME:
        SetItemIndex(0);
        break;
    case wnd::VK_END:
        SetItemIndex(m_items.Count() - 1);
        break;
    default:
        break;
    }
}

void TSeCustomListBox::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == ctl::TMouseButton::mbLeft && ItemAtPos(Y) >= 0)
        SetItemIndex(ItemAtPos(Y));
}

void TSeCustomListBox::MouseMove(ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(Y);
    if (index != m_hotIndex) {
        m_hotIndex = index;
        Invalidate();
    }
    if (Shift.Contains(ctl::TShiftKind::ssLeft) && index >= 0)
        SetItemIndex(index);
}

void TSeCustomListBox::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == ctl::TMouseButton::mbLeft && ItemAtPos(Y) >= 0 && OnItemClick)
        OnItemClick(this);
}

} // namespace selfdrawn
