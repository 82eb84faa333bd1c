#include "report/objects/MemoCharWidths.h"
#include "report/objects/MemoLayout.h"
#include "report/objects/TfrMemoView.h"

#include "platform/graphics/TPageCanvas.h"
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace report {
namespace {

// Every character is 10 units wide, so line breaks are easy to predict.
double TenPerCharacter(std::string_view text) { return 10.0 * text::Utf8ToUtf32(text).size(); }

std::vector<std::string> Texts(const std::vector<MemoLine>& lines)
{
    std::vector<std::string> texts;
    for (const auto& line : lines)
        texts.push_back(line.Text);
    return texts;
}

std::vector<MemoLine> Wrap(std::vector<std::string> text, double width, bool word_break = false)
{
    return WrapMemoText(text, { width, true, word_break }, TenPerCharacter);
}

TEST(MemoWrap, BreaksLatinTextAtTheLastBlankThatFitsAndDropsTheBlank)
{
    EXPECT_EQ(Texts(Wrap({ "one two three four" }, 90)), (std::vector<std::string> { "one two", "three", "four" }));
}

TEST(MemoWrap, ALineThatFillsTheWidthExactlyStaysWhole)
{
    EXPECT_EQ(Texts(Wrap({ "abcdefgh" }, 80)), (std::vector<std::string> { "abcdefgh" }));
    EXPECT_EQ(Texts(Wrap({ "abcdefghi" }, 80)), (std::vector<std::string> { "abcdefgh", "i" }));
}

TEST(MemoWrap, ChineseTextWrapsBetweenCharactersAndNeverSplitsOne)
{
    auto lines = Wrap({ "中华人民共和国成立了" }, 35);
    EXPECT_EQ(Texts(lines), (std::vector<std::string> { "中华人", "民共和", "国成立", "了" }));
    for (const auto& line : lines)
        EXPECT_EQ(text::Utf32ToUtf8(text::Utf8ToUtf32(line.Text)), line.Text) << "a character was cut";
}

TEST(MemoWrap, MixedLinesBreakAfterAChineseCharacterRatherThanAtAnEarlyBlank)
{
    EXPECT_EQ(Texts(Wrap({ "ab 笔记本电脑很好用" }, 60)), (std::vector<std::string> { "ab 笔记本", "电脑很好用" }));
}

TEST(MemoWrap, ALongUnbrokenWordIsCutBeforeTheCharacterThatDoesNotFit)
{
    EXPECT_EQ(Texts(Wrap({ "abcdefghijklmnopqrstu" }, 100)),
        (std::vector<std::string> { "abcdefghij", "klmnopqrst", "u" }));
}

TEST(MemoWrap, WordBreakHyphenatesAtASyllableThatFits)
{
    EXPECT_EQ(Texts(Wrap({ "bananarama" }, 70, true)), (std::vector<std::string> { "banana-", "rama" }));
    EXPECT_EQ(Texts(Wrap({ "bananarama" }, 60, true)), (std::vector<std::string> { "bana-", "narama" }));
}

TEST(MemoWrap, ALineNarrowerThanOneCharacterStillAdvances)
{
    EXPECT_EQ(Texts(Wrap({ "汉字" }, 3)), (std::vector<std::string> { "汉", "字" }));
}

TEST(MemoWrap, LineBreaksEndParagraphsAndOnlyParagraphEndsAreMarked)
{
    auto lines = Wrap({ "aaa bbb ccc\r\nddd", "" }, 70);
    ASSERT_EQ(Texts(lines), (std::vector<std::string> { "aaa bbb", "ccc", "ddd", "" }));
    EXPECT_FALSE(lines[0].ParagraphEnd);
    EXPECT_TRUE(lines[1].ParagraphEnd);
    EXPECT_TRUE(lines[2].ParagraphEnd);
    EXPECT_TRUE(lines[3].ParagraphEnd);
}

TEST(MemoWrap, PreSplitLinesAreTakenAsTheyStandAndTheContinuationMarkerIsNotALine)
{
    std::string mark(1, kPreSplitMark);
    auto lines = Wrap({ "a very long line that is not wrapped" + mark, "end" + mark + mark, mark }, 20);
    ASSERT_EQ(Texts(lines), (std::vector<std::string> { "a very long line that is not wrapped", "end" }));
    EXPECT_FALSE(lines[0].ParagraphEnd);
    EXPECT_TRUE(lines[1].ParagraphEnd);
}

TEST(MemoWrap, WithoutWordWrapEachTextLineIsOneLine)
{
    auto lines = WrapMemoText({ "one two three" }, { 20, false, false }, TenPerCharacter);
    EXPECT_EQ(Texts(lines), (std::vector<std::string> { "one two three" }));
}

TEST(MemoHyphenation, BreaksBetweenVowelAndConsonantKeepingTwoLettersEachSide)
{
    EXPECT_EQ(HyphenationPoints("banana"), (std::vector<std::size_t> { 2, 4 }));
    EXPECT_TRUE(HyphenationPoints("strengths").empty());
    EXPECT_TRUE(HyphenationPoints("ab").empty());
}

// Heights of a memo follow its lines: the font's pixel height plus spacing.
class MemoHeight : public ::testing::Test {
protected:
    void SetUp() override
    {
        memo.Width = 200;
        memo.Height = 30;
        memo.Font.Name = "宋体";
        memo.Font.Size = 9; // 12 pixels
        memo.LineSpacing = 2;
    }
    TfrMemoView memo;
};

TEST_F(MemoHeight, ContentHeightIsTheGapsPlusOneLineHeightPerLine)
{
    memo.PrintMemo = { "第一行", "第二行", "第三行" };
    EXPECT_DOUBLE_EQ(memo.LineHeight(), 14);
    EXPECT_EQ(memo.ContentHeight(), 1 + 3 * 14 + 1);
    memo.FrameTyp = frftTop | frftBottom;
    memo.FrameWidth = 4;
    EXPECT_EQ(memo.ContentHeight(), 3 + 3 * 14 + 3);
}

TEST_F(MemoHeight, LongChineseTextGrowsTheHeightByItsWrappedLines)
{
    memo.Width = 12 * 10 + 4; // ten characters between the gaps
    std::string body;
    for (int i = 0; i < 25; ++i)
        body += "字";
    memo.PrintMemo = { body };
    auto lines = memo.LayoutLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(memo.ContentHeight(), 1 + 3 * 14 + 1);
}

TEST_F(MemoHeight, PartsNeedOneLineAndSplitRemainderIsTheFractionOfALine)
{
    memo.FrameWidth = 1;
    EXPECT_EQ(memo.MinPartHeight(), 14 + 2 * 1 + 2 * 1);
    memo.Height = 14 * 3 + 5;
    EXPECT_EQ(memo.SplitRemainder(), 2 * 1 + 2 * 1 + 5);
}

TEST_F(MemoHeight, CalcHeightMethodGivesTheStretchedHeight)
{
    memo.PrintMemo = { "a", "b" };
    auto height = memo.CallMethod("calcheight", {});
    ASSERT_TRUE(height);
    EXPECT_EQ(height->AsInt(), memo.ContentHeight());
}

// A memo measures the same text at the same width more than once in a build
// and keeps its last layout for that; any change of what the lines depend
// on must give the height a memo laid out afresh has.
TEST_F(MemoHeight, TheHeightFollowsEveryChangeOfTextWidthFontAndFlags)
{
    auto fresh_height = [this] {
        TfrMemoView other;
        other.Width = memo.Width;
        other.Height = memo.Height;
        other.Font = memo.Font;
        other.Flags = memo.Flags;
        other.Alignment = memo.Alignment;
        other.CharSpacing = memo.CharSpacing;
        other.Memo = memo.Memo;
        other.PrintMemo = memo.PrintMemo;
        return other.ContentHeight();
    };
    std::string body;
    for (int i = 0; i < 25; ++i)
        body += i % 6 == 5 ? " " : "字";
    memo.Width = 12 * 10 + 4;
    memo.PrintMemo = { body };
    int previous = memo.ContentHeight();
    EXPECT_EQ(previous, fresh_height());
    std::vector<std::function<void()>> changes {
        [&] { memo.Width = 12 * 4 + 4; },
        [&] { memo.PrintMemo = { body + body }; },
        [&] { memo.PrintMemo.clear(); memo.Memo = { body, body }; },
        [&] { memo.Memo = { body }; },
        [&] { memo.Font.Size = 18; },
        [&] { memo.Font.Style = fsBold; },
        [&] { memo.Font.Name = "Arial"; },
        [&] { memo.CharSpacing = 6; },
        [&] { memo.Flags &= static_cast<std::uint16_t>(~memo_flags::WordWrap); },
        [&] { memo.Flags |= memo_flags::WordWrap; memo.Alignment = frtaVertical; },
        [&] { memo.Height = 400; },
        [&] { memo.Alignment = frtaLeft; },
    };
    int changed = 0;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        changes[i]();
        int height = memo.ContentHeight();
        EXPECT_EQ(height, fresh_height()) << "after change " << i;
        changed += height != previous;
        previous = height;
    }
    EXPECT_GE(changed, 8) << "most changes move the height, so a stale layout shows";
}

TEST(MemoCharWidths, ATextIsItsCharactersAsTheCanvasMeasuresThemPlusTheExtraSpacing)
{
    TfrMemoView memo;
    memo.Font.Name = "宋体";
    gfx::TFont font = memo.DrawFont();
    MemoCharWidths& widths = MemoCharWidths::Of(font);
    double extra = 1.5;
    for (int round = 0; round < 2; ++round) {
        EXPECT_DOUBLE_EQ(widths.TextWidth("笔a", extra),
            gfx::PageTextWidth(font, "笔") + gfx::PageTextWidth(font, "a") + 2 * extra);
        // A damaged byte is measured as itself, apart from the code point
        // of the same number.
        EXPECT_DOUBLE_EQ(widths.TextWidth("\xE4", 0), gfx::PageTextWidth(font, "\xE4"));
        EXPECT_DOUBLE_EQ(widths.TextWidth("\u00E4", 0), gfx::PageTextWidth(font, "\u00E4"));
        EXPECT_EQ(widths.TextWidth("", extra), 0);
    }
    gfx::TFont coloured = font;
    coloured.Color = gfx::clRed;
    EXPECT_EQ(&MemoCharWidths::Of(coloured), &widths) << "colour does not change widths";
    gfx::TFont bold = font;
    bold.Style.Include(gfx::TFontStyle::fsBold);
    EXPECT_NE(&MemoCharWidths::Of(bold), &widths);
}

} // namespace
} // namespace report
