#include "report/expr/TfrVariables.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

TEST(ExprVariablesTest, LookupsIgnoreCaseAndSettingReplaces)
{
    TfrVariables list;
    list.Set("Total", Variant(1));
    list.Set("TOTAL", Variant(2));
    list.Set("标题", Variant("a"));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get("total"), Variant(2));
    EXPECT_EQ(list.Name(0), "Total") << "the first spelling stays";
    EXPECT_EQ(list.Get("标题"), Variant("a"));
    EXPECT_EQ(list.Get("missing"), Variant());
    EXPECT_FALSE(list.Contains("missing"));
}

TEST(ExprVariablesTest, UnsortedListsKeepInsertionOrder)
{
    TfrVariables list;
    for (const char* name : { "b", "c", "a" })
        list.Set(name, Variant(name));
    EXPECT_EQ(list.Name(0), "b");
    EXPECT_EQ(list.Name(2), "a");
    EXPECT_EQ(list.IndexOf("C"), 1);
    list.Delete(0);
    EXPECT_EQ(list.Name(0), "c");
    EXPECT_EQ(list.Get("a"), Variant("a"));
    EXPECT_EQ(list.IndexOf("a"), 1);
}

TEST(ExprVariablesTest, SortedListsPresentNameOrder)
{
    TfrVariables list(true);
    for (const char* name : { "beta", "Alpha", "gamma", "ALPHA2" })
        list.Set(name, Variant(name));
    EXPECT_EQ(list.Name(0), "Alpha");
    EXPECT_EQ(list.Name(1), "ALPHA2");
    EXPECT_EQ(list.Name(3), "gamma");
    EXPECT_EQ(list.IndexOf("GAMMA"), 3);
    list.Delete(1);
    EXPECT_EQ(list.Name(1), "beta");
    EXPECT_EQ(list.Value(2), Variant("gamma"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_THROW(list.Name(0), std::out_of_range);
}

TEST(ExprVariablesTest, ManyEntriesStayFast)
{
    TfrVariables list(true);
    for (int i = 0; i < 20000; ++i)
        list.Set("Arr_x" + std::to_string(i), Variant(i));
    EXPECT_EQ(list.Get("ARR_X19999"), Variant(19999));
    EXPECT_EQ(list.Name(0), "Arr_x0");
}

} // namespace
