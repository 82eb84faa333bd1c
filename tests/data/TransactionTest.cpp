#include "TempStore.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/Statement.h"
#include "platform/data/TADOConnection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using datatest::TempStore;

class Transaction : public ::testing::Test {
protected:
    TempStore store;
    db::TADOConnection connection;
    // A second connection: what another program sees in the file.
    db::TADOConnection other;

    void SetUp() override
    {
        connection.ConnectionString = store.ConnectionString();
        connection.CommandTimeout = std::chrono::milliseconds(50);
        connection.Open();
        other.ConnectionString = store.ConnectionString();
        other.CommandTimeout = std::chrono::milliseconds(50);
        other.Open();
    }

    void AddCategory(const std::string& name)
    {
        db::Statement& insert = connection.Prepare("insert into 类别 (类别) values (?)");
        db::StatementScope scope(insert);
        insert.BindText(1, name);
        insert.Step();
    }

    std::int64_t CategoriesInConnection()
    {
        db::Statement& count = connection.Prepare("select count(*) from 类别");
        db::StatementScope scope(count);
        count.Step();
        return count.ColumnInt64(0);
    }

    std::string CategoriesInFile()
    {
        db::Statement& select = other.Prepare("select 类别 from 类别 order by rowid");
        db::StatementScope scope(select);
        std::string names;
        while (select.Step())
            names += select.ColumnText(0) + ';';
        return names;
    }
};

TEST_F(Transaction, CommitKeepsTheRowsForOtherConnections)
{
    AddCategory("before");
    {
        db::Transaction transaction(connection);
        AddCategory("工作");
        AddCategory("生活");
        transaction.Commit();
    }
    EXPECT_EQ(CategoriesInFile(), "before;工作;生活;");
}

TEST_F(Transaction, AnExceptionInsideTheScopeLeavesTheStoreAsBefore)
{
    AddCategory("before");
    try {
        db::Transaction transaction(connection);
        AddCategory("工作");
        throw std::runtime_error("stopped half-way");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(CategoriesInFile(), "before;");

    // The rollback ended the transaction, so the next one begins and commits.
    db::Transaction next(connection);
    AddCategory("生活");
    next.Commit();
    EXPECT_EQ(CategoriesInFile(), "before;生活;");
}

TEST_F(Transaction, AScopeLeftWithoutCommitRollsBack)
{
    {
        db::Transaction transaction(connection);
        AddCategory("工作");
    }
    EXPECT_EQ(CategoriesInFile(), "");
}

TEST_F(Transaction, ACommitTheFileRefusesReportsTheEngineMessageAndRollsBack)
{
    // Another program reading inside a transaction of its own keeps the file
    // from taking our writes.
    other.ExecuteScript("begin; select count(*) from 类别;");
    {
        db::Transaction transaction(connection);
        AddCategory("工作");
        try {
            transaction.Commit();
            FAIL() << "committed while another program was reading";
        } catch (const db::EDatabaseError& error) {
            EXPECT_NE(std::string(error.what()).find("database is locked"), std::string::npos) << error.what();
        }
    }
    other.ExecuteScript("commit");
    EXPECT_EQ(CategoriesInFile(), "");

    db::Transaction next(connection);
    AddCategory("生活");
    next.Commit();
    EXPECT_EQ(CategoriesInFile(), "生活;");
}

TEST_F(Transaction, BeginningWhileAnotherProgramWritesFailsWithTheEngineMessage)
{
    other.ExecuteScript("begin immediate");
    try {
        db::Transaction transaction(connection);
        FAIL() << "began while another program held the write lock";
    } catch (const db::EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("database is locked"), std::string::npos) << error.what();
    }
    other.ExecuteScript("rollback");
    db::Transaction transaction(connection);
    AddCategory("工作");
    transaction.Commit();
    EXPECT_EQ(CategoriesInFile(), "工作;");
}

// Reads of one read transaction see one state of the file: another program's
// write waits until it ends. Inside a write transaction it changes nothing.
TEST_F(Transaction, AReadTransactionReadsOneStateOfTheFileAndNestsInAWriteOne)
{
    auto otherAdds = [this](const std::string& name) {
        db::Statement& insert = other.Prepare("insert into 类别 (类别) values (?)");
        db::StatementScope scope(insert);
        insert.BindText(1, name);
        insert.Step();
    };
    {
        db::ReadTransaction reads(connection);
        EXPECT_TRUE(connection.InTransaction());
        EXPECT_EQ(CategoriesInConnection(), 0);
        EXPECT_THROW(otherAdds("meanwhile"), db::EDatabaseError);
        EXPECT_EQ(CategoriesInConnection(), 0);
    }
    EXPECT_FALSE(connection.InTransaction());
    otherAdds("after");
    EXPECT_EQ(CategoriesInConnection(), 1);

    db::Transaction transaction(connection);
    {
        db::ReadTransaction reads(connection);
        AddCategory("inside");
    }
    EXPECT_TRUE(connection.InTransaction()) << "the write transaction goes on";
    transaction.Commit();
    EXPECT_EQ(CategoriesInFile(), "after;inside;");
}

// The file is checked once for the reads of a transaction, which read the
// state of the file it began with; a write is checked every time, so that
// nothing goes into a file deleted meanwhile. Once the transaction is over,
// every statement is refused again.
TEST_F(Transaction, AFileDeletedDuringATransactionTakesNoWriteThereAndNoStatementAfter)
{
    AddCategory("before");
    {
        db::Transaction transaction(connection);
        EXPECT_EQ(CategoriesInConnection(), 1);
        std::filesystem::remove(store.File());
        EXPECT_EQ(CategoriesInConnection(), 1);
        EXPECT_THROW(AddCategory("into the lost file"), db::EDatabaseError);
    }
    EXPECT_THROW(CategoriesInConnection(), db::EDatabaseError);
    db::ReadTransaction reads(connection);
    EXPECT_THROW(CategoriesInConnection(), db::EDatabaseError) << "a transaction begun after the deletion";
}

} // namespace
