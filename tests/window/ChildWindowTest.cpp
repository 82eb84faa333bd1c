#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"

#include <gtest/gtest.h>

using namespace wnd;

namespace {
gfx::TColor At(HWND hwnd, int x, int y) { return gfx::PixelToColor(GetBackBuffer(hwnd)->ScanLine(y)[x]); }

WNDCLASS FillClass(const std::string& name, gfx::TColor color)
{
    WNDCLASS wc;
    wc.lpszClassName = name;
    wc.hbrBackground = color;
    return wc;
}
}

TEST(ChildWindows, MovingAChildRepaintsWhatItUncovered)
{
    THeadlessHarness harness;
    RegisterClass(FillClass("Red", gfx::clRed));
    RegisterClass(FillClass("Blue", gfx::clBlue));
    HWND parent = CreateWindowEx(0, "Red", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr);
    HWND child = CreateWindowEx(0, "Blue", "", WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, parent);
    harness.ProcessMessages();
    EXPECT_EQ(At(parent, 20, 20), gfx::clBlue);
    MoveWindow(child, 100, 10, 30, 30);
    harness.ProcessMessages();
    EXPECT_EQ(At(parent, 20, 20), gfx::clRed);
    EXPECT_EQ(At(parent, 110, 20), gfx::clBlue);
    EXPECT_EQ(GetWindowRect(child), gfx::Rect(100, 10, 130, 40));
    POINT p { 105, 15 };
    ScreenToClient(child, p);
    EXPECT_EQ(p, (POINT { 5, 5 }));
}

TEST(ChildWindows, GetDcDrawsIntoTheBackBufferClippedToTheClientArea)
{
    THeadlessHarness harness;
    RegisterClass(FillClass("White", gfx::clWhite));
    HWND parent = CreateWindowEx(0, "White", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr);
    HWND framed = CreateWindowEx(0, "White", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 50, 50, parent);
    harness.ProcessMessages();
    EXPECT_EQ(GetClientRectInWindow(framed), gfx::Rect(1, 1, 49, 49));
    EXPECT_EQ(At(parent, 10, 10), gfx::ColorToRGB(gfx::clWindowFrame)) << "the one-pixel border";
    {
        TWindowDC dc(framed);
        ASSERT_TRUE(dc.Valid());
        dc.Canvas().Brush.Color = gfx::clGreen;
        dc.Canvas().FillRect(gfx::Rect(-20, -20, 200, 200)); // far beyond the client area
    }
    EXPECT_EQ(At(parent, 30, 30), gfx::clGreen);
    EXPECT_EQ(At(parent, 10, 10), gfx::ColorToRGB(gfx::clWindowFrame)) << "the frame is not client area";
    EXPECT_EQ(At(parent, 80, 30), gfx::clWhite);
}

TEST(ChildWindows, TheCaretNeverTouchesTheBackBuffer)
{
    THeadlessHarness harness;
    RegisterClass(FillClass("White", gfx::clWhite));
    HWND hwnd = CreateWindowEx(0, "White", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 50, nullptr);
    harness.ProcessMessages();
    const gfx::TBitmap before = CaptureWindow(hwnd);
    ASSERT_TRUE(CreateCaret(hwnd, 0, 14));
    SetCaretPos(10, 5);
    ShowCaret(hwnd);
    harness.AdvanceTime(2000);
    EXPECT_EQ(CaptureWindow(hwnd), before);
    POINT p;
    ASSERT_TRUE(GetCaretPos(p));
    EXPECT_EQ(p, (POINT { 10, 5 }));
    DestroyWindow(hwnd);
    EXPECT_FALSE(GetCaretPos(p)) << "the caret goes with its window";
}

TEST(ChildWindows, ReparentingMovesTheWindowBetweenParents)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND a = MakeFrameWindow(rec, 0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
    HWND b = MakeFrameWindow(rec, 300, 0, 200, 200, WS_POPUP | WS_VISIBLE);
    HWND child = CreateWindowEx(0, rec.Proc(), "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, a);
    EXPECT_EQ(SetParent(child, b), a);
    EXPECT_TRUE(IsChild(b, child));
    EXPECT_FALSE(IsChild(a, child));
    EXPECT_EQ(GetWindowRect(child), gfx::Rect(310, 10, 330, 30));
    EXPECT_EQ(WindowFromPoint({ 315, 15 }), child);
    EXPECT_EQ(SetParent(b, child), nullptr) << "no window goes under its own child";
    EXPECT_EQ(GetAncestor(b, GA_PARENT), nullptr);
}
