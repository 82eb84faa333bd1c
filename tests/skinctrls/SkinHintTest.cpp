#include "SkinFormFixture.h"

#include "platform/controls/TPanel.h"
#include "platform/window/SystemInfo.h"
#include "skinctrls/TbsSkinHint.h"
#include "skinctrls/TbsSkinHintWindow.h"

using namespace skinctrls;

namespace {

// The application's main form carries the hint components, as a program's would.
class SkinHintTest : public HeadlessTest {
protected:
    SkinHintTest()
    {
        ctl::Application->CreateForm(mainForm);
        mainForm->SetBorderStyle(ctl::TFormBorderStyle::bsNone);
        mainForm->SetBounds(100, 100, 300, 200);
        hinted = new ctl::TPanel(mainForm);
        hinted->SetParent(mainForm);
        hinted->SetBounds(10, 10, 100, 50);
        hinted->SetHint("分类管理");
        hinted->ShowHint = true;
        mainForm->Show();
        Harness.ProcessMessages();
    }
    ~SkinHintTest() override
    {
        ctl::Application->CancelHint();
        delete mainForm;
    }

    bool Shown(const ctl::THintWindow* w) const { return w && w->Visible(); }
    gfx::TRect Placed(const ctl::THintWindow& w) const { return wnd::GetWindowRect(w.Handle()); }

    ctl::TForm* mainForm { nullptr };
    ctl::TPanel* hinted { nullptr };
};

} // namespace

TEST_F(SkinHintTest, RequestedTextShowsAfterThePauseInThePlainLookAndHidesAfterTheHidePause)
{
    auto* hint = new TbsSkinHint(mainForm);
    hint->ShowHintText("最小化");
    Harness.AdvanceTime(ctl::Application->HintPause - 1);
    EXPECT_FALSE(Shown(&hint->HintWindow()));
    Harness.AdvanceTime(1);
    ASSERT_TRUE(Shown(&hint->HintWindow()));
    EXPECT_EQ(hint->HintWindow().SkinData(), nullptr);

    gfx::TBitmap scratch(1, 1);
    scratch.Canvas().Font = hint->DefaultFont();
    const gfx::TSize text = scratch.Canvas().TextExtent("最小化");
    const gfx::TRect r = Placed(hint->HintWindow());
    EXPECT_EQ(r.Width(), text.cx + 4);
    EXPECT_EQ(r.Height(), text.cy + 4);
    const gfx::TBitmap pixels = Harness.Capture(hint->HintWindow().Handle());
    EXPECT_EQ(pixels.GetPixel(0, 0), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(pixels.GetPixel(r.Width() - 1, r.Height() - 1), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(pixels.GetPixel(1, 1), Rgb(gfx::clInfoBk));

    Harness.AdvanceTime(ctl::Application->HintHidePause);
    EXPECT_FALSE(Shown(&hint->HintWindow()));
}

TEST_F(SkinHintTest, NearTheWorkAreasCornerTheHintOpensUpAndLeft)
{
    auto* hint = new TbsSkinHint(mainForm);
    const gfx::TRect area = wnd::GetWorkArea();
    const gfx::TPoint anchor { area.Right - 3, area.Bottom - 3 };
    hint->HintWindow().ActivateHint(gfx::Rect(anchor.X, anchor.Y, anchor.X, anchor.Y), "关闭");
    const gfx::TRect r = Placed(hint->HintWindow());
    EXPECT_EQ(r.Right, anchor.X - 2);
    EXPECT_EQ(r.Bottom, anchor.Y - 2);
}

TEST_F(SkinHintTest, OneActiveHintOnTheMainFormAndNoneMeansNoHints)
{
    auto* first = new TbsSkinHint(mainForm);
    auto* second = new TbsSkinHint(mainForm);
    second->SetActive(true);
    EXPECT_FALSE(first->Active());
    first->SetActive(true);
    EXPECT_FALSE(second->Active());

    // The application's hints now use the skinned window.
    Harness.MoveMouse(Middle(*hinted).X, Middle(*hinted).Y);
    Harness.AdvanceTime(ctl::Application->HintPause);
    ASSERT_TRUE(Shown(ctl::Application->HintWindow()));
    EXPECT_NE(dynamic_cast<TbsSkinHintWindow*>(ctl::Application->HintWindow()), nullptr);
    ctl::Application->CancelHint();

    first->SetActive(false);
    Harness.MoveMouse(10, 700);
    Harness.MoveMouse(Middle(*hinted).X, Middle(*hinted).Y);
    Harness.AdvanceTime(ctl::Application->HintPause * 2);
    EXPECT_FALSE(Shown(ctl::Application->HintWindow()));
}

TEST_F(SkinHintTest, TheApplicationGetsItsHintWindowBackWhenTheHintGoes)
{
    const int shortPause = ctl::Application->HintShortPause;
    auto* hint = new TbsSkinHint(mainForm);
    int routed = 0;
    hint->OnShowHint = [&](std::string&, bool&, ctl::THintInfo&) { ++routed; };
    EXPECT_EQ(ctl::Application->HintShortPause, 100);
    Harness.MoveMouse(Middle(*hinted).X, Middle(*hinted).Y);
    Harness.AdvanceTime(ctl::Application->HintPause);
    EXPECT_EQ(routed, 1);
    ctl::Application->CancelHint();

    delete hint;
    EXPECT_FALSE(ctl::Application->HintWindowClass());
    EXPECT_FALSE(ctl::Application->OnShowHint);
    EXPECT_EQ(ctl::Application->HintShortPause, shortPause);
    Harness.MoveMouse(10, 700);
    Harness.MoveMouse(Middle(*hinted).X, Middle(*hinted).Y);
    Harness.AdvanceTime(ctl::Application->HintPause);
    ASSERT_TRUE(Shown(ctl::Application->HintWindow()));
    EXPECT_EQ(dynamic_cast<TbsSkinHintWindow*>(ctl::Application->HintWindow()), nullptr);
}
