// The progress window of a build: it names the pass and the page, and its
// Cancel button stops the build, which keeps the pages made so far except in
// the first pass of two.
#include "BandEngineSupport.h"

#include "report/build/TfrProgressForm.h"

#include "platform/controls/TApplication.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace report {
namespace {

class ProgressForm : public ::testing::Test {
protected:
    ProgressForm()
    {
        ctl::Application->Initialize();
        code.report.Title = "笔记";
        code.Band(BandType::MasterData, 100, 300, "40");
        code.Memo("row [LINE#]", 100);
        code.report.MakeProgress = [this](TfrReport& report) {
            auto form = std::make_unique<TfrProgressForm>(report);
            window = form.get();
            windowCaption = form->Caption();
            captions.clear();
            return form;
        };
        code.report.OnBeginPage = [this](int page) {
            if (page == 0)
                captions.clear();
            captions.push_back(window->PageLabel->Caption());
            if (page == cancelAtPage) {
                gfx::TPoint middle = window->CancelButton->ClientToScreen(
                    { window->CancelButton->Width() / 2, window->CancelButton->Height() / 2 });
                harness.Click(middle.X, middle.Y);
            }
        };
    }

    wnd::THeadlessHarness harness;
    testing::ReportInCode code;
    // The window lives while the build runs.
    TfrProgressForm* window { nullptr };
    std::string windowCaption;
    std::vector<std::string> captions;
    int cancelAtPage { -1 };
};

TEST_F(ProgressForm, ShowsThePassAndThePageUnderTheReportTitle)
{
    code.report.TwoPass = true;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(windowCaption, "Preparing report - 笔记");
    int pages = code.PageCount();
    ASSERT_GE(pages, 3);
    // The captions of the final pass: its first page is announced as page 0
    // of the count the first pass found.
    EXPECT_EQ(captions.front(), "Processing page:  0 from " + std::to_string(pages));
    EXPECT_EQ(captions.back(), "Processing page:  " + std::to_string(pages - 1) + " from " + std::to_string(pages));
}

TEST_F(ProgressForm, CancelStopsTheBuildAndKeepsThePagesMadeSoFar)
{
    cancelAtPage = 2;
    EXPECT_FALSE(code.Build());
    EXPECT_TRUE(code.report.BuildError.empty());
    EXPECT_EQ(code.PageCount(), 3);
    EXPECT_TRUE(code.errors.empty());
}

TEST_F(ProgressForm, CancelInTheFirstOfTwoPassesKeepsNothing)
{
    code.report.TwoPass = true;
    cancelAtPage = 1;
    EXPECT_FALSE(code.Build());
    EXPECT_EQ(code.PageCount(), 0);
    EXPECT_NE(captions.front().find("Performing 1st pass:"), std::string::npos) << captions.front();
}

// Whether the progress window is on the screen while the build runs.
bool ProgressWindowShown()
{
    for (wnd::HWND window : wnd::GetTopLevelWindows())
        if (wnd::GetWindowText(window).starts_with("Preparing report") && wnd::IsWindowVisible(window))
            return true;
    return false;
}

TEST(ProgressDefault, ABuildInTheRunningProgramShowsTheWindowAndOneWithoutAMainFormDoesNot)
{
    wnd::THeadlessHarness harness;
    ctl::Application->Initialize();
    testing::ReportInCode code;
    code.Band(BandType::MasterData, 100, 300, "8");
    code.Memo("row [LINE#]", 100);
    std::vector<bool> shown;
    code.report.OnBeginPage = [&shown](int) { shown.push_back(ProgressWindowShown()); };

    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(std::ranges::count(shown, true), 0);

    ASSERT_EQ(ctl::Application->MainForm(), nullptr) << "another test left a main form";
    ctl::TForm* created = nullptr;
    ctl::Application->CreateForm(created);
    shown.clear();
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(std::ranges::count(shown, false), 0);
    EXPECT_FALSE(ProgressWindowShown()) << "the window closes with the build";

    // Without ShowProgress the running program shows none either.
    code.report.ShowProgress = false;
    shown.clear();
    ASSERT_TRUE(code.Build());
    EXPECT_EQ(std::ranges::count(shown, true), 0);
    delete created;
    EXPECT_EQ(ctl::Application->MainForm(), nullptr);
}

} // namespace
} // namespace report
