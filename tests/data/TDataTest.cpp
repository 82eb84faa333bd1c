#include "TempStore.h"

#include "platform/data/EDatabaseError.h"
#include "platform/time/Calendar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using datatest::TempStore;

class NoteStore : public ::testing::Test {
protected:
    TempStore store;
    app::TData data { store.ConnectionString() };

    void AddCategory(const std::string& name)
    {
        data.LB.SetActive(false);
        data.LB.SetActive(true);
        data.LB.Insert();
        data.LB.Edit();
        data.LB.FieldByName("类别").SetAsString(name);
        data.LB.Post();
    }

    // The save of a new note, as the main window does it.
    void AddNote(const std::string& category, const std::string& title, const std::string& body)
    {
        data.BZ.SetActive(false);
        data.BZ.SetActive(true);
        data.BZ.Insert();
        data.BZ.Edit();
        data.BZ.FieldByName("类别").SetAsString(category);
        data.BZ.FieldByName("日期").SetAsDateTime(dt::Now());
        data.BZ.FieldByName("标题").SetAsString(title);
        data.BZ.FieldByName("内容").SetAsString(body);
        data.BZ.Post();
    }

    static std::vector<std::string> Column(db::TCustomADODataSet& dataSet, const char* name)
    {
        std::vector<std::string> values;
        dataSet.First();
        for (int i = 0; i < dataSet.RecordCount(); ++i) {
            values.push_back(dataSet.FieldByName(name).AsString());
            dataSet.Next();
        }
        return values;
    }

    std::vector<std::string> Search(const std::string& keyword)
    {
        data.SearchNotes(keyword);
        return Column(data.ADOQuery3, "标题");
    }

    using Titles = std::vector<std::string>;
};

TEST_F(NoteStore, CreationOpensTheStoredDatasetsWithAllNotes)
{
    AddNote("工作", "周报", "本周完成了三件事");
    app::TData second(store.ConnectionString());
    EXPECT_TRUE(second.LB.Active());
    EXPECT_TRUE(second.BZ.Active());
    EXPECT_TRUE(second.ADOQuery3.Active());
    EXPECT_TRUE(second.ADOQuery5.Active());
    EXPECT_FALSE(second.QBZ.Active());
    EXPECT_FALSE(second.ADOQuery1.Active());
    EXPECT_EQ(Column(second.ADOQuery3, "标题"), Titles { "周报" });
    EXPECT_EQ(Column(second.ADOQuery5, "内容"), Titles { "本周完成了三件事" });
    EXPECT_TRUE(second.HasSearchIndex());
}

TEST_F(NoteStore, S1ListsTheNotesOfOneCategoryInTableOrder)
{
    AddNote("工作", "b 周报", "");
    AddNote("生活", "买菜", "");
    AddNote("工作", "a 会议", "");
    data.OpenCategoryNotes("工作");
    EXPECT_EQ(Column(data.QBZ, "标题"), (Titles { "b 周报", "a 会议" }));
    EXPECT_EQ(data.QBZ.FieldCount(), 1) << "the tree needs only titles";
    EXPECT_TRUE(data.CategoryHasNotes("生活"));
    EXPECT_FALSE(data.CategoryHasNotes("读书"));
    data.OpenCategoryNotes("");
    EXPECT_EQ(data.QBZ.RecordCount(), 0);
}

TEST_F(NoteStore, EachReopenReadsWithTheValueGivenThenAndItsOwnStatement)
{
    AddNote("工作", "周报", "");
    AddNote("生活", "买菜", "");
    data.OpenCategoryNotes("工作");
    EXPECT_EQ(Column(data.QBZ, "标题"), Titles { "周报" });
    data.OpenCategoryNotes("生活");
    EXPECT_EQ(Column(data.QBZ, "标题"), Titles { "买菜" });

    // The same query given another statement in between: the next reopen
    // goes back to the category's own.
    data.QBZ.Close();
    data.QBZ.SQL.Clear();
    data.QBZ.SQL.Add("select rowid, 标题 from 笔记 order by rowid");
    data.QBZ.Open();
    EXPECT_EQ(data.QBZ.RecordCount(), 2);
    data.OpenCategoryNotes("工作");
    EXPECT_EQ(Column(data.QBZ, "标题"), Titles { "周报" });

    // Two queries over one statement, each with its own title.
    data.OpenSearchResult("买菜");
    data.OpenCurrentNote("周报");
    EXPECT_EQ(Column(data.ADOQuery4, "标题"), Titles { "买菜" });
    EXPECT_EQ(Column(data.ADOQuery1, "标题"), Titles { "周报" });
}

TEST_F(NoteStore, TheTreeBuildSeesNotesOfMissingCategoriesNowhereButCountsThem)
{
    AddCategory("工作");
    AddNote("工作", "周报", "");
    AddNote("不存在", "孤儿笔记", "正文");
    std::vector<std::string> tree;
    data.LB.SetActive(false);
    data.LB.SetActive(true);
    data.LB.First();
    for (int i = 0; i < data.LB.RecordCount(); ++i) {
        data.OpenCategoryNotes(data.LB.FieldByName("类别").AsString());
        for (const auto& title : Column(data.QBZ, "标题"))
            tree.push_back(title);
        data.LB.Next();
    }
    EXPECT_EQ(tree, Titles { "周报" });
    EXPECT_EQ(data.NoteCount(), 2);
    EXPECT_EQ(Search("孤儿"), Titles { "孤儿笔记" });
}

TEST_F(NoteStore, S2FindsTheFirstNoteOfATitleIncludingMultiLineTitles)
{
    AddNote("a", "重复", "第一条");
    AddNote("b", "重复", "第二条");
    AddNote("c", "第一行\r\n第二行", "多行标题");
    data.OpenCurrentNote("重复");
    EXPECT_EQ(data.ADOQuery1.RecordCount(), 2);
    EXPECT_EQ(data.ADOQuery1.FieldByName("内容").AsString(), "第一条") << "the first row wins";
    data.OpenCurrentNote("第一行\r\n第二行");
    EXPECT_EQ(data.ADOQuery1.FieldByName("内容").AsString(), "多行标题");
    data.OpenCurrentNote("第一行");
    EXPECT_TRUE(data.ADOQuery1.IsEmpty());

    data.OpenPrintNote("重复");
    EXPECT_EQ(Column(data.ADOQuery5, "内容"), (Titles { "第一条", "第二条" })) << "printing takes every match";
}

TEST_F(NoteStore, ModifyAndDeleteActOnTheFirstOfDuplicateTitles)
{
    AddNote("a", "重复", "第一条");
    AddNote("b", "重复", "第二条");
    data.OpenCurrentNote("重复");
    data.ADOQuery1.Edit();
    data.ADOQuery1.FieldByName("内容").SetAsString("改过");
    data.ADOQuery1.Post();
    data.OpenPrintNote("重复");
    EXPECT_EQ(Column(data.ADOQuery5, "内容"), (Titles { "改过", "第二条" }));
    data.OpenCurrentNote("重复");
    data.ADOQuery1.Delete();
    data.OpenPrintNote("重复");
    EXPECT_EQ(Column(data.ADOQuery5, "内容"), Titles { "第二条" });
    EXPECT_EQ(data.NoteCount(), 1);
}

TEST_F(NoteStore, ModifyKeepsTheDateOfFirstSave)
{
    AddNote("a", "t", "body");
    data.OpenCurrentNote("t");
    const auto saved = data.ADOQuery1.FieldByName("日期").AsString();
    data.ADOQuery1.Edit();
    data.ADOQuery1.FieldByName("类别").SetAsString("b");
    data.ADOQuery1.FieldByName("标题").SetAsString("t2");
    data.ADOQuery1.FieldByName("内容").SetAsString("");
    data.ADOQuery1.Post();
    data.OpenCurrentNote("t2");
    EXPECT_EQ(data.ADOQuery1.FieldByName("日期").AsString(), saved);
    EXPECT_EQ(data.ADOQuery1.FieldByName("内容").AsString(), "");
    EXPECT_FALSE(data.ADOQuery1.FieldByName("内容").IsNull()) << "an empty editor writes an empty text";
}

TEST_F(NoteStore, S3AndS4RenameACategoryAndMoveItsNotes)
{
    AddCategory("旧名");
    AddNote("旧名", "一", "");
    AddNote("旧名", "二", "");
    AddNote("别的", "三", "");
    data.OpenCurrentCategory("旧名");
    ASSERT_EQ(data.QLB.RecordCount(), 1);
    EXPECT_EQ(data.MoveCategoryNotes(data.QLB.FieldByName("类别").AsString(), "新名"), 2);
    data.QLB.Edit();
    data.QLB.FieldByName("类别").SetAsString("新名");
    data.QLB.Post();

    data.OpenCategoryNotes("新名");
    EXPECT_EQ(Column(data.QBZ, "标题"), (Titles { "一", "二" }));
    EXPECT_FALSE(data.CategoryHasNotes("旧名"));
    data.LB.SetActive(false);
    data.LB.SetActive(true);
    EXPECT_EQ(Column(data.LB, "类别"), Titles { "新名" });
}

TEST_F(NoteStore, TwoCategoriesOfOneNameAreTwoRowsAndTheFirstIsFound)
{
    AddCategory("同名");
    AddCategory("同名");
    data.OpenCurrentCategory("同名");
    EXPECT_EQ(data.QLB.RecordCount(), 2);
    data.QLB.Delete();
    data.LB.SetActive(false);
    data.LB.SetActive(true);
    EXPECT_EQ(data.LB.RecordCount(), 1);
}

// The main window's current note and the category manager's current category
// are separate records: loading one never moves the other.
TEST_F(NoteStore, TheCurrentNoteAndTheCurrentCategoryStayApart)
{
    AddCategory("工作");
    AddCategory("生活");
    AddNote("工作", "周报", "内容");

    data.OpenCurrentCategory("生活");
    data.OpenCurrentNote("周报");
    data.QLB.Edit();
    data.QLB.FieldByName("类别").SetAsString("家庭");
    data.QLB.Post();
    data.ADOQuery1.Edit();
    data.ADOQuery1.FieldByName("内容").SetAsString("新内容");
    data.ADOQuery1.Post();

    data.OpenCurrentNote("周报");
    EXPECT_EQ(data.ADOQuery1.FieldByName("类别").AsString(), "工作");
    EXPECT_EQ(data.ADOQuery1.FieldByName("内容").AsString(), "新内容");
    data.LB.SetActive(false);
    data.LB.SetActive(true);
    EXPECT_EQ(Column(data.LB, "类别"), (Titles { "工作", "家庭" }));

    data.OpenCurrentCategory("工作");
    data.OpenCurrentNote("周报");
    data.QLB.Delete();
    EXPECT_EQ(data.NoteCount(), 1) << "deleting the category deleted no note";
    data.ADOQuery1.Delete();
    EXPECT_EQ(data.NoteCount(), 0);
    data.LB.SetActive(false);
    data.LB.SetActive(true);
    EXPECT_EQ(Column(data.LB, "类别"), Titles { "家庭" });
}

TEST_F(NoteStore, ASearchResultBecomesTheCurrentNote)
{
    AddNote("a", "找到我", "x");
    data.OpenCurrentNote("找到我");
    AddNote("a", "另一条", "y");
    data.OpenSearchResult("另一条");
    EXPECT_EQ(data.ADOQuery4.FieldByName("内容").AsString(), "y");
    data.ADOQuery1.Edit();
    data.ADOQuery1.FieldByName("内容").SetAsString("改了");
    data.ADOQuery1.Post();
    data.OpenCurrentNote("另一条");
    EXPECT_EQ(data.ADOQuery1.FieldByName("内容").AsString(), "改了");
}

TEST_F(NoteStore, S5FindsTitleOrBodyOnceWithWildcardsAndLatinCaseIgnored)
{
    AddNote("a", "Meeting 会议", "agenda");
    AddNote("a", "购物", "买 MEETING 用品");
    AddNote("a", "both meeting", "meeting again");
    AddNote("a", "100% 完成", "a_b");
    AddNote("a", "请输入关键字", "");
    EXPECT_EQ(Search("meeting"), (Titles { "Meeting 会议", "购物", "both meeting" }));
    EXPECT_EQ(Search("会议"), Titles { "Meeting 会议" });
    EXPECT_EQ(Search("m__ting"), (Titles { "Meeting 会议", "购物", "both meeting" })) << "_ is any one character";
    EXPECT_EQ(Search("买%用品"), Titles { "购物" }) << "% is any run of characters";
    EXPECT_TRUE(Search("购%用品").empty()) << "a match lies within one column";
    EXPECT_EQ(Search("100%"), Titles { "100% 完成" });
    EXPECT_EQ(Search("a_b"), Titles { "100% 完成" });
    EXPECT_EQ(Search("请输入关键字"), Titles { "请输入关键字" });
    EXPECT_TRUE(Search("nothing like this").empty());
}

TEST_F(NoteStore, AnEmptyKeywordFindsEveryNoteWithATitleOrABody)
{
    AddNote("a", "", "");
    data.BZ.Insert();
    data.BZ.FieldByName("类别").SetAsString("a");
    data.BZ.Post(); // title and body null
    data.BZ.Insert();
    data.BZ.FieldByName("内容").SetAsString("only a body");
    data.BZ.Post();
    EXPECT_EQ(Search("").size(), 2u);
    EXPECT_EQ(data.NoteCount(), 3);
}

// Values holding the statements' delimiters are stored and found as they are
// and cannot change what a statement does.
TEST_F(NoteStore, QuotesAndStatementTextInValuesAreJustText)
{
    const std::string category = R"(工作" or ""=")";
    const std::string title = R"(标题" or 1=1 --)";
    const std::string nasty = R"('); drop table 笔记; --)";
    AddCategory(category);
    AddNote(category, title, nasty);
    AddNote("other", "innocent", "text");

    data.OpenCategoryNotes(category);
    EXPECT_EQ(Column(data.QBZ, "标题"), Titles { title });
    data.OpenCurrentNote(title);
    EXPECT_EQ(data.ADOQuery1.RecordCount(), 1);
    EXPECT_EQ(data.ADOQuery1.FieldByName("内容").AsString(), nasty);
    data.OpenCurrentNote(R"(" or "1"="1)");
    EXPECT_TRUE(data.ADOQuery1.IsEmpty());
    data.OpenCurrentCategory(category);
    EXPECT_EQ(data.QLB.RecordCount(), 1);
    data.OpenCurrentCategory(R"(" or ""=")");
    EXPECT_TRUE(data.QLB.IsEmpty());

    EXPECT_EQ(data.MoveCategoryNotes(R"(x" or ""=")", "moved"), 0) << "moving the notes of a quoted name must not touch every note";
    EXPECT_EQ(data.MoveCategoryNotes(category, R"(新" where 1=1 --)"), 1);
    data.OpenCategoryNotes(R"(新" where 1=1 --)");
    EXPECT_EQ(data.QBZ.RecordCount(), 1);

    EXPECT_EQ(Search("'"), Titles { title });
    EXPECT_EQ(Search("')or('1'='1"), Titles {});
    EXPECT_EQ(Search("drop table"), Titles { title });
    EXPECT_EQ(data.NoteCount(), 2);
}

TEST_F(NoteStore, CategoriesAndTitlesMatchIgnoringTheCaseOfLatinLettersOnly)
{
    AddNote("Work", "Plan", "");
    data.OpenCategoryNotes("work");
    EXPECT_EQ(data.QBZ.RecordCount(), 1);
    data.OpenCurrentNote("PLAN");
    EXPECT_EQ(data.ADOQuery1.RecordCount(), 1);
    AddNote("Ä", "Ä", "");
    data.OpenCurrentNote("ä");
    EXPECT_TRUE(data.ADOQuery1.IsEmpty()) << "letters beyond A-Z compare exactly";
}

TEST_F(NoteStore, PrintAllListsEveryNoteInTableOrder)
{
    AddNote("a", "一", "");
    AddNote("b", "二", "");
    data.OpenPrintAllNotes();
    EXPECT_EQ(Column(data.ADOQuery5, "标题"), (Titles { "一", "二" }));
}

TEST_F(NoteStore, AnInvalidStatementFailsWithTheEnginesMessage)
{
    data.ADOQuery3.Close();
    data.ADOQuery3.SQL.Clear();
    data.ADOQuery3.SQL.Add("select * from 笔记 where (标题 like '%'%')");
    EXPECT_THROW(data.ADOQuery3.Open(), db::EDatabaseError);
}

} // namespace
