#include "FakePrintService.h"

#include "report/printer/TfrPrinter.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace report {
namespace {

TEST(PaperTable, HoldsTheStandardCodesAndACustomSize)
{
    auto table = PaperTable();
    ASSERT_EQ(table.size(), 67u);
    std::set<std::int32_t> codes;
    for (const auto& paper : table)
        EXPECT_TRUE(codes.insert(paper.Code).second) << "code " << paper.Code << " twice";
    for (std::int32_t code = 1; code <= 68; ++code)
        EXPECT_EQ(codes.count(code) == 1, code != 48 && code != 49) << code;
    auto letter = FindPaper(1);
    ASSERT_TRUE(letter);
    EXPECT_EQ(letter->Width, 2159);
    EXPECT_EQ(letter->Height, 2794);
    EXPECT_EQ(FindPaper(8)->Height, 4200);
    EXPECT_EQ(FindPaper(11)->Width, 1480);
    EXPECT_EQ(FindPaper(13)->Height, 2570);
    EXPECT_EQ(FindPaper(256)->Width, 0);
    EXPECT_FALSE(FindPaper(48));
}

TEST(VirtualPrinter, A4IsAPageOf758By1071UnitsWithOffsetsOf18)
{
    TfrPrinter printer;
    EXPECT_EQ(printer.Printers().back(), "Virtual printer");
    printer.SetPaper(kPaperA4, 0, 0, poPortrait, kDefaultBin);
    TfrPageGeometry g = printer.ComputeGeometry();
    EXPECT_EQ(g.PageWidth, 758);
    EXPECT_EQ(g.PageHeight, 1071);
    EXPECT_EQ(g.OffsetX, 18);
    EXPECT_EQ(g.OffsetY, 18);
    EXPECT_EQ(g.PrnWidth, 758 - 36);
    EXPECT_EQ(g.PrnHeight, 1071 - 36);
}

TEST(VirtualPrinter, LandscapeTurnsATablePaperAndCustomSizesKeepTheirOwn)
{
    TfrPrinter printer;
    printer.SetPaper(8, 0, 0, poLandscape, kDefaultBin);
    EXPECT_EQ(printer.PaperWidth(), 4200);
    EXPECT_EQ(printer.PaperHeight(), 2970);
    printer.SetPaper(kCustomPaperSize, 1000, 500, poPortrait, kDefaultBin);
    EXPECT_EQ(printer.PaperSize(), kCustomPaperSize);
    EXPECT_EQ(printer.PaperWidth(), 1000);
    EXPECT_TRUE(printer.SameSettings(kCustomPaperSize, 1001, 499, poPortrait, 3));
    EXPECT_FALSE(printer.SameSettings(kCustomPaperSize, 1002, 500, poPortrait, -1));
    EXPECT_FALSE(printer.SameSettings(kPaperA4, 1000, 500, poPortrait, -1));
}

// Pages keep their paper upright and say how it lies; a custom landscape page
// must come out as a wide sheet like a table paper does, and match itself.
TEST(VirtualPrinter, ACustomLandscapePaperTurnsLikeATablePaper)
{
    TfrPrinter printer;
    printer.SetPaper(kCustomPaperSize, 1000, 1500, poLandscape, kDefaultBin);
    EXPECT_EQ(printer.PaperWidth(), 1500);
    EXPECT_EQ(printer.PaperHeight(), 1000);
    EXPECT_TRUE(printer.SameSettings(kCustomPaperSize, 1000, 1500, poLandscape, kDefaultBin));
    EXPECT_FALSE(printer.SameSettings(kCustomPaperSize, 1000, 1500, poPortrait, kDefaultBin));
    const TfrPageGeometry g = printer.ComputeGeometry();
    EXPECT_GT(g.PageWidth, g.PageHeight);
}

TEST(VirtualPrinter, AbsurdPaperSizesAreClampedInsteadOfOverflowing)
{
    TfrPageGeometry g = VirtualPageGeometry(2'000'000'000, -5);
    EXPECT_GT(g.PageWidth, 0);
    EXPECT_LT(g.PageWidth, 1'000'000);
    EXPECT_EQ(g.PageHeight, 0);
}

TEST(VirtualPrinter, PrintingKeepsThePaperUnchanged)
{
    TfrPrinter printer;
    printer.Printing = true;
    printer.SetPaper(11, 0, 0, poPortrait, kDefaultBin);
    EXPECT_EQ(printer.PaperSize(), kPaperA4);
}

// A system with an office printer (A4 with uneven strips, Letter, and a
// label size no table holds, 600 dpi), a label printer that is the system's
// current one, and a printer that never answers.
class RealPrinter : public ::testing::Test {
protected:
    RealPrinter()
    {
        service->Listing = { { "Office", "Labels", "Broken" }, "Labels" };
        printing::PrinterDetails office;
        office.Media = { testing::FakePrintService::A4(300, 500, 400, 600), testing::FakePrintService::Letter(),
            { "oe_label_100x150mm", "", 10000, 15000, 0, 0, 0, 0 } };
        office.DefaultMedia = 1;
        service->Printers["Office"] = office;
        printing::PrinterDetails labels;
        labels.Media = { { "oe_label_100x150mm", "Label", 10000, 15000, 100, 100, 100, 100 } };
        labels.DpiX = labels.DpiY = 203;
        service->Printers["Labels"] = labels;
    }
    std::shared_ptr<testing::FakePrintService> service { std::make_shared<testing::FakePrintService>() };
};

TEST_F(RealPrinter, TheListIsTheSystemsPrintersThenTheVirtualOneWithTheCurrentSelected)
{
    TfrPrinter printer(service);
    EXPECT_EQ(printer.Printers(), (std::vector<std::string> { "Office", "Labels", "Broken", "Virtual printer" }));
    EXPECT_EQ(printer.PrinterIndex(), 1);
    EXPECT_EQ(printer.SystemName(), "Labels");
    EXPECT_FALSE(printer.IsVirtual());

    // Selecting a printer reads its papers and takes its default one.
    printer.SetPrinterIndex(0);
    EXPECT_EQ(printer.PaperNames(), (std::vector<std::string> { "A4", "Letter", "oe_label_100x150mm" }));
    EXPECT_EQ(printer.PaperCodes(), (std::vector<std::int32_t> { kPaperA4, 1, 257 }));
    EXPECT_EQ(printer.PaperSize(), 1);
    EXPECT_EQ(printer.PaperWidth(), 2159);
    EXPECT_EQ(printer.PaperHeight(), 2794);
    EXPECT_EQ(printer.MediaName(), "na_letter_8.5x11in");

    // A printer that does not answer leaves the virtual printer selected.
    printer.SetPrinterIndex(2);
    EXPECT_TRUE(printer.IsVirtual());
    EXPECT_EQ(printer.PrinterIndex(), 3);
    EXPECT_EQ(printer.SystemName(), "");
    EXPECT_EQ(printer.PaperCodes().size(), PaperTable().size());
}

TEST_F(RealPrinter, NoPrintersOrNoCurrentOneMeanTheVirtualPrinterOrTheFirst)
{
    service->Listing = {};
    TfrPrinter none(service);
    EXPECT_EQ(none.Printers(), (std::vector<std::string> { "Virtual printer" }));
    EXPECT_TRUE(none.IsVirtual());

    service->Listing = { { "Office", "Labels" }, "" };
    TfrPrinter first(service);
    EXPECT_EQ(first.SystemName(), "Office");
}

TEST_F(RealPrinter, SetPaperTakesTheMediaSizeTurnedForLandscapeAndCustomSizesAsGiven)
{
    TfrPrinter printer(service);
    printer.SetPrinterIndex(0);
    printer.SetPaper(kPaperA4, 0, 0, poLandscape, kDefaultBin);
    EXPECT_EQ(printer.PaperSize(), kPaperA4);
    EXPECT_EQ(printer.PaperWidth(), 2970);
    EXPECT_EQ(printer.PaperHeight(), 2100);
    EXPECT_TRUE(printer.SameSettings(kPaperA4, 1, 1, poLandscape, 4)); // the bin -1 in force matches any
    EXPECT_FALSE(printer.SameSettings(kPaperA4, 2100, 2970, poPortrait, kDefaultBin));

    // A3 is not among this printer's papers: asked for by its size.
    printer.SetPaper(8, 2970, 4200, poPortrait, kDefaultBin);
    EXPECT_EQ(printer.PaperSize(), kCustomPaperSize);
    EXPECT_EQ(printer.PaperHeight(), 4200);
    EXPECT_EQ(printer.MediaName(), "");
    EXPECT_TRUE(printer.SameSettings(kCustomPaperSize, 2971, 4199, poPortrait, kDefaultBin));
    // The next A3 page matches it, so a run of A3 pages stays one job.
    EXPECT_TRUE(printer.SameSettings(8, 2970, 4200, poPortrait, kDefaultBin));
    EXPECT_FALSE(printer.SameSettings(kCustomPaperSize, 2972, 4200, poPortrait, kDefaultBin));

    // Nothing changes while a job is open.
    printer.Printing = true;
    printer.SetPaper(kPaperA4, 0, 0, poPortrait, kDefaultBin);
    EXPECT_EQ(printer.PaperSize(), kCustomPaperSize);
}

TEST_F(RealPrinter, GeometryComesFromTheMediaStripsAndTheResolution)
{
    TfrPrinter printer(service);
    printer.SetPrinterIndex(0);
    printer.SetPaper(kPaperA4, 0, 0, poPortrait, kDefaultBin);
    TfrPageGeometry g = printer.ComputeGeometry();
    // 210 x 297 mm at 600 dpi; strips of 3, 5, 4 and 6 mm.
    EXPECT_EQ(g.pgWidth, 4961);
    EXPECT_EQ(g.pgHeight, 7016);
    EXPECT_EQ(g.pgOffsetX, 71);
    EXPECT_EQ(g.pgOffsetY, 118);
    EXPECT_EQ(g.PrintableWidth, 4961 - 71 - 94);
    EXPECT_EQ(g.PrintableHeight, 7016 - 118 - 142);
    // Report units at 91.6256 per inch: the page as on the virtual printer.
    EXPECT_EQ(g.PageWidth, 758);
    EXPECT_EQ(g.PageHeight, 1071);
    EXPECT_EQ(g.OffsetX, 11);
    EXPECT_EQ(g.OffsetY, 18);
    EXPECT_EQ(g.PrnWidth, 732);
    EXPECT_EQ(g.PrnHeight, 1032);

    // Landscape: the sheet turned a quarter, its bottom strip now on the left.
    printer.SetPaper(kPaperA4, 0, 0, poLandscape, kDefaultBin);
    g = printer.ComputeGeometry();
    EXPECT_EQ(g.pgWidth, 7016);
    EXPECT_EQ(g.pgHeight, 4961);
    EXPECT_EQ(g.pgOffsetX, 142);
    EXPECT_EQ(g.pgOffsetY, 71);
    EXPECT_EQ(g.PrintableWidth, 7016 - 142 - 118);
    EXPECT_EQ(g.PrintableHeight, 4961 - 71 - 94);

    // The label printer's 203 dpi.
    printer.SetPrinterIndex(1);
    g = printer.ComputeGeometry();
    EXPECT_EQ(g.pgWidth, 799);   // 100 mm
    EXPECT_EQ(g.pgOffsetX, 8);   // 1 mm
    EXPECT_EQ(g.PageWidth, 361); // 799 * 91.6256 / 203
}

TEST(MediaCodes, TableSizesKeepTheirCodesAndOthersCountUpFrom257)
{
    const std::vector<printing::MediaSize> media { testing::FakePrintService::A3(),
        { "custom_a", "", 5000, 5000, 0, 0, 0, 0 }, { "a4_almost", "", 21010, 29690, 0, 0, 0, 0 },
        { "a4_again", "", 21000, 29700, 0, 0, 0, 0 } };
    // A second sheet of A4's size takes the next table code of that size
    // (A4 small, 10): one code, one paper.
    EXPECT_EQ(MediaPaperCodes(media), (std::vector<std::int32_t> { 8, 257, kPaperA4, 10 }));
}

} // namespace
} // namespace report
