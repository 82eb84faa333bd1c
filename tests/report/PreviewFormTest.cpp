// The preview window: page layout per zoom mode, scrolling and paging by
// keys, the zoom every preview shares, find with and without case, loading
// and saving prepared reports, the print hook, and the window's place kept
// in the settings store.
#include "BandEngineSupport.h"

#include "tests/TempDirectory.h"
#include "tests/controls/Headless.h"

#include "report/output/PreparedReportFile.h"
#include "report/preview/TfrPBox.h"
#include "report/preview/TfrPreviewForm.h"
#include "report/preview/TfrPreviewSearchForm.h"
#include "report/printer/TfrPrinter.h"

#include "platform/settings/SettingsStore.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/Window.h"

#include <cmath>
#include <fstream>

namespace report {
namespace {

const std::string kPlacementKey = "Software\\Lumvexa\\Form\\TfrPreviewForm";

// A4 on the virtual printer, in report units.
gfx::TSize A4()
{
    const TfrPageGeometry geometry = VirtualPageGeometry(2100, 2970);
    return { geometry.PageWidth, geometry.PageHeight };
}

int Scaled(int units, double zoom)
{
    return static_cast<int>(std::lround(units * zoom));
}

TEST(PreviewLayout, PageWidthFitsTheWidthAndStacksCentredPagesTenApart)
{
    const gfx::TSize page = A4();
    for (gfx::TSize box : { gfx::TSize { 400, 300 }, gfx::TSize { 800, 600 }, gfx::TSize { 1500, 900 } }) {
        const PreviewLayout layout = LayOutPages({ page, page, page }, 0, TfrZoomMode::PageWidth, 1.0, box);
        EXPECT_DOUBLE_EQ(layout.Zoom, (box.cx - 20.0) / page.cx);
        ASSERT_EQ(layout.Pages.size(), 3u);
        const int width = Scaled(page.cx, layout.Zoom);
        const int height = Scaled(page.cy, layout.Zoom);
        for (int i = 0; i < 3; ++i) {
            const gfx::TRect& r = layout.Pages[static_cast<std::size_t>(i)];
            EXPECT_EQ(r.Width(), width);
            EXPECT_EQ(r.Left, (box.cx - width) / 2) << "a page alone in its row is centred";
            EXPECT_EQ(r.Top, 10 + i * (height + 10));
        }
        EXPECT_EQ(layout.ScrollWidth, 0);
        EXPECT_EQ(layout.ScrollHeight, layout.Pages.back().Bottom - box.cy + 10);
    }
}

TEST(PreviewLayout, WholePageAndTwoPagesFitTheBoxWithTheirPagesPerRow)
{
    const gfx::TSize page = A4();
    const gfx::TSize box { 900, 700 };
    const PreviewLayout whole = LayOutPages({ page, page, page }, 0, TfrZoomMode::WholePage, 1.0, box);
    EXPECT_DOUBLE_EQ(whole.Zoom, (box.cy - 20.0) / page.cy);
    EXPECT_EQ(whole.Pages[0].Top, 10);
    EXPECT_EQ(whole.Pages[1].Top, whole.Pages[0].Bottom + 10) << "one page per row";
    EXPECT_EQ(whole.Pages[0].Bottom, 10 + Scaled(page.cy, whole.Zoom));

    const PreviewLayout two = LayOutPages({ page, page, page }, 0, TfrZoomMode::TwoPages, 1.0, box);
    EXPECT_DOUBLE_EQ(two.Zoom, (box.cx - 30.0) / (2.0 * page.cx));
    EXPECT_EQ(two.Pages[0].Left, 10);
    EXPECT_EQ(two.Pages[1].Left, two.Pages[0].Right + 10);
    EXPECT_EQ(two.Pages[1].Top, two.Pages[0].Top);
    EXPECT_EQ(two.Pages[2].Top, two.Pages[0].Bottom + 10);
    EXPECT_EQ(two.ScrollWidth, 0);
}

TEST(PreviewLayout, AnExplicitZoomPutsAsManyPagesInARowAsFit)
{
    const gfx::TSize page = A4();
    const std::vector<gfx::TSize> pages(9, page);
    for (int boxWidth : { 300, 700, 1000, 2000 }) {
        const PreviewLayout layout = LayOutPages(pages, 0, TfrZoomMode::Explicit, 0.25, { boxWidth, 500 });
        const int width = Scaled(page.cx, 0.25);
        const int perRow = std::max(1, (boxWidth - 10) / (width + 10));
        for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
            const gfx::TRect& r = layout.Pages[static_cast<std::size_t>(i)];
            const bool alone = perRow == 1 || (i / perRow == (static_cast<int>(pages.size()) - 1) / perRow
                                                  && static_cast<int>(pages.size()) % perRow == 1);
            if (!alone) {
                EXPECT_EQ(r.Left, 10 + (i % perRow) * (width + 10)) << boxWidth << " page " << i;
            }
            EXPECT_EQ(r.Top, layout.Pages[static_cast<std::size_t>(i - i % perRow)].Top);
        }
    }
    // Zoomed in, the page is wider than the box and scrolls both ways.
    const PreviewLayout big = LayOutPages({ page }, 0, TfrZoomMode::Explicit, 2.0, { 500, 400 });
    EXPECT_EQ(big.Pages[0].Left, 10);
    EXPECT_EQ(big.ScrollWidth, big.Pages[0].Right - 500 + 10);
    EXPECT_EQ(big.ScrollHeight, big.Pages[0].Bottom - 400 + 10);
}

TEST(PreviewLayout, NoPagesOrATinyBoxStillGiveASaneLayout)
{
    EXPECT_TRUE(LayOutPages({}, 0, TfrZoomMode::PageWidth, 1.0, { 500, 500 }).Pages.empty());
    const PreviewLayout tiny = LayOutPages({ A4() }, 0, TfrZoomMode::PageWidth, 1.0, { 5, 5 });
    EXPECT_GT(tiny.Zoom, 0.0);
    EXPECT_GE(tiny.Pages[0].Width(), 0);
}

class PreviewForm : public HeadlessTest {
protected:
    PreviewForm()
    {
        ProcessZoom() = {};
        code.Band(BandType::MasterData, 100, 300, "10");
        code.Memo("Row [LINE#]. of the report 笔记", 100);
        EXPECT_TRUE(code.Build());
        pageCount = code.PageCount();
        EXPECT_GE(pageCount, 3);
        store.WriteInteger(kPlacementKey, "XPosition", 20);
        store.WriteInteger(kPlacementKey, "YPosition", 30);
        store.WriteInteger(kPlacementKey, "Width", 700);
        store.WriteInteger(kPlacementKey, "Height", 500);
        store.WriteBool(kPlacementKey, "Maximized", false);
    }
    ~PreviewForm() override
    {
        ProcessZoom() = {};
        EXPECT_TRUE(Errors.empty()) << Errors.front();
    }

    std::unique_ptr<TfrPreviewForm> Open()
    {
        auto form = std::make_unique<TfrPreviewForm>(code.report, &store);
        form->Show();
        Harness.ProcessMessages();
        return form;
    }
    void Press(int vk, bool ctrl = false)
    {
        if (ctrl)
            Harness.KeyDown(wnd::VK_CONTROL);
        Harness.PressKey(vk);
        if (ctrl)
            Harness.KeyUp(wnd::VK_CONTROL);
        Harness.ProcessMessages();
    }
    // The text of the object the last search found.
    std::string HitText(TfrPreviewForm& form)
    {
        const auto hit = form.Search().Hit;
        if (!hit)
            return {};
        return form.Pages().PageObjects(hit->first).PageObjects[static_cast<std::size_t>(hit->second)]->Memo.at(0);
    }

    testing::ReportInCode code;
    int pageCount { 0 };
    datatest::TempDirectory directory;
    settings::SettingsStore store { directory.Path() / "settings.ini" };
};

TEST_F(PreviewForm, HoldsThePagesWhileOpenAndGivesThemBack)
{
    {
        auto form = Open();
        EXPECT_EQ(form->PageCount(), pageCount);
        EXPECT_TRUE(code.report.EMFPages.Empty());
        EXPECT_EQ(form->PageLabel->Caption(), "Page 1/" + std::to_string(pageCount));
    }
    EXPECT_EQ(code.report.EMFPages.Count(), pageCount);
}

TEST_F(PreviewForm, KeysScrollByTenAndTwoHundredAndCtrlKeysTurnPages)
{
    auto form = Open();
    ASSERT_TRUE(form->SetZoom(2.0));
    form->GotoPage(0);
    const gfx::TPoint start = form->ScrollPosition();
    Press(wnd::VK_DOWN);
    EXPECT_EQ(form->ScrollPosition().Y, start.Y + 10);
    Press(wnd::VK_RIGHT);
    EXPECT_EQ(form->ScrollPosition().X, start.X + 10);
    Press(wnd::VK_LEFT);
    Press(wnd::VK_UP);
    EXPECT_EQ(form->ScrollPosition(), start);
    Press(wnd::VK_NEXT);
    EXPECT_EQ(form->ScrollPosition().Y, start.Y + 200);
    Press(wnd::VK_PRIOR);
    EXPECT_EQ(form->ScrollPosition().Y, start.Y);

    Press(wnd::VK_NEXT, true);
    EXPECT_EQ(form->CurrentPage(), 1);
    EXPECT_EQ(form->ScrollPosition().Y, form->Layout().Pages[1].Top - 10);
    EXPECT_EQ(form->PageLabel->Caption(), "Page 2/" + std::to_string(pageCount));
    Press(wnd::VK_END, true);
    EXPECT_EQ(form->CurrentPage(), pageCount - 1);
    Press(wnd::VK_NEXT, true);
    EXPECT_EQ(form->CurrentPage(), pageCount - 1) << "no page after the last";
    Press(wnd::VK_PRIOR, true);
    EXPECT_EQ(form->CurrentPage(), pageCount - 2);
    Press(wnd::VK_HOME, true);
    EXPECT_EQ(form->CurrentPage(), 0);
    EXPECT_EQ(form->ScrollPosition().Y, 0);
}

TEST_F(PreviewForm, ScrollingMakesThePageInTheMiddleCurrentAndBarsWithNothingToScrollAreDisabled)
{
    auto form = Open();
    form->SetZoom(1.0);
    const gfx::TRect third = form->Layout().Pages[2];
    form->ScrollTo(0, third.Top);
    EXPECT_EQ(form->CurrentPage(), 2);
    EXPECT_EQ(form->PageLabel->Caption(), "Page 3/" + std::to_string(pageCount));

    form->SetZoom(0.1);
    EXPECT_EQ(form->Layout().ScrollWidth, 0);
    EXPECT_FALSE(form->HorzScrollBar->Enabled());
    EXPECT_EQ(form->ScrollPosition(), gfx::Point(0, 0));
}

TEST_F(PreviewForm, ZoomModesFollowTheBoxAndAZoomOfZeroOrBelowIsRefused)
{
    auto form = Open();
    const int boxWidth = form->PBox->ClientWidth();
    form->SetZoomMode(TfrZoomMode::PageWidth);
    EXPECT_DOUBLE_EQ(form->Layout().Zoom, (boxWidth - 20.0) / A4().cx);
    EXPECT_EQ(form->ZoomButton->Caption(), std::to_string(std::lround(form->Layout().Zoom * 100)) + "%");

    form->SetBounds(form->Left(), form->Top(), form->Width() + 200, form->Height());
    Harness.ProcessMessages();
    EXPECT_DOUBLE_EQ(form->Layout().Zoom, (form->PBox->ClientWidth() - 20.0) / A4().cx) << "a resize fits again";

    ASSERT_TRUE(form->SetZoom(0.5));
    for (double refused : { 0.0, -1.0, std::nan("") })
        EXPECT_FALSE(form->SetZoom(refused));
    EXPECT_DOUBLE_EQ(form->Layout().Zoom, 0.5);
    EXPECT_EQ(form->ZoomButton->Caption(), "50%");
}

TEST_F(PreviewForm, TheNextPreviewOpensWithTheZoomTheLastOneWasLeftAt)
{
    Open()->SetZoom(1.5);
    {
        auto second = Open();
        EXPECT_DOUBLE_EQ(second->Layout().Zoom, 1.5);
        EXPECT_EQ(second->ZoomButton->Caption(), "150%");
        second->SetZoomMode(TfrZoomMode::TwoPages);
    }
    auto third = Open();
    EXPECT_EQ(ProcessZoom().Mode, TfrZoomMode::TwoPages);
    EXPECT_DOUBLE_EQ(third->Layout().Zoom, (third->PBox->ClientWidth() - 30.0) / (2.0 * A4().cx));
    // An initial zoom other than the default overrides what was left.
    third->Configure(kDefaultPreviewButtons, TfrPreviewZoom::pzOnePage);
    EXPECT_EQ(ProcessZoom().Mode, TfrZoomMode::WholePage);
}

TEST_F(PreviewForm, TheZoomMenuSetsFactorsAndModes)
{
    auto form = Open();
    ctl::TMenuItem& items = *form->ZoomMenu->Items();
    std::vector<std::string> captions;
    for (int i = 0; i < items.Count(); ++i)
        captions.push_back(items.Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string> { "200%", "150%", "100%", "75%", "50%", "25%", "10%", "-",
                            "Page width", "Whole page", "Two pages" }));

    // Space opens the menu; Down, Down, Enter chooses its second entry.
    WhenIdle([this] {
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_RETURN);
    });
    Press(wnd::VK_SPACE);
    Harness.SetIdleHandler(nullptr);
    EXPECT_DOUBLE_EQ(ProcessZoom().Factor, 1.5);
    EXPECT_EQ(form->ZoomButton->Caption(), "150%");

    items.Items(9)->Click();
    EXPECT_EQ(ProcessZoom().Mode, TfrZoomMode::WholePage);
}

TEST_F(PreviewForm, FindComparesWithoutCaseUnlessAskedAndF3GoesOnAfterTheHit)
{
    auto form = Open();
    ASSERT_TRUE(form->Find("row 7.", false, true));
    EXPECT_EQ(HitText(*form), "Row 7. of the report 笔记");
    EXPECT_EQ(form->CurrentPage(), form->Search().Hit->first);
    EXPECT_EQ(form->Search().Text, "ROW 7.");

    EXPECT_FALSE(form->Find("row 7.", true, true));
    EXPECT_FALSE(form->Search().Hit);

    ASSERT_TRUE(form->Find("笔记", true, true));
    std::vector<std::string> hits { HitText(*form) };
    while (form->FindNext())
        hits.push_back(HitText(*form));
    ASSERT_EQ(hits.size(), 10u);
    EXPECT_EQ(hits.front(), "Row 1. of the report 笔记");
    EXPECT_EQ(hits.back(), "Row 10. of the report 笔记");

    // From the current page, rows on earlier pages are not found.
    form->GotoPage(pageCount - 1);
    EXPECT_FALSE(form->Find("Row 1.", true, false));
    form->GotoPage(0);
    EXPECT_TRUE(form->Find("Row 1.", true, false));
}

TEST_F(PreviewForm, CtrlFAsksForTheTextAndF3SaysWhenThereIsNoFurtherHit)
{
    auto form = Open();
    // The dialog's caret keeps its loop busy, so the whole conversation is
    // queued before Ctrl+F: the text typed over the selected old one, Enter.
    auto queue = [this](wnd::TRawInputKind kind, int vk, std::string text = {}) {
        wnd::TRawInput input;
        input.kind = kind;
        input.vk = vk;
        input.text = std::move(text);
        Harness.Queue(input);
    };
    queue(wnd::TRawInputKind::KeyDown, wnd::VK_CONTROL);
    queue(wnd::TRawInputKind::KeyDown, 'F');
    queue(wnd::TRawInputKind::KeyUp, 'F');
    queue(wnd::TRawInputKind::KeyUp, wnd::VK_CONTROL);
    queue(wnd::TRawInputKind::Text, 0, "row 9.");
    queue(wnd::TRawInputKind::KeyDown, wnd::VK_RETURN);
    queue(wnd::TRawInputKind::KeyUp, wnd::VK_RETURN);
    Harness.ProcessMessages();
    EXPECT_EQ(HitText(*form), "Row 9. of the report 笔记");

    std::string said;
    WhenIdle([&] {
        auto* box = dynamic_cast<ctl::TForm*>(ctl::TWinControl::FindControl(wnd::GetActiveWindow()));
        said = box ? box->Caption() : "";
        QueueKey(wnd::VK_RETURN);
    });
    Press(wnd::VK_F3);
    Harness.SetIdleHandler(nullptr);
    EXPECT_EQ(said, "Find");
    EXPECT_FALSE(form->Search().Hit);
}

TEST_F(PreviewForm, TheFoundObjectIsMarkedAndThePagesArePaintedOnGrey)
{
    auto form = Open();
    form->SetZoom(1.0);
    ASSERT_TRUE(form->Find("Row 2.", true, true));
    Harness.ProcessMessages();
    const gfx::TBitmap shot = Harness.Capture(form->Handle());
    Harness.SaveSnapshot(form->Handle(), "preview_found");
    // The page area's top-left in the captured window.
    const gfx::TPoint box = form->PBox->ClientToScreen({ 0, 0 });
    const gfx::TRect window = wnd::GetWindowRect(form->Handle());
    const gfx::TPoint origin = gfx::Point(box.X - window.Left, box.Y - window.Top);
    const gfx::TRect page = gfx::Offset(form->Layout().Pages[static_cast<std::size_t>(form->CurrentPage())],
        origin.X - form->ScrollPosition().X, origin.Y - form->ScrollPosition().Y);
    EXPECT_EQ(shot.GetPixel(origin.X + 2, origin.Y + 2), TfrPBox::kBackground);
    EXPECT_EQ(shot.GetPixel(page.Left + 3, page.Top + 3), gfx::clWhite);
    EXPECT_EQ(shot.GetPixel(page.Left, page.Top + 3), gfx::clBlack);
    EXPECT_EQ(shot.GetPixel(page.Right, page.Top + 20), gfx::clBlack) << "shadow on the right";
    const auto& hit = *form->Search().Hit;
    const TfrView& view = *form->Pages().PageObjects(hit.first).PageObjects[static_cast<std::size_t>(hit.second)];
    EXPECT_EQ(shot.GetPixel(page.Left + view.Left - 1, page.Top + view.Top + 5), gfx::TColor(gfx::ColorToRGB(gfx::clHighlight)));
}

TEST_F(PreviewForm, SavedPreparedReportsLoadBackAndRefusedFilesKeepThePages)
{
    auto form = Open();
    const auto file = directory.Path() / "notes";
    ASSERT_TRUE(form->SaveToFile(file));
    ASSERT_TRUE(std::filesystem::exists(directory.Path() / "notes.frp")) << "the extension is added";

    TfrReport other;
    {
        TfrPreviewForm second(other, &store);
        ASSERT_TRUE(second.LoadFromFile(directory.Path() / "notes.frp"));
        EXPECT_EQ(second.PageCount(), pageCount);
        EXPECT_TRUE(second.Find("Row 10.", true, true));
    }
    EXPECT_EQ(other.EMFPages.Count(), pageCount);

    // A file of the older layout is refused with a message; the pages stay.
    std::vector<std::uint8_t> bytes;
    {
        std::ifstream in(directory.Path() / "notes.frp", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bytes[1] = 7;
    const auto damaged = directory.Path() / "old.frp";
    std::ofstream(damaged, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
        static_cast<std::streamsize>(bytes.size()));
    std::string shown;
    WhenIdle([this, &shown] {
        auto* box = dynamic_cast<ctl::TForm*>(ctl::TWinControl::FindControl(wnd::GetActiveWindow()));
        shown = box ? box->Caption() : "";
        QueueKey(wnd::VK_RETURN);
    });
    form->GotoPage(1);
    EXPECT_FALSE(form->LoadFromFile(damaged));
    Harness.SetIdleHandler(nullptr);
    EXPECT_EQ(shown, "Error");
    EXPECT_EQ(form->PageCount(), pageCount);
    EXPECT_EQ(form->CurrentPage(), 1);
}

TEST_F(PreviewForm, PrintRunsTheHookWithThePagesBackInTheReportOnceAtATime)
{
    {
        auto form = Open();
        EXPECT_FALSE(form->PrintButton->Enabled()) << "no printing code, no print";
    }
    int runs = 0;
    int pagesSeen = -1;
    int pageShown = -1;
    TfrPreviewForm* open = nullptr;
    code.report.OnPrintPreparedReport = [&] {
        ++runs;
        pagesSeen = code.report.EMFPages.Count();
        pageShown = code.report.CurrentPreviewPage;
        open->Print(); // pressed again while printing: nothing
    };
    auto form = Open();
    open = form.get();
    EXPECT_TRUE(form->PrintButton->Enabled());
    form->GotoPage(2);
    Press('P', true);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(pagesSeen, pageCount);
    EXPECT_EQ(pageShown, 3);
    EXPECT_EQ(form->PageCount(), pageCount);
    EXPECT_EQ(code.report.CurrentPreviewPage, 0);
    EXPECT_TRUE(form->PrintButton->Enabled());
}

TEST_F(PreviewForm, TheWindowPlaceIsRestoredFromAndKeptInTheSettings)
{
    auto form = Open();
    EXPECT_EQ(form->BoundsRect(), gfx::Rect(20, 30, 720, 530));
    form->SetBounds(40, 50, 640, 480);
    form->Close();
    Harness.ProcessMessages();
    settings::SettingsStore reread(store.File());
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "XPosition", 0), 40);
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "YPosition", 0), 50);
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "Width", 0), 640);
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "Height", 0), 480);
    EXPECT_FALSE(reread.ReadBool(kPlacementKey, "Maximized", true));
}

TEST_F(PreviewForm, AMaximizedWindowKeepsItsNormalPlaceAndOpensMaximizedAgain)
{
    {
        auto form = Open();
        EXPECT_FALSE(wnd::IsZoomed(form->Handle()));
        wnd::ShowWindow(form->Handle(), wnd::SW_MAXIMIZE);
        Harness.ProcessMessages();
        ASSERT_TRUE(wnd::IsZoomed(form->Handle()));
        form->Close();
        Harness.ProcessMessages();
    }
    settings::SettingsStore reread(store.File());
    EXPECT_TRUE(reread.ReadBool(kPlacementKey, "Maximized", false));
    // The place kept is the one the window goes back to, not the maximized one.
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "XPosition", 0), 20);
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "YPosition", 0), 30);
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "Width", 0), 700);
    EXPECT_EQ(reread.ReadInteger(kPlacementKey, "Height", 0), 500);

    auto again = Open();
    EXPECT_TRUE(wnd::IsZoomed(again->Handle()));
    EXPECT_EQ(wnd::GetNormalRect(again->Handle()), gfx::Rect(20, 30, 720, 530));
    wnd::ShowWindow(again->Handle(), wnd::SW_RESTORE);
    Harness.ProcessMessages();
    EXPECT_EQ(again->BoundsRect(), gfx::Rect(20, 30, 720, 530));
}

TEST_F(PreviewForm, ShowBuiltReportOpensAModalPreviewOnlyWhenThereArePages)
{
    code.report.Title = "笔记";
    code.report.PreviewSettings = &store;
    std::string caption;
    int pagesShown = 0;
    WhenIdle([&] {
        auto* preview = dynamic_cast<TfrPreviewForm*>(ctl::TWinControl::FindControl(wnd::GetActiveWindow()));
        if (preview) {
            caption = preview->Caption();
            pagesShown = preview->PageCount();
        }
        QueueKey(wnd::VK_ESCAPE);
    });
    code.report.ShowBuiltReport();
    Harness.SetIdleHandler(nullptr);
    EXPECT_EQ(caption, "Preview - 笔记");
    EXPECT_EQ(pagesShown, pageCount);
    EXPECT_EQ(code.report.EMFPages.Count(), pageCount);

    code.report.EMFPages.Clear();
    bool waited = false;
    WhenIdle([&] { waited = true; });
    code.report.ShowBuiltReport();
    Harness.SetIdleHandler(nullptr);
    EXPECT_FALSE(waited) << "no pages: no window to wait for";
}

} // namespace
} // namespace report
