// Printing prepared pages through the printer layer into a printing service
// kept in memory: which pages go out in which jobs, on which paper, with which
// copies, and where their text lands on the sheets (read back with pdftotext).
#include "FakePrintService.h"
#include "PdfWords.h"

#include "report/objects/TfrMemoView.h"
#include "report/print/PdfPrintSink.h"
#include "report/print/PreparedPagesPrinting.h"
#include "report/print/ReportPrinting.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace report {
namespace {

using testing::PdfWord;
using testing::ReadWords;

// The texts of a PDF's pages, one entry per page, words joined by blanks.
std::vector<std::string> PageTexts(const std::filesystem::path& pdf)
{
    std::vector<std::string> pages;
    for (const PdfWord& w : ReadWords(pdf)) {
        if (static_cast<int>(pages.size()) < w.Page)
            pages.resize(static_cast<std::size_t>(w.Page));
        std::string& text = pages[static_cast<std::size_t>(w.Page - 1)];
        text += (text.empty() ? "" : " ") + w.Text;
    }
    return pages;
}

struct Paper {
    std::int32_t Code;
    std::uint8_t Orientation { poPortrait };
};

class Printing : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!report::testing::HavePdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        service->Listing = { { "Office" }, "Office" };
        printing::PrinterDetails office;
        office.Media = { testing::FakePrintService::A4(), testing::FakePrintService::A3() };
        office.DefaultMedia = 0;
        service->Printers["Office"] = office;
        printer.emplace(service);
    }

    // One prepared page per paper, each with the memo "page<n>" at (100, 200).
    void MakePages(const std::vector<Paper>& papers, bool marginsUsed = true)
    {
        TfrPrintContext context;
        for (const Paper& paper : papers) {
            TfrPage layout;
            layout.PaperSize = paper.Code;
            layout.PaperWidth = FindPaper(paper.Code)->Width;
            layout.PaperHeight = FindPaper(paper.Code)->Height;
            layout.Orientation = paper.Orientation;
            layout.MarginsUsed = marginsUsed;
            report.EMFPages.Add(layout);
            TfrMemoView memo;
            memo.Left = 100;
            memo.Top = 200;
            memo.Width = 200;
            memo.Height = 30;
            memo.Memo = { "page" + std::to_string(report.EMFPages.Count()) };
            report.EMFPages.AddObject(report.EMFPages.Count() - 1, memo, context);
        }
    }

    bool Print(const TfrPrintOptions& options)
    {
        PdfPrintSink sink(*service);
        return PrintBuiltReport(report, *printer, sink, options);
    }

    std::vector<std::vector<std::string>> JobTexts() const
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& job : service->Jobs)
            texts.push_back(PageTexts(job.PdfFile));
        return texts;
    }

    std::shared_ptr<testing::FakePrintService> service { std::make_shared<testing::FakePrintService>() };
    std::optional<TfrPrinter> printer;
    TfrReport report;
};

using Texts = std::vector<std::vector<std::string>>;

TEST_F(Printing, EachRunOfPagesOnOnePaperIsOneJobTitledWithTheReport)
{
    MakePages({ { kPaperA4 }, { kPaperA4 }, { 8 }, { kPaperA4 } });
    ASSERT_TRUE(Print({}));
    EXPECT_EQ(JobTexts(), (Texts { { "page1", "page2" }, { "page3" }, { "page4" } }));
    ASSERT_EQ(service->Jobs.size(), 3u);
    EXPECT_EQ(service->Jobs[0].Media, "iso_a4_210x297mm");
    EXPECT_EQ(service->Jobs[1].Media, "iso_a3_297x420mm");
    EXPECT_EQ(service->Jobs[0].Printer, "Office");
    EXPECT_EQ(service->Jobs[0].Title, "Untitled");

    report.Title = "笔记";
    ASSERT_TRUE(Print({ "2", 1, TfrPrintPages::ppAll, true }));
    EXPECT_EQ(service->Jobs.back().Title, "笔记");
    EXPECT_EQ(PageTexts(service->Jobs.back().PdfFile), (std::vector<std::string> { "page2" }));
}

TEST_F(Printing, ThePaperIsTakenFromTheFirstPagePrintedNotTheFirstPrepared)
{
    MakePages({ { kPaperA4 }, { 8 }, { 8 } });
    ASSERT_TRUE(Print({ "2-3", 1, TfrPrintPages::ppAll, true }));
    ASSERT_EQ(service->Jobs.size(), 1u); // no empty A4 job before the A3 one
    EXPECT_EQ(service->Jobs[0].Media, "iso_a3_297x420mm");
    EXPECT_EQ(JobTexts(), (Texts { { "page2", "page3" } }));
}

TEST_F(Printing, CopiesGoToThePrinterForOneRunAndArePrintedInOrderForSeveral)
{
    MakePages({ { kPaperA4 }, { kPaperA4 } });
    ASSERT_TRUE(Print({ "", 3, TfrPrintPages::ppAll, false }));
    ASSERT_EQ(service->Jobs.size(), 1u);
    EXPECT_EQ(service->Jobs[0].Copies, 3);
    EXPECT_FALSE(service->Jobs[0].Collate);

    // Two runs, collated: whole passes, each job one copy.
    service->Jobs.clear();
    report.EMFPages.Clear();
    MakePages({ { kPaperA4 }, { 8 } });
    ASSERT_TRUE(Print({ "", 2, TfrPrintPages::ppAll, true }));
    EXPECT_EQ(JobTexts(), (Texts { { "page1" }, { "page2" }, { "page1" }, { "page2" } }));
    for (const auto& job : service->Jobs)
        EXPECT_EQ(job.Copies, 1);

    // Two runs, uncollated: each run's job carries the copies.
    service->Jobs.clear();
    ASSERT_TRUE(Print({ "", 2, TfrPrintPages::ppAll, false }));
    EXPECT_EQ(JobTexts(), (Texts { { "page1" }, { "page2" } }));
    for (const auto& job : service->Jobs)
        EXPECT_EQ(job.Copies, 2);
}

TEST_F(Printing, OddEvenAndPageListsChooseThePagesAndNothingChosenPrintsNothing)
{
    MakePages({ { kPaperA4 }, { kPaperA4 }, { kPaperA4 }, { kPaperA4 }, { kPaperA4 } });
    ASSERT_TRUE(Print({ "2-5", 1, TfrPrintPages::ppOdd, true }));
    ASSERT_TRUE(Print({ "", 1, TfrPrintPages::ppEven, true }));
    EXPECT_EQ(JobTexts(), (Texts { { "page3", "page5" }, { "page2", "page4" } }));
    EXPECT_FALSE(Print({ "7-1000000000", 1, TfrPrintPages::ppAll, true }));
    EXPECT_FALSE(Print({ "1", 1, TfrPrintPages::ppEven, true }));
    EXPECT_EQ(service->Jobs.size(), 2u);
    EXPECT_THROW(Print({ "1-x", 1, TfrPrintPages::ppAll, true }), PageListError);
}

TEST_F(Printing, APrintAskedForWhilePrintingDoesNothing)
{
    MakePages({ { kPaperA4 }, { kPaperA4 } });
    int nested = 0;
    report.OnProgress = [&](int) {
        // The progress display lets the user press Print again.
        if (Print({}))
            ++nested;
        EXPECT_TRUE(report.Printing);
    };
    ASSERT_TRUE(Print({}));
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(service->Jobs.size(), 1u);
    EXPECT_FALSE(report.Printing);
    EXPECT_FALSE(printer->Printing);
}

TEST_F(Printing, AStoppedOrRefusedJobLeavesNoFileAndNothingQueued)
{
    MakePages({ { kPaperA4 }, { kPaperA4 }, { 8 } });
    std::vector<std::filesystem::path> before;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
        if (entry.path().filename().string().rfind("veltrin-print-", 0) == 0)
            before.push_back(entry.path());
    TfrPrintRequest request;
    request.Pages = { 1, 2, 3 };
    {
        PdfPrintSink sink(*service);
        EXPECT_EQ(PrintPreparedPages(report.EMFPages, *printer, sink, request, [](int sheet) { return sheet < 2; }), 2);
    }
    EXPECT_TRUE(service->Jobs.empty());
    EXPECT_FALSE(printer->Printing);

    service->RefuseJobs = true;
    EXPECT_THROW(Print({}), printing::PrintError);
    EXPECT_FALSE(report.Printing);
    std::vector<std::filesystem::path> after;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
        if (entry.path().filename().string().rfind("veltrin-print-", 0) == 0)
            after.push_back(entry.path());
    EXPECT_EQ(after, before);
}

TEST_F(Printing, PagesWithMarginsKeepTheirPlaceAndStretchedPagesFillThePrintableArea)
{
    // Strips of 10 mm left and 20 mm top at 300 dpi.
    service->Printers["Office"].Media = { testing::FakePrintService::A4(1000, 2000, 1000, 1000) };
    service->Printers["Office"].DpiX = service->Printers["Office"].DpiY = 300;
    printer->SetPrinterIndex(0);
    const TfrPageGeometry g = [&] {
        printer->SetPaper(kPaperA4, 0, 0, poPortrait, kDefaultBin);
        return printer->ComputeGeometry();
    }();
    EXPECT_EQ(PrintedPageRect(g, true), (TfrPageRect { -118, -236, 2480 - 118, 3508 - 236 }));
    EXPECT_EQ(PrintedPageRect(g, false).Left, 0);
    EXPECT_NEAR(PrintedPageRect(g, false).Right, g.PrintableWidth, 2);
    EXPECT_NEAR(PrintedPageRect(g, false).Bottom, g.PrintableHeight, 2);

    constexpr double kPointsPerUnit = 72.0 / kReportUnitsPerInch;
    MakePages({ { kPaperA4 } }, true);
    MakePages({ { kPaperA4 } }, false);
    ASSERT_TRUE(Print({}));
    const std::vector<PdfWord> words = ReadWords(service->Jobs.at(0).PdfFile);
    ASSERT_EQ(words.size(), 2u);
    // With margins: where the layout put it on the sheet (text 2 units inside the memo).
    EXPECT_NEAR(words[0].XMin, 102 * kPointsPerUnit, 1.5);
    // Stretched: the page squeezed into the printable area, starting at its corner.
    const double scale = static_cast<double>(g.PrnWidth) / g.PageWidth;
    EXPECT_NEAR(words[1].XMin, 10 / 25.4 * 72 + 102 * scale * kPointsPerUnit, 1.5);
    EXPECT_GT(words[1].YMin, words[0].YMin + 10); // the 20 mm top strip pushes it down
}

} // namespace
} // namespace report
