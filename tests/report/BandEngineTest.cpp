// The band engine builds reports made in code: data loops with master and
// detail levels and groups, page headers and footers, page counts over two
// passes, stretching and splitting, columns and sub-reports.
#include "BandEngineSupport.h"

#include "report/data/TfrDBDataSet.h"
#include "report/objects/AddInRegistry.h"
#include "report/objects/TfrRichView.h"
#include "report/objects/TfrSubReportView.h"
#include "report/template/TemplateFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace report {
namespace {

using testing::Printed;
using testing::ReportInCode;

std::vector<std::map<std::string, std::string>> Names(std::initializer_list<const char*> names)
{
    std::vector<std::map<std::string, std::string>> records;
    for (const char* name : names)
        records.push_back({ { "name", name } });
    return records;
}

const Printed* Find(const std::vector<Printed>& objects, std::string_view text)
{
    for (const Printed& object : objects)
        if (object.text == text)
            return &object;
    return nullptr;
}

// --- the data loop ---------------------------------------------------------------

TEST(BandEngineDataLoop, AMasterBandShowsEveryRecordInOrderWithItsLineNumber)
{
    ReportInCode code;
    code.Records("People", Names({ "甲", "乙", "丙" }));
    code.Band(BandType::MasterData, 100, 30, "People");
    code.Memo("[LINE#]. [People.\"name\"]", 100);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:1. 甲", "1:2. 乙", "1:3. 丙" }));
    auto page = code.Page(0);
    // Each showing goes below the one before, starting at the top margin.
    EXPECT_EQ(Find(page, "1. 甲")->top, 36);
    EXPECT_EQ(Find(page, "2. 乙")->top, 66);
    EXPECT_EQ(Find(page, "3. 丙")->top, 96);
}

TEST(BandEngineDataLoop, ANumericDatasetNamePrintsTheBandThatManyTimes)
{
    ReportInCode code;
    code.Band(BandType::MasterData, 100, 20, "3");
    code.Memo("row [LINE#]", 100);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:row 1", "1:row 2", "1:row 3" }));
}

// Orders 1 to 3 with their lines; order 2 has none.
struct OrdersAndLines {
    ReportInCode code;
    testing::RecordsDataset& orders = code.Records("Orders", { { { "id", "1" } }, { { "id", "2" } }, { { "id", "3" } } });
    testing::RecordsDataset& lines = code.Records("Lines", {});
    TfrBandView& master = code.Band(BandType::MasterData, 100, 20, "Orders");

    OrdersAndLines()
    {
        code.Memo("order [Orders.\"id\"]", 100);
        code.Band(BandType::DetailData, 140, 20, "Lines");
        code.Memo("[Lines.\"item\"]", 140);
        std::vector<std::vector<std::map<std::string, std::string>>> byOrder = {
            { { { "item", "a" } }, { { "item", "b" } } }, {}, { { { "item", "c" } } }
        };
        lines.OnFirst = [this, byOrder] { lines.SetRecords(byOrder.at(static_cast<std::size_t>(orders.RecNo()))); };
    }
};

TEST(BandEngineDataLoop, DetailRecordsFollowTheirMasterAndAMasterWithoutDetailIsLeftOut)
{
    OrdersAndLines report;
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    EXPECT_EQ(report.code.Texts(), (std::vector<std::string> { "1:order 1", "1:a", "1:b", "1:order 3", "1:c" }));
}

TEST(BandEngineDataLoop, PrintIfSubsetEmptyPrintsAMasterWithoutDetailAlone)
{
    OrdersAndLines report;
    report.master.Flags |= band_flags::PrintIfSubsetEmpty;
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    EXPECT_EQ(report.code.Texts(),
        (std::vector<std::string> { "1:order 1", "1:a", "1:b", "1:order 2", "1:order 3", "1:c" }));
}

TEST(BandEngineDataLoop, GroupsShowHeadersBeforeAndFootersWithTheirSumsAfterEachGroup)
{
    ReportInCode code;
    code.Records("Sales", { { { "cat", "A" }, { "n", "1" } }, { { "cat", "A" }, { "n", "2" } },
                              { { "cat", "B" }, { "n", "5" } } });
    auto& header = code.Band(BandType::GroupHeader, 60, 20, "Sales.\"cat\"");
    code.Memo("group [Sales.\"cat\"]", 60);
    code.Band(BandType::MasterData, 100, 20, "Sales");
    code.Memo("[LINE#]/[LINETHROUGH#] [Sales.\"n\"]", 100);
    code.Band(BandType::GroupFooter, 140, 20);
    code.Memo("sum [SUM(Sales.\"n\")]", 140);
    (void)header;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    // The footer of A is computed on A's last record; LINE# starts again in
    // every group while LINETHROUGH# goes on.
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:group A", "1:1/1 1", "1:2/2 2", "1:sum 3", "1:group B",
                                "1:1/3 5", "1:sum 5" }));
}

TEST(BandEngineDataLoop, AnEmptyDatasetFormsTheStaticPageUnlessPrintIfEmptyIsOff)
{
    ReportInCode code;
    code.Records("Nothing", {});
    code.Band(BandType::PageHeader, 20, 30);
    code.Memo("title", 20);
    code.Band(BandType::MasterData, 100, 20, "Nothing");
    code.Memo("[Nothing.\"x\"]", 100);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:title" }));

    code.report.PrintIfEmpty = false;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.PageCount(), 0);
}

TEST(BandEngineDataLoop, UnknownAndUnopenableDatasetsFailTheBuildWithTheirMessageAndKeepNothing)
{
    ReportInCode code;
    code.Band(BandType::MasterData, 100, 20, "Nowhere");
    code.Memo("x", 100);
    EXPECT_FALSE(code.Build());
    EXPECT_EQ(code.report.BuildError, "Missing Nowhere");
    EXPECT_EQ(code.errors, (std::vector<std::string> { "Missing Nowhere" }));
    EXPECT_EQ(code.PageCount(), 0);

    TfrDBDataSet unconnected("frDBDataSet1");
    code.report.Datasets.Register("frDBDataSet1", unconnected);
    code.page.PageObjects.front()->FormatText = "frDBDataSet1";
    EXPECT_FALSE(code.Build());
    EXPECT_EQ(code.report.BuildError, "Unable to open dataset frDBDataSet1");
}

// --- pages -----------------------------------------------------------------------------

struct TwentyRows {
    ReportInCode code;
    TwentyRows(bool twoPass)
    {
        code.report.TwoPass = twoPass;
        code.Band(BandType::PageHeader, 20, 30);
        code.Memo("header [PAGE#]", 20).Name = "Header";
        code.Band(BandType::MasterData, 100, 100, "20");
        code.Memo("row [LINE#]", 100).Name = "Row";
        code.Band(BandType::PageFooter, 300, 30);
        code.Memo("footer [PAGE#] of [TOTALPAGES]", 300).Name = "Footer";
    }
};

TEST(BandEnginePages, EveryPageHasItsHeaderAtTheTopAndItsFooterBelowTheLastRow)
{
    TwentyRows rows(true);
    ASSERT_TRUE(rows.code.Build()) << rows.code.report.BuildError;
    ASSERT_GT(rows.code.PageCount(), 1);
    int printedRows = 0;
    for (int index = 0; index < rows.code.PageCount(); ++index) {
        auto page = rows.code.Page(index);
        std::string number = std::to_string(index + 1);
        const Printed* header = Find(page, "header " + number);
        const Printed* footer = Find(page, "footer " + number + " of " + std::to_string(rows.code.PageCount()));
        ASSERT_TRUE(header && footer) << "page " << number;
        EXPECT_EQ(header->top, 36);
        // The footer sits on the bottom margin (A4 on the virtual printer is
        // 1071 units tall, the margin 36).
        EXPECT_EQ(footer->top + 30, 1071 - 36);
        for (const Printed& object : page) {
            if (object.name != "Row")
                continue;
            ++printedRows;
            EXPECT_GE(object.top, header->top + 30);
            EXPECT_LE(object.top + object.height, footer->top);
        }
    }
    EXPECT_EQ(printedRows, 20);
}

TEST(BandEnginePages, TotalPagesNeedsTwoPassesAndIsZeroInOne)
{
    TwentyRows twoPass(true);
    ASSERT_TRUE(twoPass.code.Build());
    int pages = twoPass.code.PageCount();
    auto footers = twoPass.code.TextsOf("Footer");
    ASSERT_EQ(static_cast<int>(footers.size()), pages);
    EXPECT_EQ(footers.back(), "footer " + std::to_string(pages) + " of " + std::to_string(pages));

    TwentyRows onePass(false);
    ASSERT_TRUE(onePass.code.Build());
    EXPECT_EQ(onePass.code.TextsOf("Footer").front(), "footer 1 of 0");
}

TEST(BandEnginePages, PageColumnsFillTheFirstColumnThenTheNextFromTheSameTop)
{
    TwentyRows rows(false);
    rows.code.page.Columns = 2;
    rows.code.page.ColumnGap = 20;
    ASSERT_TRUE(rows.code.Build());
    auto page = rows.code.Page(0);
    std::vector<const Printed*> left, right;
    for (const Printed& object : page)
        if (object.name == "Row")
            (object.left == 36 ? left : right).push_back(&object);
    ASSERT_FALSE(left.empty());
    ASSERT_FALSE(right.empty());
    // The page is 758 wide on the virtual printer: 686 between the margins.
    EXPECT_EQ(right.front()->left, 36 + (686 - 20) / 2 + 20);
    EXPECT_EQ(right.front()->top, left.front()->top);
    EXPECT_EQ(left.back()->text, "row " + std::to_string(left.size()));
}

TEST(BandEnginePages, BandColumnsPutConsecutiveShowingsSideBySide)
{
    ReportInCode code;
    auto& band = code.Band(BandType::MasterData, 100, 20, "7");
    band.Columns = 3;
    band.ColumnWidth = 150;
    band.ColumnGap = 10;
    code.Memo("[LINE#]", 100, 20, 0, 100);
    code.Band(BandType::ReportSummary, 200, 20);
    code.Memo("end", 200);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    auto page = code.Page(0);
    auto at = [&](std::string_view text) {
        const Printed* object = Find(page, text);
        return object ? std::pair(object->left, object->top) : std::pair(-1, -1);
    };
    EXPECT_EQ(at("1"), std::pair(36, 36));
    EXPECT_EQ(at("2"), std::pair(196, 36));
    EXPECT_EQ(at("3"), std::pair(356, 36));
    EXPECT_EQ(at("4"), std::pair(36, 56));
    EXPECT_EQ(at("7"), std::pair(36, 76));
    // What follows the last, half-filled row goes below it, at the left.
    EXPECT_EQ(at("end"), std::pair(36, 96));
}

TEST(BandEnginePages, NegativeColumnCountsAndExtremePositionsBuildWithoutOverflow)
{
    ReportInCode code;
    code.page.Columns = -4;
    code.page.ColumnGap = -100;
    auto& band = code.Band(BandType::MasterData, 100, 20, "2");
    band.Columns = -3;
    code.Memo("[LINE#]", 100);
    auto& far = code.Memo("far", 110, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max());
    far.Flags = 0;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_GE(code.PageCount(), 1);
    EXPECT_EQ(code.TextsOf("Memo1").front(), "1");
}

// --- stretching and splitting --------------------------------------------------------------

std::string Lines(int count)
{
    std::string text;
    for (int line = 1; line <= count; ++line)
        text += (line > 1 ? "\r\n" : "") + std::string("第") + std::to_string(line) + "行";
    return text;
}

TEST(BandEngineStretch, AStretchedBandGrowsWithItsTextAndCarriesBottomAlignedObjects)
{
    ReportInCode code;
    code.Records("Notes", { { { "body", Lines(6) } }, { { "body", "short" } } });
    auto& band = code.Band(BandType::MasterData, 100, 40, "Notes");
    band.Flags |= band_flags::Stretched;
    code.Memo("[Notes.\"body\"]", 100, 20).Name = "Body";
    auto& line = code.Line(138, 300);
    line.BandAlign = baBottom;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    auto page = code.Page(0);
    std::vector<const Printed*> bodies, separators;
    for (const Printed& object : page)
        (object.name == "Body" ? bodies : separators).push_back(&object);
    ASSERT_EQ(bodies.size(), 2u);
    ASSERT_EQ(separators.size(), 2u);
    // Six lines need more than the 40 units of the band.
    EXPECT_GT(bodies[0]->height, 40);
    // The separator is at the bottom of its stretched band, and the next
    // record begins right there.
    EXPECT_EQ(separators[0]->top, bodies[0]->top + bodies[0]->height);
    EXPECT_EQ(bodies[1]->top, separators[0]->top);
    EXPECT_EQ(separators[1]->top, bodies[1]->top + 40);
}

TEST(BandEngineStretch, ABodyLongerThanAPageSplitsOverPagesAndKeepsEveryLineInOrder)
{
    ReportInCode code;
    code.Records("Notes", { { { "body", Lines(150) } } });
    auto& band = code.Band(BandType::MasterData, 100, 40, "Notes");
    band.Flags |= band_flags::Stretched | band_flags::Breaked;
    code.Memo("[Notes.\"body\"]", 100, 20).Name = "Body";
    code.Band(BandType::PageFooter, 400, 30);
    code.Memo("page [PAGE#]", 400).Name = "Footer";
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    ASSERT_GT(code.PageCount(), 1);
    std::vector<std::string> lines;
    for (int index = 0; index < code.PageCount(); ++index)
        for (const Printed& object : code.Page(index)) {
            if (object.name != "Body")
                continue;
            EXPECT_LE(object.top + object.height, 1071 - 36 - 30) << "page " << index + 1;
            std::string rest = object.text;
            for (std::size_t start = 0; start <= rest.size();) {
                std::size_t end = rest.find('\n', start);
                std::string line = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
                std::erase(line, '\x01');
                if (!line.empty())
                    lines.push_back(line);
                if (end == std::string::npos)
                    break;
                start = end + 1;
            }
        }
    ASSERT_EQ(lines.size(), 150u);
    for (int line = 1; line <= 150; ++line)
        EXPECT_EQ(lines[static_cast<std::size_t>(line - 1)], "第" + std::to_string(line) + "行");
    EXPECT_EQ(code.TextsOf("Footer").size(), static_cast<std::size_t>(code.PageCount()));
}

TEST(BandEngineStretch, TheBottomLineOfASplitBodyFollowsRightBelowItsLastPart)
{
    ReportInCode code;
    code.Records("Notes", { { { "body", Lines(150) } } });
    auto& band = code.Band(BandType::MasterData, 100, 60, "Notes");
    band.Flags |= band_flags::Stretched | band_flags::Breaked;
    code.Memo("[Notes.\"body\"]", 100, 20).Name = "Body";
    auto& separator = code.Line(150, 300);
    separator.BandAlign = baBottom;
    separator.Name = "Separator";
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    ASSERT_GT(code.PageCount(), 1);
    const Printed* body = nullptr;
    const Printed* line = nullptr;
    auto last = code.Page(code.PageCount() - 1);
    for (const Printed& object : last) {
        if (object.name == "Body")
            body = &object;
        if (object.name == "Separator")
            line = &object;
    }
    ASSERT_TRUE(body && line);
    // The last part is as tall as its lines, and the separator right below.
    EXPECT_LT(body->height, 1071 - 36 - 36 - 100);
    EXPECT_EQ(line->top, body->top + body->height);
}

TEST(BandEngineStretch, AnObjectTallerThanAPageIsCutToThePageAndTheBuildEnds)
{
    ReportInCode code;
    code.Band(BandType::MasterData, 100, 5000, "2");
    auto& tall = code.Line(100, 0);
    tall.Height = 5000;
    tall.Width = 0;
    tall.FrameTyp = frftLeft;
    tall.Flags = 0;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_GE(code.PageCount(), 2);
    EXPECT_LE(code.PageCount(), 4);
    for (int index = 0; index < code.PageCount(); ++index)
        for (const Printed& object : code.Page(index))
            EXPECT_LE(object.top + object.height, 1071 - 36);
}

// --- two passes --------------------------------------------------------------------------------

// Notes whose bodies split over pages, a suppressed repeated group name and
// separators at the bottom of stretched bands, numbered by page.
struct SplitNotes {
    ReportInCode code;
    explicit SplitNotes(bool twoPass)
    {
        code.report.TwoPass = twoPass;
        code.Records("Notes", { { { "group", "甲" }, { "body", Lines(80) } }, { { "group", "甲" }, { "body", Lines(3) } },
                                  { { "group", "乙" }, { "body", Lines(120) } } });
        auto& band = code.Band(BandType::MasterData, 100, 60, "Notes");
        band.Flags |= band_flags::Stretched | band_flags::Breaked;
        auto& group = code.Memo("[Notes.\"group\"]", 100, 18);
        group.Name = "Group";
        group.Flags |= memo_flags::Suppress;
        code.Memo("[Notes.\"body\"]", 120, 20).Name = "Body";
        code.Line(158, 300).BandAlign = baBottom;
        code.Band(BandType::PageFooter, 400, 30);
        code.Memo("page [PAGE#]", 400).Name = "Footer";
    }
};

// The first of two passes only counts pages: it breaks pages where the final
// pass does, and the final pass prints exactly what a single pass prints.
TEST(BandEnginePasses, TheFirstPassWritesNoObjectsAndTheFinalPassPrintsWhatOnePassPrints)
{
    SplitNotes one(false);
    ASSERT_TRUE(one.code.Build()) << one.code.report.BuildError;
    ASSERT_GT(one.code.PageCount(), 2);

    SplitNotes two(true);
    std::map<bool, std::size_t> largestPage;
    std::map<bool, int> pagesSeen;
    two.code.report.OnEndBand = [&](TfrBand&) {
        bool finalPass = two.code.engine.Evaluate("FINALPASS").AsBool();
        TfrEMFPages& pages = two.code.report.EMFPages;
        pagesSeen[finalPass] = pages.Count();
        for (int index = 0; index < pages.Count(); ++index)
            largestPage[finalPass] = std::max(largestPage[finalPass], pages[index].Stream.size());
    };
    ASSERT_TRUE(two.code.Build()) << two.code.report.BuildError;
    EXPECT_EQ(pagesSeen[false], one.code.PageCount());
    EXPECT_EQ(largestPage[false], 1u) << "first-pass pages hold their version byte only";
    EXPECT_GT(largestPage[true], 1u);
    ASSERT_EQ(two.code.PageCount(), one.code.PageCount());
    for (int index = 0; index < one.code.PageCount(); ++index)
        EXPECT_EQ(two.code.report.EMFPages[index].Stream, one.code.report.EMFPages[index].Stream) << "page " << index + 1;
}

// --- sub-reports and band structure --------------------------------------------------------------

TEST(BandEngineStructure, ASubReportPrintsItsPageInsideTheHostBandAndNotByItself)
{
    ReportInCode code;
    code.Records("Items", Names({ "x", "y" }));
    code.Band(BandType::MasterData, 100, 40, "1");
    code.Memo("host", 100);
    code.SubReport(120, 50, 1);
    code.Band(BandType::ReportSummary, 200, 20);
    code.Memo("after", 200);
    TfrPage& detail = code.report.AddPage();
    auto band = std::make_unique<TfrBandView>();
    band->Name = "ItemBand";
    band->SetBandType(BandType::MasterData);
    band->Top = 10;
    band->Height = 20;
    band->FormatText = "Items";
    detail.Add(std::move(band));
    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = "ItemMemo";
    memo->Memo = { "item [Items.\"name\"]" };
    memo->Top = 10;
    memo->Height = 20;
    memo->Width = 100;
    detail.Add(std::move(memo));

    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.PageCount(), 1);
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:host", "1:item x", "1:item y", "1:after" }));
    auto page = code.Page(0);
    EXPECT_EQ(Find(page, "item x")->left, 36 + 50);
    EXPECT_EQ(Find(page, "item x")->top, 36 + 20);
    EXPECT_EQ(Find(page, "item y")->top, 36 + 40);
    EXPECT_EQ(Find(page, "after")->top, 36 + 60);
}

TEST(BandEngineStructure, SubReportsAndChildBandsThatLeadBackToThemselvesAreRefusedByName)
{
    ReportInCode self;
    self.Band(BandType::MasterData, 100, 40, "1");
    self.SubReport(110, 0, 0).Name = "Inner";
    EXPECT_FALSE(self.Build());
    EXPECT_NE(self.report.BuildError.find("Inner"), std::string::npos) << self.report.BuildError;
    EXPECT_EQ(self.PageCount(), 0);

    ReportInCode children;
    auto& first = children.Band(BandType::MasterData, 100, 20, "1");
    auto& second = children.Band(BandType::Child, 140, 20);
    first.ChildBand = second.Name;
    second.ChildBand = first.Name;
    EXPECT_FALSE(children.Build());
    EXPECT_NE(children.report.BuildError.find(first.Name), std::string::npos) << children.report.BuildError;
}

TEST(BandEngineStructure, AChildBandPrintsRightAfterItsBand)
{
    ReportInCode code;
    auto& data = code.Band(BandType::MasterData, 100, 20, "2");
    code.Memo("row [LINE#]", 100);
    auto& child = code.Band(BandType::Child, 200, 20);
    code.Memo("child", 200);
    data.ChildBand = child.Name;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:row 1", "1:child", "1:row 2", "1:child" }));
}

// --- the template around a build ----------------------------------------------------------------

TEST(BandEngineTemplate, ABuildLeavesTheTemplateAsItWasIncludingItsLastChangeDate)
{
    TwentyRows rows(true);
    rows.code.report.Info.LastChange = { 40000.5 };
    rows.code.page.PageObjects.back()->Script = { "Footer.Memo := 'changed'" };
    io::ByteWriter before;
    WriteTemplate(rows.code.report, before);
    ASSERT_TRUE(rows.code.Build()) << rows.code.report.BuildError;
    io::ByteWriter after;
    WriteTemplate(rows.code.report, after);
    EXPECT_EQ(before.Data(), after.Data());
    EXPECT_EQ(rows.code.report.Info.LastChange.value, 40000.5);
}

TEST(BandEngineTemplate, ATemplateTooBigToSnapshotFailsTheBuildWithAMessage)
{
    ReportInCode code;
    code.Band(BandType::MasterData, 100, 20, "1");
    code.Memo(std::string(70000, 'x'), 100);
    EXPECT_FALSE(code.Build());
    EXPECT_NE(code.report.BuildError.find("cannot be built"), std::string::npos) << code.report.BuildError;
    EXPECT_EQ(code.page.PageObjects.back()->Memo.front().size(), 70000u);
}

TEST(BandEngineTemplate, AnObjectWhoseClassIsNotPluggedInFailsTheBuildWithAMessageInsteadOfAnException)
{
    ReportInCode code;
    code.Band(BandType::MasterData, 100, 20, "2");
    code.Memo("row [LINE#]", 100);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    ASSERT_EQ(code.PageCount(), 1);

    // A rich-text object while the report's add-in list lacks its class: the
    // build cannot read its own copy of the template.
    auto rich = std::make_unique<TfrRichView>();
    rich->Name = "Rich1";
    rich->Top = 100;
    rich->Width = 100;
    rich->Height = 20;
    code.page.Add(std::move(rich));
    AddInRegistry none;
    code.report.AddIns = &none;
    int begun = 0;
    int ended = 0;
    code.report.OnBeginDoc = [&begun] { ++begun; };
    code.report.OnEndDoc = [&ended] { ++ended; };
    bool built = true;
    EXPECT_NO_THROW(built = code.Build());
    EXPECT_FALSE(built);
    EXPECT_NE(code.report.BuildError.find("TfrRichView"), std::string::npos) << code.report.BuildError;
    ASSERT_EQ(code.errors.size(), 1u);
    EXPECT_EQ(code.errors.back(), code.report.BuildError);
    EXPECT_EQ(code.PageCount(), 0);
    EXPECT_EQ(begun, ended);
    EXPECT_EQ(code.page.PageObjects.back()->Name, "Rich1");
}

TEST(BandEngineTemplate, TheReaderRefusesALineListTheWriterCouldNotWriteBack)
{
    ReportInCode code;
    code.Memo("a", 100).Memo.assign(65535, "a");
    io::ByteWriter stream;
    WriteTemplate(code.report, stream);
    std::vector<std::uint8_t> bytes = stream.Data();
    {
        TfrReport accepted;
        ASSERT_TRUE(accepted.LoadTemplateFromStream(bytes)) << accepted.LoadError;
    }
    // One more line before the last: 65536 lines.
    const std::uint8_t last[] = { 1, 0, 'a', 0 };
    auto at = std::search(bytes.begin(), bytes.end(), std::begin(last), std::end(last));
    ASSERT_NE(at, bytes.end());
    const std::uint8_t extra[] = { 1, 0, 'a', 13 };
    bytes.insert(at, std::begin(extra), std::end(extra));
    TfrReport refused;
    EXPECT_FALSE(refused.LoadTemplateFromStream(bytes));
    EXPECT_NE(refused.LoadError.find("more than 65535 lines"), std::string::npos) << refused.LoadError;
    EXPECT_TRUE(refused.Pages.empty());
}

} // namespace
} // namespace report
