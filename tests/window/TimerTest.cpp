#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Timers.h"

#include <gtest/gtest.h>

using namespace wnd;

TEST(Timers, FireInOrderOfDueTimeAndStopWhenKilled)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    std::vector<std::pair<DWORD, WPARAM>> ticks;
    rec.handlers[WM_TIMER] = [&](HWND, WPARAM id, LPARAM) -> LRESULT {
        ticks.emplace_back(harness.Now(), id);
        return 0;
    };
    HWND hwnd = MakeFrameWindow(rec);
    const DWORD start = harness.Now();
    EXPECT_EQ(SetTimer(hwnd, 1, 50), 1u);
    EXPECT_EQ(SetTimer(hwnd, 2, 20), 2u);
    harness.AdvanceTime(100);
    std::vector<std::pair<DWORD, WPARAM>> expected {
        { start + 20, 2 }, { start + 40, 2 }, { start + 50, 1 }, { start + 60, 2 }, { start + 80, 2 }, { start + 100, 1 }, { start + 100, 2 }
    };
    EXPECT_EQ(ticks, expected);

    ticks.clear();
    EXPECT_TRUE(KillTimer(hwnd, 2));
    EXPECT_FALSE(KillTimer(hwnd, 2));
    harness.AdvanceTime(100);
    EXPECT_EQ(ticks, (std::vector<std::pair<DWORD, WPARAM>> { { start + 150, 1 }, { start + 200, 1 } }));
}

TEST(Timers, SettingAgainRestartsAndTimersDieWithTheirWindow)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    int ticks = 0;
    rec.handlers[WM_TIMER] = [&](HWND, WPARAM, LPARAM) -> LRESULT {
        ++ticks;
        return 0;
    };
    HWND hwnd = MakeFrameWindow(rec);
    SetTimer(hwnd, 7, 100);
    harness.AdvanceTime(90);
    SetTimer(hwnd, 7, 100); // restart: next tick 100 ms from now
    harness.AdvanceTime(90);
    EXPECT_EQ(ticks, 0);
    harness.AdvanceTime(10);
    EXPECT_EQ(ticks, 1);
    DestroyWindow(hwnd);
    harness.AdvanceTime(500);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(SetTimer(hwnd, 1, 10), 0u);
}

TEST(Timers, KillingATimerInsideItsOwnTickStopsIt)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    int ticks = 0;
    rec.handlers[WM_TIMER] = [&](HWND h, WPARAM id, LPARAM) -> LRESULT {
        if (++ticks == 3)
            KillTimer(h, id);
        return 0;
    };
    HWND hwnd = MakeFrameWindow(rec);
    SetTimer(hwnd, 1, 10);
    harness.AdvanceTime(1000);
    EXPECT_EQ(ticks, 3);
}

TEST(Timers, AGetMessageLoopWaitsForTheNextTimer)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    const DWORD start = harness.Now();
    SetTimer(hwnd, 9, 250);
    MSG msg;
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 9u);
    EXPECT_EQ(harness.Now(), start + 250);
}
