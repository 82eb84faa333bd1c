// Cross bands: objects inside a cross data band repeat to the right for every
// record of its dataset in every row they cross, numbered by COLUMN#; the
// cross header prints once and the cross footer follows the last column.
#include "BandEngineSupport.h"

#include <gtest/gtest.h>

namespace report {
namespace {

using testing::Printed;
using testing::ReportInCode;

constexpr auto kCrossData = static_cast<std::uint16_t>(BandType::CrossData);

TfrBandView& CrossBand(ReportInCode& code, BandType type, std::int32_t left, std::int32_t width, std::string dataset = {})
{
    TfrBandView& band = code.Band(type, 0, 400, std::move(dataset));
    band.Left = left;
    band.Width = width;
    return band;
}

std::map<std::string, std::pair<int, int>> Places(ReportInCode& code, int pageIndex)
{
    std::map<std::string, std::pair<int, int>> places;
    for (const Printed& object : code.Page(pageIndex))
        places[object.text] = { object.left, object.top };
    return places;
}

struct CrossTab {
    ReportInCode code;
    TfrBandView& rows = code.Band(BandType::MasterData, 100, 20, "Rows");

    CrossTab()
    {
        code.Records("Rows", { { { "r", "x" } }, { { "r", "y" } } });
        code.Records("Cols", { { { "c", "a" } }, { { "c", "b" } }, { { "c", "c" } } });
        code.Memo("row [Rows.\"r\"]", 100, 20, 0, 80);
        CrossBand(code, BandType::CrossHeader, 80, 60);
        code.Memo("head [Rows.\"r\"]", 100, 20, 90, 40);
        CrossBand(code, BandType::CrossData, 140, 50, "Cols");
        code.Memo("[Rows.\"r\"][Cols.\"c\"][COLUMN#]", 100, 20, 145, 40);
        CrossBand(code, BandType::CrossFooter, 190, 60);
        code.Memo("total [Rows.\"r\"]", 100, 20, 195, 40);
    }
};

TEST(CrossColumns, CrossDataRepeatsForEveryColumnRecordInEveryRowAndTheFooterFollowsTheLast)
{
    CrossTab tab;
    ASSERT_TRUE(tab.code.Build()) << tab.code.report.BuildError;
    auto places = Places(tab.code, 0);
    using Place = std::pair<int, int>;
    EXPECT_EQ(places["row x"], Place(36, 36));
    EXPECT_EQ(places["head x"], Place(36 + 90, 36));
    EXPECT_EQ(places["xa1"], Place(36 + 145, 36));
    EXPECT_EQ(places["xb2"], Place(36 + 195, 36));
    EXPECT_EQ(places["xc3"], Place(36 + 245, 36));
    EXPECT_EQ(places["total x"], Place(36 + 195 + 100, 36));
    EXPECT_EQ(places["yc3"], Place(36 + 245, 56));
    EXPECT_EQ(places["total y"], Place(36 + 295, 56));
    // Each row writes its own copies and nothing else.
    EXPECT_EQ(tab.code.Texts().size(), 12u);
}

TEST(CrossColumns, APairInTheCrossDataTextGivesOneBandItsOwnColumnDataset)
{
    CrossTab tab;
    tab.rows.Name = "RowBand";
    tab.code.Records("Two", { { { "c", "p" } }, { { "c", "q" } } });
    for (const auto& view : tab.code.page.PageObjects) {
        if (auto* band = dynamic_cast<TfrBandView*>(view.get()); band && band->BandTypeCode() == kCrossData)
            band->FormatText = "Cols;rowband=Two;";
        if (!view->Memo.empty() && view->Memo.front().starts_with("[Rows"))
            view->Memo = { "[Rows.\"r\"][Two.\"c\"][COLUMN#]" };
    }
    ASSERT_TRUE(tab.code.Build()) << tab.code.report.BuildError;
    auto places = Places(tab.code, 0);
    EXPECT_EQ(places["xp1"].first, 36 + 145);
    EXPECT_EQ(places["yq2"].first, 36 + 195);
    // Two columns per row, and the footer follows the second.
    EXPECT_EQ(tab.code.Texts().size(), 10u);
    EXPECT_EQ(places["total x"].first, 36 + 245);
}

TEST(CrossColumns, ACrossDataPairNamingAnUnknownBandFailsTheBuildWithItsName)
{
    CrossTab tab;
    for (const auto& view : tab.code.page.PageObjects)
        if (auto* band = dynamic_cast<TfrBandView*>(view.get()); band && band->BandTypeCode() == kCrossData)
            band->FormatText = "Cols;Nowhere=Cols;";
    EXPECT_FALSE(tab.code.Build());
    EXPECT_NE(tab.code.report.BuildError.find("Nowhere"), std::string::npos) << tab.code.report.BuildError;
    EXPECT_EQ(tab.code.PageCount(), 0);
}

} // namespace
} // namespace report
