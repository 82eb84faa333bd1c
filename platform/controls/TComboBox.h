#pragma once

#include "platform/controls/TCustomControl.h"
#include "platform/controls/TStringList.h"

namespace ctl {

class TComboListWindow;

// A drop-down list combo box: a sunken field with the selected item's text
// and a button. The button, Alt+Down or F4 opens the list in a window of its
// own below the box (above it when the work area has no room below), where
// the pointer or the arrow keys pick a row, a click or Enter takes it and Esc
// or a click outside leaves the choice as it was. While closed, Up/Down,
// Home/End, the wheel and a typed first letter change the selection
// directly. Every change the user makes runs OnChange; SetItemIndex does not.
// Text() is the selected item's text, empty without a selection.
class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    TStringList& Items() { return m_items; }
    const TStringList& Items() const { return m_items; }
    // The selected item, -1 for none.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int Value);
    // The rows the open list shows before it scrolls.
    int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int Value);
    int ItemHeight() const { return m_itemHeight; }

    // Opens the list and waits until it is closed again.
    void DropDown();
    bool DroppedDown() const { return m_list != nullptr; }
    // The open list's window; null while closed.
    TComboListWindow* ListWindow() const { return m_list; }
    gfx::TRect ButtonRect() const;
    // The next item after `From` whose text starts with the typed character
    // (letters without case), wrapping; -1 when none does.
    int FindByFirstLetter(unsigned Letter, int From) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    unsigned WantedKeys() const override { return DLGC_WANTARROWS; }
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(unsigned& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

private:
    // Selects as the user asked and runs OnChange when the selection moved.
    void SelectByUser(int Index);
    void ItemsChanged();

    TStringList m_items;
    int m_itemIndex { -1 };
    int m_dropDownCount { 8 };
    int m_itemHeight { 16 };
    TComboListWindow* m_list { nullptr };
};

} // namespace ctl
