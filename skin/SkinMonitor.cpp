#include "skin/SkinMonitor.h"

#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/WindowStyles.h"

namespace skin {

gfx::TRect GetMonitorArea(wnd::HWND window, bool workArea)
{
    if (wnd::GetSystemMetrics(wnd::SM_CMONITORS) > 1) {
        wnd::MONITORINFO info;
        if (wnd::GetMonitorInfo(wnd::MonitorFromWindow(window, wnd::MONITOR_DEFAULTTONEAREST), info))
            return workArea ? info.rcWork : info.rcMonitor;
    }
    if (workArea)
        return wnd::GetWorkArea();
    return { 0, 0, wnd::GetSystemMetrics(wnd::SM_CXSCREEN), wnd::GetSystemMetrics(wnd::SM_CYSCREEN) };
}

bool LayeredWindowsAvailable() { return wnd::LayeredWindowsAvailable(); }

void SetWindowAlpha(wnd::HWND window, unsigned char alpha)
{
    if (LayeredWindowsAvailable())
        wnd::SetLayeredWindowAttributes(window, 0, alpha, wnd::LWA_ALPHA);
}

} // namespace skin
