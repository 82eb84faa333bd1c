#include "Recorder.h"

#include "platform/window/Clipboard.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/Input.h"
#include "platform/window/SystemInfo.h"

#include <gtest/gtest.h>

using namespace wnd;

namespace {
struct TwoChildren : ::testing::Test {
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND form { nullptr }, first { nullptr }, second { nullptr };

    void SetUp() override
    {
        form = CreateWindowEx(0, rec.Proc(), "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr);
        first = CreateWindowEx(0, rec.Proc(), "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, form, 1);
        second = CreateWindowEx(0, rec.Proc(), "", WS_CHILD | WS_VISIBLE, 100, 0, 100, 100, form, 2);
        harness.ProcessMessages();
        rec.Clear();
    }
};
}

TEST_F(TwoChildren, FocusMovesWithKillAndSetFocus)
{
    EXPECT_EQ(GetFocus(), form);
    EXPECT_EQ(SetFocus(first), form);
    rec.Clear();
    rec.only = { WM_KILLFOCUS, WM_SETFOCUS };
    SetFocus(second);
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].hwnd, first);
    EXPECT_EQ(reinterpret_cast<HWND>(rec.log[0].wParam), second);
    EXPECT_EQ(rec.log[1].hwnd, second);
    EXPECT_EQ(reinterpret_cast<HWND>(rec.log[1].wParam), first);

    // Keys go to the focused window; a disabled window cannot take the focus.
    rec.only = { WM_KEYDOWN };
    harness.PressKey(VK_DOWN);
    ASSERT_EQ(rec.log.size(), 3u);
    EXPECT_EQ(rec.log[2].hwnd, second);
    EnableWindow(first, false);
    EXPECT_EQ(SetFocus(first), nullptr);
    EXPECT_EQ(GetFocus(), second);
    EnableWindow(second, false);
    EXPECT_EQ(GetFocus(), nullptr) << "disabling the focused window takes its focus away";
}

TEST_F(TwoChildren, CaptureRoutesEveryMouseMessageToTheCapturingWindow)
{
    SetCapture(first);
    rec.only = { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_CAPTURECHANGED };
    harness.MoveMouse(150, 50);
    harness.MouseDown(300, 300);
    ASSERT_EQ(rec.log.size(), 3u);
    for (const auto& e : rec.log)
        EXPECT_EQ(e.hwnd, first);
    EXPECT_EQ(PointFromLParam(rec.log[2].lParam), (POINT { 300, 300 }));
    EXPECT_EQ(SetCapture(second), first);
    EXPECT_EQ(rec.log.back().msg, WM_CAPTURECHANGED);
    EXPECT_EQ(rec.log.back().hwnd, first);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(rec.log.back().hwnd, second);
    harness.MouseUp(300, 300);
    rec.Clear();
    harness.MoveMouse(150, 50);
    EXPECT_EQ(rec.log.back().hwnd, second);
}

TEST_F(TwoChildren, MouseLeaveIsReportedOnceWhenTheCursorLeaves)
{
    harness.MoveMouse(50, 50);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = first;
    EXPECT_TRUE(TrackMouseEvent(tme));
    rec.only = { WM_MOUSELEAVE };
    rec.Clear();
    harness.MoveMouse(60, 50);
    EXPECT_TRUE(rec.log.empty());
    harness.MoveMouse(150, 50);
    harness.MoveMouse(160, 50);
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].hwnd, first);
}

TEST_F(TwoChildren, DoubleClicksNeedTheClassStyleTimeAndPlace)
{
    rec.only = { WM_LBUTTONDOWN, WM_LBUTTONDBLCLK };
    harness.Click(50, 50);
    harness.Click(51, 50);
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_LBUTTONDOWN, WM_LBUTTONDBLCLK }));
    rec.Clear();
    harness.Click(50, 50); // a third click starts over
    harness.AdvanceTime(static_cast<int>(GetDoubleClickTime()) + 1);
    harness.Click(50, 50);
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_LBUTTONDOWN, WM_LBUTTONDOWN }));
    rec.Clear();
    harness.AdvanceTime(1000);
    harness.Click(50, 50);
    harness.Click(150, 50); // other window
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_LBUTTONDOWN, WM_LBUTTONDOWN }));

    WNDCLASS wc;
    wc.lpszClassName = "NoDouble";
    wc.lpfnWndProc = rec.Proc();
    RegisterClass(wc);
    HWND plain = CreateWindowEx(0, "NoDouble", "", WS_POPUP | WS_VISIBLE, 500, 500, 50, 50, nullptr);
    rec.Clear();
    harness.AdvanceTime(1000);
    harness.DoubleClick(510, 510);
    EXPECT_EQ(rec.Messages(plain), (std::vector<UINT> { WM_LBUTTONDOWN, WM_LBUTTONDOWN }));
}

TEST_F(TwoChildren, ClickActivatesTheWindowUnderItUnlessItDoesNotActivate)
{
    HWND other = CreateWindowEx(0, rec.Proc(), "", WS_POPUP | WS_VISIBLE, 300, 0, 100, 100, nullptr);
    HWND popup = CreateWindowEx(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, rec.Proc(), "", WS_POPUP, 500, 0, 100, 100, nullptr);
    ShowWindow(popup, SW_SHOWNA);
    EXPECT_EQ(GetActiveWindow(), other);
    harness.Click(50, 50);
    EXPECT_EQ(GetActiveWindow(), form);
    harness.Click(550, 50);
    EXPECT_EQ(GetActiveWindow(), form);
    EnableWindow(other, false);
    rec.Clear();
    harness.Click(350, 50);
    EXPECT_EQ(GetActiveWindow(), form) << "a disabled window takes no clicks";
    EXPECT_EQ(rec.Count(WM_LBUTTONDOWN), 0);
}

TEST_F(TwoChildren, WheelGoesToTheFocusAndBubblesToTheParent)
{
    SetFocus(first);
    rec.only = { WM_MOUSEWHEEL };
    rec.Clear();
    harness.Wheel(150, 50, -120);
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].hwnd, first);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(rec.log[0].wParam), -120);
    EXPECT_EQ(rec.log[1].hwnd, form);
}

TEST(Clipboard, TextRoundTrips)
{
    THeadlessHarness harness;
    EXPECT_FALSE(HasClipboardText());
    EXPECT_TRUE(SetClipboardText("复制 copy"));
    EXPECT_TRUE(HasClipboardText());
    EXPECT_EQ(GetClipboardText(), "复制 copy");
}

TEST(Monitors, WorkAreaAndNearestMonitor)
{
    MONITORINFO left, right;
    left.rcMonitor = gfx::Rect(0, 0, 800, 600);
    left.rcWork = gfx::Rect(0, 0, 800, 570);
    left.primary = true;
    right.rcMonitor = gfx::Rect(800, 0, 1600, 600);
    right.rcWork = right.rcMonitor;
    THeadlessHarness harness({ left, right });
    EXPECT_EQ(GetWorkArea(), gfx::Rect(0, 0, 800, 570));
    EXPECT_EQ(MonitorFromPoint({ 900, 10 }), 1);
    EXPECT_EQ(MonitorFromPoint({ 2000, 10 }), 1);
    EXPECT_EQ(MonitorFromPoint({ 2000, 10 }, MONITOR_DEFAULTTONULL), -1);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    TRecorder rec;
    HWND hwnd = MakeFrameWindow(rec, 1000, 100, 200, 100);
    EXPECT_EQ(MonitorFromWindow(hwnd), 1);
    ShowWindow(hwnd, SW_MAXIMIZE);
    EXPECT_EQ(GetWindowRect(hwnd), right.rcWork);
}
