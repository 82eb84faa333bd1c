#include "SelfDrawnTestSupport.h"

#include "platform/window/SystemInfo.h"
#include "selfdrawn/TSeScrollBar.h"

#include <limits>

using namespace selfdrawn;

class SelfDrawnScrollBar : public SelfDrawnTest {
protected:
    TSeCustomScrollBar* bar { nullptr };
    int t { wnd::GetSystemMetrics(wnd::SM_CYVTHUMB) };
    void SetUp() override
    {
        bar = new TSeCustomScrollBar(form.get());
        bar->SetKind(TSeScrollBarKind::sbVertical);
        bar->SetBorderWidth(0);
        bar->SetBounds(300, 10, t, 200);
        bar->SetParent(form.get());
    }
};

TEST_F(SelfDrawnScrollBar, ThumbFollowsPositionAndPage)
{
    bar->SetParams(0, 19, 8, 0);
    const gfx::TRect track = bar->TrackRect();
    EXPECT_EQ(track.Top, t);
    EXPECT_EQ(track.Bottom, 200 - t);
    EXPECT_EQ(bar->ThumbRect().Top, track.Top);
    bar->SetPosition(12); // the last page: the thumb ends at the track's end
    EXPECT_EQ(bar->ThumbRect().Bottom, track.Bottom);
    // A bar shorter than two buttons halves them and leaves no track.
    bar->SetBounds(300, 10, t, t);
    EXPECT_EQ(bar->ButtonLength(), t / 2);
    EXPECT_LE(bar->TrackRect().Height(), 1);
}

TEST_F(SelfDrawnScrollBar, ArrowsAndTrackStepThroughOnScroll)
{
    bar->SetParams(0, 19, 8, 0);
    std::vector<TSeScrollCode> codes;
    bar->OnScroll = [&](ctl::TObject*, TSeScrollCode code, int&) { codes.push_back(code); };
    Click(At(*bar, t / 2, 200 - t / 2)); // arrow towards Max
    EXPECT_EQ(bar->Position(), 1);
    Click(At(*bar, t / 2, 200 - t - 2)); // track after the thumb: one page
    EXPECT_EQ(bar->Position(), 9);
    Click(At(*bar, t / 2, t / 2)); // arrow towards Min
    EXPECT_EQ(bar->Position(), 8);
    ASSERT_GE(codes.size(), 6u);
    EXPECT_EQ(codes[0], TSeScrollCode::scLineDown);
    EXPECT_EQ(codes[1], TSeScrollCode::scEndScroll);
    EXPECT_EQ(codes[2], TSeScrollCode::scPageDown);
    EXPECT_EQ(codes[4], TSeScrollCode::scLineUp);
}

TEST_F(SelfDrawnScrollBar, HeldArrowRepeatsAfterTheKeyboardDelayAtItsRateUntilReleased)
{
    bar->SetParams(0, 100, 10, 0);
    const gfx::TPoint arrow = At(*bar, t / 2, 200 - t / 2);
    Harness.MouseDown(arrow.X, arrow.Y);
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(bar->PressedPart(), TSeCustomScrollBar::TPart::MaxArrow);
    Harness.AdvanceTime(TSeCustomScrollBar::RepeatDelay() - 1);
    EXPECT_EQ(bar->Position(), 1);
    Harness.AdvanceTime(1);
    EXPECT_EQ(bar->Position(), 2);
    Harness.AdvanceTime(3 * TSeCustomScrollBar::RepeatInterval());
    EXPECT_EQ(bar->Position(), 5);
    Harness.MouseUp(arrow.X, arrow.Y);
    Harness.AdvanceTime(1000);
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_EQ(bar->PressedPart(), TSeCustomScrollBar::TPart::None);
}

TEST_F(SelfDrawnScrollBar, HeldTrackPagesOnlyWhileThePointerStaysBesideTheThumb)
{
    bar->SetParams(0, 100, 10, 0);
    const gfx::TPoint track = At(*bar, t / 2, 200 - t - 2);
    Harness.MouseDown(track.X, track.Y);
    EXPECT_EQ(bar->Position(), 10);
    // The thumb reaches the pointer: the paging stops there.
    Harness.AdvanceTime(5000);
    const gfx::TRect thumb = bar->ThumbRect();
    EXPECT_GT(thumb.Bottom, 200 - t - 2);
    EXPECT_LE(thumb.Top, 200 - t - 2);
    const int reached = bar->Position();
    Harness.AdvanceTime(1000);
    EXPECT_EQ(bar->Position(), reached);
    Harness.MouseUp(track.X, track.Y);
}

TEST_F(SelfDrawnScrollBar, HotPartFollowsThePointerAndClearsWhenItLeaves)
{
    bar->SetParams(0, 100, 10, 50);
    const gfx::TRect thumb = bar->ThumbRect();
    const gfx::TPoint onThumb = At(*bar, t / 2, (thumb.Top + thumb.Bottom) / 2);
    Harness.MoveMouse(onThumb.X, onThumb.Y);
    EXPECT_EQ(bar->HotPart(), TSeCustomScrollBar::TPart::Thumb);
    const gfx::TPoint onArrow = At(*bar, t / 2, 2);
    Harness.MoveMouse(onArrow.X, onArrow.Y);
    EXPECT_EQ(bar->HotPart(), TSeCustomScrollBar::TPart::MinArrow);
    const gfx::TPoint away = At(*form, 10, 250);
    Harness.MoveMouse(away.X, away.Y);
    EXPECT_EQ(bar->HotPart(), TSeCustomScrollBar::TPart::None);
}

TEST_F(SelfDrawnScrollBar, ExtremeRangesAndPagesKeepTheThumbInsideTheTrack)
{
    const gfx::TRect track = bar->TrackRect();
    bar->SetParams(0, std::numeric_limits<int>::max(), 1000, 5);
    EXPECT_GE(bar->ThumbRect().Top, track.Top);
    EXPECT_LE(bar->ThumbRect().Bottom, track.Bottom);
    bar->SetParams(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0, 0);
    EXPECT_LE(bar->ThumbRect().Bottom, track.Bottom);
    // A page larger than the range: the thumb fills the track, no more.
    bar->SetParams(0, 5, 50, 0);
    EXPECT_EQ(bar->ThumbRect().Top, track.Top);
    EXPECT_EQ(bar->ThumbRect().Bottom, track.Bottom);
    // An empty range.
    bar->SetParams(7, 7, 0, 7);
    EXPECT_EQ(bar->ThumbRect().Top, track.Top);
    // Max below Min would make Max - Min + 1 zero: it is raised to Min.
    bar->SetParams(9, 8, 1, 9);
    EXPECT_EQ(bar->Max(), 9);
    EXPECT_GE(bar->ThumbRect().Top, track.Top);
    EXPECT_LE(bar->ThumbRect().Bottom, track.Bottom);
}
