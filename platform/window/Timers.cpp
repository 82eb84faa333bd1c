#include "platform/window/Timers.h"

#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <limits>

namespace wnd {

WPARAM SetTimer(HWND hwnd, WPARAM id, UINT elapse)
{
    auto& sys = Sys();
    if (!sys.Find(hwnd))
        return 0;
    elapse = std::max<UINT>(elapse, 1);
    const DWORD now = sys.Backend().Now();
    for (TTimer& t : sys.timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.interval = elapse;
            t.due = now + elapse;
            return id;
        }
    }
    sys.timers.push_back({ hwnd, id, elapse, now + elapse, sys.timerOrder++ });
    return id;
}

bool KillTimer(HWND hwnd, WPARAM id)
{
    auto& timers = Sys().timers;
    const auto removed = std::erase_if(timers, [&](const TTimer& t) { return t.hwnd == hwnd && t.id == id; });
    return removed > 0;
}

namespace detail {

    void DropTimers(HWND hwnd)
    {
        std::erase_if(Sys().timers, [&](const TTimer& t) { return t.hwnd == hwnd; });
    }

    // Signed distance on the wrapping millisecond clock.
    static int Until(DWORD due, DWORD now) { return static_cast<int>(due - now); }

    std::optional<TTimer> DueTimer(HWND filter, DWORD now)
    {
        const TTimer* best = nullptr;
        for (const TTimer& t : Sys().timers) {
            if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd))
                continue;
            if (Until(t.due, now) > 0)
                continue;
            if (!best || Until(t.due, best->due) < 0 || (t.due == best->due && t.order < best->order))
                best = &t;
        }
        return best ? std::optional<TTimer>(*best) : std::nullopt;
    }

    int MillisecondsToNextTimer(DWORD now)
    {
        int best = -1;
        for (const TTimer& t : Sys().timers) {
            const int wait = std::max(0, Until(t.due, now));
            if (best < 0 || wait < best)
                best = wait;
        }
        return best;
    }

    void RestartTimer(HWND hwnd, WPARAM id, DWORD now)
    {
        for (TTimer& t : Sys().timers) {
            if (t.hwnd == hwnd && t.id == id) {
                t.due = now + t.interval;
                t.order = Sys().timerOrder++;
            }
        }
    }

} // namespace detail

} // namespace wnd
