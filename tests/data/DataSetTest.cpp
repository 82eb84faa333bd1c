#include "TempStore.h"

#include "platform/data/EDatabaseError.h"
#include "platform/time/Calendar.h"
#include "platform/time/IsoDateTimeText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using datatest::TempStore;

class DataSet : public ::testing::Test {
protected:
    TempStore store;
    app::TData data { store.ConnectionString() };

    void AddCategory(const std::string& name)
    {
        data.LB.Insert();
        data.LB.Edit();
        data.LB.FieldByName("类别").SetAsString(name);
        data.LB.Post();
    }

    std::vector<std::string> Categories(db::TCustomADODataSet& dataSet)
    {
        std::vector<std::string> names;
        dataSet.First();
        for (int i = 0; i < dataSet.RecordCount(); ++i) {
            names.push_back(dataSet.FieldByName("类别").AsString());
            dataSet.Next();
        }
        return names;
    }

    // What a separate program sees in the file.
    int CountInFile(const std::string& statement)
    {
        db::TADOConnection connection;
        connection.ConnectionString = store.ConnectionString();
        db::TADOQuery query("count");
        query.SetConnection(&connection);
        query.SQL.Add(statement);
        query.Open();
        return std::stoi(query.Fields(0).AsString());
    }
};

TEST_F(DataSet, OpeningGoesToTheFirstRowAndNextStopsAtTheLast)
{
    for (const char* name : { "工作", "生活", "读书" })
        AddCategory(name);
    data.LB.Close();
    data.LB.Open();
    EXPECT_FALSE(data.LB.Eof());
    EXPECT_TRUE(data.LB.Bof());
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "工作");
    data.LB.Next();
    data.LB.Next();
    EXPECT_FALSE(data.LB.Eof());
    data.LB.Next();
    EXPECT_TRUE(data.LB.Eof());
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "读书") << "past the end the last row stays current";
    data.LB.Open();
    EXPECT_TRUE(data.LB.Eof()) << "opening an open dataset changes nothing";
}

TEST_F(DataSet, ATableMadeInactiveAndActiveAgainSeesRowsWrittenSince)
{
    AddCategory("工作");
    db::TADOTable other("other");
    other.SetConnection(&data.ADOConnection1);
    other.TableName = "类别";
    other.Open();
    ASSERT_EQ(other.RecordCount(), 1);

    AddCategory("生活");
    EXPECT_EQ(other.RecordCount(), 1) << "an open dataset keeps its rows";
    other.SetActive(false);
    other.SetActive(true);
    EXPECT_EQ(Categories(other), (std::vector<std::string> { "工作", "生活" }));
}

TEST_F(DataSet, AQueryReadOnFirstUseReadsOnceWithTheTextAndValuesItWasOpenedWith)
{
    AddCategory("工作");
    data.ADOQuery2.ReadOnFirstUse = true;
    data.ADOQuery2.SQL.Add("select rowid, * from 类别 where 类别 <> :skip order by rowid");
    data.ADOQuery2.Parameters.ParamByName("skip").SetAsString("旧");
    data.ADOQuery2.Open();

    // Changed after opening: the open query still reads with what it had.
    data.ADOQuery2.Parameters.ParamByName("skip").SetAsString("工作");
    {
        // Another program writes before anything was read; the first read
        // takes the rows the file holds then, and keeps them.
        db::TADOConnection connection;
        connection.ConnectionString = store.ConnectionString();
        db::TADOTable other("other");
        other.SetConnection(&connection);
        other.TableName = "类别";
        other.Open();
        other.Insert();
        other.FieldByName("类别").SetAsString("外来");
        other.Post();
    }
    EXPECT_EQ(Categories(data.ADOQuery2), (std::vector<std::string> { "工作", "外来" }));
    AddCategory("生活");
    EXPECT_EQ(data.ADOQuery2.RecordCount(), 2) << "an open query keeps the rows it read";
    data.ADOQuery2.Close();
    data.ADOQuery2.Open();
    EXPECT_EQ(Categories(data.ADOQuery2), (std::vector<std::string> { "外来", "生活" }));
}

TEST_F(DataSet, AQueryReadOnFirstUseOverNoRowOrOneRowBehavesAsAnyQuery)
{
    data.ADOQuery2.ReadOnFirstUse = true;
    data.ADOQuery2.SQL.Add("select rowid, * from 类别 order by rowid");
    data.ADOQuery2.Open();
    EXPECT_TRUE(data.ADOQuery2.Eof());
    EXPECT_EQ(data.ADOQuery2.RecordCount(), 0);
    EXPECT_THROW(data.ADOQuery2.FieldByName("类别").AsString(), db::EDatabaseError);

    // A row inserted through the query before anything is shown becomes current.
    data.ADOQuery2.Close();
    data.ADOQuery2.Open();
    data.ADOQuery2.Insert();
    data.ADOQuery2.FieldByName("类别").SetAsString("唯一");
    data.ADOQuery2.Post();
    EXPECT_EQ(data.ADOQuery2.RecordCount(), 1);
    EXPECT_EQ(data.ADOQuery2.FieldByName("类别").AsString(), "唯一");
    data.ADOQuery2.Next();
    EXPECT_TRUE(data.ADOQuery2.Eof());
    EXPECT_EQ(CountInFile("select count(*) from 类别"), 1);
}

TEST_F(DataSet, InsertedRowsKeepTableOrderAndBecomeCurrent)
{
    for (const char* name : { "b", "a", "c" })
        AddCategory(name);
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "c");
    EXPECT_EQ(data.LB.RecordCount(), 3);
    EXPECT_EQ(Categories(data.LB), (std::vector<std::string> { "b", "a", "c" }));
}

TEST_F(DataSet, EditRightAfterInsertChangesNothingAndCancelDropsTheRow)
{
    data.LB.Insert();
    data.LB.FieldByName("类别").SetAsString("kept");
    data.LB.Edit();
    EXPECT_EQ(data.LB.State(), db::TDataSetState::dsInsert);
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "kept");
    data.LB.Cancel();
    EXPECT_EQ(data.LB.RecordCount(), 0);
    EXPECT_EQ(CountInFile("select count(*) from 类别"), 0);
}

TEST_F(DataSet, EditAndPostChangeTheRowInTheFileAndUnsetFieldsStayNull)
{
    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("标题一");
    data.BZ.Post();
    EXPECT_TRUE(data.BZ.FieldByName("内容").IsNull());

    data.OpenCurrentNote("标题一");
    data.ADOQuery1.Edit();
    data.ADOQuery1.FieldByName("内容").SetAsString("新的内容");
    data.ADOQuery1.Post();
    EXPECT_EQ(data.ADOQuery1.FieldByName("内容").AsString(), "新的内容");
    EXPECT_EQ(CountInFile("select count(*) from 笔记 where 内容 = '新的内容' and 类别 is null"), 1);
}

TEST_F(DataSet, SettingAFieldOutsideEditOrInsertIsRefused)
{
    AddCategory("x");
    EXPECT_THROW(data.LB.FieldByName("类别").SetAsString("y"), db::EDatabaseError);
    EXPECT_THROW(data.LB.FieldByName("没有"), db::EDatabaseError);
}

TEST_F(DataSet, DeleteRemovesTheRowAtOnceAndMovesToTheNext)
{
    for (const char* name : { "a", "b", "c" })
        AddCategory(name);
    data.OpenCurrentCategory("b");
    data.QLB.Delete();
    EXPECT_EQ(data.QLB.RecordCount(), 0);
    EXPECT_TRUE(data.QLB.Eof());
    EXPECT_EQ(CountInFile("select count(*) from 类别"), 2);

    data.LB.SetActive(false);
    data.LB.SetActive(true);
    data.LB.Delete();
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "c");
    data.LB.Delete();
    EXPECT_TRUE(data.LB.Eof());
    EXPECT_THROW(data.LB.Delete(), db::EDatabaseError);
    EXPECT_EQ(CountInFile("select count(*) from 类别"), 0);
}

TEST_F(DataSet, ReadingAFieldOfAnEmptyResultFails)
{
    data.OpenCurrentNote("no such title");
    EXPECT_EQ(data.ADOQuery1.RecordCount(), 0);
    EXPECT_TRUE(data.ADOQuery1.Eof());
    EXPECT_THROW(data.ADOQuery1.FieldByName("标题").AsString(), db::EDatabaseError);
    EXPECT_THROW(data.ADOQuery1.Edit(), db::EDatabaseError);
}

TEST_F(DataSet, ChangingOrDeletingARowThatIsGoneFailsInsteadOfPretending)
{
    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("gone");
    data.BZ.Post();
    data.OpenCurrentNote("gone");
    data.OpenSearchResult("gone");
    data.ADOQuery4.Delete();

    data.ADOQuery1.Edit();
    data.ADOQuery1.FieldByName("内容").SetAsString("lost?");
    EXPECT_THROW(data.ADOQuery1.Post(), db::EDatabaseError);
    data.ADOQuery1.Cancel();
    EXPECT_THROW(data.ADOQuery1.Delete(), db::EDatabaseError);
    EXPECT_EQ(CountInFile("select count(*) from 笔记"), 0);
}

TEST_F(DataSet, AFailingPostLeavesTheFileUnchangedAndTheRowPending)
{
    data.ADOConnection1.CommandTimeout = std::chrono::milliseconds(50);
    data.ADOConnection1.Close();
    data.ADOConnection1.Open();
    data.BZ.Open();

    db::TADOConnection other;
    other.ConnectionString = store.ConnectionString();
    other.Open();
    other.ExecuteScript("begin exclusive");

    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("待保存");
    try {
        data.BZ.Post();
        FAIL() << "posted into a locked file";
    } catch (const db::EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("BZ: database is locked"), std::string::npos) << error.what();
    }
    EXPECT_EQ(data.BZ.State(), db::TDataSetState::dsInsert);
    other.ExecuteScript("rollback");
    EXPECT_EQ(CountInFile("select count(*) from 笔记"), 0);

    data.BZ.Post();
    EXPECT_EQ(CountInFile("select count(*) from 笔记 where 标题 = '待保存'"), 1);
}

TEST_F(DataSet, DatesRoundTripAsTextOtherToolsRead)
{
    const dt::TDateTime moment = *dt::IsoTextToDateTime("2023-11-05 07:08:09");
    data.BZ.Insert();
    data.BZ.FieldByName("日期").SetAsDateTime(moment);
    data.BZ.FieldByName("标题").SetAsString("dated");
    data.BZ.Post();
    data.OpenCurrentNote("dated");
    EXPECT_EQ(data.ADOQuery1.FieldByName("日期").AsDateTime(), moment);
    EXPECT_EQ(data.ADOQuery1.FieldByName("日期").AsString(), "2023-11-05 07:08:09");
    EXPECT_EQ(CountInFile("select count(*) from 笔记 where datetime(日期) = '2023-11-05 07:08:09'"), 1);

    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("undated");
    data.BZ.Post();
    data.OpenCurrentNote("undated");
    EXPECT_TRUE(data.ADOQuery1.FieldByName("日期").IsNull());
    EXPECT_EQ(data.ADOQuery1.FieldByName("日期").AsDateTime(), dt::TDateTime {});
    EXPECT_THROW(data.ADOQuery1.FieldByName("标题").AsDateTime(), db::EDatabaseError);
}

TEST_F(DataSet, DatesAreKeptToTheSecondAndAMomentWithoutADateIsRefused)
{
    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("dated");
    data.BZ.FieldByName("日期").SetAsDateTime(*dt::EncodeDateTime({ 1850, 1, 1 }, { 12, 30, 15, 900 }));
    EXPECT_THROW(data.BZ.FieldByName("日期").SetAsDateTime(dt::TDateTime { 1e300 }), db::EDatabaseError);
    data.BZ.Post();
    data.OpenCurrentNote("dated");
    EXPECT_EQ(data.ADOQuery1.FieldByName("日期").AsString(), "1850-01-01 12:30:15");
    EXPECT_EQ(data.ADOQuery1.FieldByName("日期").AsDateTime(), *dt::EncodeDateTime({ 1850, 1, 1 }, { 12, 30, 15, 0 }));

    db::TParameter parameter("day");
    parameter.SetAsDateTime(*dt::EncodeDate(2024, 2, 29));
    EXPECT_EQ(parameter.Value(), "2024-02-29 00:00:00");
    EXPECT_THROW(parameter.SetAsDateTime(dt::TDateTime { -1e9 }), db::EDatabaseError);
    EXPECT_EQ(parameter.Value(), "2024-02-29 00:00:00");
}

TEST_F(DataSet, AQueryWithoutTheRowidCannotWrite)
{
    data.ADOQuery2.SQL.Add("select 类别 from 类别");
    data.ADOQuery2.Open();
    EXPECT_THROW(data.ADOQuery2.Insert(), db::EDatabaseError);
}

TEST_F(DataSet, AStatementValueMustBeGivenAndChangingTheTextDropsOldValues)
{
    data.ADOQuery2.SQL.Add("select rowid, * from 类别 where 类别 = :name");
    data.ADOQuery2.Parameters.ParamByName("name").SetAsString("x");
    data.ADOQuery2.SQL.Clear();
    data.ADOQuery2.SQL.Add("select rowid, * from 类别 where 类别 = :name");
    EXPECT_THROW(data.ADOQuery2.Open(), db::EDatabaseError);
    EXPECT_FALSE(data.ADOQuery2.Active());
}

TEST_F(DataSet, EngineErrorsCarryTheEngineMessageAndLeaveTheQueryClosed)
{
    data.ADOQuery2.SQL.Add("select * from 没有这个表");
    try {
        data.ADOQuery2.Open();
        FAIL();
    } catch (const db::EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("ADOQuery2: no such table: 没有这个表"), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(data.ADOQuery2.Active());
}

TEST_F(DataSet, PriorStepsBackAndComesBackToTheLastRowAfterRunningPastIt)
{
    for (const char* name : { "工作", "生活", "读书" })
        AddCategory(name);
    data.LB.First();
    data.LB.Next();
    data.LB.Next();
    data.LB.Next();
    ASSERT_TRUE(data.LB.Eof());
    data.LB.Prior();
    EXPECT_FALSE(data.LB.Eof());
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "读书");
    data.LB.Prior();
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "生活");
    data.LB.Prior();
    data.LB.Prior();
    EXPECT_TRUE(data.LB.Bof());
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "工作");
}

TEST_F(DataSet, ABookmarkNamesItsRowEvenWhenRowsBeforeItAreDeleted)
{
    for (const char* name : { "工作", "生活", "读书" })
        AddCategory(name);
    data.LB.First();
    data.LB.Next();
    data.LB.Next();
    const db::TBookmark third = data.LB.GetBookmark();
    data.LB.First();
    data.LB.Delete();
    ASSERT_TRUE(data.LB.GotoBookmark(third));
    EXPECT_EQ(data.LB.FieldByName("类别").AsString(), "读书");

    // A query without keys remembers the place; a place that is gone is refused.
    data.ADOQuery2.SQL.Add("select 类别 from 类别");
    data.ADOQuery2.Open();
    data.ADOQuery2.Next();
    const db::TBookmark second = data.ADOQuery2.GetBookmark();
    data.ADOQuery2.First();
    ASSERT_TRUE(data.ADOQuery2.GotoBookmark(second));
    EXPECT_EQ(data.ADOQuery2.FieldByName("类别").AsString(), "读书");
    EXPECT_FALSE(data.ADOQuery2.GotoBookmark(db::TBookmark {}));
    EXPECT_FALSE(data.ADOQuery2.GotoBookmark(db::TBookmark { true, 0, 7 }));
    EXPECT_EQ(data.ADOQuery2.FieldByName("类别").AsString(), "读书");
}

TEST_F(DataSet, FieldsKnowTheTypeTheirTableDeclares)
{
    data.ADOQuery2.SQL.Add("select 类别, 日期, 标题, 内容, length(标题) as n from 笔记");
    data.ADOQuery2.Open();
    EXPECT_EQ(data.ADOQuery2.FieldByName("日期").DataType(), db::TFieldType::ftDateTime);
    EXPECT_EQ(data.ADOQuery2.FieldByName("标题").DataType(), db::TFieldType::ftString);
    EXPECT_EQ(data.ADOQuery2.FieldByName("n").DataType(), db::TFieldType::ftUnknown);
    EXPECT_EQ(db::FieldTypeOfDeclaration("BIGINT"), db::TFieldType::ftLargeint);
    EXPECT_EQ(db::FieldTypeOfDeclaration("integer"), db::TFieldType::ftInteger);
    EXPECT_EQ(db::FieldTypeOfDeclaration("double precision"), db::TFieldType::ftFloat);
    EXPECT_EQ(db::FieldTypeOfDeclaration("boolean"), db::TFieldType::ftBoolean);
    EXPECT_EQ(db::FieldTypeOfDeclaration("varchar(20)"), db::TFieldType::ftString);
}

TEST_F(DataSet, AReopenedQueryKeepsItsFieldsWhileItsConnectionStaysOpen)
{
    AddCategory("工作");
    db::TADOQuery& query = data.ADOQuery2;
    query.SQL.Add("select rowid, * from 类别");
    query.Open();
    db::TField* before = query.FindField("类别");
    query.Close();
    EXPECT_EQ(query.FieldCount(), 0) << "a closed dataset has no fields";
    EXPECT_EQ(query.FindField("类别"), nullptr);
    query.Open();
    EXPECT_EQ(query.FindField("类别"), before) << "the same statement reuses its fields";
    EXPECT_EQ(before->AsString(), "工作");

    query.Edit();
    query.FieldByName("类别").SetAsString("生活");
    query.Post();
    EXPECT_EQ(CountInFile("select count(*) from 类别 where 类别 = '生活'"), 1);

    data.ADOConnection1.Close();
    query.Open();
    EXPECT_NE(query.FindField("类别"), nullptr);
    EXPECT_EQ(query.FieldByName("类别").AsString(), "生活") << "a new connection prepares and describes anew";
}

TEST_F(DataSet, AReopenedQueryReadsWithItsNewValuesAndFollowsANewText)
{
    // Longer than a string keeps in place, so a value that outlived its
    // binding would show.
    const std::string longName = "一个很长的类别名字，比一个短字符串长得多";
    for (const std::string& name : { std::string("工作"), std::string("生活"), longName })
        AddCategory(name);
    db::TADOQuery& query = data.ADOQuery2;
    query.SQL.Add("select rowid, * from 类别");
    query.SQL.Add("where 类别 = :name order by rowid");
    query.Parameters.ParamByName("name").SetAsString(longName);
    query.Open();
    EXPECT_EQ(Categories(query), std::vector<std::string> { longName });

    query.Close();
    query.Parameters.ParamByName("name").SetAsString("工作");
    query.Open();
    EXPECT_EQ(Categories(query), std::vector<std::string> { "工作" }) << "a shorter value replaces a longer one whole";

    query.Close();
    query.Parameters.ParamByName("name").Clear();
    query.Open();
    EXPECT_EQ(query.RecordCount(), 0) << "null equals no name";

    query.Close();
    query.SQL.Clear();
    query.SQL.Add("select rowid, * from 类别 where 类别 <> :name order by rowid");
    query.Parameters.ParamByName("name").SetAsString("工作");
    query.Open();
    EXPECT_EQ(Categories(query), (std::vector<std::string> { "生活", longName }));
}

TEST_F(DataSet, QueriesOverTheSameStatementEachReadWithTheirOwnValues)
{
    const std::string longName = "另一个很长的类别名字，也比短字符串长";
    for (const std::string& name : { std::string("工作"), longName })
        AddCategory(name);
    const std::string statement = "select rowid, * from 类别 where 类别 = :name order by rowid";
    db::TADOQuery& later = data.ADOQuery2;
    later.ReadOnFirstUse = true;
    later.SQL.Add(statement);
    later.Parameters.ParamByName("name").SetAsString(longName);
    later.Open();

    db::TADOQuery& now = data.ADOQuery4;
    now.SQL.Add(statement);
    now.Parameters.ParamByName("name").SetAsString("工作");
    now.Open();

    EXPECT_EQ(Categories(later), std::vector<std::string> { longName });
    EXPECT_EQ(Categories(now), std::vector<std::string> { "工作" });
}

TEST_F(DataSet, AReopenedQueryTakesAnotherStatementWhenItsOwnIsBusyOrGone)
{
    for (const char* name : { "甲", "乙", "丙" })
        AddCategory(name);
    const std::string statement = "select rowid, * from 类别 where 类别 <> :skip order by rowid";
    db::TADOQuery& reopened = data.ADOQuery2;
    reopened.SQL.Add(statement);
    reopened.Parameters.ParamByName("skip").SetAsString("甲");
    reopened.Open();
    reopened.Close();

    // The statement the closed query prepared is idle, so a query of the same
    // text reading as needed takes it and keeps it busy.
    db::TADOQuery& walking = data.ADOQuery4;
    walking.ReadAsNeeded = true;
    walking.SQL.Add(statement);
    walking.Parameters.ParamByName("skip").SetAsString("乙");
    walking.Open();
    ASSERT_FALSE(walking.AllRowsRead());

    reopened.Parameters.ParamByName("skip").SetAsString("丙");
    reopened.Open();
    EXPECT_EQ(Categories(reopened), (std::vector<std::string> { "甲", "乙" }));
    EXPECT_EQ(Categories(walking), (std::vector<std::string> { "甲", "丙" })) << "the walk reads on with its own values";

    // Given another connection, the query prepares its statement there.
    TempStore otherStore;
    app::TData other(otherStore.ConnectionString());
    other.LB.Open();
    other.LB.Insert();
    other.LB.FieldByName("类别").SetAsString("别处");
    other.LB.Post();
    reopened.Close();
    reopened.SetConnection(&other.ADOConnection1);
    reopened.Open();
    EXPECT_EQ(Categories(reopened), std::vector<std::string> { "别处" });
    reopened.Close();
    reopened.SetConnection(&data.ADOConnection1);
}

TEST_F(DataSet, ANullAnEmptyTextAndAnEmptyBlobReadApart)
{
    db::TADOQuery& write = data.ADOQuery2;
    write.SQL.Add("insert into 类别 (类别) values (null), (''), (x'')");
    ASSERT_EQ(write.ExecSQL(), 3);
    db::TADOQuery& read = data.ADOQuery4;
    read.SQL.Add("select rowid, 类别 from 类别 order by rowid");
    read.Open();
    const db::TField& name = read.FieldByName("类别");
    EXPECT_TRUE(name.IsNull());
    EXPECT_EQ(name.AsString(), "");
    read.Next();
    EXPECT_FALSE(name.IsNull());
    EXPECT_EQ(name.AsString(), "");
    read.Next();
    EXPECT_FALSE(name.IsNull()) << "an empty blob is a value, not null";
    EXPECT_EQ(name.AsString(), "");
}

TEST_F(DataSet, ExecSqlKeepsItsValuesForTheWholeStatement)
{
    AddCategory("工作");
    const std::string newName(300, 'n');
    db::TADOQuery& query = data.ADOQuery2;
    query.SQL.Add("update 类别 set 类别 = :new where 类别 = :old");
    query.Parameters.ParamByName("new").SetAsString(newName);
    query.Parameters.ParamByName("old").SetAsString("工作");
    EXPECT_EQ(query.ExecSQL(), 1);
    EXPECT_EQ(query.ExecSQL(), 0) << "the old name is gone";
    EXPECT_EQ(CountInFile("select count(*) from 类别 where 类别 = '" + newName + "'"), 1);
}

} // namespace
