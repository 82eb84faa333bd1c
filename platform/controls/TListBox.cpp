#include "platform/controls/TListBox.h"

#include "platform/controls/StylePainter.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kBorder = 2;

} // namespace

TListBox::TListBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(gfx::clWindow);
    SetParentColor(false);
    TControl::SetBounds(0, 0, 121, 97);
    m_items.OnChange = [this](TObject*) { ItemsChanged(); };
}

void TListBox::SetItemHeight(int Value)
{
    if (Value <= 0)
        return;
    m_itemHeight = Value;
    UpdateScroll();
    Invalidate();
}

void TListBox::AdjustClientRect(gfx::TRect& Rect) const
{
    gfx::InflateRect(Rect, -kBorder, -kBorder);
}

gfx::TRect TListBox::FieldRect() const
{
    gfx::TRect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

gfx::TRect TListBox::RowsRect() const
{
    return m_scroll.RowsRect(FieldRect());
}

int TListBox::PageRows() const
{
    return std::max(1, FieldRect().Height() / m_itemHeight);
}

void TListBox::UpdateScroll()
{
    m_scroll.SetRange(m_items.Count(), PageRows());
}

void TListBox::ItemsChanged()
{
    if (m_itemIndex >= m_items.Count())
        m_itemIndex = -1;
    UpdateScroll();
    Invalidate();
}

void TListBox::Resize()
{
    UpdateScroll();
    TCustomControl::Resize();
}

void TListBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= m_items.Count())
        return;
    if (Value == m_itemIndex)
        return;
    m_itemIndex = Value;
    MakeVisible(Value);
    Invalidate();
}

void TListBox::SetTopIndex(int Value)
{
    if (m_scroll.SetPosition(Value))
        Invalidate();
}

void TListBox::MakeVisible(int Index)
{
    if (Index < 0)
        return;
    if (Index < TopIndex())
        SetTopIndex(Index);
    else if (Index >= TopIndex() + PageRows())
        SetTopIndex(Index - PageRows() + 1);
}

gfx::TRect TListBox::ItemRect(int Index) const
{
    const gfx::TRect rows = RowsRect();
    const int top = rows.Top + (Index - TopIndex()) * m_itemHeight;
    return gfx::Rect(rows.Left, top, rows.Right, top + m_itemHeight);
}

int TListBox::ItemAtPos(gfx::TPoint Pos) const
{
    const gfx::TRect rows = RowsRect();
    if (!rows.Contains(Pos))
        return -1;
    const int index = TopIndex() + (Pos.Y - rows.Top) / m_itemHeight;
    return index < m_items.Count() ? index : -1;
}

void TListBox::SelectByUser(int Index)
{
    if (Index < 0 || Index >= m_items.Count() || Index == m_itemIndex)
        return;
    SetItemIndex(Index);
}

void TListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    bool changed = false;
    const bool onBar = m_scroll.MouseDown(Button == TMouseButton::mbLeft, { X, Y }, FieldRect(), changed);
    if (changed)
        Invalidate();
    if (!onBar && Button == TMouseButton::mbLeft)
        SelectByUser(ItemAtPos({ X, Y }));
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    bool changed = false;
    if (m_scroll.MouseMove({ X, Y }, FieldRect(), changed)) {
        if (changed)
            Invalidate();
    } else if (Shift.Contains(TShiftKind::ssLeft) && !m_scroll.Pressed() && CaptureControl() == this) {
        SelectByUser(ItemAtPos({ X, Y }));
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    m_scroll.MouseUp();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

wnd::LRESULT TListBox::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_MOUSEWHEEL) {
        SetTopIndex(m_scroll.WheelPosition(WParam));
        return 0;
    }
    // A click on the scroll bar is no click on the list.
    if (Msg == wnd::WM_LBUTTONUP && m_scroll.EndPress())
        CancelClick();
    if (Msg == wnd::WM_LBUTTONDBLCLK && ItemAtPos(wnd::PointFromLParam(LParam)) < 0)
        return 0;
    return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TListBox::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const int count = m_items.Count();
    if (count == 0)
        return;
    int target = m_itemIndex;
    switch (Key) {
    case wnd::VK_UP:
        target = std::max(0, m_itemIndex - 1);
        break;
    case wnd::VK_DOWN:
        target = std::min(count - 1, m_itemIndex + 1);
        break;
    case wnd::VK_PRIOR:
        target = std::max(0, m_itemIndex - PageRows() + 1);
        break;
    case wnd::VK_NEXT:
        target = std::min(count - 1, std::max(0, m_itemIndex) + PageRows() - 1);
        break;
    case wnd::VK_HOME:
        target = 0;
        break;
    case wnd::VK_END:
        target = count - 1;
        break;
    default:
        return;
    }
    if (target != m_itemIndex) {
        SetItemIndex(target);
        Click();
    }
}

void TListBox::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TListBox::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

void TListBox::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    gfx::TRect field = ClientRect();
    StylePainter::DrawSunkenField(canvas, field, Color());
    if (m_scroll.Shown())
        m_scroll.Paint(canvas, field);
    const gfx::TRect rows = RowsRect();
    canvas.Font = Font();
    for (int i = TopIndex(); i < m_items.Count(); ++i) {
        const gfx::TRect r = ItemRect(i);
        if (r.Top >= rows.Bottom)
            break;
        const bool selected = i == m_itemIndex;
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        canvas.Brush.Color = selected ? gfx::clHighlight : Color();
        canvas.FillRect(gfx::Intersection(r, rows));
        canvas.Font.Color = selected ? gfx::clHighlightText : Font().Color;
        canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        gfx::TRect text = gfx::Rect(r.Left + 2, r.Top, r.Right, std::min(r.Bottom, rows.Bottom));
        canvas.DrawText(m_items[i], text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
        if (selected && Focused())
            canvas.DrawFocusRect(gfx::Intersection(r, rows));
    }
}

} // namespace ctl
