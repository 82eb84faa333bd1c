#pragma once

#include "platform/controls/TStringList.h"
#include "selfdrawn/TSeCustomControl.h"
#include "selfdrawn/TSeScrollBar.h"

namespace selfdrawn {

// The list a combo box drops down: rows of ItemHeight pixels inside a single
// bevel, the selected row in the highlight colours, the row under the mouse
// with its text in the highlight colour, "-" items as separator lines, and a
// vertical scroll bar when not every row fits.
class TSeCustomListBox : public TSeCustomControl {
public:
    explicit TSeCustomListBox(ctl::TComponent* AOwner);

    ctl::TStringList& Items() { return m_items; }
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int Value);
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int Value);
    // The first visible row.
    int TopIndex() const { return m_top; }
    void SetTopIndex(int Value);
    // Rows that fit in the content rectangle.
    int PageRows() const;
    int ItemAtPos(int Y) const;
    TSeCustomScrollBar& ScrollBar() { return *m_scrollBar; }

    // A row was clicked (the press and release on the same list).
    ctl::TNotifyEvent OnItemClick;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void BoundsChanged(const gfx::TRect& OldBounds) override;
    unsigned WantedKeys() const override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;

private:
    void UpdateScrollBar();
    void MakeVisible(int Index);

    ctl::TStringList m_items;
    int m_itemHeight { 15 };
    int m_itemIndex { -1 };
    int m_top { 0 };
    int m_hotIndex { -1 };
    TSeCustomScrollBar* m_scrollBar;
};

class TSeSkinListBox : public TSeCustomListBox {
public:
    using TSeCustomListBox::TSeCustomListBox;
};

} // namespace selfdrawn
