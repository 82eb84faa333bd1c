#pragma once

#include "platform/controls/TCustomControl.h"
#include "platform/controls/TScrollBarPart.h"
#include "platform/controls/TStringList.h"

namespace ctl {

// A list of text rows in a sunken field, one of which can be selected.
// Clicking a row or moving with the arrow keys selects it and runs OnClick;
// a double click runs OnDblClick with the row under the pointer selected.
// Rows that do not fit scroll with a scroll bar, the keys and the wheel.
class TListBox : public TCustomControl {
public:
    explicit TListBox(TComponent* AOwner);

    TStringList& Items() { return m_items; }
    const TStringList& Items() const { return m_items; }
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int Value);
    // The selected row, -1 for none.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int Value);
    int TopIndex() const { return m_scroll.Position(); }
    void SetTopIndex(int Value);
    // The row at a client point, -1 when there is none.
    int ItemAtPos(gfx::TPoint Pos) const;
    gfx::TRect ItemRect(int Index) const;
    // Rows that fit completely.
    int PageRows() const;
    void Clear() { m_items.Clear(); }

    void AdjustClientRect(gfx::TRect& Rect) const override;

protected:
    void Paint() override;
    unsigned WantedKeys() const override { return DLGC_WANTARROWS; }
    void KeyDown(int& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Resize() override;
    void DoEnter() override;
    void DoExit() override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

private:
    // Inside the border; the scroll bar takes its right edge when needed.
    gfx::TRect FieldRect() const;
    gfx::TRect RowsRect() const;
    void ItemsChanged();
    void UpdateScroll();
    void MakeVisible(int Index);
    void SelectByUser(int Index);

    TStringList m_items;
    int m_itemHeight { 13 };
    int m_itemIndex { -1 };
    TScrollBarPart m_scroll;
};

} // namespace ctl
