#pragma once

#include "platform/controls/TStringList.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "selfdrawn/TSeSkinListBox.h"

#include <functional>
#include <memory>

namespace ctl {
class TForm;
}

namespace selfdrawn {

enum class TSeComboStyle { kcsDropDown, kcsDropDownList };

// The self-drawn edit with a drop-down button on its right and a list of
// Items that drops down in a pop-up window under (or above) it. Typing
// never changes ItemIndex; picking from the list or the arrow keys do, and
// for kcsDropDown they put the item's text into the box.
class TSeCustomComboBox : public TSeCustomEdit {
public:
    explicit TSeCustomComboBox(ctl::TComponent* AOwner);
    ~TSeCustomComboBox() override;

    TSeComboStyle ComboStyle() const { return m_style; }
    void SetComboStyle(TSeComboStyle Value);
    ctl::TStringList& Items() { return m_items; }
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int Value);
    int DropDownCount { 8 };
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int Value) { m_itemHeight = std::max(1, Value); }
    // Empties both the text and the list.
    void ClearAll();

    bool DroppedDown() const;
    void DropDown();
    void CloseUp();
    // While dropped down: the list in the pop-up window.
    TSeCustomListBox* List() const { return m_list; }
    gfx::TRect ButtonRect() const;
    gfx::TRect GetTextRect() const override;

    ctl::TNotifyEvent OnDropDown;
    ctl::TNotifyEvent OnCloseUp;
    ctl::TNotifyEvent OnListBoxClick;
    std::function<void(TObject* Sender, int Index, const std::string& Item, bool& Allow)> OnAllowChange;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    bool DrawsText() const override { return m_style == TSeComboStyle::kcsDropDown; }
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    friend class TSeComboWindow;
    void ListPicked();
    void PaintButton(gfx::TCanvas& Canvas);

    TSeComboStyle m_style { TSeComboStyle::kcsDropDown };
    ctl::TStringList m_items;
    int m_itemIndex { -1 };
    int m_itemHeight { 15 };
    bool m_buttonHot { false };
    bool m_buttonPressed { false };
    bool m_savedReadOnly { false };
    std::unique_ptr<ctl::TForm> m_window;
    TSeCustomListBox* m_list { nullptr };
};

class TSeSkinComboBox : public TSeCustomComboBox, public TSeSkinHook {
public:
    explicit TSeSkinComboBox(ctl::TComponent* AOwner) : TSeCustomComboBox(AOwner), TSeSkinHook("ComboBox") { }
};

} // namespace selfdrawn
