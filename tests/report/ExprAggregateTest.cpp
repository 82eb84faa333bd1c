#include "report/expr/TAggregateFunctionsSplitter.h"
#include "report/expr/TfrAggregates.h"
#include "report/expr/TfrFunctionSplitter.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

Variant ResultOf(const TfrAggregates& aggregates, TfrAggregateKind kind, const std::string& expression = "x")
{
    return aggregates.Result(TfrAggregates::Key("Footer1", kind, expression, "")).value_or(Variant("missing"));
}

void Feed(TfrAggregates& aggregates, std::initializer_list<double> values)
{
    for (double value : values)
        aggregates.Accumulate(true, [value](const std::string&) { return Variant(value); });
}

class ExprAggregateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (auto kind : { TfrAggregateKind::Sum, TfrAggregateKind::Min, TfrAggregateKind::Max, TfrAggregateKind::Avg })
            aggregates.Register("Footer1", { kind, "x", "", "" });
        aggregates.Register("Footer1", { TfrAggregateKind::Count, "", "", "" });
    }
    TfrAggregates aggregates;
};

TEST_F(ExprAggregateTest, AccumulatesOverRecords)
{
    Feed(aggregates, { 2, 8, 5 });
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Sum), Variant(15.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Min), Variant(2.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Max), Variant(8.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Avg), Variant(5.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Count, ""), Variant(3));
}

TEST_F(ExprAggregateTest, NegativeValuesGiveTheRealMaximum)
{
    Feed(aggregates, { -4, -2, -9 });
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Max), Variant(-2.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Min), Variant(-9.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Avg), Variant(-5.0));
}

TEST_F(ExprAggregateTest, EmptyGroupsGiveZero)
{
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Min), Variant(0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Max), Variant(0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Avg), Variant(0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Sum), Variant(0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Count, ""), Variant(0));
}

TEST_F(ExprAggregateTest, ShowingTheFooterStartsAgain)
{
    Feed(aggregates, { 1, 2 });
    aggregates.Reset("OtherFooter");
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Sum), Variant(3.0));
    aggregates.Reset("FOOTER1");
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Sum), Variant(0));
    Feed(aggregates, { 6 });
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Sum), Variant(6.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Min), Variant(6.0));
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Count, ""), Variant(1));
}

TEST_F(ExprAggregateTest, InvisibleBandsUpdateOnlyFlaggedEntries)
{
    aggregates.Register("Footer1", { TfrAggregateKind::Sum, "x", "", "1" });
    aggregates.Accumulate(false, [](const std::string&) { return Variant(4); });
    EXPECT_EQ(ResultOf(aggregates, TfrAggregateKind::Sum), Variant(0));
    EXPECT_EQ(aggregates.Result(TfrAggregates::Key("Footer1", TfrAggregateKind::Sum, "x", "1")), Variant(4));
}

TEST_F(ExprAggregateTest, RegisteringTwiceKeepsOneEntry)
{
    int count = aggregates.Count();
    aggregates.Register("footer1", { TfrAggregateKind::Sum, "x", "", "" });
    EXPECT_EQ(aggregates.Count(), count);
    EXPECT_EQ(TfrAggregates::Key("Footer1", TfrAggregateKind::Avg, "[a]", "1"), std::string("FOOTER1\x01" "14\x01[a]\x01" "1"));
}

TEST(ExprAggregateSplitterTest, FindsAggregatesInBracketsAtAnyDepth)
{
    TAggregateFunctionsSplitter splitter;
    auto calls = splitter.Split({ "合计: [SUM([frDBDataSet1.\"金额\"], MasterData1, 1)] 'SUM(no)'",
        "[IF(COUNT() > 0, AVG(x) / MAX(y), MIN( z ))]", "SUM(outside brackets)", "['[SUM(quoted)]']" });
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].kind, TfrAggregateKind::Sum);
    EXPECT_EQ(calls[0].expression, "[frDBDataSet1.\"金额\"]");
    EXPECT_EQ(calls[0].band, "MasterData1");
    EXPECT_EQ(calls[0].flag, "1");
    EXPECT_EQ(calls[1].kind, TfrAggregateKind::Count);
    EXPECT_EQ(calls[2].kind, TfrAggregateKind::Avg);
    EXPECT_EQ(calls[3].kind, TfrAggregateKind::Max);
    EXPECT_EQ(calls[4].kind, TfrAggregateKind::Min);
    EXPECT_EQ(calls[4].expression, "z");
}

TEST(ExprAggregateSplitterTest, FunctionSplitterFindsNamedCalls)
{
    TfrFunctionSplitter splitter({ "FORMATFLOAT" });
    auto found = splitter.SplitExpression("'x' + FormatFloat('0.0', FORMATFLOAT('0', 1))");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].args.size(), 2u);
    EXPECT_EQ(found[1].args[1], "1");
}

} // namespace
