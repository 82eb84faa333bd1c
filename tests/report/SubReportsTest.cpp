// Sub-reports are formed into the space their host band leaves: they go on
// over as many pages as they need, at their own left, below the host page's
// header, with their groups, line numbers and band scripts as they would be
// on a page of their own.
#include "BandEngineSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace report {
namespace {

using testing::Printed;
using testing::ReportInCode;

// A host page whose one master band holds a sub-report at left 50, and the
// page the sub-report names, with one master data band of its own.
struct HostAndSubReport {
    ReportInCode code;
    TfrPage& sub = code.report.AddPage();

    HostAndSubReport()
    {
        code.Band(BandType::PageHeader, 20, 30);
        code.Memo("header [PAGE#]", 20).Name = "Header";
        code.Band(BandType::MasterData, 100, 40, "1");
        code.Memo("host", 100).Name = "Host";
        code.SubReport(120, 50, 1);
        code.Band(BandType::ReportSummary, 200, 20);
        code.Memo("after", 200).Name = "After";
        code.AddTo(sub);
    }
};

std::vector<std::map<std::string, std::string>> Items(int count)
{
    std::vector<std::map<std::string, std::string>> records;
    for (int item = 1; item <= count; ++item)
        records.push_back({ { "name", "n" + std::to_string(item) } });
    return records;
}

// A page whose band scripts count, total, hide and size the rows they are
// shown for, and whose group condition reads what the scripts computed.
void AddScriptedItems(ReportInCode& code)
{
    code.Records("Items", { { { "name", "a" }, { "amount", "2" } }, { { "name", "b" }, { "amount", "1" } },
                              { { "name", "c" }, { "amount", "4" } }, { { "name", "d" }, { "amount", "3" } },
                              { { "name", "e" }, { "amount", "1" } }, { { "name", "f" }, { "amount", "5" } } });
    code.Band(BandType::ReportTitle, 0, 5).Script = { "count := 0; total := 0; bucket := 'low'" };
    code.Band(BandType::GroupHeader, 10, 20, "bucket");
    code.Memo("group [bucket]", 10).Name = "Group";
    TfrBandView& row = code.Band(BandType::MasterData, 40, 20, "Items");
    row.Name = "Row";
    row.Script = { "count := count + 1;", "total := total + [Items.\"amount\"];",
        "if total > 6 then bucket := 'high' else bucket := 'low';",
        "if [Items.\"amount\"] = 1 then Row.Visible := False else Row.Visible := True;",
        "if [Items.\"amount\"] > 3 then Row.Height := 45 else Row.Height := 20" };
    code.Memo("[count] [Items.\"name\"] [total]", 40).Name = "Item";
    code.Band(BandType::GroupFooter, 70, 20);
    code.Memo("end [bucket]", 70).Name = "GroupEnd";
}

// The sub-report's objects in page order: their texts and their tops
// measured from the first of them.
std::vector<std::pair<std::string, int>> SubReportRows(ReportInCode& code)
{
    std::vector<std::pair<std::string, int>> rows;
    std::optional<int> firstTop;
    for (int index = 0; index < code.PageCount(); ++index)
        for (const Printed& object : code.Page(index)) {
            if (object.name != "Item" && object.name != "Group" && object.name != "GroupEnd")
                continue;
            if (!firstTop)
                firstTop = object.top;
            rows.emplace_back(object.text, object.top - *firstTop);
        }
    return rows;
}

TEST(SubReportScripts, BandScriptsRunOnceForTheirRecordAsOnAPageOfItsOwn)
{
    ReportInCode alone;
    AddScriptedItems(alone);
    ASSERT_TRUE(alone.Build()) << alone.report.BuildError;
    auto expected = SubReportRows(alone);

    HostAndSubReport report;
    AddScriptedItems(report.code);
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    report.code.SaveSnapshotPdf("subreport-scripts");
    EXPECT_EQ(SubReportRows(report.code), expected);

    // Every shown row counted once, in record order; the rows the script hid
    // still counted, and the totals grew record by record.
    auto items = report.code.TextsOf("Item");
    EXPECT_EQ(items, (std::vector<std::string> { "1 a 2", "3 c 7", "4 d 10", "6 f 16" }));
    // The scripts' bucket changed the group once the total passed 6.
    auto groups = report.code.TextsOf("Group");

    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0], "group low");
    EXPECT_EQ(groups[1], "group high");
}

TEST(SubReports, ASubReportLongerThanAPageGoesOnBelowTheHeaderOfEachNewPageAtItsOwnLeft)
{
    HostAndSubReport report;
    report.code.Records("Items", Items(80));
    report.code.Band(BandType::MasterData, 10, 20, "Items");
    report.code.Memo("[LINE#] [Items.\"name\"]", 10, 20, 0, 100).Name = "Item";
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    ASSERT_GE(report.code.PageCount(), 2);

    int expected = 1;
    const Printed* lastItem = nullptr;
    for (int index = 0; index < report.code.PageCount(); ++index) {
        auto page = report.code.Page(index);
        const Printed* header = nullptr;
        const Printed* firstItem = nullptr;
        for (const Printed& object : page) {
            if (object.name == "Header")
                header = &object;
            if (object.name != "Item")
                continue;
            EXPECT_EQ(object.text, std::to_string(expected) + " n" + std::to_string(expected));
            EXPECT_EQ(object.left, 36 + 50) << object.text;
            EXPECT_LE(object.top + object.height, 1071 - 36) << object.text;
            if (!firstItem)
                firstItem = &object;
            ++expected;
        }
        ASSERT_TRUE(header) << "page " << index + 1;
        ASSERT_TRUE(firstItem) << "page " << index + 1;
        // The first page starts below the host band's top; every further
        // page right below the header.
        EXPECT_EQ(firstItem->top, index == 0 ? 36 + 30 + 20 : 36 + 30) << "page " << index + 1;
        for (const Printed& object : page)
            if (object.name == "Item")
                lastItem = &object;
        if (index + 1 < report.code.PageCount())
            continue;
        // The host band ends at the deepest replayed position.
        const Printed* after = nullptr;
        for (const Printed& object : page)
            if (object.name == "After")
                after = &object;
        ASSERT_TRUE(after);
        ASSERT_TRUE(lastItem);
        EXPECT_EQ(after->top, lastItem->top + 20);
    }
    EXPECT_EQ(expected, 81);
}

TEST(SubReports, GroupsAndLineNumbersOfTheSubReportPrintInRecordOrder)
{
    HostAndSubReport report;
    report.code.Records("Sales", { { { "cat", "A" }, { "n", "a1" } }, { { "cat", "A" }, { "n", "a2" } },
                                     { { "cat", "B" }, { "n", "b1" } } });
    report.code.Band(BandType::GroupHeader, 10, 20, "Sales.\"cat\"");
    report.code.Memo("group [Sales.\"cat\"]", 10);
    report.code.Band(BandType::MasterData, 40, 20, "Sales");
    report.code.Memo("[LINE#] [Sales.\"n\"]", 40);
    report.code.Band(BandType::GroupFooter, 70, 20);
    report.code.Memo("end [Sales.\"cat\"]", 70);
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    EXPECT_EQ(report.code.Texts(),
        (std::vector<std::string> { "1:header 1", "1:host", "1:group A", "1:1 a1", "1:2 a2", "1:end A", "1:group B",
            "1:1 b1", "1:end B", "1:after" }));
}

TEST(SubReports, AnEmptySubReportLeavesTheHostBandItsOwnHeight)
{
    HostAndSubReport report;
    report.code.Records("Items", {});
    report.code.Band(BandType::MasterData, 10, 20, "Items");
    report.code.Memo("[Items.\"name\"]", 10).Name = "Item";
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    EXPECT_TRUE(report.code.TextsOf("Item").empty());
    auto page = report.code.Page(0);
    for (const Printed& object : page)
        if (object.name == "After") {
            EXPECT_EQ(object.top, 36 + 30 + 40);
        }
}

} // namespace
} // namespace report
