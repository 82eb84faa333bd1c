#include "platform/controls/AlignLayout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ctl;
using gfx::Bounds;
using gfx::TRect;

namespace {

TAlignItem Aligned(TAlign align, TRect bounds)
{
    TAlignItem item;
    item.Align = align;
    item.Bounds = bounds;
    return item;
}

// The inner rectangle of a panel with a one-pixel bevel.
TRect InsideBevel(const TRect& r)
{
    return gfx::Rect(1, 1, r.Width() - 1, r.Height() - 1);
}

} // namespace

// The main window: a 738 x 505 client area with a tool bar on top, the status
// bar at the bottom, the category bar and the splitter at the left and the
// note panel filling the rest; the note panel stacks the title area, a
// splitter and the body area.
TEST(AlignLayout, MainWindowFrameGivesTheDesignedPositions)
{
    std::vector<TAlignItem> window {
        Aligned(TAlign::alClient, Bounds(200, 40, 100, 100)), // Panel1, listed first on purpose
        Aligned(TAlign::alTop, Bounds(0, 0, 738, 25)),        // tool bar
        Aligned(TAlign::alLeft, Bounds(150, 25, 9, 400)),     // splitter at x 150
        Aligned(TAlign::alLeft, Bounds(0, 25, 150, 400)),     // category tool bar
        Aligned(TAlign::alBottom, Bounds(0, 470, 738, 24)),   // status bar
    };
    AlignItems(window, gfx::Rect(0, 0, 738, 505));
    EXPECT_EQ(window[1].Bounds, Bounds(0, 0, 738, 25));
    EXPECT_EQ(window[4].Bounds, Bounds(0, 481, 738, 24));
    EXPECT_EQ(window[3].Bounds, Bounds(0, 25, 150, 456));
    EXPECT_EQ(window[2].Bounds, Bounds(150, 25, 9, 456));
    EXPECT_EQ(window[0].Bounds, Bounds(159, 25, 579, 456));

    // The group box fills the category bar; its frame is one pixel and its
    // caption 23 high, so the tree inside lands at 1, 23 with 148 x 432.
    std::vector<TAlignItem> bar { Aligned(TAlign::alClient, {}) };
    AlignItems(bar, gfx::Rect(0, 0, window[3].Bounds.Width(), window[3].Bounds.Height()));
    std::vector<TAlignItem> groupBox { Aligned(TAlign::alClient, {}) };
    AlignItems(groupBox, gfx::Rect(1, 23, bar[0].Bounds.Width() - 1, bar[0].Bounds.Height() - 1));
    EXPECT_EQ(groupBox[0].Bounds, Bounds(1, 23, 148, 432));

    // Inside Panel1's bevel: title area 153 high, splitter 8 high, body the rest.
    std::vector<TAlignItem> panel1 {
        Aligned(TAlign::alTop, Bounds(1, 200, 577, 8)),   // Splitter1, stored below Panel2
        Aligned(TAlign::alClient, {}),                    // Panel3
        Aligned(TAlign::alTop, Bounds(1, 1, 577, 153)),   // Panel2
    };
    AlignItems(panel1, InsideBevel(window[0].Bounds));
    EXPECT_EQ(panel1[2].Bounds, Bounds(1, 1, 577, 153));
    EXPECT_EQ(panel1[0].Bounds, Bounds(1, 154, 577, 8));
    EXPECT_EQ(panel1[1].Bounds, Bounds(1, 162, 577, 293));

    // The body group box holds the 19-wide scroll bar on the right and the memo.
    std::vector<TAlignItem> body { Aligned(TAlign::alClient, {}), Aligned(TAlign::alRight, Bounds(0, 0, 19, 10)) };
    AlignItems(body, gfx::Rect(0, 0, 577, 293));
    EXPECT_EQ(body[1].Bounds, Bounds(558, 0, 19, 293));
    EXPECT_EQ(body[0].Bounds, Bounds(0, 0, 558, 293));
}

TEST(AlignLayout, InvisibleControlsTakeNoSpace)
{
    std::vector<TAlignItem> items { Aligned(TAlign::alTop, Bounds(0, 0, 10, 30)),
        Aligned(TAlign::alTop, Bounds(0, 30, 10, 20)), Aligned(TAlign::alClient, {}) };
    items[0].Visible = false;
    AlignItems(items, gfx::Rect(0, 0, 100, 100));
    EXPECT_EQ(items[1].Bounds, Bounds(0, 0, 100, 20));
    EXPECT_EQ(items[2].Bounds, Bounds(0, 20, 100, 80));
    EXPECT_EQ(items[0].Bounds, Bounds(0, 0, 10, 30));
}

TEST(AlignLayout, TheMovedControlGoesFirstAmongEqualPositions)
{
    std::vector<TAlignItem> items { Aligned(TAlign::alTop, Bounds(0, 0, 10, 30)),
        Aligned(TAlign::alTop, Bounds(0, 0, 10, 20)) };
    items[1].Moving = true;
    AlignItems(items, gfx::Rect(0, 0, 100, 100));
    EXPECT_EQ(items[1].Bounds, Bounds(0, 0, 100, 20));
    EXPECT_EQ(items[0].Bounds, Bounds(0, 20, 100, 30));
}

TEST(AlignLayout, SizesNeverGoNegativeWhenSpaceRunsOut)
{
    std::vector<TAlignItem> items { Aligned(TAlign::alLeft, Bounds(0, 0, 80, 1)),
        Aligned(TAlign::alRight, Bounds(0, 0, 50, 1)), Aligned(TAlign::alClient, {}) };
    AlignItems(items, gfx::Rect(0, 0, 100, 40));
    EXPECT_EQ(items[2].Bounds.Width(), 0);
    EXPECT_EQ(items[1].Bounds, Bounds(50, 0, 50, 40));
}

TEST(AlignLayout, AnchorsKeepDistancesToTheirEdges)
{
    TAlignItem ok; // anchored right and bottom, as a dialog's button
    ok.Anchors = { TAnchorKind::akRight, TAnchorKind::akBottom };
    ok.AnchorBounds = Bounds(207, 300, 75, 25);
    ok.AnchorParentSize = { 298, 330 };
    TAlignItem stretched; // anchored on all four sides
    stretched.Anchors = { TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight, TAnchorKind::akBottom };
    stretched.AnchorBounds = Bounds(8, 8, 281, 289);
    stretched.AnchorParentSize = { 298, 330 };
    TAlignItem fixed; // the default: left and top
    fixed.AnchorBounds = Bounds(5, 5, 10, 10);
    fixed.AnchorParentSize = { 298, 330 };
    std::vector<TAlignItem> items { ok, stretched, fixed };
    AlignItems(items, gfx::Rect(0, 0, 398, 380));
    EXPECT_EQ(items[0].Bounds, Bounds(307, 350, 75, 25));
    EXPECT_EQ(items[1].Bounds, Bounds(8, 8, 381, 339));
    EXPECT_EQ(items[2].Bounds, Bounds(5, 5, 10, 10));
}
