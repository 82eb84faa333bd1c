#pragma once

#include "platform/controls/StylePainter.h"
#include "platform/controls/TCheckControl.h"

namespace ctl {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. A click moves it from unchecked to checked, then to grayed
// when AllowGrayed, then back to unchecked. OnClick runs after a change made
// by the user; setting Checked or State from the program does not run it.
class TCheckBox : public TCheckControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    bool Checked() const { return m_state == TCheckBoxState::cbChecked; }
    void SetChecked(bool Value);
    TCheckBoxState State() const { return m_state; }
    // cbGrayed is taken even without AllowGrayed: the program may show a
    // mixed state the user cannot choose.
    void SetState(TCheckBoxState Value);
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool Value) { m_allowGrayed = Value; }

protected:
    void Toggle() override;
    void PaintMark(gfx::TCanvas& Canvas, int X, int Y, bool Pressed) override;
    int MarkSize() const override { return StylePainter::kCheckBoxSize; }

private:
    TCheckBoxState m_state { TCheckBoxState::cbUnchecked };
    bool m_allowGrayed { false };
};

} // namespace ctl
