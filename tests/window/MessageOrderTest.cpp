#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"

#include <gtest/gtest.h>

using namespace wnd;

TEST(MessageOrder, CreationAsksFrameThenCreatesThenSizes)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    ASSERT_NE(hwnd, nullptr);
    const auto m = rec.Messages();
    const std::vector<UINT> expected { WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE };
    EXPECT_EQ(m, expected);
    // The default frame: 3-pixel border, 19-pixel caption.
    EXPECT_EQ(GetClientRect(hwnd), gfx::Rect(0, 0, 294, 175));
    EXPECT_EQ(GetClientRectInWindow(hwnd), gfx::Rect(3, 22, 297, 197));
}

TEST(MessageOrder, ShowActivatesFocusesThenPaintsFrameBackgroundAndClient)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    rec.Clear();
    ShowWindow(hwnd, SW_SHOW);
    harness.ProcessMessages();

    const int show = rec.IndexOf(WM_SHOWWINDOW);
    const int changing = rec.IndexOf(WM_WINDOWPOSCHANGING);
    const int ncActivate = rec.IndexOf(WM_NCACTIVATE);
    const int activate = rec.IndexOf(WM_ACTIVATE);
    const int focus = rec.IndexOf(WM_SETFOCUS);
    const int changed = rec.IndexOf(WM_WINDOWPOSCHANGED);
    const int paint = rec.IndexOf(WM_PAINT);
    const int ncPaint = rec.IndexOf(WM_NCPAINT);
    const int erase = rec.IndexOf(WM_ERASEBKGND);
    ASSERT_GE(show, 0);
    EXPECT_LT(show, changing);
    EXPECT_LT(changing, ncActivate);
    EXPECT_LT(ncActivate, activate);
    EXPECT_LT(activate, focus);
    EXPECT_LT(focus, changed);
    EXPECT_LT(changed, paint);
    // BeginPaint inside WM_PAINT sends the pending frame and the erase first.
    EXPECT_LT(paint, ncPaint);
    EXPECT_LT(ncPaint, erase);
    EXPECT_EQ(rec.Count(WM_PAINT), 1);
    EXPECT_EQ(GetActiveWindow(), hwnd);
    EXPECT_EQ(GetFocus(), hwnd);
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST(MessageOrder, ActivatingAnotherWindowDeactivatesTheFirstBeforeActivatingTheSecond)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND a = MakeFrameWindow(rec, 10, 10);
    HWND b = MakeFrameWindow(rec, 400, 10);
    ShowWindow(a, SW_SHOW);
    ShowWindow(b, SW_SHOWNA);
    harness.ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), a);
    rec.Clear();
    rec.only = { WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS };

    SetActiveWindow(b);
    ASSERT_EQ(rec.log.size(), 6u);
    EXPECT_EQ(rec.log[0].hwnd, a);
    EXPECT_EQ(rec.log[0].msg, WM_NCACTIVATE);
    EXPECT_EQ(rec.log[0].wParam, 0u);
    EXPECT_EQ(rec.log[1].msg, WM_ACTIVATE);
    EXPECT_EQ(LOWORD(rec.log[1].wParam), WA_INACTIVE);
    EXPECT_EQ(rec.log[2].hwnd, b);
    EXPECT_EQ(rec.log[2].msg, WM_NCACTIVATE);
    EXPECT_EQ(rec.log[3].msg, WM_ACTIVATE);
    EXPECT_EQ(LOWORD(rec.log[3].wParam), WA_ACTIVE);
    EXPECT_EQ(rec.log[4].hwnd, a);
    EXPECT_EQ(rec.log[4].msg, WM_KILLFOCUS);
    EXPECT_EQ(rec.log[5].hwnd, b);
    EXPECT_EQ(rec.log[5].msg, WM_SETFOCUS);
    EXPECT_EQ(GetTopLevelWindows().front(), b);
}

TEST(MessageOrder, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND parent = MakeFrameWindow(rec);
    HWND child = CreateWindowEx(0, rec.Proc(), "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, parent);
    rec.Clear();
    rec.only = { WM_DESTROY, WM_NCDESTROY };
    EXPECT_TRUE(DestroyWindow(parent));
    ASSERT_EQ(rec.log.size(), 4u);
    EXPECT_EQ(rec.log[0].hwnd, parent);
    EXPECT_EQ(rec.log[0].msg, WM_DESTROY);
    EXPECT_EQ(rec.log[1].hwnd, child);
    EXPECT_EQ(rec.log[1].msg, WM_DESTROY);
    EXPECT_EQ(rec.log[2].hwnd, child);
    EXPECT_EQ(rec.log[2].msg, WM_NCDESTROY);
    EXPECT_EQ(rec.log[3].hwnd, parent);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(SendMessage(child, WM_USER), 0);
}

TEST(MessageOrder, CreateRefusedByWindowProcedureGivesNoWindow)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    rec.handlers[WM_CREATE] = [](HWND, WPARAM, LPARAM) -> LRESULT { return -1; };
    EXPECT_EQ(MakeFrameWindow(rec), nullptr);
    EXPECT_EQ(rec.Count(WM_NCDESTROY), 1);
    EXPECT_TRUE(GetTopLevelWindows().empty());
}
