// Printing prepared pages beyond the sink: the virtual printer's PDF file with
// the page choice applied, and laying a report out again for another printer.
#include "BandEngineSupport.h"
#include "FakePrintService.h"
#include "PdfWords.h"

#include "tests/TempDirectory.h"

#include "report/print/PrinterRebuild.h"
#include "report/print/ReportPrinting.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace report {
namespace {

// The page each "Row n" text was found on.
std::map<std::string, int> RowPages(const std::filesystem::path& pdf)
{
    std::map<std::string, int> pages;
    const std::vector<testing::PdfWord> words = testing::ReadWords(pdf);
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i].Text == "Row")
            pages["Row " + words[i + 1].Text] = words[i].Page;
    return pages;
}

class ReportPrinting : public ::testing::Test {
protected:
    ReportPrinting()
    {
        // Four pages of one row each.
        code.Band(BandType::MasterData, 100, 900, "4");
        code.Memo("Row [LINE#]", 100);
        EXPECT_TRUE(code.Build());
        EXPECT_EQ(code.PageCount(), 4);
        code.report.ShowProgress = false;
    }

    testing::ReportInCode code;
    datatest::TempDirectory directory;
};

TEST_F(ReportPrinting, TheVirtualPrinterWritesTheChosenPagesOnceIntoOnePdf)
{
    const std::filesystem::path all = directory.Path() / "all.pdf";
    TfrPrintOptions options;
    options.Copies = 3;
    ASSERT_TRUE(PrintBuiltReportToPdf(code.report, options, all));
    EXPECT_EQ(RowPages(all), (std::map<std::string, int> { { "Row 1", 1 }, { "Row 2", 2 }, { "Row 3", 3 }, { "Row 4", 4 } }))
        << "copies print once";

    const std::filesystem::path odd = directory.Path() / "odd.pdf";
    options.PageList = "2-4";
    options.Kind = TfrPrintPages::ppOdd;
    int started = 0;
    code.report.OnPrintReport = [&started] { ++started; };
    ASSERT_TRUE(PrintBuiltReportToPdf(code.report, options, odd));
    EXPECT_EQ(RowPages(odd), (std::map<std::string, int> { { "Row 3", 1 } }));
    EXPECT_EQ(started, 1);
    EXPECT_FALSE(code.report.Printing);
    EXPECT_EQ(code.report.EMFPages.Count(), 4) << "the prepared pages stay";

    const std::filesystem::path none = directory.Path() / "none.pdf";
    options.PageList = "9-12";
    EXPECT_FALSE(PrintBuiltReportToPdf(code.report, options, none));
    EXPECT_FALSE(std::filesystem::exists(none)) << "no pages, no file";
    options.PageList = "1;2";
    EXPECT_THROW(PrintBuiltReportToPdf(code.report, options, none), PageListError);
    options.PageList = "";
    EXPECT_THROW(PrintBuiltReportToPdf(code.report, options, directory.Path() / "no-folder" / "x.pdf"),
        std::runtime_error);
    EXPECT_FALSE(code.report.Printing);
}

class PrinterRebuild : public ReportPrinting {
protected:
    PrinterRebuild()
    {
        service->Listing = { { "Office" }, "" };
        printing::PrinterDetails office;
        office.Media = { testing::FakePrintService::A4(), testing::FakePrintService::A3() };
        service->Printers["Office"] = office;
        printer = std::make_unique<TfrPrinter>(service);
        printer->SetPrinterIndex(1);
    }

    std::shared_ptr<testing::FakePrintService> service { std::make_shared<testing::FakePrintService>() };
    std::unique_ptr<TfrPrinter> printer;
};

TEST_F(PrinterRebuild, APageOnPaperTheNewPrinterLacksIsLaidOutAgainOnACustomSizeOfItsPaper)
{
    // Letter (code 1) is in the virtual printer's table but not on "Office".
    code.page.PaperSize = 1;
    code.page.PaperWidth = 2159;
    code.page.PaperHeight = 2794;
    ASSERT_TRUE(code.Build());
    const int previous = printer->PrinterIndex();
    printer->SetPrinterIndex(0);
    ASSERT_TRUE(RebuildForPrinter(code.report, *printer, previous));
    EXPECT_EQ(printer->SystemName(), "Office");
    EXPECT_EQ(code.page.PaperSize, kCustomPaperSize);
    EXPECT_EQ(code.page.PaperWidth, 2159);
    EXPECT_EQ(code.page.PaperHeight, 2794);
    ASSERT_EQ(code.PageCount(), 4);
    EXPECT_EQ(code.report.EMFPages[0].PaperSize, kCustomPaperSize);

    // A3 the printer offers: the page keeps it, turned as it was.
    code.page.PaperSize = 8;
    code.page.PaperWidth = 2970;
    code.page.PaperHeight = 4200;
    code.page.Orientation = poLandscape;
    ASSERT_TRUE(RebuildForPrinter(code.report, *printer, previous));
    EXPECT_EQ(code.page.PaperSize, 8);
    EXPECT_EQ(code.page.PaperWidth, 2970);
    EXPECT_EQ(code.page.PaperHeight, 4200);
    EXPECT_EQ(code.report.EMFPages[0].Orientation, poLandscape);
}

TEST_F(PrinterRebuild, ABuildThatFailsRestoresThePagesAndThePreviousPrinter)
{
    const int previous = printer->PrinterIndex();
    printer->SetPrinterIndex(0);
    code.page.PaperSize = 1;
    code.page.PaperWidth = 2159;
    code.page.PaperHeight = 2794;
    // A band that names a dataset that does not exist stops the build.
    code.Band(BandType::MasterData, 300, 100, "NoSuchData");
    code.report.OnBuildError = [](const std::string&, const std::string&) { };
    EXPECT_FALSE(RebuildForPrinter(code.report, *printer, previous));
    EXPECT_TRUE(printer->IsVirtual());
    EXPECT_EQ(code.page.PaperSize, 1);
    EXPECT_EQ(code.page.PaperWidth, 2159);
    EXPECT_EQ(code.PageCount(), 4) << "the pages built before stay";
}

} // namespace
} // namespace report
