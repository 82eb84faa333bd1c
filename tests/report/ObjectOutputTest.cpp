#include "report/expr/TfrExpressionEngine.h"
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/template/TemplateStream.h"

#include <gtest/gtest.h>

#include <limits>

namespace report {
namespace {

// Objects written to a prepared page, read back one record at a time.
class PreparedPage {
public:
    TemplateWriter& Writer() { return m_writer; }

    // The memos of the page as a reader of prepared pages sees them.
    std::vector<TfrMemoView> Memos()
    {
        std::vector<TfrMemoView> memos;
        TemplateReader reader(std::span<const std::uint8_t>(m_bytes.Data()));
        while (reader.Bytes().Remaining() > 0) {
            EXPECT_EQ(reader.Bytes().U8(), static_cast<std::uint8_t>(ObjectKind::Memo));
            TfrMemoView& memo = memos.emplace_back();
            memo.PrintMode = true;
            memo.LoadFromStream(reader);
        }
        return memos;
    }

private:
    io::ByteWriter m_bytes;
    TemplateWriter m_writer { m_bytes };
};

class MemoOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.Globals().Set("title", Variant("月度报告"));
        engine.Globals().Set("flag", Variant(1));
        context.Engine = &engine;
        context.Band = { 0, 100, 500, 80 };
        memo.Name = "Memo1";
        memo.Top = 110;
        memo.Width = 300;
        memo.Height = 20;
    }
    TfrExpressionEngine engine;
    TfrPrintContext context;
    TfrMemoView memo;
    PreparedPage page;
};

TEST_F(MemoOutput, BracketsAreExpandedIntoThePrintedTextAndTheTemplateKeepsItsOwn)
{
    memo.Memo = { "标题：[title]", "[1 + 2] 页" };
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].Memo, (std::vector<std::string> { "标题：月度报告", "3 页" }));
    EXPECT_EQ(memo.Memo, (std::vector<std::string> { "标题：[title]", "[1 + 2] 页" }));
    EXPECT_FALSE(memo.PrintMode);
}

TEST_F(MemoOutput, TheScriptRunsFirstAndOnBeforePrintTextIsNotExpandedAgain)
{
    memo.Memo = { "[title]" };
    memo.Script = { "title := 'changed'" };
    memo.WriteToPage(page.Writer(), context);
    context.OnBeforePrint = [](TfrView& view) { view.PrintMemo = { "[kept as set]" }; };
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].Memo, (std::vector<std::string> { "changed" }));
    EXPECT_EQ(written[1].Memo, (std::vector<std::string> { "[kept as set]" }));
}

TEST_F(MemoOutput, HighlightAppliesWhileWrittenAndIsRestoredAfterwards)
{
    memo.Memo = { "x" };
    memo.HighlightCondition = "flag = 1";
    memo.HighlightAttr = { fsItalic, 0x0000FF, 0x00FFFF };
    memo.Tag = "[title]";
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].Font.Style, fsItalic);
    EXPECT_EQ(written[0].Font.Color, 0x0000FF);
    EXPECT_EQ(written[0].FillColor, 0x00FFFF);
    EXPECT_EQ(written[0].Tag, "月度报告");
    EXPECT_EQ(memo.Font.Style, 0);
    EXPECT_EQ(memo.FillColor, clTransparent);
    EXPECT_EQ(memo.Tag, "[title]");
}

TEST_F(MemoOutput, AFailingExpressionLeavesTheObjectAsItWas)
{
    memo.Memo = { "[title]" };
    memo.HighlightCondition = "flag = (";
    memo.Tag = "[title]";
    EXPECT_ANY_THROW(memo.WriteToPage(page.Writer(), context));
    EXPECT_EQ(memo.Tag, "[title]");
    EXPECT_EQ(memo.Font.Style, 0);
    memo.Memo = { "ok" };
    memo.HighlightCondition.clear();
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].Memo, (std::vector<std::string> { "ok" }));
}

TEST_F(MemoOutput, SuppressPrintsARepeatedValueOnlyTheFirstTime)
{
    memo.Flags |= memo_flags::Suppress;
    memo.Memo = { "[title]" };
    memo.WriteToPage(page.Writer(), context);
    memo.ExpandForPrint(context);
    EXPECT_EQ(memo.ContentHeight(), 0) << "a suppressed repeat needs no room";
    memo.WriteToPage(page.Writer(), context);
    memo.Memo = { "other" };
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1].Memo, (std::vector<std::string> { "other" }));
}

// A value split over two pages is one value: the next record that repeats it
// is suppressed, although the printed first part carried the line marks.
TEST_F(MemoOutput, SuppressJudgesASplitValueWhole)
{
    memo.Flags |= memo_flags::Suppress;
    memo.Memo = { "first line", "second line", "third line", "fourth line" };
    memo.Height = 2 * static_cast<std::int32_t>(memo.LineHeight()) + 4;
    context.Partial = true;
    memo.WriteToPage(page.Writer(), context);
    context.Continuation = true;
    memo.WriteToPage(page.Writer(), context);
    context.Partial = false;
    context.Continuation = false;
    memo.WriteToPage(page.Writer(), context);
    memo.Memo = { "other" };
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 3u) << "the repeated value was printed again";
    EXPECT_EQ(written[2].Memo, (std::vector<std::string> { "other" }));
}

TEST_F(MemoOutput, BandAlignPlacesTheObjectInItsBandOnlyOnThePage)
{
    memo.Memo = { "x" };
    memo.BandAlign = baBottom;
    memo.WriteToPage(page.Writer(), context);
    memo.BandAlign = baWidth;
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].Top, 100 + 80 - 20);
    EXPECT_EQ(written[1].Left, 0);
    EXPECT_EQ(written[1].Width, 500);
    EXPECT_EQ(memo.Top, 110);
    EXPECT_EQ(memo.Width, 300);
}

TEST_F(MemoOutput, BandAlignWithExtremeValuesClampsInsteadOfOverflowing)
{
    memo.Memo = { "x" };
    memo.BandAlign = baBottom;
    memo.Height = -2'000'000'000;
    context.Band = { 0, 2'000'000'000, 10, 2'000'000'000 };
    memo.WriteToPage(page.Writer(), context);
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].Top, std::numeric_limits<std::int32_t>::max());
}

TEST_F(MemoOutput, InvisibleObjectsAreNotWritten)
{
    memo.Memo = { "x" };
    memo.Visible = false;
    memo.WriteToPage(page.Writer(), context);
    EXPECT_TRUE(page.Memos().empty());
}

TEST_F(MemoOutput, APartialMemoWritesTheLinesThatFitAndKeepsTheRestForTheNextPart)
{
    memo.Font.Size = 9; // lines of 12 + 2
    memo.Memo = { "1", "2", "3", "4", "5", "6", "7" };
    memo.Height = 2 + 3 * 14 + 5; // three lines and a bit
    context.Partial = true;
    memo.WriteToPage(page.Writer(), context);
    ASSERT_TRUE(memo.HasRemainder());
    context.Continuation = true;
    memo.WriteToPage(page.Writer(), context);
    ASSERT_TRUE(memo.HasRemainder());
    memo.WriteToPage(page.Writer(), context);
    EXPECT_FALSE(memo.HasRemainder());
    auto written = page.Memos();
    ASSERT_EQ(written.size(), 3u);
    std::vector<std::string> shown;
    for (auto& part : written) {
        part.PrintMemo = part.Memo;
        for (const auto& line : part.LayoutLines())
            shown.push_back(line.Text);
    }
    EXPECT_EQ(shown, memo.Memo) << "every line is written once, in order";
    EXPECT_EQ(written[0].Memo.back(), std::string(1, kPreSplitMark)) << "a continued part ends in the marker";
}

TEST_F(MemoOutput, APartTooLowForOneLineStillTakesALineSoSplittingEnds)
{
    memo.Memo = { "a", "b" };
    memo.Height = 1;
    context.Partial = true;
    int parts = 0;
    do {
        memo.WriteToPage(page.Writer(), context);
        context.Continuation = true;
        ++parts;
    } while (memo.HasRemainder() && parts < 10);
    EXPECT_EQ(parts, 2);
}

TEST(LineOutput, ALineIsWrittenAsItStands)
{
    TfrLineView line;
    line.Width = 100;
    line.Height = 1;
    line.FrameColor = 0x123456;
    io::ByteWriter bytes;
    TemplateWriter writer(bytes);
    TfrPrintContext context;
    line.WriteToPage(writer, context);
    TemplateReader reader(bytes.Data());
    EXPECT_EQ(reader.Bytes().U8(), static_cast<std::uint8_t>(ObjectKind::Line));
    TfrLineView read;
    read.PrintMode = true;
    read.LoadFromStream(reader);
    EXPECT_EQ(read.Width, 100);
    EXPECT_EQ(read.FrameColor, 0x123456);
    EXPECT_EQ(reader.Bytes().Remaining(), 0u);
}

} // namespace
} // namespace report
