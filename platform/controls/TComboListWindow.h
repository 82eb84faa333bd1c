#pragma once

#include "platform/controls/TForm.h"
#include "platform/controls/TListBox.h"

namespace ctl {

class TComboBox;

// The window a TComboBox opens: a borderless form holding a list box of the
// combo's items, as wide as the combo and as tall as its DropDownCount rows.
// The rows are the list box's own, so they look like every other list. The
// list keeps the mouse while it is open: hovering moves the highlight, a
// click on a row takes it, a click anywhere else closes the list.
class TComboListWindow : public TForm {
public:
    explicit TComboListWindow(TComboBox& Combo);

    // Shows the list under the combo (above it without room below) and waits;
    // the chosen row, or -1 when the list was closed without a choice.
    int Choose();

    TListBox* List { nullptr };

protected:
    bool DialogKey(int Key) override;

private:
    friend class TComboDropList;
    void Place();
    void Take(int Row);

    TComboBox& m_combo;
    int m_chosen { -1 };
};

} // namespace ctl
