#pragma once

#include "platform/controls/TCustomControl.h"

namespace ctl {

// The common part of check boxes and radio buttons: a small mark beside a
// one-line caption. A left click anywhere on the control, or Space while it
// has the focus, runs Toggle and then OnClick; the mark looks pressed while
// the mouse button or Space is held. The focus is shown as a dotted rectangle
// around the caption.
class TCheckControl : public TCustomControl {
public:
    explicit TCheckControl(TComponent* AOwner);

    // Where the caption sits: taRightJustify (the default) puts the mark on
    // the left and the caption right of it; taLeftJustify the other way round.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    // Toggles as the user would and runs OnClick.
    void Click() override;

protected:
    // What a click does to the state.
    virtual void Toggle() = 0;
    // Draws the mark with its top-left at (X, Y).
    virtual void PaintMark(gfx::TCanvas& Canvas, int X, int Y, bool Pressed) = 0;
    virtual int MarkSize() const = 0;

    bool Pressed() const { return m_pressed; }

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void SetPressed(bool Value);

    TAlignment m_alignment { TAlignment::taRightJustify };
    bool m_pressed { false };
    bool m_tracking { false };
};

} // namespace ctl
