#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Painting.h"

#include <gtest/gtest.h>

using namespace wnd;

namespace {
LRESULT Hit(HWND hwnd, int x, int y) { return SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)); }
}

TEST(HitTest, DefaultFrameAnswersTheClassicCodes)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec, 100, 100, 300, 200);
    ShowWindow(hwnd, SW_SHOW);
    EXPECT_EQ(Hit(hwnd, 50, 50), HTNOWHERE);
    EXPECT_EQ(Hit(hwnd, 200, 200), HTCLIENT);
    EXPECT_EQ(Hit(hwnd, 150, 110), HTCAPTION);
    EXPECT_EQ(Hit(hwnd, 386, 110), HTCLOSE);
    EXPECT_EQ(Hit(hwnd, 366, 110), HTMAXBUTTON);
    EXPECT_EQ(Hit(hwnd, 350, 110), HTMINBUTTON);
    EXPECT_EQ(Hit(hwnd, 100, 200), HTLEFT);
    EXPECT_EQ(Hit(hwnd, 399, 200), HTRIGHT);
    EXPECT_EQ(Hit(hwnd, 200, 101), HTTOP);
    EXPECT_EQ(Hit(hwnd, 200, 299), HTBOTTOM);
    EXPECT_EQ(Hit(hwnd, 101, 101), HTTOPLEFT);
    EXPECT_EQ(Hit(hwnd, 398, 101), HTTOPRIGHT);
    EXPECT_EQ(Hit(hwnd, 101, 298), HTBOTTOMLEFT);
    EXPECT_EQ(Hit(hwnd, 398, 298), HTBOTTOMRIGHT);
    EXPECT_EQ(Hit(hwnd, 100, 105), HTTOPLEFT) << "the corner grip runs along the edge";

    // A dialog frame does not size.
    HWND dialog = MakeFrameWindow(rec, 500, 100, 200, 100, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME);
    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(Hit(dialog, 500, 150), HTBORDER);
    EXPECT_EQ(Hit(dialog, 550, 110), HTCAPTION);
    EXPECT_EQ(Hit(dialog, 686, 110), HTCLOSE);
}

TEST(HitTest, LayeredSeeThroughWindowLetsTheMouseReachTheWindowBelow)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND below = MakeFrameWindow(rec, 0, 0, 400, 400);
    HWND overlay = MakeFrameWindow(rec, 100, 100, 200, 200, WS_POPUP);
    ShowWindow(below, SW_SHOW);
    ShowWindow(overlay, SW_SHOW);
    SetWindowLongPtr(overlay, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_LAYERED);
    EXPECT_EQ(WindowFromPoint({ 150, 150 }), overlay) << "layered alone still takes the mouse";
    SetWindowLongPtr(overlay, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    EXPECT_EQ(WindowFromPoint({ 150, 150 }), below);
    harness.Click(150, 150);
    EXPECT_EQ(rec.Count(WM_LBUTTONDOWN, overlay), 0);
    EXPECT_EQ(rec.Count(WM_LBUTTONDOWN, below), 1);
}

TEST(HitTest, WindowRegionLetsPointsOutsideItFallThrough)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND below = MakeFrameWindow(rec, 0, 0, 400, 400);
    HWND above = MakeFrameWindow(rec, 100, 100, 200, 200, WS_POPUP);
    ShowWindow(below, SW_SHOW);
    ShowWindow(above, SW_SHOW);
    EXPECT_EQ(WindowFromPoint({ 105, 105 }), above);

    // An ellipse: the corners are not part of the window any more.
    SetWindowRgn(above, gfx::TRegion::FromEllipse(gfx::Rect(0, 0, 200, 200)), true);
    EXPECT_EQ(WindowFromPoint({ 105, 105 }), below);
    EXPECT_EQ(WindowFromPoint({ 200, 200 }), above);

    // A child with a region: outside it, the parent gets the point.
    HWND child = CreateWindowEx(0, rec.Proc(), "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, below);
    gfx::TRect holes[] = { gfx::Rect(0, 0, 50, 100) };
    SetWindowRgn(child, gfx::TRegion::FromRects(holes), true);
    const RECT client = GetClientRectInWindow(below);
    EXPECT_EQ(WindowFromPoint({ client.Left + 20, client.Top + 20 }), child);
    EXPECT_EQ(WindowFromPoint({ client.Left + 80, client.Top + 20 }), below);
    SetWindowRgn(child, std::nullopt, true);
    EXPECT_EQ(WindowFromPoint({ client.Left + 80, client.Top + 20 }), child);
}

TEST(HitTest, TransparentAnswerPassesToTheSiblingBelowAndDisabledChildrenToTheParent)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND parent = MakeFrameWindow(rec, 0, 0, 400, 400, WS_POPUP | WS_VISIBLE);
    HWND lower = CreateWindowEx(0, rec.Proc(), "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent);
    TRecorder glassRec;
    glassRec.handlers[WM_NCHITTEST] = [](HWND, WPARAM, LPARAM) -> LRESULT { return HTTRANSPARENT; };
    HWND glass = CreateWindowEx(0, glassRec.Proc(), "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent);
    EXPECT_EQ(GetTopWindow(parent), glass);
    EXPECT_EQ(WindowFromPoint({ 50, 50 }), lower);
    EnableWindow(lower, false);
    EXPECT_EQ(WindowFromPoint({ 50, 50 }), parent);
    EXPECT_EQ(ChildWindowFromPoint(parent, { 50, 50 }), glass);
}

TEST(HitTest, MouseMessagesFollowTheHitTest)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec, 100, 100, 300, 200);
    ShowWindow(hwnd, SW_SHOW);
    harness.ProcessMessages();
    rec.Clear();
    harness.MoveMouse(150, 110);
    harness.MoveMouse(200, 200);
    ASSERT_GE(rec.IndexOf(WM_NCMOUSEMOVE), 0);
    EXPECT_EQ(static_cast<LRESULT>(rec.log[static_cast<std::size_t>(rec.IndexOf(WM_NCMOUSEMOVE))].wParam), HTCAPTION);
    const auto& move = rec.log[static_cast<std::size_t>(rec.IndexOf(WM_MOUSEMOVE))];
    EXPECT_EQ(PointFromLParam(move.lParam), (POINT { 97, 78 })) << "client coordinates";
    EXPECT_LT(rec.IndexOf(WM_SETCURSOR), rec.IndexOf(WM_NCMOUSEMOVE));
    EXPECT_EQ(GetCursor(), IDC_ARROW);
    harness.MoveMouse(399, 200);
    EXPECT_EQ(GetCursor(), IDC_SIZEWE);
}
