#include "skin/SkinMonitor.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"
#include "platform/window/WindowStyles.h"

#include <gtest/gtest.h>

namespace {

wnd::HWND Popup(int x, int y, int width, int height, wnd::DWORD exStyle = 0)
{
    wnd::WNDCLASS wc;
    wc.lpszClassName = "MonitorTestWindow";
    wnd::RegisterClass(wc);
    return wnd::CreateWindowEx(exStyle, wc.lpszClassName, "", wnd::WS_POPUP | wnd::WS_VISIBLE, x, y, width, height,
        nullptr);
}

wnd::MONITORINFO Monitor(gfx::TRect area, gfx::TRect work, bool primary)
{
    wnd::MONITORINFO info;
    info.rcMonitor = area;
    info.rcWork = work;
    info.primary = primary;
    return info;
}

} // namespace

TEST(PrimitiveMonitor, OneMonitorGivesTheDesktopAndItsWorkArea)
{
    wnd::THeadlessHarness harness;
    const wnd::MONITORINFO only = wnd::EnumDisplayMonitors().at(0);
    ASSERT_NE(only.rcWork, only.rcMonitor); // the harness leaves room for a task bar
    wnd::HWND window = Popup(100, 100, 300, 200);
    EXPECT_EQ(skin::GetMonitorArea(window, false), only.rcMonitor);
    EXPECT_EQ(skin::GetMonitorArea(window, true), only.rcWork);
    // A window off the screen still belongs to the only monitor.
    wnd::HWND away = Popup(5000, 5000, 50, 50);
    EXPECT_EQ(skin::GetMonitorArea(away, true), only.rcWork);
}

TEST(PrimitiveMonitor, TwoMonitorsGiveTheOneNearestTheWindow)
{
    const wnd::MONITORINFO left = Monitor(gfx::Rect(0, 0, 800, 600), gfx::Rect(0, 0, 800, 570), true);
    const wnd::MONITORINFO right = Monitor(gfx::Rect(800, 0, 2080, 1024), gfx::Rect(800, 30, 2080, 1024), false);
    wnd::THeadlessHarness harness({ left, right });

    wnd::HWND onLeft = Popup(100, 100, 300, 200);
    EXPECT_EQ(skin::GetMonitorArea(onLeft, false), left.rcMonitor);
    EXPECT_EQ(skin::GetMonitorArea(onLeft, true), left.rcWork);

    // Mostly on the right monitor, though it starts on the left one.
    wnd::HWND across = Popup(700, 100, 400, 200);
    EXPECT_EQ(skin::GetMonitorArea(across, false), right.rcMonitor);
    EXPECT_EQ(skin::GetMonitorArea(across, true), right.rcWork);

    // Outside both: the nearer one.
    wnd::HWND beyond = Popup(2300, 200, 100, 100);
    EXPECT_EQ(skin::GetMonitorArea(beyond, false), right.rcMonitor);
    wnd::HWND above = Popup(100, -500, 100, 100);
    EXPECT_EQ(skin::GetMonitorArea(above, true), left.rcWork);
}

TEST(PrimitiveMonitor, WindowAlphaOfALayeredWindow)
{
    wnd::THeadlessHarness harness;
    ASSERT_TRUE(skin::LayeredWindowsAvailable());
    wnd::HWND layered = Popup(10, 10, 100, 100, wnd::WS_EX_LAYERED);
    skin::SetWindowAlpha(layered, 128);
    EXPECT_EQ(wnd::GetWindowAlpha(layered), 128);
    skin::SetWindowAlpha(layered, 0);
    EXPECT_EQ(wnd::GetWindowAlpha(layered), 0);

    // A window that is not layered stays opaque.
    wnd::HWND plain = Popup(200, 10, 100, 100);
    skin::SetWindowAlpha(plain, 128);
    EXPECT_EQ(wnd::GetWindowAlpha(plain), 255);
}
