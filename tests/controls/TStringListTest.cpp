#include "platform/controls/TStringList.h"

#include <gtest/gtest.h>

using namespace ctl;

TEST(TStringList, TextJoinsWithCrLfAndSplitsAnyLineBreak)
{
    TStringList list;
    list.SetText("one\r\ntwo\nthree\rfour");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[2], "three");
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    list.SetText("a\r\n\r\nb\r\n");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[1], "");
}

TEST(TStringList, ChangesAreReportedOncePerUpdateBracket)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    list.Delete(0);
    EXPECT_EQ(changes, 1);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
    list.SetText("x\ny");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.IndexOf("y"), 1);
    EXPECT_EQ(list.IndexOf("z"), -1);
}

TEST(TStringList, BadIndexesRaiseListErrors)
{
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list.Get(1), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Insert(2, "b"), EListError);
    list.Insert(1, "b");
    EXPECT_EQ(list[1], "b");
}

TEST(TStringList, AssignCopiesAnotherList)
{
    TStringList a;
    a.SetText("1\n2");
    TStringList b;
    b.Add("old");
    b.Assign(a);
    EXPECT_EQ(b.Text(), "1\r\n2\r\n");
}
