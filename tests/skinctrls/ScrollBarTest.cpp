#include "SkinFormFixture.h"

#include "platform/window/VirtualKeys.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/TbsSkinScrollBar.h"

using namespace skinctrls;

namespace {

class ScrollBarTest : public SkinFormTest {
protected:
    ScrollBarTest()
    {
        bar->SetKind(TScrollBarKind::sbVertical);
        bar->SetBounds(10, 0, 19, 200);
        bar->SetParent(form.get());
        bar->OnChange = [this](ctl::TObject*) { ++changes; };
        ShowForm();
    }

    TbsSkinScrollBar* bar { new TbsSkinScrollBar(form.get()) };
    int changes { 0 };
};

} // namespace

TEST_F(ScrollBarTest, DefaultGeometryAndLook)
{
    bar->SetPosition(50);
    const TbsSkinScrollBar::TGeometry g = bar->Geometry();
    EXPECT_EQ(g.track, gfx::Rect(1, 17, 18, 183));
    EXPECT_EQ(g.thumb.Top, 92);
    EXPECT_EQ(g.thumb.Bottom, 108);
    EXPECT_EQ(PixelOf(*bar, 0, 0), Rgb(gfx::clBtnFace));
    EXPECT_EQ(PixelOf(*bar, 1, 1), Rgb(gfx::clBtnShadow)); // decrease button frame
    EXPECT_EQ(PixelOf(*bar, 5, 93), Rgb(gfx::clBtnFace)); // thumb fill

    Harness.MoveMouse(At(*bar, 9, 100).X, At(*bar, 9, 100).Y);
    EXPECT_EQ(PixelOf(*bar, 1, 92), kDefaultFrameColor);
    EXPECT_EQ(PixelOf(*bar, 5, 96), kDefaultHotColor);

    bar->SetRangeValues(0, 0, 0, 0);
    bar->SetEnabled(false);
    EXPECT_EQ(PixelOf(*bar, 5, 96), Rgb(gfx::clBtnFace)); // no thumb
    EXPECT_EQ(PixelOf(*bar, 1, 184), Rgb(gfx::clBtnShadow)); // the buttons stay
}

TEST_F(ScrollBarTest, HeldButtonRepeatsAfter500ThenEvery50Milliseconds)
{
    const gfx::TPoint button = At(*bar, 9, 190);
    Harness.MouseDown(button.X, button.Y);
    EXPECT_EQ(bar->Position(), 1);
    Harness.AdvanceTime(499);
    EXPECT_EQ(bar->Position(), 1);
    Harness.AdvanceTime(1);
    EXPECT_EQ(bar->Position(), 2);
    Harness.AdvanceTime(100);
    EXPECT_EQ(bar->Position(), 4);
    Harness.MoveMouse(At(*bar, 9, 100).X, At(*bar, 9, 100).Y); // off the button: paused
    Harness.AdvanceTime(200);
    EXPECT_EQ(bar->Position(), 4);
    Harness.MoveMouse(button.X, button.Y);
    Harness.AdvanceTime(50);
    EXPECT_EQ(bar->Position(), 5);
    Harness.MouseUp(button.X, button.Y);
    Harness.AdvanceTime(500);
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_EQ(changes, 5);
}

TEST_F(ScrollBarTest, TrackPagesUntilTheThumbPassesTheMouse)
{
    bar->LargeChange = 10;
    const gfx::TPoint point = At(*bar, 9, 150);
    Harness.MouseDown(point.X, point.Y);
    EXPECT_EQ(bar->Position(), 10);
    Harness.AdvanceTime(2000);
    const TbsSkinScrollBar::TGeometry g = bar->Geometry();
    EXPECT_LE(g.thumb.Top, 150);
    EXPECT_GT(g.thumb.Bottom, 140);
    const int reached = bar->Position();
    Harness.AdvanceTime(500);
    EXPECT_EQ(bar->Position(), reached);
    Harness.MouseUp(point.X, point.Y);
}

TEST_F(ScrollBarTest, ThumbDragAndRangeValues)
{
    int last = 0;
    bar->OnLastChange = [&](ctl::TObject*) { ++last; };
    Harness.Drag(At(*bar, 9, 20), At(*bar, 9, 20 + 75));
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(last, 1);
    Harness.Drag(At(*bar, 9, 100), At(*bar, 9, 400));
    EXPECT_EQ(bar->Position(), 100);

    changes = 0;
    bar->SetRangeValues(0, 29, 16, 99);
    EXPECT_EQ(bar->Position(), 14);
    bar->SetPosition(14);
    EXPECT_EQ(changes, 0);
    bar->SetPageSize(40); // does not fit the range
    EXPECT_EQ(bar->PageSize(), 16);
}

TEST_F(ScrollBarTest, RangeSettersKeepThePositionInsideOneRange)
{
    bar->SetRangeValues(10, 30, 5, 16);
    bar->SetMax(18);
    // The last position of a page of 5 in 10..18 is 14.
    EXPECT_EQ(bar->Position(), 14);
    bar->SetMin(15);
    EXPECT_EQ(bar->Position(), 15);
    bar->SetMin(10);

    // A page longer than the range is refused; one that fits pulls the position back.
    bar->SetPageSize(10);
    EXPECT_EQ(bar->PageSize(), 5);
    bar->SetPageSize(9);
    EXPECT_EQ(bar->PageSize(), 9);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetPageSize(-1);
    EXPECT_EQ(bar->PageSize(), 9);
    EXPECT_EQ(changes, 0);
}

TEST_F(ScrollBarTest, ThumbNeverOutgrowsTheTrackAndBothDirectionsPlaceItAlike)
{
    bar->SetRangeValues(0, 3, 4, 0);
    TbsSkinScrollBar::TGeometry g = bar->Geometry();
    EXPECT_LE(g.thumb.Height(), g.track.Height());
    EXPECT_EQ(g.thumb.Top, g.track.Top);

    // A full page leaves no travel: the thumb stays at the start, across and along.
    TbsSkinScrollBar* across = new TbsSkinScrollBar(form.get());
    across->SetBounds(50, 50, 200, 19);
    across->SetParent(form.get());
    across->SetRangeValues(0, 3, 4, 0);
    g = across->Geometry();
    EXPECT_EQ(g.thumb.Left, g.track.Left);
    EXPECT_LE(g.thumb.Width(), g.track.Width());

    bar->SetRangeValues(0, 100, 20, 81);
    across->SetRangeValues(0, 100, 20, 81);
    const TbsSkinScrollBar::TGeometry v = bar->Geometry();
    const TbsSkinScrollBar::TGeometry h = across->Geometry();
    EXPECT_EQ(v.thumb.Bottom, v.track.Bottom);
    EXPECT_EQ(h.thumb.Right, h.track.Right);
}

TEST_F(ScrollBarTest, FocusableBarAnswersArrowKeysAndTheWheel)
{
    bar->SetRangeValues(0, 100, 0, 50);
    bar->SmallChange = 5;
    Harness.KeyDown(wnd::VK_DOWN);
    EXPECT_EQ(bar->Position(), 50); // not focusable: the keys are not its own

    bar->SetCanFocused(true);
    EXPECT_TRUE(bar->TabStop());
    const gfx::TPoint track = At(*bar, 9, 40);
    Harness.Click(track.X, track.Y); // the press takes the focus first, then pages
    ASSERT_TRUE(bar->Focused());
    const int afterClick = bar->Position();
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(bar->Position(), afterClick + 5);
    Harness.PressKey(wnd::VK_LEFT);
    Harness.PressKey(wnd::VK_UP);
    EXPECT_EQ(bar->Position(), afterClick - 5);

    const gfx::TPoint middle = Middle(*bar);
    Harness.Wheel(middle.X, middle.Y, -1); // toward the user: on toward the end
    EXPECT_EQ(bar->Position(), afterClick);
    Harness.Wheel(middle.X, middle.Y, 1);
    EXPECT_EQ(bar->Position(), afterClick - 5);
}

TEST_F(ScrollBarTest, BothLeavesTheCornerToTheVerticalBar)
{
    TbsSkinScrollBar* horizontal = new TbsSkinScrollBar(form.get());
    horizontal->SetBounds(50, 150, 200, 19);
    horizontal->SetParent(form.get());
    horizontal->SetBoth(true);
    EXPECT_EQ(horizontal->SkinDataName(), "bothhscrollbar");
    const TbsSkinScrollBar::TGeometry g = horizontal->Geometry();
    EXPECT_EQ(g.increase.Right, 200 - 19 - 1);
    EXPECT_EQ(g.track.Right, 200 - 19 - 17);
    EXPECT_EQ(PixelOf(*horizontal, 190, 9), Rgb(gfx::clBtnFace)); // the empty corner
    horizontal->SetBothMarkerWidth(-3);
    EXPECT_EQ(horizontal->BothMarkerWidth(), 19);
    horizontal->SetBoth(false);
    EXPECT_EQ(horizontal->SkinDataName(), "hscrollbar");
    EXPECT_EQ(horizontal->Geometry().increase.Right, 199);
}
