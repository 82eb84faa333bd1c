// The report dataset over a query of the note store: it walks the query's
// rows, gives typed field values to expressions, and can pin the walk to the
// row that was current when the report started.
#include "BandEngineSupport.h"

#include "report/data/TfrDBDataSet.h"
#include "report/data/TfrDatasetDirectory.h"
#include "report/data/DatasetError.h"

#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace report {
namespace {

class DBDataSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = std::filesystem::temp_directory_path()
               / ("veltrin-report-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".mdb");
        std::filesystem::remove(file);
        db::CreateDatabaseFile(file);
        connection.ConnectionString = "Data Source=\"" + file.string() + "\"";
        connection.Open();
        connection.ExecuteScript("create table 笔记 (类别 text, 日期 datetime, 标题 text, 内容 text);"
                                 "insert into 笔记 values ('工作', '2024-03-04 09:12:30', '周一', '一');"
                                 "insert into 笔记 values ('生活', '2024-01-14 10:20:00', '购物', '二');"
                                 "insert into 笔记 values ('读书', null, '想读', '三');");
        query.SetConnection(&connection);
        query.SQL.Add("select * from 笔记");
        report.DataSet = &query;
    }
    void TearDown() override
    {
        query.Close();
        connection.Close();
        std::filesystem::remove(file);
    }

    std::vector<std::string> Titles()
    {
        std::vector<std::string> titles;
        report.Open();
        for (report.First(); !report.Eof(); report.Next())
            titles.push_back(report.FindField("标题")->Value().AsString());
        report.Close();
        return titles;
    }

    std::filesystem::path file;
    db::TADOConnection connection;
    db::TADOQuery query { "ADOQuery5" };
    TfrDBDataSet report { "frDBDataSet1" };
};

TEST_F(DBDataSet, WalksEveryRowAndGivesDatesAsDatesAndNullAsNull)
{
    EXPECT_EQ(Titles(), (std::vector<std::string> { "周一", "购物", "想读" }));
    report.Open();
    report.First();
    Variant date = report.FindField("日期")->Value();
    ASSERT_EQ(date.ValueType(), Variant::Type::Date);
    // 2024-03-04 09:12:30 as days since 1899-12-30.
    EXPECT_NEAR(date.AsDate().value, 45355.0 + (9 * 3600 + 12 * 60 + 30) / 86400.0, 1e-9);
    EXPECT_EQ(report.FindField("类别")->Kind(), TfrFieldKind::Text);
    report.Next();
    report.Next();
    EXPECT_TRUE(report.FindField("日期")->Value().IsNull());
    EXPECT_EQ(report.FindField("没有"), nullptr);
}

TEST_F(DBDataSet, ACurrentRangeWalksOnlyTheRowCurrentAtTheStartAndComesBackToIt)
{
    query.Open();
    query.Next();
    report.RangeBegin = TfrRangeBegin::rbCurrent;
    report.RangeEnd = TfrRangeEnd::reCurrent;
    EXPECT_EQ(Titles(), (std::vector<std::string> { "购物" }));
    EXPECT_EQ(query.FieldByName("标题").AsString(), "购物");

    // From the current row to the last.
    report.RangeEnd = TfrRangeEnd::reLast;
    EXPECT_EQ(Titles(), (std::vector<std::string> { "购物", "想读" }));
    EXPECT_EQ(query.FieldByName("标题").AsString(), "购物");
}

TEST_F(DBDataSet, PriorAfterTheEndIsTheLastRowAndACountEndsTheWalkEarly)
{
    report.Open();
    report.First();
    report.Next();
    report.Next();
    report.Next();
    ASSERT_TRUE(report.Eof());
    report.Prior();
    EXPECT_FALSE(report.Eof());
    EXPECT_EQ(report.FindField("标题")->Value().AsString(), "想读");
    report.Close();

    report.RangeEnd = TfrRangeEnd::reCount;
    report.RangeEndCount = 2;
    EXPECT_EQ(Titles(), (std::vector<std::string> { "周一", "购物" }));
}

TEST_F(DBDataSet, OpenAndCloseFollowTheirSettings)
{
    report.OpenDataSource = false;
    report.Open();
    report.First();
    EXPECT_TRUE(report.Eof()) << "a closed query is not opened";
    report.Close();

    report.OpenDataSource = true;
    report.CloseDataSource = true;
    int opened = 0, closed = 0;
    report.OnOpen = [&] { ++opened; };
    report.OnClose = [&] { ++closed; };
    EXPECT_EQ(Titles().size(), 3u);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(query.Active());
}

TEST_F(DBDataSet, AReportPrintsTheQueryThroughTheDatasetItNames)
{
    query.SQL.Clear();
    query.SQL.Add("select * from 笔记 where 日期 is not null");
    testing::ReportInCode code;
    code.report.Datasets.Register("frDBDataSet1", report);
    code.Band(BandType::MasterData, 100, 20, "frDBDataSet1");
    code.Memo("[frDBDataSet1.\"标题\"] [frDBDataSet1.\"日期\" #Dyyyy-mm-dd]", 100);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    EXPECT_EQ(code.Texts(), (std::vector<std::string> { "1:周一 2024-03-04", "1:购物 2024-01-14" }));
}

TEST(DatasetNames, DigitsCountNamesAreFoundWithoutCaseAndUnknownNamesAreMissing)
{
    TfrDatasetDirectory directory;
    TfrUserDataset plain("Plain");
    TfrUserDataset nested("Nested");
    directory.Register("frDBDataSet1", plain);
    directory.Register("Data.Form.Set", nested);
    EXPECT_EQ(ResolveDatasetName(directory, "FRDBDATASET1").dataset, &plain);
    EXPECT_EQ(ResolveDatasetName(directory, "data.form.set").dataset, &nested);
    EXPECT_EQ(ResolveDatasetName(directory, "").dataset, nullptr);

    TfrResolvedDataset counting = ResolveDatasetName(directory, "12");
    ASSERT_TRUE(counting.owned);
    int records = 0;
    for (counting.dataset->First(); !counting.dataset->Eof(); counting.dataset->Next())
        ++records;
    EXPECT_EQ(records, 12);
    // A count past the 32-bit range runs to the end of that range, not below 0.
    EXPECT_EQ(ResolveDatasetName(directory, "99999999999999999999").owned->RangeEndCount, 2147483647);

    try {
        ResolveDatasetName(directory, "Data.Nothing");
        FAIL();
    } catch (const DatasetError& error) {
        EXPECT_STREQ(error.what(), "Missing Data.Nothing");
    }
    directory.Unregister(plain);
    EXPECT_THROW(ResolveDatasetName(directory, "frDBDataSet1"), DatasetError);
}

} // namespace
} // namespace report
