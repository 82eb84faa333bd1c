// Where a menu window opens: below or above its anchor, as a submenu beside
// its item, or at the top of the work area when it scrolls, and never past
// an edge of the work area of the monitor it opens on.

#include "skinform/MenuPlacement.h"

#include <gtest/gtest.h>

using gfx::TPoint;
using gfx::TRect;
using skinform::PlaceMenuWindow;
using skinform::TMenuOpening;

namespace {

const TRect kWork { 0, 0, 1024, 728 };
constexpr gfx::TSize kMenu { 120, 89 };
constexpr int kItemsTop = 2;

TRect At(int x, int y) { return { x, y, x, y }; }

void ExpectInside(TPoint p, gfx::TSize size, const TRect& area)
{
    EXPECT_GE(p.X, area.Left);
    EXPECT_GE(p.Y, area.Top);
    EXPECT_LE(p.X + size.cx, area.Right);
    EXPECT_LE(p.Y + size.cy, area.Bottom);
}

} // namespace

TEST(MenuPlacement, OpensBelowTheAnchorAtItsLeftWhenThereIsRoom)
{
    const TRect button { 4, 26, 17, 39 };
    EXPECT_EQ(PlaceMenuWindow(button, kMenu, kWork, TMenuOpening::Down, false, kItemsTop), (TPoint { 4, 39 }));
    // No room above: it opens below and, being moved, right of the button.
    EXPECT_EQ(PlaceMenuWindow(button, kMenu, kWork, TMenuOpening::Up, false, kItemsTop), (TPoint { 18, 39 }));
}

TEST(MenuPlacement, StaysInsideAtEveryEdge)
{
    // Right edge: pulled left so that its right side is the work area's.
    EXPECT_EQ(PlaceMenuWindow(At(1000, 100), kMenu, kWork, TMenuOpening::Down, false, kItemsTop), (TPoint { 904, 100 }));
    // Left edge: an anchor left of the work area is pulled right.
    EXPECT_EQ(PlaceMenuWindow(At(-50, 100), kMenu, kWork, TMenuOpening::Down, false, kItemsTop), (TPoint { 0, 100 }));
    // Bottom edge: a right-click near the bottom opens above the cursor and to its right.
    EXPECT_EQ(PlaceMenuWindow(At(300, 700), kMenu, kWork, TMenuOpening::Down, false, kItemsTop), (TPoint { 301, 611 }));
    // Top edge: a menu opening upward without room above opens below instead.
    EXPECT_EQ(PlaceMenuWindow(TRect { 300, 10, 340, 30 }, kMenu, kWork, TMenuOpening::Up, false, kItemsTop),
        (TPoint { 341, 30 }));
    // The bottom-right corner: above the cursor and to its left.
    const TPoint corner = PlaceMenuWindow(At(1020, 720), kMenu, kWork, TMenuOpening::Down, false, kItemsTop);
    EXPECT_EQ(corner, (TPoint { 1020 - 120 - 1, 720 - 89 }));
    for (const TPoint anchor : { TPoint { 0, 0 }, TPoint { 1023, 0 }, TPoint { 0, 727 }, TPoint { 1023, 727 }, TPoint { 512, 364 } })
        for (const TMenuOpening opening : { TMenuOpening::Down, TMenuOpening::Up, TMenuOpening::SubMenu })
            ExpectInside(PlaceMenuWindow(At(anchor.X, anchor.Y), kMenu, kWork, opening, false, kItemsTop), kMenu, kWork);
}

TEST(MenuPlacement, UpwardMenuOpensAboveItsAnchor)
{
    const TRect button { 500, 600, 560, 620 };
    EXPECT_EQ(PlaceMenuWindow(button, kMenu, kWork, TMenuOpening::Up, false, kItemsTop), (TPoint { 500, 511 }));
}

TEST(MenuPlacement, SubMenuOpensBesideItsItemWithTheFirstItemLevel)
{
    const TRect item { 100, 200, 220, 220 };
    EXPECT_EQ(PlaceMenuWindow(item, kMenu, kWork, TMenuOpening::SubMenu, false, kItemsTop), (TPoint { 221, 198 }));
    // No room at the right: it opens at the left of the parent menu.
    const TRect rightItem { 880, 200, 1000, 220 };
    EXPECT_EQ(PlaceMenuWindow(rightItem, kMenu, kWork, TMenuOpening::SubMenu, false, kItemsTop), (TPoint { 759, 198 }));
    // No room below in the lower half: its bottom lines up with the item's.
    const TRect lowItem { 100, 700, 220, 720 };
    EXPECT_EQ(PlaceMenuWindow(lowItem, kMenu, kWork, TMenuOpening::SubMenu, false, kItemsTop), (TPoint { 221, 720 + 2 - 89 }));
}

TEST(MenuPlacement, ScrollingMenuStartsAtTheTopOfTheWorkArea)
{
    const gfx::TSize tall { 120, kWork.Height() };
    EXPECT_EQ(PlaceMenuWindow(At(300, 400), tall, kWork, TMenuOpening::Down, true, kItemsTop), (TPoint { 301, 0 }));
}

TEST(MenuPlacement, SecondMonitorKeepsTheMenuOnIt)
{
    // A monitor right of the primary one, with a task bar at its top.
    const TRect second { 1024, 30, 1024 + 800, 600 };
    const TPoint nearLeft = PlaceMenuWindow(At(1030, 40), kMenu, second, TMenuOpening::Up, false, kItemsTop);
    ExpectInside(nearLeft, kMenu, second);
    const TPoint nearRight = PlaceMenuWindow(At(1820, 590), kMenu, second, TMenuOpening::Down, false, kItemsTop);
    EXPECT_EQ(nearRight, (TPoint { 1820 - 120 - 1, 590 - 89 }));
    // A menu wider than the monitor starts at its left edge.
    const TPoint wide = PlaceMenuWindow(At(1500, 100), { 900, 89 }, second, TMenuOpening::Down, false, kItemsTop);
    EXPECT_EQ(wide.X, second.Left);
}
