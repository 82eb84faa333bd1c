#pragma once

#include "platform/controls/TComponent.h"
#include "platform/window/WinTypes.h"

namespace ctl {

// Runs OnTimer every Interval milliseconds while Enabled, through a window
// timer of the message loop (so ticks come between other messages, never
// during a handler). Enabled from creation, 1000 ms.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return m_interval; }
    // 0 stops the timer.
    void SetInterval(unsigned Value);

    TNotifyEvent OnTimer;

protected:
    void Loaded() override;

private:
    void UpdateTimer();

    bool m_enabled { true };
    unsigned m_interval { 1000 };
    wnd::HWND m_window { nullptr };
};

} // namespace ctl
