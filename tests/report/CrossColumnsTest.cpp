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

std::vector<std::map<std::string, std::string>> Named(const std::string& field, char first, int count)
{
    std::vector<std::map<std::string, std::string>> records;
    for (int index = 0; index < count; ++index)
        records.push_back({ { field, std::string(1, static_cast<char>(first + index)) } });
    return records;
}

struct CrossTab {
    ReportInCode code;
    TfrBandView& rows = code.Band(BandType::MasterData, 100, 20, "Rows");

    // Rows named from `firstRow` on; columns named a, b, c, ….
    explicit CrossTab(int columns = 3, int rowCount = 2, char firstRow = 'x')
    {
        code.Records("Rows", Named("r", firstRow, rowCount));
        code.Records("Cols", Named("c", 'a', columns));
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

TEST(CrossColumns, ColumnsPastTheRightEdgeGoOnInLinesBelowAndOnTheNextPage)
{
    // 20 columns of 50 do not fit one line of a page 720 wide; 26 rows of
    // two or more lines do not fit one page.
    CrossTab tab(20, 26, 'A');
    tab.code.page.TopMargin = tab.code.page.BottomMargin = 36;
    ASSERT_TRUE(tab.code.Build()) << tab.code.report.BuildError;
    const TfrPage& page = tab.code.page;
    const int rightEdge = page.PaperWidth * 18 / 50 - page.RightMargin;
    const int bottomEdge = page.PaperHeight * 18 / 50 - page.BottomMargin;
    tab.code.SaveSnapshotPdf("cross-columns-wrapped");
    ASSERT_GE(tab.code.PageCount(), 2);

    const int firstColumnX = 36 + 145;
    std::map<std::string, std::vector<std::pair<int, int>>> cells; // row → (page, top) of its cells
    std::map<std::string, std::string> columnsOfRow;
    for (int index = 0; index < tab.code.PageCount(); ++index) {
        for (const Printed& object : tab.code.Page(index)) {
            EXPECT_LE(object.left + object.width, rightEdge) << object.text;
            EXPECT_LE(object.top + object.height, bottomEdge) << object.text;
            if (object.text.starts_with("row ") || object.text.starts_with("head ") || object.text.starts_with("total "))
                continue;
            // A cell "<row><column><COLUMN#>".
            std::string row = object.text.substr(0, 1);
            columnsOfRow[row] += object.text.substr(1, 1);
            EXPECT_EQ(object.text.substr(2), std::to_string(columnsOfRow[row].size())) << object.text;
            cells[row].emplace_back(index, object.top);
            EXPECT_GE(object.left, firstColumnX) << object.text;
        }
    }
    ASSERT_EQ(columnsOfRow.size(), 26u);
    for (const auto& [row, columns] : columnsOfRow)
        EXPECT_EQ(columns, "abcdefghijklmnopqrst") << row;

    // Each further line of a row starts at the first column's place, one
    // band height below the line before, or at the top of a following page.
    auto first = Places(tab.code, 0);
    EXPECT_EQ(first["Aa1"], std::make_pair(firstColumnX, 36));
    const auto& x = cells["A"];
    int lines = 1;
    for (std::size_t cell = 1; cell < x.size(); ++cell)
        if (x[cell] != x[cell - 1]) {
            ++lines;
            EXPECT_EQ(x[cell].second, x[cell - 1].second + 20);
        }
    EXPECT_GE(lines, 2);
    // The footer follows the last column, on a line of its own when that
    // line is full, and the next row starts below it.
    const auto& total = first["total A"];
    EXPECT_GE(total.second, x.back().second);
    EXPECT_EQ(first["row B"].second, total.second + 20);
    // A row that does not fit the page goes on at the top of the next.
    auto next = tab.code.Page(1);
    ASSERT_FALSE(next.empty());
    EXPECT_EQ(std::ranges::min(next, {}, &Printed::top).top, 36);
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
