// The report body as a whole: dialog pages, which this program confirms
// without showing, and reports that repeat their pages for every record of
// the report's dataset.
#include "BandEngineSupport.h"

#include <gtest/gtest.h>

namespace report {
namespace {

using testing::Printed;
using testing::ReportInCode;

TEST(ReportBody, ADialogPageIsConfirmedAndPrintsNothingWhileTheReportPagesAreBuilt)
{
    ReportInCode code;
    code.Band(BandType::MasterData, 100, 20, "2");
    code.Memo("row [LINE#]", 100);
    // A dialog page before the report page and one after it.
    for (int copy = 0; copy < 2; ++copy) {
        TfrPage& dialog = code.report.AddPage();
        dialog.Type = ptDialog;
        code.AddTo(dialog);
        code.Band(BandType::MasterData, 100, 20, "1");
        code.Memo("dialog", 100);
    }
    std::swap(code.report.Pages[0], code.report.Pages[1]);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.PageCount(), 1);
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:row 1", "1:row 2" }));
}

TEST(ReportBody, AMultipleReportRepeatsItsPagesForEveryRecordAndGoesOnWhereTheLastEnded)
{
    ReportInCode code;
    auto& customers = code.Records("Customers", { { { "name", "甲" } }, { { "name", "乙" } } });
    code.report.ReportType = TfrReportType::rtMultiple;
    code.report.Dataset = &customers;
    code.Band(BandType::ReportTitle, 20, 30);
    code.Memo("title [Customers.\"name\"]", 20).Name = "Title";
    code.Band(BandType::MasterData, 100, 20, "2");
    code.Memo("line [LINE#]", 100);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:title 甲", "1:line 1", "1:line 2", "1:title 乙",
                                "1:line 1", "1:line 2" }));
    std::vector<int> titleTops;
    for (const Printed& object : code.Page(0))
        if (object.name == "Title")
            titleTops.push_back(object.top);
    ASSERT_EQ(titleTops.size(), 2u);
    // The second repetition starts right below the first one's last line.
    EXPECT_EQ(titleTops[1], 36 + 30 + 20 + 20);
}

TEST(ReportBody, AMultipleReportOverAnEmptyDatasetPrintsNothing)
{
    ReportInCode code;
    auto& nobody = code.Records("Nobody", {});
    code.report.ReportType = TfrReportType::rtMultiple;
    code.report.Dataset = &nobody;
    code.Band(BandType::ReportTitle, 20, 30);
    code.Memo("title", 20);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.PageCount(), 0);
}

} // namespace
} // namespace report
