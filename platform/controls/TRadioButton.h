#pragma once

#include "platform/controls/StylePainter.h"
#include "platform/controls/TCheckControl.h"

#include <vector>

namespace ctl {

// A radio button. The radio buttons with one parent form a group: checking
// one unchecks the others. A click checks it (OnClick runs even when it was
// checked already); setting Checked from the program does not run OnClick.
//
// Keys: Tab stops only at the group's checked button (at every button while
// none is checked); the arrow keys move to the previous or next button of the
// group in Tab order, wrapping, and check it as a click would.
class TRadioButton : public TCheckControl {
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return m_checked; }
    void SetChecked(bool Value);

    void SetParent(TWinControl* AParent) override;

protected:
    void Toggle() override { SetChecked(true); }
    void PaintMark(gfx::TCanvas& Canvas, int X, int Y, bool Pressed) override;
    int MarkSize() const override { return StylePainter::kRadioSize; }
    unsigned WantedKeys() const override { return DLGC_WANTARROWS; }
    void KeyDown(int& Key, TShiftState Shift) override;

private:
    // The radio buttons sharing this one's parent, this one included, in Tab order.
    std::vector<TRadioButton*> Group() const;
    // Tab stops at the checked button of the group, or at all while none is.
    void UpdateGroupTabStops();
    void MoveInGroup(bool Forward);

    bool m_checked { false };
};

} // namespace ctl
