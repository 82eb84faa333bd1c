#include "platform/text/Gbk.h"
#include "platform/time/Calendar.h"
#include "report/expr/ExprError.h"
#include "report/expr/TextExpander.h"
#include "report/expr/TfrExpressionEngine.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

class ExprExpandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.Globals().Set("amount", Variant(1234.5));
        engine.Globals().Set("title", Variant("月度报告"));
        engine.Globals().Set("zero", Variant(0));
        engine.Globals().Set("day", Variant(*dt::EncodeDate(1998, 11, 15)));
    }
    std::string Expand(const std::string& line, bool hideZeros = false)
    {
        TextExpander expander(engine, TfrDisplayFormat::Default(), hideZeros);
        return expander.ExpandLine(line);
    }

    TfrExpressionEngine engine;
};

TEST_F(ExprExpandTest, ReplacesEachBracketedPart)
{
    EXPECT_EQ(Expand("标题：[title]，共[1 + 2]页"), "标题：月度报告，共3页");
    EXPECT_EQ(Expand("[title][title]"), "月度报告月度报告");
    EXPECT_EQ(Expand("no brackets"), "no brackets");
    EXPECT_EQ(Expand("[IF(1, '[x]', 0)] after"), "[x] after") << "inserted text is not scanned again";
    EXPECT_EQ(Expand("[[title]]"), "月度报告");
    EXPECT_EQ(Expand("open [title"), "open [title");
}

TEST_F(ExprExpandTest, BracketsInsideQuotesDoNotCount)
{
    EXPECT_EQ(Expand("[COPY('a]b', 1, 3)]!"), "a]b!");
    EXPECT_EQ(Expand("<['[' + ']']>"), "<[]>");
}

TEST_F(ExprExpandTest, CharactersWhoseGbkBytesLookLikeBracketsStayWhole)
{
    // Characters whose second GBK byte is "[", "]", "\", "{" or "}".
    std::string text;
    for (unsigned char trail : { 0x5B, 0x5D, 0x5C, 0x7B, 0x7D }) {
        const char bytes[] = { static_cast<char>(0x81), static_cast<char>(trail), 0 };
        text += text::GbkToUtf8(bytes);
    }
    ASSERT_EQ(text.find_first_of("[]\\{}"), std::string::npos);
    engine.Globals().Set("odd", Variant(text));
    EXPECT_EQ(Expand(text + "[odd]" + text), text + text + text);
    EXPECT_EQ(Expand("[LENGTH(odd)]"), "5");
    EXPECT_EQ(Expand("['" + text + "']"), text);
}

TEST_F(ExprExpandTest, NumberSuffixes)
{
    EXPECT_EQ(Expand("[amount #N0,2]"), "1234,50");
    EXPECT_EQ(Expand("[amount #N#,##0.00]"), "1,234.50");
    EXPECT_EQ(Expand("[amount #0.3]"), "1234.500");
    EXPECT_EQ(Expand("[amount #n0-1]"), "1234-5");
    EXPECT_EQ(Expand("[amount * 2 #N0.0]"), "2469");
    EXPECT_EQ(Expand("[amount]"), "1234.5");
}

TEST_F(ExprExpandTest, BooleanAndDateSuffixes)
{
    EXPECT_EQ(Expand("[1 > 0 #BNo;Yes]"), "Yes");
    EXPECT_EQ(Expand("[zero #bNo;Yes]"), "No");
    EXPECT_EQ(Expand("[day #Dd mmm yyyy]"), "15 Nov 1998");
    EXPECT_EQ(Expand("[day #dyyyy年m月d日]"), "1998年11月15日");
    EXPECT_EQ(Expand("[0.5 #Thh:nn]"), "12:00");
    engine.Globals().Set("PAGE#", Variant(7));
    EXPECT_EQ(Expand("[PAGE# #N0.0]"), "7") << "a # inside a name is no suffix";
}

TEST_F(ExprExpandTest, ObjectFormatAppliesWithoutSuffix)
{
    TfrDisplayFormat format { TfrDisplayFormat::MakeCode(TfrFormatCategory::Number, 1, 2, ','), {} };
    TextExpander expander(engine, format);
    EXPECT_EQ(expander.ExpandLine("Sum: [amount]"), "Sum: 1234,50");
    EXPECT_EQ(expander.ExpandLine("[title]"), "月度报告") << "text that is no number prints as it is";
}

TEST_F(ExprExpandTest, HideZerosBlanksZeroNumbersOnly)
{
    EXPECT_EQ(Expand("[zero]|[0.0]|['0']|[amount]", true), "||0|1234.5");
    EXPECT_EQ(Expand("[zero]", false), "0");
}

TEST_F(ExprExpandTest, ValuesWithLineBreaksAddLines)
{
    engine.Globals().Set("body", Variant("第一行\r\n第二行\n第三行"));
    TextExpander expander(engine, TfrDisplayFormat::Default());
    auto lines = expander.ExpandLines({ "正文：[body]", "end" });
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "正文：第一行");
    EXPECT_EQ(lines[1], "第二行");
    EXPECT_EQ(lines[2], "第三行");
    EXPECT_EQ(lines[3], "end");
}

TEST_F(ExprExpandTest, LastValueIsAvailableAsValue)
{
    Expand("[amount]");
    EXPECT_EQ(engine.Evaluate("VALUE"), Variant(1234.5));
}

TEST_F(ExprExpandTest, ErrorsInsideBracketsPropagate)
{
    EXPECT_THROW(Expand("[nosuch]"), ExprError);
    EXPECT_THROW(Expand("[1 +]"), ExprError);
}

} // namespace
