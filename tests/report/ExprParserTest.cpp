#include "report/expr/ExprError.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/ValueConvert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace report;

namespace {

class ExprParserTest : public ::testing::Test {
protected:
    Variant Eval(const std::string& expression) { return engine.Evaluate(expression); }
    double Number(const std::string& expression) { return ValueToNumber(Eval(expression)); }
    std::string Text(const std::string& expression) { return ValueToText(Eval(expression)); }

    TfrExpressionEngine engine;
};

TEST_F(ExprParserTest, ArithmeticOperatorsFollowTheirLevels)
{
    EXPECT_EQ(Eval("1 + 2 * 3"), Variant(7));
    EXPECT_EQ(Eval("(1 + 2) * 3"), Variant(9));
    EXPECT_EQ(Eval("10 - 4 - 3"), Variant(3));
    EXPECT_EQ(Eval("7 MOD 3 * 2"), Variant(2));
    EXPECT_DOUBLE_EQ(Number("7 / 2"), 3.5);
    EXPECT_DOUBLE_EQ(Number("1,5 + 1.25"), 2.75);
    EXPECT_EQ(Eval("-2 * 3"), Variant(-6));
    EXPECT_EQ(Eval("2 * -3"), Variant(-6));
    EXPECT_EQ(Eval("1 - -2 + 3"), Variant(6));
    EXPECT_EQ(Eval("+4"), Variant(4));
}

TEST_F(ExprParserTest, AndBindsTighterThanComparison)
{
    // Reads as (1 = (1 AND 2)) = 2.
    EXPECT_EQ(Eval("1 = 1 AND 2 = 2"), Variant(0));
    EXPECT_EQ(Eval("(1 = 1) AND (2 = 2)"), Variant(1));
    // OR is on the multiplication level too: 1 + (2 OR 4) = 7.
    EXPECT_EQ(Eval("1 + 2 OR 4"), Variant(7));
    // Unary minus sits on the additive level: -(2 * 3), not (-2) * 3 (same
    // value), but NOT 0 * 5 applies NOT first: (NOT 0) * 5.
    EXPECT_EQ(Eval("NOT 0 * 5"), Variant(5));
    // INT binds tightest: (INT 2.7) * 2.
    EXPECT_EQ(Eval("INT 2.7 * 2"), Variant(4));
    EXPECT_EQ(Eval("INT(2.7 * 2)"), Variant(5));
}

TEST_F(ExprParserTest, LogicalAndBitOperators)
{
    EXPECT_EQ(Eval("3 AND 4"), Variant(12));
    EXPECT_EQ(Eval("5 OR 3"), Variant(7));
    EXPECT_EQ(Eval("NOT 0"), Variant(1));
    EXPECT_EQ(Eval("NOT 7"), Variant(0));
    EXPECT_EQ(Eval("TRUE AND FALSE"), Variant(0));
    EXPECT_EQ(Eval("TRUE"), Variant(true));
    EXPECT_EQ(Eval("NOT FALSE"), Variant(1));
}

TEST_F(ExprParserTest, ComparisonsGiveOneOrZero)
{
    EXPECT_EQ(Eval("2 < 3"), Variant(1));
    EXPECT_EQ(Eval("2 > 3"), Variant(0));
    EXPECT_EQ(Eval("3 <= 3"), Variant(1));
    EXPECT_EQ(Eval("3 >= 4"), Variant(0));
    EXPECT_EQ(Eval("3 <> 4"), Variant(1));
    EXPECT_EQ(Eval("'abc' = 'abc'"), Variant(1));
    EXPECT_EQ(Eval("'abc' < 'abd'"), Variant(1));
    EXPECT_EQ(Eval("'10' = 10"), Variant(1));
    EXPECT_EQ(Eval("1 + 1 = 2"), Variant(1));
}

TEST_F(ExprParserTest, StringsConcatenateAndQuotesDouble)
{
    EXPECT_EQ(Eval("'ab' + 'cd'"), Variant("abcd"));
    EXPECT_EQ(Eval("'it''s'"), Variant("it's"));
    EXPECT_EQ(Eval("'第' + STR(3) + '页'"), Variant("第3页"));
    EXPECT_EQ(Eval("'Page ' + 3"), Variant("Page 3"));
    EXPECT_EQ(Eval("'2' + 3"), Variant(5.0));
}

TEST_F(ExprParserTest, BuiltInOperatorsSnapRoundAndConvert)
{
    EXPECT_EQ(Eval("INT(2.9999999999999)"), Variant(3));
    EXPECT_EQ(Eval("INT(2.9)"), Variant(2));
    EXPECT_EQ(Eval("INT(-2.9)"), Variant(-2));
    EXPECT_DOUBLE_EQ(Number("FRAC(2.25)"), 0.25);
    EXPECT_DOUBLE_EQ(Number("FRAC(2.99999999999999)"), 0.0);
    EXPECT_EQ(Eval("ROUND(2.5)"), Variant(2));
    EXPECT_EQ(Eval("ROUND(3.5)"), Variant(4));
    EXPECT_EQ(Eval("ROUND(-2.5)"), Variant(-2));
    EXPECT_EQ(Eval("STR(12) + STR(0.5)"), Variant("120.5"));
    EXPECT_EQ(Eval("STR(Null)"), Variant(""));
}

TEST_F(ExprParserTest, DivisionAndModByZeroGiveZero)
{
    EXPECT_DOUBLE_EQ(Number("10 / 0"), 0.0);
    EXPECT_DOUBLE_EQ(Number("0 / 0"), 0.0);
    EXPECT_EQ(Eval("10 MOD 0"), Variant(0));
    EXPECT_EQ(Eval("-7 MOD 3"), Variant(-1));
    EXPECT_EQ(Eval("7.9 MOD 3"), Variant(1));
}

TEST_F(ExprParserTest, OverflowAndNaNHaveDefinedResults)
{
    // Whole results beyond 32 bits continue as doubles instead of wrapping.
    EXPECT_DOUBLE_EQ(Number("2147483647 + 1"), 2147483648.0);
    EXPECT_DOUBLE_EQ(Number("65536 * 65536"), 4294967296.0);
    EXPECT_DOUBLE_EQ(Number("-2147483647 - 2"), -2147483649.0);
    engine.Globals().Set("big", Variant(1e300));
    EXPECT_DOUBLE_EQ(Number("INT(big)"), 1e300);
    EXPECT_EQ(Eval("ROUND(big)"), Variant(1e300));
    // MOD works on saturated 64-bit whole numbers: (2^63 - 1) MOD 10 = 7.
    EXPECT_EQ(Eval("99999999999999999999 MOD 10"), Variant(7));
    EXPECT_EQ(SaturatedInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(SaturatedInt32(1e20), 2147483647);
    EXPECT_EQ(SaturatedInt64(-1e30), std::numeric_limits<std::int64_t>::min());
    engine.Globals().Set("nan", Variant(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(Eval("INT(nan)"), Variant(0));
    EXPECT_EQ(Eval("ROUND(nan)"), Variant(0));
    EXPECT_EQ(Eval("nan MOD 3"), Variant(0));
    EXPECT_EQ(Eval("STR(nan)"), Variant("NAN"));
    EXPECT_EQ(Eval("IF(nan, 1, 2)"), Variant(2));
}

TEST_F(ExprParserTest, NamesMayHoldQuotedPartsAndBrackets)
{
    engine.Globals().Set("frDBDataSet1.\"标题\"", Variant("hello"));
    EXPECT_EQ(Eval("frDBDataSet1.\"标题\""), Variant("hello"));
    EXPECT_EQ(Eval("[frDBDataSet1.\"标题\"]"), Variant("hello"));
    engine.Globals().Set("a b", Variant(2));
    EXPECT_EQ(Eval("[a b] * 2"), Variant(4));
    // A bracketed name that is no variable is evaluated as an expression.
    EXPECT_EQ(Eval("[1 + 2] * 2"), Variant(6));
}

TEST_F(ExprParserTest, ArrayReadIsGetArray)
{
    engine.Evaluate("SETARRAY(Totals, 2, 40)");
    EXPECT_EQ(engine.Globals().Get("Arr_Totals2"), Variant(40));
    EXPECT_EQ(Eval("Totals[1 + 1] + 2"), Variant(42));
}

TEST_F(ExprParserTest, PostfixTextRoundTrips)
{
    std::string postfix = engine.Parser().ToPostfix("1 + 2 * 3");
    EXPECT_EQ(postfix, "I1:1I1:2I1:3O1:*O1:+");
    EXPECT_EQ(engine.Parser().EvaluatePostfix(postfix), Variant(7));
    std::string call = engine.Parser().ToPostfix("IF(x, 'a,b', (1,5))");
    EXPECT_EQ(call, "F2:IF1:x5:'a,b'5:(1,5)");
    EXPECT_THROW(engine.Parser().EvaluatePostfix("I9:1"), ExprError);
    EXPECT_THROW(engine.Parser().EvaluatePostfix("O1:+"), ExprError);
    EXPECT_THROW(engine.Parser().EvaluatePostfix("I1:1I1:2"), ExprError);
    EXPECT_THROW(engine.Parser().EvaluatePostfix("Q1:1"), ExprError);
    EXPECT_EQ(engine.Parser().EvaluatePostfix(""), Variant());
}

TEST_F(ExprParserTest, SyntaxErrorsAreReported)
{
    EXPECT_THROW(Eval("(1 + 2"), ExprError);
    EXPECT_THROW(Eval("1 + 2)"), ExprError);
    EXPECT_THROW(Eval("1 +"), ExprError);
    EXPECT_THROW(Eval("1 2"), ExprError);
    EXPECT_THROW(Eval("'open"), ExprError);
    EXPECT_THROW(Eval("[open"), ExprError);
    EXPECT_THROW(Eval("COPY('a', 1"), ExprError);
    EXPECT_THROW(Eval("1.2.3"), ExprError);
    EXPECT_THROW(Eval("MAXNUM(1, 2, 3, 4)"), ExprError);
    EXPECT_THROW(Eval("'abc' * 2"), ExprError);
}

TEST_F(ExprParserTest, UndefinedNameIsReportedWithItsName)
{
    try {
        Eval("1 + nosuchname");
        FAIL() << "no error";
    } catch (const ExprError& error) {
        EXPECT_STREQ(error.what(), "Undefined symbol \"nosuchname\"");
    }
}

TEST_F(ExprParserTest, DeepNestingEndsWithAnErrorNotAStackOverflow)
{
    std::string deep;
    for (int i = 0; i < 1000; ++i)
        deep += "IF(1, ";
    deep += "1";
    for (int i = 0; i < 1000; ++i)
        deep += ", 0)";
    EXPECT_THROW(Eval(deep), ExprError);
    std::string brackets(1000, '[');
    brackets += "x" + std::string(1000, ']');
    EXPECT_THROW(Eval(brackets), ExprError);
    // Plain parentheses are handled without recursion at any depth.
    EXPECT_EQ(Eval(std::string(5000, '(') + "7" + std::string(5000, ')')), Variant(7));
}

} // namespace
