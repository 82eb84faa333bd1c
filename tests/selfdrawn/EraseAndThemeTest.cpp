#include "SelfDrawnTestSupport.h"

#include "platform/graphics/EdgePainter.h"
#include "selfdrawn/TSeScrollBar.h"
#include "selfdrawn/TSeSkinButton.h"
#include "selfdrawn/TSeSkinComboBox.h"
#include "selfdrawn/TSeSkinLabel.h"
#include "selfdrawn/TSeSkinMemo.h"
#include "selfdrawn/TSeSkinProgressBar.h"
#include "selfdrawn/TSeVisualStyle.h"

#include <algorithm>

using namespace selfdrawn;

class SelfDrawnErase : public SelfDrawnTest {
protected:
    // A white panel at (10, 10) with a raised bevel two pixels wide.
    TSeCustomControl* MakePanel()
    {
        auto* panel = new TSeCustomControl(form.get());
        panel->SetBounds(10, 10, 200, 100);
        panel->SetColor(gfx::clWhite);
        panel->SetBevelOuter(TSeBevelCut::kbvRaised);
        panel->SetBevelInner(TSeBevelCut::kbvNone);
        panel->SetBevelWidth(2);
        panel->SetParent(form.get());
        return panel;
    }
};

TEST_F(SelfDrawnErase, TransparentChildShowsItsParentsFrameAndClientUnderEveryBuffering)
{
    auto* panel = MakePanel();
    for (auto performance : { TSePerformance::kspNoBuffer, TSePerformance::kspSharedBuffer, TSePerformance::kspDoubleBuffer }) {
        auto* child = new TSeCustomControl(panel);
        child->SetBounds(0, 0, 60, 40); // over the panel's top-left bevel
        child->SetColor(gfx::clRed);
        child->SetTransparent(true);
        child->SetPerformance(performance);
        child->SetParent(panel);
        EXPECT_EQ(PixelOf(*child, 0, 20), Sys(gfx::clBtnHighlight)) << "the panel's bevel";
        EXPECT_EQ(PixelOf(*child, 30, 20), gfx::clWhite) << "the panel's client";
        delete child;
    }
}

TEST_F(SelfDrawnErase, NestedTransparencyReachesThroughToTheFirstOpaqueAncestorAtTheRightPlace)
{
    auto* panel = MakePanel();
    auto* middle = new TSeCustomControl(panel);
    middle->SetBounds(50, 30, 100, 60);
    middle->SetTransparent(true);
    middle->SetParent(panel);
    auto* inner = new TSeCustomControl(middle);
    inner->SetBounds(10, 10, 40, 20);
    inner->SetTransparent(true);
    inner->SetPerformance(TSePerformance::kspDoubleBuffer);
    inner->SetParent(middle);
    EXPECT_EQ(PixelOf(*inner, 5, 5), gfx::clWhite);
    // Moved onto the panel's bottom bevel, the inner control shows that bevel.
    middle->SetBounds(0, 60, 100, 40);
    inner->SetBounds(10, 10, 40, 30);
    EXPECT_EQ(PixelOf(*inner, 5, 29), Sys(gfx::cl3DDkShadow));
}

TEST_F(SelfDrawnErase, WindowedControlAlwaysReportsItsBackgroundErased)
{
    auto* panel = MakePanel();
    gfx::TBitmap picture(200, 100);
    picture.Fill(gfx::clBlue);
    EXPECT_EQ(panel->Perform(wnd::WM_ERASEBKGND, reinterpret_cast<wnd::WPARAM>(&picture.Canvas()), 0), 1);
    EXPECT_EQ(picture.GetPixel(100, 50), gfx::clBlue) << "a plain erase request paints nothing";
    EXPECT_EQ(panel->Perform(wnd::WM_ERASEBKGND, reinterpret_cast<wnd::WPARAM>(&picture.Canvas()), kEraseForChild), 1);
    EXPECT_EQ(picture.GetPixel(100, 50), gfx::clWhite) << "a child's request gets the panel's picture";
    EXPECT_EQ(picture.GetPixel(0, 50), Sys(gfx::clBtnHighlight));
}

namespace {

// A visual style that is active and records what it is asked to draw.
class TRecordingStyle : public TSeVisualStyle {
public:
    explicit TRecordingStyle(std::vector<std::string>& Calls) : m_calls(Calls) { }
    bool Active() const override { return true; }
    void DrawPart(gfx::TCanvas& Canvas, std::string_view ClassName, int Part, int State, const gfx::TRect& Rect) override
    {
        m_calls.push_back(std::string(ClassName) + " " + std::to_string(Part) + " " + std::to_string(State));
        gfx::FillSolid(Canvas, Rect, gfx::clLime);
    }

private:
    std::vector<std::string>& m_calls;
};

} // namespace

class SelfDrawnTheme : public SelfDrawnTest {
protected:
    ~SelfDrawnTheme() override { TSeVisualStyle::Install(nullptr); }
    bool Drew(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }
    std::vector<std::string> calls;
};

TEST_F(SelfDrawnTheme, NullStyleIsInactiveAndAnInstalledStyleDrawsFramesAndButtonsInTheirStates)
{
    EXPECT_FALSE(TSeVisualStyle::Current().Active());
    TSeVisualStyle::Install(std::make_unique<TRecordingStyle>(calls));
    auto* memo = new TSeSkinMemo(form.get());
    memo->SetBounds(10, 10, 150, 60);
    memo->SetParent(form.get());
    EXPECT_EQ(PixelOf(*memo, 0, 30), gfx::clLime) << "the themed frame";
    EXPECT_EQ(calls.back(), "Edit 1 1");
    memo->SetFocus();
    PixelOf(*memo, 0, 0);
    EXPECT_EQ(calls.back(), "Edit 1 3");
    memo->SetEnabled(false);
    PixelOf(*memo, 0, 0);
    EXPECT_EQ(calls.back(), "Edit 1 4");

    auto* button = new TSeSkinButton(form.get());
    button->SetBounds(10, 100, 75, 25);
    button->SetParent(form.get());
    PixelOf(*button, 0, 0);
    EXPECT_EQ(calls.back(), "Button 1 1");
    button->SetDefault(true);
    PixelOf(*button, 0, 0);
    EXPECT_EQ(calls.back(), "Button 1 5") << "defaulted";
    Harness.MouseDown(At(*button, 5, 5).X, At(*button, 5, 5).Y);
    PixelOf(*button, 0, 0);
    EXPECT_EQ(calls.back(), "Button 1 3") << "pressed";
    Harness.MouseUp(At(*button, 5, 5).X, At(*button, 5, 5).Y);

    // A control with its theme switch off keeps the classic frame.
    memo->SetEnabled(true);
    memo->SetThemed(false);
    EXPECT_EQ(PixelOf(*memo, 0, 30), Sys(gfx::clBtnShadow));
    TSeVisualStyle::Install(nullptr);
    EXPECT_FALSE(TSeVisualStyle::Current().Active());
}

TEST_F(SelfDrawnTheme, ProgressBarScrollBarAndComboButtonDrawTheirPartsThroughAnInstalledStyle)
{
    TSeVisualStyle::Install(std::make_unique<TRecordingStyle>(calls));
    auto* progress = new TSeSkinProgressBar(form.get());
    progress->SetBounds(10, 10, 200, 20);
    progress->SetPosition(50);
    progress->SetParent(form.get());
    EXPECT_EQ(PixelOf(*progress, 150, 10), gfx::clLime) << "the trough";
    EXPECT_TRUE(Drew("Progress 1 1"));
    EXPECT_TRUE(Drew("Progress 3 1")) << "the filled half";

    auto* bar = new TSeSkinScrollBar(form.get());
    bar->SetBounds(300, 10, 17, 150);
    bar->SetParent(form.get());
    // The form's picture holds its frame too: a point well inside the bar.
    EXPECT_EQ(PixelOf(*form, 308, 80), gfx::clLime) << "the track or thumb";
    EXPECT_TRUE(Drew("ScrollBar 4 1")) << "the track";
    EXPECT_TRUE(Drew("ScrollBar 1 1")) << "the arrows";
    EXPECT_TRUE(Drew("ScrollBar 2 1")) << "the thumb";
    bar->SetEnabled(false);
    calls.clear();
    PixelOf(*form, 308, 80);
    EXPECT_TRUE(Drew("ScrollBar 1 4")) << "disabled arrows";
    EXPECT_FALSE(Drew("ScrollBar 2 4")) << "no thumb while disabled";

    auto* combo = new TSeSkinComboBox(form.get());
    combo->SetBounds(10, 200, 150, 22);
    combo->SetParent(form.get());
    calls.clear();
    PixelOf(*combo, 0, 0);
    EXPECT_TRUE(Drew("ComboBox 1 1")) << "the button";
    EXPECT_FALSE(Drew("ComboBox 1 3")) << "not pressed";
}
