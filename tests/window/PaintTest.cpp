#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/Painting.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace wnd;

namespace {
constexpr gfx::TColor kRed = gfx::RGB(255, 0, 0);
constexpr gfx::TColor kBlue = gfx::RGB(0, 0, 255);
constexpr gfx::TColor kGreen = gfx::RGB(0, 160, 0);

// A window that paints its whole client area in one colour and remembers what
// it was asked to paint.
struct TFiller {
    TRecorder rec;
    gfx::TColor color;
    std::vector<RECT> paintRects;

    explicit TFiller(gfx::TColor c) : color(c)
    {
        rec.only = { WM_PAINT, WM_ERASEBKGND, WM_NCPAINT };
        rec.handlers[WM_PAINT] = [this](HWND h, WPARAM, LPARAM) -> LRESULT {
            TPaintDC dc(h);
            paintRects.push_back(dc.Info().rcPaint);
            dc.Canvas().Brush.Color = color;
            dc.Canvas().FillRect(GetClientRect(h));
            return 0;
        };
    }
};

gfx::TColor At(HWND hwnd, int x, int y) { return gfx::PixelToColor(GetBackBuffer(hwnd)->ScanLine(y)[x]); }
}

TEST(Paint, InvalidatedRectanglesUnionAndPaintingIsClippedToThem)
{
    THeadlessHarness harness;
    TFiller top(kRed);
    HWND hwnd = CreateWindowEx(0, top.rec.Proc(), "", WS_POPUP, 0, 0, 100, 100, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    harness.ProcessMessages();
    EXPECT_EQ(At(hwnd, 50, 50), kRed);

    top.color = kBlue;
    top.paintRects.clear();
    const RECT a = gfx::Rect(10, 10, 20, 20);
    const RECT b = gfx::Rect(30, 10, 40, 20);
    InvalidateRect(hwnd, &a, false);
    InvalidateRect(hwnd, &b, false);
    EXPECT_EQ(GetUpdateRgn(hwnd), gfx::TRegion(a) | gfx::TRegion(b));
    harness.ProcessMessages();
    ASSERT_EQ(top.paintRects.size(), 1u) << "one WM_PAINT for both";
    EXPECT_EQ(top.paintRects[0], gfx::Rect(10, 10, 40, 20));
    EXPECT_EQ(At(hwnd, 15, 15), kBlue);
    EXPECT_EQ(At(hwnd, 35, 15), kBlue);
    EXPECT_EQ(At(hwnd, 25, 15), kRed) << "between the rectangles nothing was painted";
    EXPECT_EQ(At(hwnd, 50, 50), kRed);
    RECT none;
    EXPECT_FALSE(GetUpdateRect(hwnd, none));
}

TEST(Paint, EraseComesBeforePaintOnlyWhenAskedFor)
{
    THeadlessHarness harness;
    WNDCLASS wc;
    wc.lpszClassName = "Erased";
    wc.hbrBackground = kGreen;
    TRecorder rec;
    rec.only = { WM_ERASEBKGND, WM_PAINT };
    wc.lpfnWndProc = rec.Proc();
    ASSERT_TRUE(RegisterClass(wc));
    HWND hwnd = CreateWindowEx(0, "Erased", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr);
    harness.ProcessMessages();
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_PAINT, WM_ERASEBKGND }));
    EXPECT_EQ(At(hwnd, 25, 25), kGreen);
    rec.Clear();
    InvalidateRect(hwnd, nullptr, false);
    harness.ProcessMessages();
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_PAINT }));
}

TEST(Paint, ChildrenAreClippedByTheirParentAndBySiblingsAbove)
{
    THeadlessHarness harness;
    TFiller parentFill(kRed), lowerFill(kBlue), upperFill(kGreen);
    HWND parent = CreateWindowEx(0, parentFill.rec.Proc(), "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr);
    HWND inner = CreateWindowEx(0, parentFill.rec.Proc(), "", WS_CHILD | WS_VISIBLE, 50, 50, 40, 40, parent);
    // The lower child sticks out of `inner` on the right and bottom.
    HWND lower = CreateWindowEx(0, lowerFill.rec.Proc(), "", WS_CHILD | WS_VISIBLE, 10, 10, 60, 60, inner);
    HWND upper = CreateWindowEx(0, upperFill.rec.Proc(), "", WS_CHILD | WS_VISIBLE, 20, 20, 10, 10, inner);
    harness.ProcessMessages();
    EXPECT_EQ(At(parent, 5, 5), kRed);
    EXPECT_EQ(At(parent, 65, 65), kBlue);
    EXPECT_EQ(At(parent, 75, 75), kGreen) << "the sibling above covers the lower one";
    EXPECT_EQ(At(parent, 95, 95), kRed) << "the lower child does not paint outside its parent";
    EXPECT_EQ(GetRectInBackBuffer(upper), gfx::Rect(70, 70, 80, 80));

    // Repainting the lower child does not touch its sibling above.
    lowerFill.color = gfx::clBlack;
    InvalidateRect(lower, nullptr, false);
    harness.ProcessMessages();
    EXPECT_EQ(At(parent, 65, 65), gfx::clBlack);
    EXPECT_EQ(At(parent, 75, 75), kGreen);

    // Hiding the upper child uncovers the lower one, which repaints there.
    ShowWindow(upper, SW_HIDE);
    harness.ProcessMessages();
    EXPECT_EQ(At(parent, 75, 75), gfx::clBlack);
}

TEST(Paint, WindowRegionClipsPainting)
{
    THeadlessHarness harness;
    TFiller fill(kBlue);
    TFiller parentFill(kRed);
    HWND parent = CreateWindowEx(0, parentFill.rec.Proc(), "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr);
    HWND child = CreateWindowEx(0, fill.rec.Proc(), "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent);
    SetWindowRgn(child, gfx::TRegion::FromEllipse(gfx::Rect(0, 0, 100, 100)), true);
    harness.ProcessMessages();
    EXPECT_EQ(At(parent, 50, 50), kBlue);
    EXPECT_EQ(At(parent, 2, 2), kRed) << "outside the ellipse the parent shows";

    // A top-level window's region clips its own painting too.
    TFiller roundFill(kGreen);
    HWND round = CreateWindowEx(0, roundFill.rec.Proc(), "", WS_POPUP, 200, 0, 60, 60, nullptr);
    SetWindowRgn(round, gfx::TRegion::FromRoundRect(gfx::Rect(0, 0, 60, 60), 30, 30), false);
    ShowWindow(round, SW_SHOW);
    harness.ProcessMessages();
    EXPECT_EQ(At(round, 30, 30), kGreen);
    EXPECT_NE(At(round, 0, 0), kGreen);
    EXPECT_EQ(WindowFromPoint({ 200, 0 }), nullptr);
    EXPECT_EQ(WindowFromPoint({ 230, 30 }), round);
}

TEST(Paint, DefaultFrameIsDrawnAndSavedWithTheWindow)
{
    THeadlessHarness harness;
    TFiller fill(gfx::clWhite);
    HWND active = CreateWindowEx(0, fill.rec.Proc(), "Plain frame 笔记", WS_OVERLAPPEDWINDOW, 10, 10, 240, 120, nullptr);
    HWND dialog = CreateWindowEx(0, fill.rec.Proc(), "Dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME, 300, 10,
        200, 100, nullptr);
    ShowWindow(dialog, SW_SHOW);
    ShowWindow(active, SW_SHOW);
    harness.ProcessMessages();
    const gfx::TColor caption = At(active, 50, 8);
    EXPECT_EQ(caption, gfx::ColorToRGB(gfx::clActiveCaption));
    EXPECT_EQ(At(dialog, 50, 8), gfx::ColorToRGB(gfx::clInactiveCaption));
    EXPECT_EQ(At(active, 120, 60), gfx::clWhite);
    const std::string path = harness.SaveSnapshot(active, "window_default_frame_active");
    harness.SaveSnapshot(dialog, "window_default_frame_inactive_dialog");
    EXPECT_TRUE(std::filesystem::exists(path));
    const gfx::TBitmap shot = harness.Capture(active);
    EXPECT_EQ(shot.Width(), 240);
    EXPECT_EQ(shot.Height(), 120);
}

TEST(Paint, LayeredWindowsKeepTheirAlpha)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND plain = MakeFrameWindow(rec);
    EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 128, LWA_ALPHA));
    HWND layered = MakeFrameWindow(rec, 0, 0, 100, 100, WS_POPUP, WS_EX_LAYERED);
    EXPECT_TRUE(SetLayeredWindowAttributes(layered, 0, 128, LWA_ALPHA));
    EXPECT_EQ(GetWindowAlpha(layered), 128);
    EXPECT_EQ(GetWindowAlpha(plain), 255);
}
