#pragma once

#include "platform/window/Messages.h"

namespace wnd {

// Window timers: WM_TIMER (wParam = id) to the window every `elapse`
// milliseconds, generated when the queue holds nothing else and the timer is
// due, the earliest due first; a slow handler skips ticks rather than piling
// them up. Setting an id again restarts it with the new interval. Destroying
// the window kills its timers. Returns id, or 0 for an invalid window.
WPARAM SetTimer(HWND hwnd, WPARAM id, UINT elapse);
bool KillTimer(HWND hwnd, WPARAM id);

} // namespace wnd
