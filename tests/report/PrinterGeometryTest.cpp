#include "report/printer/TfrPrinter.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace report
