#pragma once

#include "selfdrawn/TSeCustomControl.h"

namespace selfdrawn {

enum class TSeButtonState { kbsNormal, kbsPressed };

// A push button with a Unicode caption (Caption/SetCaption of the control).
// Click gives ModalResult to the parent form and then runs OnClick.
class TSeCustomButton : public TSeCustomControl {
public:
    explicit TSeCustomButton(ctl::TComponent* AOwner);

    TSeButtonState State() const { return m_state; }
    bool Default() const { return m_default; }
    void SetDefault(bool Value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool Value) { m_cancel = Value; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int Value) { m_modalResult = Value; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int Value);

    void Click() override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void KeyUp(int& Key, ctl::TShiftState Shift) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;

private:
    void SetState(TSeButtonState Value);
    void PaintFace(gfx::TCanvas& Canvas);
    void PaintCaption(gfx::TCanvas& Canvas);
    unsigned CaptionFlags() const;

    TSeButtonState m_state { TSeButtonState::kbsNormal };
    bool m_default { false };
    bool m_cancel { false };
    int m_modalResult { 0 };
    bool m_wordWrap { false };
    int m_spacing { 4 };
    bool m_tracking { false };
};

class TSeSkinButton : public TSeCustomButton, public TSeSkinHook {
public:
    explicit TSeSkinButton(ctl::TComponent* AOwner) : TSeCustomButton(AOwner), TSeSkinHook("Button") { }
    // Only a skin hides the caption; the default look always draws it.
    bool ShowCaption { true };
    bool ShowGlyph { true };
};

} // namespace selfdrawn
