#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Painting.h"

#include <gtest/gtest.h>

using namespace wnd;

TEST(WindowProc, ReplacementSeesMessagesFirstAndDefersToThePreviousOne)
{
    TRecorder original;
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(original);
    original.Clear();

    std::vector<std::string> order;
    WNDPROC previous;
    previous = SetWindowProc(hwnd, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER + 1) {
            order.push_back("replacement handled");
            return 42;
        }
        if (m == WM_USER + 2)
            order.push_back("replacement passed on");
        return CallWindowProc(previous, h, m, w, l);
    });
    ASSERT_TRUE(previous);

    EXPECT_EQ(SendMessage(hwnd, WM_USER + 1), 42);
    EXPECT_EQ(original.Count(WM_USER + 1), 0);
    SendMessage(hwnd, WM_USER + 2);
    EXPECT_EQ(original.Count(WM_USER + 2), 1);
    EXPECT_EQ(order, (std::vector<std::string> { "replacement handled", "replacement passed on" }));

    // Putting the previous procedure back restores the original handling.
    SetWindowProc(hwnd, previous);
    SendMessage(hwnd, WM_USER + 1);
    EXPECT_EQ(original.Count(WM_USER + 1), 1);
}

TEST(WindowProc, ReplacementTakesOverTheFrame)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec, 50, 50, 200, 100);
    WNDPROC previous = SetWindowProc(hwnd, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        switch (m) {
        case WM_NCCALCSIZE: {
            auto* p = FromLParam<NCCALCSIZE_PARAMS>(l);
            p->rgrc[0] = gfx::Rect(p->rgrc[0].Left + 4, p->rgrc[0].Top + 26, p->rgrc[0].Right - 4, p->rgrc[0].Bottom - 4);
            return 0;
        }
        case WM_NCHITTEST: {
            POINT pt = PointFromLParam(l);
            const RECT wr = GetWindowRect(h);
            return pt.Y - wr.Top < 26 ? HTCAPTION : HTCLIENT;
        }
        default:
            return CallWindowProc(previous, h, m, w, l);
        }
    });
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(GetClientRectInWindow(hwnd), gfx::Rect(4, 26, 196, 96));
    EXPECT_EQ(WindowFromPoint({ 60, 60 }), nullptr) << "hidden windows are not hit";
    ShowWindow(hwnd, SW_SHOW);
    EXPECT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(60, 60)), HTCAPTION);
    EXPECT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(60, 90)), HTCLIENT);
}

TEST(WindowProc, TextGoesThroughTheWindowProcedure)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    EXPECT_EQ(GetWindowText(hwnd), "Test");
    EXPECT_TRUE(SetWindowText(hwnd, "笔记管理"));
    EXPECT_EQ(GetWindowText(hwnd), "笔记管理");
    EXPECT_EQ(rec.Count(WM_SETTEXT), 1);

    // A procedure that answers WM_GETTEXT itself decides what GetWindowText returns.
    WNDPROC previous = GetWindowProc(hwnd);
    SetWindowProc(hwnd, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_GETTEXTLENGTH)
            return 2;
        if (m == WM_GETTEXT) {
            char* out = FromLParam<char>(l);
            out[0] = 'o';
            out[1] = 'k';
            out[2] = 0;
            return 2;
        }
        return CallWindowProc(previous, h, m, w, l);
    });
    EXPECT_EQ(GetWindowText(hwnd), "ok");
}

TEST(WindowProc, ProcedureMayDestroyItsWindowWhileHandlingAMessage)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    rec.handlers[WM_USER] = [](HWND h, WPARAM, LPARAM) -> LRESULT {
        DestroyWindow(h);
        SetWindowProc(h, {}); // harmless on a destroyed window
        return 7;
    };
    HWND hwnd = MakeFrameWindow(rec);
    EXPECT_EQ(SendMessage(hwnd, WM_USER), 7);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(WindowProc, StylesChangeThroughSetWindowLongPtr)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    rec.Clear();
    const DWORD before = GetWindowStyle(hwnd);
    SetWindowLongPtr(hwnd, GWL_STYLE, before & ~WS_CAPTION);
    EXPECT_EQ(rec.Count(WM_STYLECHANGING), 1);
    EXPECT_EQ(rec.Count(WM_STYLECHANGED), 1);
    EXPECT_EQ(GetWindowStyle(hwnd), before & ~WS_CAPTION);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(GetClientRectInWindow(hwnd).Top, 3) << "no caption any more";
    SetWindowLongPtr(hwnd, GWLP_USERDATA, 1234);
    EXPECT_EQ(GetWindowLongPtr(hwnd, GWLP_USERDATA), 1234);
}
