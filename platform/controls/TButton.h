#pragma once

#include "platform/controls/TCustomControl.h"

namespace ctl {

// A push button. Clicking it (mouse, Space, or Enter while it has the focus)
// runs OnClick and hands its ModalResult to its form. The Default button also
// answers Enter anywhere on its form unless another button has the focus; the
// Cancel button answers Esc.
class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* AOwner);

    bool Default() const { return m_default; }
    void SetDefault(bool Value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool Value) { m_cancel = Value; }
    TModalResult ModalResult { mrNone };

    void Click() override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    // Whether Enter clicks this button now: it has the focus, or it is the
    // default one and no other button has.
    bool IsActive() const;
    void SetPressed(bool Value);

    bool m_default { false };
    bool m_cancel { false };
    bool m_pressed { false };
    bool m_tracking { false };
};

} // namespace ctl
