#include "platform/controls/TComboListWindow.h"

#include "platform/controls/TComboBox.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>

namespace ctl {
namespace {

// The list box's sunken border on each side.
constexpr int kListBorder = 2;

} // namespace

// The list box of the open list: it follows the pointer and hands a click on
// a row, or the closing keys, to its window.
class TComboDropList : public TListBox {
public:
    TComboDropList(TComboListWindow& Window, TComboBox& Combo) : TListBox(&Window), m_window(Window), m_combo(Combo) { }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        if (!ClientRect().Contains({ X, Y })) {
            m_window.SetModalResult(mrCancel);
            return;
        }
        TListBox::MouseDown(Button, Shift, X, Y);
    }
    void MouseMove(TShiftState Shift, int X, int Y) override
    {
        TListBox::MouseMove(Shift, X, Y);
        const int row = ItemAtPos({ X, Y });
        if (row >= 0)
            SetItemIndex(row);
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TListBox::MouseUp(Button, Shift, X, Y);
        const int row = ItemAtPos({ X, Y });
        if (Button == TMouseButton::mbLeft && row >= 0) {
            m_window.Take(row);
            return;
        }
        // Letting go of the button (the one that opened the list, or a press
        // on the scroll bar) must not let go of the mouse while the list is open.
        SetCaptureControl(this);
    }
    void KeyDown(int& Key, TShiftState Shift) override
    {
        const bool alt = Shift.Contains(TShiftKind::ssAlt);
        if (Key == wnd::VK_F4 || (alt && (Key == wnd::VK_UP || Key == wnd::VK_DOWN))) {
            m_window.Take(ItemIndex());
            Key = 0;
            return;
        }
        TListBox::KeyDown(Key, Shift);
    }
    void KeyPress(unsigned& Key) override
    {
        TListBox::KeyPress(Key);
        const int row = m_combo.FindByFirstLetter(Key, ItemIndex());
        if (row >= 0)
            SetItemIndex(row);
    }

private:
    TComboListWindow& m_window;
    TComboBox& m_combo;
};

TComboListWindow::TComboListWindow(TComboBox& Combo) : TForm(nullptr), m_combo(Combo)
{
    SetName("ComboList");
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetColor(gfx::clWindow);
    List = new TComboDropList(*this, Combo);
    List->SetItemHeight(Combo.ItemHeight());
    List->SetFont(Combo.Font());
    List->Items().Assign(Combo.Items());
    List->SetParent(this);
}

void TComboListWindow::Place()
{
    const int rows = std::clamp(m_combo.Items().Count(), 1, std::max(1, m_combo.DropDownCount()));
    const int width = m_combo.Width();
    const int height = rows * m_combo.ItemHeight() + 2 * kListBorder;
    const gfx::TPoint corner = m_combo.ClientToScreen({ 0, 0 });
    wnd::MONITORINFO monitor;
    const gfx::TRect work = wnd::GetMonitorInfo(wnd::MonitorFromPoint(corner), monitor) ? monitor.rcWork
                                                                                         : wnd::GetWorkArea();
    int top = corner.Y + m_combo.Height();
    if (top + height > work.Bottom && corner.Y - height >= work.Top)
        top = corner.Y - height;
    const int left = std::clamp(corner.X, work.Left, std::max(work.Left, work.Right - width));
    SetBounds(left, top, width, height);
    List->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

int TComboListWindow::Choose()
{
    Place();
    List->SetItemIndex(m_combo.ItemIndex());
    m_chosen = -1;
    SetCaptureControl(List);
    const TModalResult result = ShowModal();
    if (CaptureControl() == List)
        SetCaptureControl(nullptr);
    return result == mrOk ? m_chosen : -1;
}

void TComboListWindow::Take(int Row)
{
    m_chosen = Row;
    SetModalResult(mrOk);
}

bool TComboListWindow::DialogKey(int Key)
{
    switch (Key) {
    case wnd::VK_RETURN:
    case wnd::VK_TAB:
        Take(List->ItemIndex());
        return true;
    case wnd::VK_ESCAPE:
        SetModalResult(mrCancel);
        return true;
    default:
        return TForm::DialogKey(Key);
    }
}

} // namespace ctl
