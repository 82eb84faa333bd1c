#include "SelfDrawnTestSupport.h"

#include "platform/window/SystemInfo.h"
#include "selfdrawn/TSeScrollBar.h"

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
