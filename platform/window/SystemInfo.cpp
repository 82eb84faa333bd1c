#include "platform/window/SystemInfo.h"

#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <climits>

namespace wnd {

namespace {
    std::vector<MONITORINFO> Monitors()
    {
        auto monitors = Sys().Backend().Monitors();
        if (monitors.empty()) {
            MONITORINFO fallback;
            fallback.rcMonitor = gfx::Rect(0, 0, 1024, 768);
            fallback.rcWork = fallback.rcMonitor;
            fallback.primary = true;
            monitors.push_back(fallback);
        }
        return monitors;
    }

    long DistanceSquared(const RECT& r, POINT p)
    {
        const long dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
        const long dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
        return dx * dx + dy * dy;
    }
}

std::vector<MONITORINFO> EnumDisplayMonitors() { return Monitors(); }

HMONITOR MonitorFromPoint(POINT point, DWORD flags)
{
    const auto monitors = Monitors();
    for (std::size_t i = 0; i < monitors.size(); ++i)
        if (monitors[i].rcMonitor.Contains(point))
            return static_cast<HMONITOR>(i);
    if (flags == MONITOR_DEFAULTTONULL)
        return -1;
    if (flags == MONITOR_DEFAULTTOPRIMARY)
        return 0;
    HMONITOR best = 0;
    long bestDistance = LONG_MAX;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const long d = DistanceSquared(monitors[i].rcMonitor, point);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<HMONITOR>(i);
        }
    }
    return best;
}

HMONITOR MonitorFromRect(const RECT& rect, DWORD flags)
{
    const auto monitors = Monitors();
    HMONITOR best = -1;
    long bestArea = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const RECT overlap = gfx::Intersection(monitors[i].rcMonitor, rect);
        const long area = static_cast<long>(overlap.Width()) * overlap.Height();
        if (!overlap.IsEmpty() && area > bestArea) {
            bestArea = area;
            best = static_cast<HMONITOR>(i);
        }
    }
    if (best >= 0)
        return best;
    return MonitorFromPoint({ rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2 }, flags);
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags)
{
    if (!IsWindow(hwnd))
        return flags == MONITOR_DEFAULTTONULL ? -1 : 0;
    return MonitorFromRect(GetWindowRect(detail::TopLevelOf(hwnd)), flags);
}

bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info)
{
    const auto monitors = Monitors();
    if (monitor < 0 || static_cast<std::size_t>(monitor) >= monitors.size())
        return false;
    info = monitors[static_cast<std::size_t>(monitor)];
    return true;
}

RECT GetWorkArea() { return Monitors().front().rcWork; }

// Only the metrics of the screens ask the display for its monitors (a round
// trip to the display server); the others are constants that controls read
// while laying out and painting.
int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
        return Monitors().front().rcMonitor.Width();
    case SM_CYSCREEN:
        return Monitors().front().rcMonitor.Height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYMENU:
        return 19;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 17;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXMAXTRACK: {
        int right = 0;
        for (const auto& m : Monitors())
            right = std::max(right, m.rcMonitor.Right);
        return right + 12;
    }
    case SM_CYMAXTRACK: {
        int bottom = 0;
        for (const auto& m : Monitors())
            bottom = std::max(bottom, m.rcMonitor.Bottom);
        return bottom + 12;
    }
    case SM_CMONITORS:
        return static_cast<int>(Monitors().size());
    default:
        return 0;
    }
}

UINT GetDoubleClickTime() { return Sys().doubleClickTime; }

bool SetDoubleClickTime(UINT ms)
{
    Sys().doubleClickTime = ms == 0 ? 500 : ms;
    return true;
}

int GetKeyboardDelay() { return 1; }
int GetKeyboardSpeed() { return 31; }
int GetWheelScrollLines() { return Sys().wheelScrollLines; }

bool SetWheelScrollLines(int lines)
{
    if (lines < 0)
        return false;
    Sys().wheelScrollLines = lines;
    return true;
}

} // namespace wnd
