#include "SelfDrawnTestSupport.h"

#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "selfdrawn/TSeSkinButton.h"
#include "selfdrawn/TSeSkinProgressBar.h"

using namespace selfdrawn;

TEST(SelfDrawnFrame, ContentRectCountsBevelRingsAndBorderRings)
{
    const gfx::TRect whole = gfx::Rect(0, 0, 100, 30);
    // kbkSingle sets two lowered cuts: two rings of 1 plus three border rings.
    EXPECT_EQ(BevelContentRect(whole, TSeBevelSides::All(), TSeBevelCut::kbvLowered, TSeBevelCut::kbvLowered, 1, 3),
        gfx::Rect(5, 5, 95, 25));
    // Without bevel width only the border rings count.
    EXPECT_EQ(BevelContentRect(whole, TSeBevelSides::All(), TSeBevelCut::kbvLowered, TSeBevelCut::kbvLowered, 0, 3),
        gfx::Rect(3, 3, 97, 27));
    // A side without bevel keeps its edge; kbvNone rings take no room.
    EXPECT_EQ(BevelContentRect(whole, { TSeBevelSide::kbsLeft }, TSeBevelCut::kbvRaised, TSeBevelCut::kbvNone, 2, 0),
        gfx::Rect(2, 0, 100, 30));
}

class SelfDrawnBase : public SelfDrawnTest { };

TEST_F(SelfDrawnBase, BevelKindSetsCutsAndCutsResetKind)
{
    auto* c = new TSeCustomControl(form.get());
    c->SetBevelKind(TSeBevelKind::kbkFlat);
    EXPECT_EQ(c->BevelInner(), TSeBevelCut::kbvFlatBorder);
    EXPECT_EQ(c->BevelOuter(), TSeBevelCut::kbvFlatBorder);
    c->SetBevelInner(TSeBevelCut::kbvRaised);
    EXPECT_EQ(c->BevelKind(), TSeBevelKind::kbkNone);
    // Blending forces a buffer, and the buffer cannot be dropped while it is on.
    c->Blending().SetEnabled(true);
    EXPECT_EQ(c->Performance(), TSePerformance::kspDoubleBuffer);
    c->SetPerformance(TSePerformance::kspNoBuffer);
    EXPECT_EQ(c->Performance(), TSePerformance::kspDoubleBuffer);
    c->Blending().SetValue(900);
    EXPECT_EQ(c->Blending().Value(), 255);
}

TEST_F(SelfDrawnBase, RaisedAndLoweredBevelsPaintTheirColours)
{
    for (auto performance : { TSePerformance::kspNoBuffer, TSePerformance::kspSharedBuffer, TSePerformance::kspDoubleBuffer }) {
        auto* c = new TSeCustomControl(form.get());
        c->SetBounds(10, 10, 60, 30);
        c->SetPerformance(performance);
        c->SetBevelOuter(TSeBevelCut::kbvRaised);
        c->SetBevelInner(TSeBevelCut::kbvLowered);
        c->SetBevelWidth(1);
        c->SetBorderWidth(1);
        c->SetColor(gfx::clWhite);
        c->SetParent(form.get());
        EXPECT_EQ(PixelOf(*c, 0, 10), Sys(gfx::clBtnHighlight)); // outer left
        EXPECT_EQ(PixelOf(*c, 59, 10), Sys(gfx::cl3DDkShadow)); // outer right
        EXPECT_EQ(PixelOf(*c, 1, 10), Sys(gfx::cl3DDkShadow)); // inner left of a lowered cut
        EXPECT_EQ(PixelOf(*c, 30, 28), Sys(gfx::clBtnFace)); // inner bottom
        EXPECT_EQ(PixelOf(*c, 2, 10), gfx::clWhite); // border ring
        EXPECT_EQ(PixelOf(*c, 30, 15), gfx::clWhite); // client
        delete c;
    }
}

TEST_F(SelfDrawnBase, TransparentControlShowsTheFormColour)
{
    form->SetColor(gfx::clRed);
    auto* c = new TSeCustomControl(form.get());
    c->SetBounds(10, 10, 40, 20);
    c->SetPerformance(TSePerformance::kspDoubleBuffer);
    c->SetTransparent(true);
    c->SetParent(form.get());
    EXPECT_EQ(PixelOf(*c, 20, 10), gfx::clRed);
}

class SelfDrawnProgress : public SelfDrawnTest {
protected:
    TSeSkinProgressBar* bar { nullptr };
    void SetUp() override
    {
        bar = new TSeSkinProgressBar(form.get());
        bar->SetBounds(10, 10, 140, 16);
        bar->SetParent(form.get());
    }
    bool Lit(int x) { return PixelOf(*bar, x, 8) == Sys(gfx::clHighlight); }
};

TEST_F(SelfDrawnProgress, BlocksFollowTheFraction)
{
    // Bar (2,2)-(138,14): blocks 8 wide every 10 pixels, 13 steps in the bar.
    EXPECT_EQ(bar->BarRect(), gfx::Rect(2, 2, 138, 14));
    EXPECT_FALSE(Lit(5));
    EXPECT_EQ(PixelOf(*bar, 0, 8), Sys(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*bar, 139, 8), Sys(gfx::clBtnHighlight));
    bar->SetPosition(2); // just above 0.01: one block
    EXPECT_TRUE(Lit(5));
    EXPECT_FALSE(Lit(15));
    bar->SetPosition(50); // 6.5 rounds to 6: blocks 0..6
    EXPECT_TRUE(Lit(63));
    EXPECT_FALSE(Lit(71));
    EXPECT_FALSE(Lit(73));
    bar->SetPosition(100); // all 14 blocks, the last one clipped by the bar
    EXPECT_TRUE(Lit(136));
    EXPECT_FALSE(Lit(138));
    bar->SetPosition(150); // outside Min..Max: empty
    EXPECT_FALSE(Lit(5));
    bar->SetSmooth(true);
    bar->SetPosition(25); // smooth: 34 of 136 pixels
    EXPECT_TRUE(Lit(35));
    EXPECT_FALSE(Lit(36));
}

class CountingBar : public TSeSkinProgressBar {
public:
    using TSeSkinProgressBar::TSeSkinProgressBar;
    int handled { 0 };
    int paints { 0 };
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override
    {
        if (Msg == wnd::WM_USER + 7)
            ++handled;
        if (Msg == wnd::WM_PAINT)
            ++paints;
        return TSeSkinProgressBar::WndProc(Msg, WParam, LParam);
    }
};

TEST_F(SelfDrawnProgress, SettingPositionHandlesPendingMessagesOnlyWhenTheFractionChanges)
{
    auto* counting = new CountingBar(form.get());
    counting->SetParent(form.get());
    counting->SetMax(1000);
    wnd::PostMessage(counting->Handle(), wnd::WM_USER + 7);
    counting->SetPosition(0); // unchanged: nothing runs
    EXPECT_EQ(counting->handled, 0);
    counting->SetPosition(500);
    EXPECT_EQ(counting->handled, 1);
    wnd::PostMessage(counting->Handle(), wnd::WM_USER + 7);
    counting->SetMin(-1); // a negative Min shows nothing, so the fraction stays 0
    counting->SetPosition(600);
    EXPECT_EQ(counting->handled, 1);
    Harness.ProcessMessages();
}

TEST_F(SelfDrawnProgress, StepsThatLeaveTheSameBlocksOrLengthOnScreenNeitherPaintNorHandleMessages)
{
    auto* counting = new CountingBar(form.get());
    counting->SetBounds(10, 40, 140, 16);
    counting->SetParent(form.get());
    Harness.ProcessMessages();
    counting->paints = 0;
    // 13 block steps in the bar: running 1 to 100 shows 1, 2, ... 14 blocks,
    // one paint for each.
    for (int position = 1; position <= 100; ++position)
        counting->SetPosition(position);
    EXPECT_EQ(counting->paints, 14);
    EXPECT_EQ(counting->DrawnExtent(), 14);

    // 40 and 41 both show 6 blocks (5.2 and 5.33 round to 5): the second step
    // leaves the bar as it is and no pending message runs.
    counting->SetPosition(40);
    wnd::PostMessage(counting->Handle(), wnd::WM_USER + 7);
    counting->paints = 0;
    counting->SetPosition(41);
    EXPECT_EQ(counting->paints, 0);
    EXPECT_EQ(counting->handled, 0);
    wnd::RECT pending;
    EXPECT_FALSE(wnd::GetUpdateRect(counting->Handle(), pending));
    counting->SetPosition(60); // 7.8 rounds to 8: 9 blocks
    EXPECT_EQ(counting->paints, 1);
    EXPECT_EQ(counting->handled, 1);
    EXPECT_TRUE(PixelOf(*counting, 85, 8) == Sys(gfx::clHighlight));

    // Smooth: the filled length in pixels, 136 * f rounded.
    counting->SetSmooth(true);
    counting->SetMax(1000);
    counting->SetPosition(250);
    Harness.ProcessMessages();
    EXPECT_EQ(counting->DrawnExtent(), 34);
    counting->paints = 0;
    counting->SetPosition(251); // 34.1 pixels: the same 34
    EXPECT_EQ(counting->paints, 0);
    counting->SetPosition(253); // 34.4: still 34
    EXPECT_EQ(counting->paints, 0);
    counting->SetPosition(256); // 34.8: 35
    EXPECT_EQ(counting->paints, 1);
    EXPECT_EQ(counting->DrawnExtent(), 35);
}

class SelfDrawnButton : public SelfDrawnTest { };

TEST_F(SelfDrawnButton, PressTracksThePointerAndClicksOnlyInside)
{
    auto* button = new TSeSkinButton(form.get());
    button->SetBounds(20, 20, 75, 25);
    button->SetCaption("保存");
    button->SetParent(form.get());
    int clicks = 0;
    button->OnClick = [&](ctl::TObject*) { ++clicks; };
    EXPECT_EQ(PixelOf(*button, 0, 0), Sys(gfx::clBtnHighlight));
    EXPECT_EQ(PixelOf(*button, 74, 24), gfx::clBlack);

    Harness.MouseDown(At(*button, 10, 10).X, At(*button, 10, 10).Y);
    EXPECT_EQ(button->State(), TSeButtonState::kbsPressed);
    EXPECT_EQ(PixelOf(*button, 0, 0), gfx::clBlack); // focused: black outline
    EXPECT_EQ(PixelOf(*button, 1, 1), Sys(gfx::clBtnShadow)); // pressed face
    Harness.MoveMouse(At(*button, 200, 10).X, At(*button, 200, 10).Y);
    EXPECT_EQ(button->State(), TSeButtonState::kbsNormal);
    Harness.MouseUp(At(*button, 200, 10).X, At(*button, 200, 10).Y);
    EXPECT_EQ(clicks, 0);

    Click(Middle(*button));
    EXPECT_EQ(clicks, 1);
    // Space presses on key-down and clicks on key-up.
    Harness.KeyDown(wnd::VK_SPACE);
    EXPECT_EQ(button->State(), TSeButtonState::kbsPressed);
    Harness.KeyUp(wnd::VK_SPACE);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button->State(), TSeButtonState::kbsNormal);
}

TEST_F(SelfDrawnButton, SpaceReleasedWithoutItsPressDoesNotClick)
{
    auto* button = new TSeSkinButton(form.get());
    button->SetBounds(20, 20, 75, 25);
    button->SetParent(form.get());
    button->SetFocus();
    int clicks = 0;
    button->OnClick = [&](ctl::TObject*) { ++clicks; };
    // The press went to another window (a closed dialog); only the release comes here.
    Harness.KeyUp(wnd::VK_SPACE);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->State(), TSeButtonState::kbsNormal);
}

TEST_F(SelfDrawnBase, SharedBufferControlLargerThanTheBufferStillPaintsEveryPixel)
{
    const int wide = wnd::GetSystemMetrics(wnd::SM_CXSCREEN) + 800;
    form->SetClientSize(wide + 20, 300);
    auto* c = new TSeCustomControl(form.get());
    c->SetPerformance(TSePerformance::kspSharedBuffer);
    c->SetBounds(0, 0, wide, 40);
    c->SetColor(gfx::clWhite);
    c->SetParent(form.get());
    EXPECT_EQ(PixelOf(*c, 10, 20), gfx::clWhite);
    EXPECT_EQ(PixelOf(*c, wide - 10, 20), gfx::clWhite);
}

TEST_F(SelfDrawnBase, BufferTooLargeToMakeIsReportedOnceAndTheControlStillPaints)
{
    for (auto performance : { TSePerformance::kspDoubleBuffer, TSePerformance::kspSharedBuffer }) {
        Errors.clear();
        auto* c = new TSeCustomControl(form.get());
        c->SetPerformance(performance);
        c->SetBounds(0, 0, 20000, 20000); // 400 million pixels: no buffer of that size is made
        c->SetColor(gfx::clWhite);
        c->SetParent(form.get());
        EXPECT_EQ(PixelOf(*c, 10, 10), gfx::clWhite);
        c->Invalidate();
        EXPECT_EQ(PixelOf(*c, 20, 20), gfx::clWhite);
        EXPECT_EQ(Errors, (std::vector<std::string> { "Can't allocate the DIB handle" }));
        delete c;
    }
}
