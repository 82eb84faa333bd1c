#include "Headless.h"

#include "platform/controls/TPanel.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"

using namespace ctl;

namespace {

// A form with two hinted panels side by side and one without a hint.
class HintTest : public HeadlessTest {
protected:
    HintTest()
    {
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(100, 100, 400, 200);
        for (TPanel* p : { first, second, plain }) {
            p->SetParent(form.get());
            p->SetWidth(100);
        }
        first->SetLeft(0);
        second->SetLeft(150);
        plain->SetLeft(300);
        first->SetHint("新建|Makes a new note");
        first->ShowHint = true;
        second->SetHint("刷新");
        second->ShowHint = true;
        form->Show();
        Harness.ProcessMessages();
    }
    ~HintTest() override
    {
        Application->CancelHint();
        Application->OnShowHint = nullptr;
    }

    void Hover(const TControl& c) { Harness.MoveMouse(Middle(c).X, Middle(c).Y); }
    bool HintShown() const { return Application->HintWindow() && Application->HintWindow()->Visible(); }

    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TPanel* first { new TPanel(form.get()) };
    TPanel* second { new TPanel(form.get()) };
    TPanel* plain { new TPanel(form.get()) };
};

} // namespace

TEST_F(HintTest, ShortHintShowsAfterThePauseAndGoesAfterTheHidePause)
{
    Hover(*first);
    Harness.AdvanceTime(Application->HintPause - 1);
    EXPECT_FALSE(HintShown());
    Harness.AdvanceTime(1);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(Application->HintWindow()->Caption(), "新建");
    // Below the pointer, not over it.
    const gfx::TRect shown = wnd::GetWindowRect(Application->HintWindow()->Handle());
    EXPECT_GT(shown.Top, Middle(*first).Y);

    Harness.AdvanceTime(Application->HintHidePause - 1);
    EXPECT_TRUE(HintShown());
    Harness.AdvanceTime(1);
    EXPECT_FALSE(HintShown());
    // It stays away while the pointer rests on the same control.
    Harness.AdvanceTime(Application->HintPause * 2);
    EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, MovingOnWhileAHintShowsWaitsOnlyTheShortPause)
{
    Hover(*first);
    Harness.AdvanceTime(Application->HintPause);
    ASSERT_TRUE(HintShown());
    Hover(*second);
    EXPECT_FALSE(HintShown());
    Harness.AdvanceTime(Application->HintShortPause);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(Application->HintWindow()->Caption(), "刷新");

    // Leaving for a control without a hint takes it away at once.
    Hover(*plain);
    EXPECT_FALSE(HintShown());
    Harness.AdvanceTime(Application->HintPause * 2);
    EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, ControlsWithoutShowHintAndAVetoFromTheShowHintEventShowNothing)
{
    second->ShowHint = false;
    Hover(*second);
    Harness.AdvanceTime(Application->HintPause * 2);
    EXPECT_FALSE(HintShown());

    Application->OnShowHint = [](std::string& text, bool& canShow, THintInfo& info) {
        canShow = info.HintControl != nullptr && text != "新建";
    };
    Hover(*first);
    Harness.AdvanceTime(Application->HintPause * 2);
    EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, TheShowHintEventCanChangeTheText)
{
    Application->OnShowHint = [](std::string& text, bool&, THintInfo&) { text += "!"; };
    Hover(*second);
    Harness.AdvanceTime(Application->HintPause);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(Application->HintWindow()->Caption(), "刷新!");
}

TEST_F(HintTest, HintsStayInsideTheWorkArea)
{
    const gfx::TRect area = wnd::GetWorkArea();
    THintWindow window;
    const gfx::TRect size = window.CalcHintRect(area.Width(), "提示文字");
    window.ActivateHint(gfx::Offset(size, area.Right - 5, area.Bottom - 3), "提示文字");
    const gfx::TRect shown = wnd::GetWindowRect(window.Handle());
    EXPECT_EQ(shown.Width(), size.Width());
    EXPECT_EQ(shown.Right, area.Right);
    EXPECT_EQ(shown.Bottom, area.Bottom);

    EXPECT_EQ(KeepInside(gfx::Rect(-10, -4, 20, 6), area), gfx::Rect(area.Left, area.Top, area.Left + 30, area.Top + 10));
}

TEST_F(HintTest, PlainHintIsTheTextOnTheInformationColourInAFrame)
{
    Hover(*second);
    Harness.AdvanceTime(Application->HintPause);
    ASSERT_TRUE(HintShown());
    const gfx::TBitmap pixels = Harness.Capture(Application->HintWindow()->Handle());
    EXPECT_EQ(pixels.GetPixel(0, 0), gfx::ColorToRGB(gfx::clWindowFrame));
    EXPECT_EQ(pixels.GetPixel(1, 1), gfx::ColorToRGB(gfx::clInfoBk));
    EXPECT_EQ(pixels.GetPixel(pixels.Width() - 1, pixels.Height() - 1), gfx::ColorToRGB(gfx::clWindowFrame));
}
