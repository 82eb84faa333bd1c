#pragma once

#include "platform/controls/TStringList.h"
#include "platform/controls/TTimer.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "selfdrawn/TSeSkinListBox.h"

#include <functional>
#include <memory>

namespace ctl {
class TForm;
}

namespace selfdrawn {

class TSeComboWindow;

enum class TSeComboStyle { kcsDropDown, kcsDropDownList };
// The side of the drop-down button.
enum class TSeComboButtonAlign { cbaLeft, cbaRight };

// The self-drawn edit with a drop-down button and a list of Items that drops
// down in a pop-up window under (or, near the bottom of the work area,
// above) it. Typing never changes ItemIndex; picking from the list, the
// arrow keys and the wheel do, and for kcsDropDown they put the item's text
// into the box. A kcsDropDownList box only picks: its text is the item at
// ItemIndex, it has no caret and the edit is read-only.
class TSeCustomComboBox : public TSeCustomEdit {
public:
    explicit TSeCustomComboBox(ctl::TComponent* AOwner);
    ~TSeCustomComboBox() override;

    TSeComboStyle ComboStyle() const { return m_style; }
    void SetComboStyle(TSeComboStyle Value);
    ctl::TStringList& Items() { return m_items; }
    int ItemIndex() const { return m_itemIndex; }
    // Below -1 becomes 0, beyond the last item the last one (-1 without items).
    void SetItemIndex(int Value);
    // Rows shown in the drop-down.
    int DropDownCount { 8 };
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int Value) { m_itemHeight = std::max(1, Value); }
    TSeComboButtonAlign ButtonAlign() const { return m_buttonAlign; }
    void SetButtonAlign(TSeComboButtonAlign Value);
    // kcsDropDown only: 100 ms after the text last changed, complete it with
    // the first item that begins with it (ignoring letter case).
    bool AutoComplete { false };
    // Empties both the text and the list.
    void ClearAll();

    bool DroppedDown() const;
    // Makes and places a new pop-up window, marks the item at ItemIndex in
    // the list and shows the list in it.
    virtual void DropDown();
    // Hides the list back inside the combo box and gives the focus back.
    virtual void CloseUp();
    // The drop-down list; it lives hidden inside the combo box and moves into
    // the pop-up window while dropped down.
    TSeCustomListBox* List();
    gfx::TRect ButtonRect() const;
    gfx::TRect GetTextRect() const override;
    // The pop-up window while it exists (it is made anew on each drop-down).
    ctl::TForm* DropDownWindow() const;

    ctl::TNotifyEvent OnDropDown;
    ctl::TNotifyEvent OnCloseUp;
    ctl::TNotifyEvent OnListBoxClick;
    std::function<void(TObject* Sender, int Index, const std::string& Item, bool& Allow)> OnAllowChange;

    ctl::TCursor DisplayCursor() const override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    // Shows the prepared list inside the pop-up window and focuses it.
    virtual void ShowList();
    virtual TSeCustomListBox* CreateListBox();
    virtual int ButtonWidth() const { return 15; }

    void PaintClient(gfx::TCanvas& Canvas) override;
    void PaintTextBackground(gfx::TCanvas& Canvas) override;
    bool DrawsText() const override { return m_style == TSeComboStyle::kcsDropDown; }
    // Only a box the user types into offers the text menu.
    bool HasContextMenu() const override { return m_style == TSeComboStyle::kcsDropDown; }
    void ShowEditCaret() override;
    void TextChanged() override;
    void Loaded() override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;

private:
    friend class TSeComboWindow;
    // Enter or Space in the pop-up window: the list's item becomes ItemIndex.
    void TakeListItem();
    // A click on a list item, which OnAllowChange may refuse.
    void ListItemClicked();
    // The pop-up window lost the activation: closes the list, and remembers
    // when the press that took the activation is on the drop-down button, so
    // that this press closes the list instead of dropping it down again.
    void ClosedFromOutside();
    void NonClientMove(gfx::TPoint Client);
    void NonClientPress(gfx::TPoint Client);
    void SetButtonHot(bool Value);
    void PaintButton(gfx::TCanvas& Canvas);
    void PaintPickedItem(gfx::TCanvas& Canvas);
    void AutoCompleteTimer();

    TSeComboStyle m_style { TSeComboStyle::kcsDropDown };
    ctl::TStringList m_items;
    int m_itemIndex { -1 };
    int m_itemHeight { 15 };
    TSeComboButtonAlign m_buttonAlign { TSeComboButtonAlign::cbaRight };
    bool m_buttonHot { false };
    bool m_buttonPressed { false };
    bool m_pressClosedTheList { false };
    bool m_savedReadOnly { false };
    std::unique_ptr<TSeComboWindow> m_window;
    TSeCustomListBox* m_list { nullptr };
    ctl::TTimer* m_completeTimer;
    bool m_completing { false };
    std::u32string m_lastTyped;
};

class TSeSkinComboBox : public TSeCustomComboBox, public TSeSkinHook {
public:
    explicit TSeSkinComboBox(ctl::TComponent* AOwner) : TSeCustomComboBox(AOwner), TSeSkinHook("ComboBox") { }

protected:
    TSeCustomListBox* CreateListBox() override;
    std::unique_ptr<TSeCustomPopupMenu> CreateContextMenu() override
    {
        return std::make_unique<TSeSkinPopupMenu>(nullptr);
    }
};

} // namespace selfdrawn
