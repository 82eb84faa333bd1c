#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"

#include <gtest/gtest.h>

using namespace wnd;

namespace {
struct SizeMoveTest : ::testing::Test {
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd { nullptr };

    void SetUp() override
    {
        hwnd = MakeFrameWindow(rec, 100, 100, 300, 200);
        ShowWindow(hwnd, SW_SHOW);
        harness.ProcessMessages();
        rec.Clear();
    }
};
}

TEST_F(SizeMoveTest, DraggingTheCaptionMovesTheWindowInsideEnterAndExitSizeMove)
{
    harness.Drag({ 150, 110 }, { 250, 160 });
    EXPECT_EQ(GetWindowRect(hwnd), gfx::Bounds(200, 150, 300, 200));
    const int enter = rec.IndexOf(WM_ENTERSIZEMOVE);
    const int moving = rec.IndexOf(WM_MOVING);
    const int exit = rec.IndexOf(WM_EXITSIZEMOVE);
    ASSERT_GE(enter, 0);
    EXPECT_LT(enter, moving);
    EXPECT_LT(moving, exit);
    EXPECT_EQ(rec.Count(WM_SIZING), 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SizeMoveTest, WmMovingCanCorrectThePosition)
{
    rec.handlers[WM_MOVING] = [](HWND, WPARAM, LPARAM l) -> LRESULT {
        auto* r = FromLParam<RECT>(l);
        if (r->Left < 120)
            gfx::OffsetRect(*r, 0 - r->Left, 0); // snap to the screen edge
        return 1;
    };
    harness.Drag({ 150, 110 }, { 60, 110 });
    EXPECT_EQ(GetWindowRect(hwnd).Left, 0);
}

TEST_F(SizeMoveTest, DraggingTheRightEdgeSizesAndHonoursTheMinimumTrackingSize)
{
    rec.handlers[WM_GETMINMAXINFO] = [](HWND, WPARAM, LPARAM l) -> LRESULT {
        auto* info = FromLParam<MINMAXINFO>(l);
        info->ptMinTrackSize = { 250, 150 };
        info->ptMaxTrackSize = { 500, 400 };
        return 0;
    };
    // Right edge: x = 100 + 300 - 1.
    harness.Drag({ 399, 200 }, { 499, 200 });
    EXPECT_EQ(GetWindowRect(hwnd), gfx::Bounds(100, 100, 400, 200));
    EXPECT_GT(rec.Count(WM_SIZING), 0);
    EXPECT_EQ(LOWORD(rec.log[static_cast<std::size_t>(rec.IndexOf(WM_SIZING))].wParam), WMSZ_RIGHT);

    harness.Drag({ 499, 200 }, { 150, 200 });
    EXPECT_EQ(GetWindowRect(hwnd).Width(), 250) << "not below the minimum";

    // Bottom-right corner, far out: capped at the maximum.
    const RECT r = GetWindowRect(hwnd);
    harness.Drag({ r.Right - 1, r.Bottom - 1 }, { r.Right + 600, r.Bottom + 600 });
    EXPECT_EQ(GetWindowRect(hwnd), gfx::Bounds(100, 100, 500, 400));
}

TEST_F(SizeMoveTest, DraggingTheTopLeftCornerKeepsTheOppositeCornerInPlace)
{
    harness.Drag({ 100, 100 }, { 50, 80 });
    EXPECT_EQ(GetWindowRect(hwnd), gfx::Rect(50, 80, 400, 300));
    EXPECT_GT(rec.Count(WM_SIZE), 0);
    EXPECT_EQ(GetClientRect(hwnd), gfx::Rect(0, 0, 344, 195));
}

TEST_F(SizeMoveTest, WmSizingCanCorrectTheRectangle)
{
    rec.handlers[WM_SIZING] = [](HWND, WPARAM, LPARAM l) -> LRESULT {
        auto* r = FromLParam<RECT>(l);
        r->Right = r->Left + (r->Width() / 50) * 50; // whole steps of 50
        return 1;
    };
    harness.Drag({ 399, 200 }, { 470, 200 });
    EXPECT_EQ(GetWindowRect(hwnd).Width(), 350);
}

TEST_F(SizeMoveTest, EscapeCancelsTheMove)
{
    TRawInput in;
    in.kind = TRawInputKind::MouseMove;
    in.pos = { 150, 110 };
    harness.Queue(in);
    in.kind = TRawInputKind::ButtonDown;
    harness.Queue(in);
    in.kind = TRawInputKind::MouseMove;
    in.pos = { 300, 300 };
    harness.Queue(in);
    TRawInput esc;
    esc.kind = TRawInputKind::KeyDown;
    esc.vk = VK_ESCAPE;
    harness.Queue(esc);
    harness.ProcessMessages();
    EXPECT_EQ(GetWindowRect(hwnd).TopLeft(), (POINT { 100, 100 }));
    EXPECT_EQ(rec.Count(WM_EXITSIZEMOVE), 1);
    harness.MouseUp(300, 300);
}

TEST_F(SizeMoveTest, CaptionButtonsMaximizeRestoreMinimizeAndClose)
{
    // Buttons of a 300-wide window at x 100: close 378..395, maximize 359..376, minimize 342..359, y 105..120.
    harness.Click(366, 110);
    EXPECT_TRUE(IsZoomed(hwnd));
    EXPECT_EQ(GetWindowRect(hwnd), GetWorkArea());
    EXPECT_EQ(rec.log[static_cast<std::size_t>(rec.IndexOf(WM_SIZE))].wParam, SIZE_MAXIMIZED);

    const RECT max = GetWindowRect(hwnd);
    harness.Click(max.Right - 3 - 2 - 17 - 2 - 8, max.Top + 10); // maximize button again: restore
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_EQ(GetWindowRect(hwnd), gfx::Bounds(100, 100, 300, 200));

    harness.Click(350, 110);
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_FALSE(IsIconic(hwnd));

    rec.Clear();
    harness.Click(386, 110);
    EXPECT_EQ(rec.IndexOf(WM_SYSCOMMAND) < rec.IndexOf(WM_CLOSE), true);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(SizeMoveTest, ReleasingTheCloseButtonOutsideItDoesNotClose)
{
    harness.Drag({ 386, 110 }, { 200, 200 });
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(rec.Count(WM_CLOSE), 0);
}

TEST_F(SizeMoveTest, DoubleClickOnTheCaptionMaximizesAndRestores)
{
    harness.DoubleClick(150, 110);
    EXPECT_TRUE(IsZoomed(hwnd));
    EXPECT_EQ(rec.Count(WM_NCLBUTTONDBLCLK), 1);
    harness.AdvanceTime(1000);
    harness.DoubleClick(150, 10);
    EXPECT_FALSE(IsZoomed(hwnd));
}

TEST_F(SizeMoveTest, MaximizeHonoursGetMinMaxInfo)
{
    rec.handlers[WM_GETMINMAXINFO] = [](HWND, WPARAM, LPARAM l) -> LRESULT {
        auto* info = FromLParam<MINMAXINFO>(l);
        info->ptMaxPosition = { 1, 1 };
        info->ptMaxSize = { 1022, 726 };
        return 0;
    };
    SendMessage(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(GetWindowRect(hwnd), gfx::Bounds(1, 1, 1022, 726));
    EXPECT_EQ(GetNormalRect(hwnd), gfx::Bounds(100, 100, 300, 200));
}
