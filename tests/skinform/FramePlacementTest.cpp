// The skinned form's placement rules and system menu content, without windows.

#include "skin/TbsResourceStrData.h"
#include "skinform/SystemMenuEntries.h"
#include "skinform/WindowPlacement.h"

#include "platform/window/Messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using skinform::MagneticMove;
using skinform::MagneticSizing;
using skinform::MagneticSnap;
using skinform::MaximizedBounds;

namespace {

const gfx::TRect kWork = gfx::Rect(0, 0, 1024, 728);

std::vector<std::string> Captions(const std::vector<skinform::TbsSystemMenuEntry>& menu)
{
    std::vector<std::string> out;
    for (const auto& e : menu)
        out.push_back(e.ShortCut.empty() ? e.Caption : e.Caption + " " + e.ShortCut);
    return out;
}

} // namespace

TEST(MagneticSnapTest, SnapsCloserThanTheDistanceAndNotAtIt)
{
    EXPECT_EQ(MagneticSnap(gfx::Bounds(3, 200, 746, 535), kWork, 5).Left, 0);
    EXPECT_EQ(MagneticSnap(gfx::Bounds(5, 200, 746, 535), kWork, 5).Left, 5);
    EXPECT_EQ(MagneticSnap(gfx::Bounds(-4, 200, 746, 535), kWork, 5).Left, 0);
    EXPECT_EQ(MagneticSnap(gfx::Bounds(100, 4, 746, 535), kWork, 5).Top, 0);
    // The right and bottom edges of the work area pull the same way.
    EXPECT_EQ(MagneticSnap(gfx::Bounds(1024 - 746 - 3, 728 - 535 + 2, 746, 535), kWork, 5),
        gfx::Bounds(1024 - 746, 728 - 535, 746, 535));
}

TEST(MagneticSnapTest, WhenBothSidesQualifyTheRightAndBottomWin)
{
    // A window 2 pixels narrower than the area is near both sides.
    const gfx::TRect r = MagneticSnap(gfx::Bounds(1, 1, 1022, 726), kWork, 5);
    EXPECT_EQ(r, gfx::Bounds(2, 2, 1022, 726));
}

TEST(MagneticMoveTest, TheWorkAreaComesFirstAndOtherWindowsPullTheOtherAxis)
{
    const std::vector<gfx::TRect> others { gfx::Bounds(400, 300, 200, 100) };
    // 3 pixels left of the other window's left side: flush with it.
    EXPECT_EQ(MagneticMove(gfx::Bounds(403, 250, 100, 100), kWork, others, 5), gfx::Bounds(400, 250, 100, 100));
    // Touching from above: the bottom comes to the other's top.
    EXPECT_EQ(MagneticMove(gfx::Bounds(450, 198, 100, 100), kWork, others, 5), gfx::Bounds(450, 200, 100, 100));
    // Near the work area's left edge and a window's side at once: the work area wins that axis.
    const std::vector<gfx::TRect> atEdge { gfx::Bounds(-50, 100, 53, 100) };
    EXPECT_EQ(MagneticMove(gfx::Bounds(2, 150, 100, 100), kWork, atEdge, 5).Left, 0);
    // Both sides near a side: the nearer one pulls.
    const std::vector<gfx::TRect> twoSides { gfx::Bounds(100, 0, 100, 700), gfx::Bounds(304, 0, 100, 700) };
    EXPECT_EQ(MagneticMove(gfx::Bounds(203, 100, 100, 100), kWork, twoSides, 5).Left, 204);
    // Nothing near: unchanged.
    EXPECT_EQ(MagneticMove(gfx::Bounds(200, 200, 50, 50), kWork, others, 5), gfx::Bounds(200, 200, 50, 50));
}

TEST(MagneticMoveTest, SizingMovesOnlyTheDraggedSidesAndKeepsTheMinimum)
{
    const std::vector<gfx::TRect> others { gfx::Bounds(300, 0, 100, 500) };
    const gfx::TRect r = gfx::Rect(100, 100, 297, 200);
    EXPECT_EQ(MagneticSizing(r, wnd::WMSZ_RIGHT, others, 5, { 10, 10 }), gfx::Rect(100, 100, 300, 200));
    EXPECT_EQ(MagneticSizing(r, wnd::WMSZ_LEFT, others, 5, { 10, 10 }), r);
    EXPECT_EQ(MagneticSizing(r, wnd::WMSZ_BOTTOMRIGHT, others, 5, { 10, 10 }), gfx::Rect(100, 100, 300, 200));
    // A snap below the minimum width is not taken.
    const gfx::TRect narrow = gfx::Rect(100, 100, 303, 200);
    EXPECT_EQ(MagneticSizing(narrow, wnd::WMSZ_RIGHT, others, 5, { 203, 10 }), narrow);
}

TEST(MaximizedBoundsTest, WorkAreaOrOnePixelGapWhenItIsTheWholeMonitor)
{
    const gfx::TRect monitor = gfx::Rect(1024, 0, 2304, 1024);
    EXPECT_EQ(MaximizedBounds(monitor, gfx::Rect(1024, 0, 2304, 984), false), gfx::Rect(1024, 0, 2304, 984));
    // No task bar: the work area is the monitor, and a pixel stays free around it.
    EXPECT_EQ(MaximizedBounds(monitor, monitor, false), gfx::Rect(1025, 1, 2303, 1023));
    EXPECT_EQ(MaximizedBounds(monitor, gfx::Rect(1024, 0, 2304, 984), true), gfx::Rect(1025, 1, 2303, 1023));
}

TEST(SystemMenuEntriesTest, NormalAndMaximizedMainWindow)
{
    skinform::TbsSystemMenuState state;
    EXPECT_EQ(Captions(skinform::DefaultSystemMenu(state)),
        (std::vector<std::string> { "最小化(&N)", "最大化(&X)", "卷起(&L)", "-", "关闭(&C) Alt+F4" }));
    state.Maximized = true;
    EXPECT_EQ(Captions(skinform::DefaultSystemMenu(state)),
        (std::vector<std::string> { "最小化(&N)", "恢复(&R)", "卷起(&L)", "-", "关闭(&C) Alt+F4" }));
}

TEST(SystemMenuEntriesTest, RolledUpOffersRestoreAndNoRollUp)
{
    skinform::TbsSystemMenuState state;
    state.RolledUp = true;
    const auto menu = skinform::DefaultSystemMenu(state);
    EXPECT_EQ(Captions(menu), (std::vector<std::string> { "最小化(&N)", "最大化(&X)", "恢复(&R)", "-", "关闭(&C) Alt+F4" }));
    EXPECT_EQ(menu[2].Command, skinform::TbsSystemCommand::scRestore);
}

TEST(SystemMenuEntriesTest, CloseAloneHasNoSeparatorAndStringsReplaceCaptions)
{
    skinform::TbsSystemMenuState state;
    state.Minimize = state.Maximize = state.RollUp = false;
    EXPECT_EQ(Captions(skinform::DefaultSystemMenu(state)), (std::vector<std::string> { "关闭(&C) Alt+F4" }));

    skin::TbsResourceStrData strings;
    const auto menu = skinform::DefaultSystemMenu(skinform::TbsSystemMenuState {}, &strings);
    EXPECT_EQ(menu.front().Caption, "Mi&nimize");
    EXPECT_EQ(menu.back().Caption, "&Close");
    EXPECT_EQ(menu.back().Name, "BSF_CLOSE");
}
