// Sub-reports are recorded first and then replayed into the space their host
// band leaves: they go on over as many pages as they need, at their own left,
// below the host page's header, with their groups and line numbers intact.
#include "BandEngineSupport.h"

#include <gtest/gtest.h>

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

TEST(SubReportReplay, ASubReportLongerThanAPageGoesOnBelowTheHeaderOfEachNewPageAtItsOwnLeft)
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

TEST(SubReportReplay, GroupsAndLineNumbersOfTheSubReportArePrintedAsTheyWereRecorded)
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

TEST(SubReportReplay, AnEmptySubReportLeavesTheHostBandItsOwnHeight)
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
