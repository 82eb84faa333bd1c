#include "platform/controls/TTimer.h"

#include "platform/controls/TApplication.h"
#include "platform/window/Timers.h"
#include "platform/window/Window.h"

namespace ctl {
namespace {

constexpr wnd::WPARAM kTimerId = 1;

} // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    // A message-only window receives the ticks.
    m_window = wnd::CreateWindowEx(
        0,
        [this](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) -> wnd::LRESULT {
            if (msg == wnd::WM_TIMER && wp == kTimerId) {
                try {
                    if (OnTimer)
                        OnTimer(this);
                } catch (const std::exception& e) {
                    Application->HandleException(this, e);
                }
                return 0;
            }
            return wnd::DefWindowProc(h, msg, wp, lp);
        },
        "", 0, 0, 0, 0, 0, wnd::HWND_MESSAGE);
    UpdateTimer();
}

TTimer::~TTimer()
{
    // A timer that outlives the window system (a global object at exit) has nothing left to destroy.
    if (m_window && wnd::IsWindow(m_window))
        wnd::DestroyWindow(m_window);
}

void TTimer::SetEnabled(bool Value)
{
    m_enabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value)
{
    m_interval = Value;
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (!m_window)
        return;
    wnd::KillTimer(m_window, kTimerId);
    if (m_enabled && m_interval > 0 && !Loading())
        wnd::SetTimer(m_window, kTimerId, m_interval);
}

} // namespace ctl
