#include "TempStore.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TADOConnection.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using datatest::TempDirectory;
using datatest::TempStore;

std::string OpenError(const std::string& connectionString)
{
    try {
        app::TData data(connectionString);
    } catch (const db::EDatabaseError& error) {
        return error.what();
    }
    return "(opened)";
}

// A second connection of our own, straight through SQLite, standing for
// another program that uses the file.
class OtherProgram {
public:
    explicit OtherProgram(const std::filesystem::path& file) { sqlite3_open(file.c_str(), &m_db); }
    ~OtherProgram() { sqlite3_close(m_db); }
    void Run(const char* sql) { ASSERT_EQ(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }

private:
    sqlite3* m_db { nullptr };
};

TEST(Connection, AMissingFileIsRefusedNamingTheFileAndTheCause)
{
    TempDirectory directory;
    const std::string message = OpenError(app::TData::ConnectionStringFor(directory.Path() / "Veltrin.mdb"));
    EXPECT_NE(message.find("Veltrin.mdb"), std::string::npos) << message;
    EXPECT_NE(message.find("does not exist"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(directory.Path() / "Veltrin.mdb")) << "no file may be created";
}

TEST(Connection, AFileThatIsNoDatabaseIsRefused)
{
    TempDirectory directory;
    const auto file = directory.Path() / "Veltrin.mdb";
    std::ofstream(file) << std::string(4096, 'x');
    const std::string message = OpenError(app::TData::ConnectionStringFor(file));
    EXPECT_NE(message.find("Veltrin.mdb"), std::string::npos) << message;
    EXPECT_NE(message.find("not a database"), std::string::npos) << message;
}

TEST(Connection, ADatabaseWithoutTheNoteTablesIsRefusedNamingTheFile)
{
    TempDirectory directory;
    const auto file = directory.Path() / "Veltrin.mdb";
    OtherProgram(file).Run("create table other (x)");
    const std::string message = OpenError(app::TData::ConnectionStringFor(file));
    EXPECT_NE(message.find("Veltrin.mdb"), std::string::npos) << message;
    EXPECT_NE(message.find("no such table: 类别"), std::string::npos) << message;
}

TEST(Connection, AFileLockedByAnotherProgramIsRefusedAfterTheWait)
{
    TempStore store;
    OtherProgram other(store.File());
    other.Run("begin exclusive; insert into 类别 values ('x');");

    db::TADOConnection connection;
    connection.ConnectionString = store.ConnectionString();
    connection.CommandTimeout = std::chrono::milliseconds(100);
    try {
        connection.Open();
        FAIL() << "a locked file opened";
    } catch (const db::EDatabaseError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("Veltrin.mdb"), std::string::npos) << message;
        EXPECT_NE(message.find("locked"), std::string::npos) << message;
    }
    EXPECT_FALSE(connection.Connected());
    other.Run("rollback");
    connection.Open();
    EXPECT_TRUE(connection.Connected());
}

TEST(Connection, TheStoredDataSourceIsLookedForInTheCurrentDirectory)
{
    TempStore store;
    TempDirectory empty;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(store.Directory());
    EXPECT_NO_THROW(app::TData data);
    std::filesystem::current_path(empty.Path());
    EXPECT_THROW(app::TData data, db::EDatabaseError);
    std::filesystem::current_path(previous);
}

TEST(Connection, ReadModeOpensTheFileReadOnly)
{
    TempStore store;
    db::TADOConnection connection;
    connection.ConnectionString = "Data Source=" + store.File().string() + ";Mode=Read";
    db::TADOQuery query("query");
    query.SetConnection(&connection);
    query.SQL.Add("insert into 类别 values ('x')");
    try {
        query.ExecSQL();
        FAIL() << "wrote through a read-only connection";
    } catch (const db::EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("readonly"), std::string::npos) << error.what();
    }
}

TEST(Connection, ClosingTheConnectionClosesItsDatasets)
{
    TempStore store;
    app::TData data(store.ConnectionString());
    ASSERT_TRUE(data.LB.Active());
    data.ADOConnection1.Close();
    EXPECT_FALSE(data.LB.Active());
    EXPECT_FALSE(data.ADOQuery5.Active());
    data.LB.Open();
    EXPECT_TRUE(data.ADOConnection1.Connected()) << "opening a dataset opens its connection";
}

TEST(Connection, CreatingAStoreNeverTakesOverAnExistingFile)
{
    TempStore store;
    EXPECT_THROW(app::TData::CreateStore(store.File()), db::EDatabaseError);
}

// Another process writes to the file while the program wants to: the program
// waits for it instead of failing, and both writes land.
TEST(Connection, ABusyFileIsWaitedOnWhileAnotherProcessWrites)
{
    TempStore store;
    int go[2];
    int locked[2];
    ASSERT_EQ(pipe(go), 0);
    ASSERT_EQ(pipe(locked), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child opens the file only after the fork, as a separate program would.
        char byte;
        if (read(go[0], &byte, 1) != 1)
            _exit(2);
        sqlite3* db = nullptr;
        sqlite3_open(store.File().c_str(), &db);
        if (sqlite3_exec(db, "begin exclusive; insert into 笔记 (标题) values ('from the other process');",
                nullptr, nullptr, nullptr)
            != SQLITE_OK)
            _exit(3);
        if (write(locked[1], "L", 1) != 1)
            _exit(4);
        usleep(300 * 1000);
        const int result = sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        _exit(result == SQLITE_OK ? 0 : 5);
    }

    app::TData data(store.ConnectionString());
    char byte = 'G';
    ASSERT_EQ(write(go[1], &byte, 1), 1);
    ASSERT_EQ(read(locked[0], &byte, 1), 1);
    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("from the program");
    EXPECT_NO_THROW(data.BZ.Post());
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(data.NoteCount(), 2);
    for (int fd : { go[0], go[1], locked[0], locked[1] })
        close(fd);
}

} // namespace

namespace {

std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// The first bytes of an Access file of the given Jet version byte.
std::string JetHeader(char version)
{
    std::string page(4096, '\0');
    page.replace(4, 15, "Standard Jet DB");
    page[0x14] = version;
    return page;
}

} // namespace

TEST(Connection, AnAccessFileIsNamedAsSuchAndLeftAsItWas)
{
    TempDirectory directory;
    const auto file = directory.Path() / "Veltrin.mdb";
    for (const auto& [version, name] : { std::pair { '\0', "Jet 3" }, std::pair { '\1', "Jet 4.0" } }) {
        std::ofstream(file, std::ios::binary) << JetHeader(version);
        const std::string message = OpenError(app::TData::ConnectionStringFor(file));
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
        EXPECT_NE(message.find(std::string("Microsoft Access database (") + name), std::string::npos) << message;
        EXPECT_EQ(FileBytes(file), JetHeader(version));
    }
}

TEST(Connection, AGenuineJet4FileIsRecognisedAndLeftAsItWas)
{
    const char* source = std::getenv("VELTRIN_SOURCE_DIR");
    const std::filesystem::path sample
        = std::filesystem::path(source ? source : ".") / ".." / "shared" / "fixtures" / "jet4-sample.mdb";
    if (!std::filesystem::exists(sample))
        GTEST_SKIP() << "no Jet 4 sample file at " << sample << " (it lies beside the repository in CI)";
    TempDirectory directory;
    const auto file = directory.Path() / "Veltrin.mdb";
    std::filesystem::copy_file(sample, file);
    const std::string message = OpenError(app::TData::ConnectionStringFor(file));
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("Microsoft Access database (Jet 4.0"), std::string::npos) << message;
    EXPECT_EQ(FileBytes(file), FileBytes(sample));
}

TEST(Connection, AnEmptyFileIsRefusedAsEmptyAndStaysEmpty)
{
    TempDirectory directory;
    const auto file = directory.Path() / "Veltrin.mdb";
    std::ofstream { file };
    const std::string message = OpenError(app::TData::ConnectionStringFor(file));
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("empty (0 bytes)"), std::string::npos) << message;
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()), {}), 1)
        << "no journal or other file is left beside it";
}

TEST(Connection, ATableWithoutAColumnTheWindowsUseIsRefusedBeforeAnythingIsWritten)
{
    TempDirectory directory;
    const auto file = directory.Path() / "Veltrin.mdb";
    {
        OtherProgram other(file);
        other.Run("create table 类别 (类别 text); create table 笔记 (类别 text, 日期 datetime, 标题 text);"
                  "insert into 笔记 values ('工作', '2021-03-01 10:20:30', '周报')");
    }
    const std::string before = FileBytes(file);
    const std::string message = OpenError(app::TData::ConnectionStringFor(file));
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("the table 笔记 has no column 内容"), std::string::npos) << message;
    EXPECT_EQ(FileBytes(file), before) << "no index may be added to a file that is refused";
}

TEST(Connection, AStoreOnAPathWithChineseAndSpacesOpensWritesAndIsNamedInMessages)
{
    TempDirectory directory;
    const auto folder = directory.Path() / "我的 笔记 本";
    std::filesystem::create_directory(folder);
    const auto file = folder / "Veltrin.mdb";
    app::TData::CreateStore(file);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    {
        app::TData data;
        data.BZ.Insert();
        data.BZ.FieldByName("标题").SetAsString("路径里有空格");
        data.BZ.Post();
        EXPECT_EQ(data.NoteCount(), 1);
        std::filesystem::remove(file);
        try {
            data.NoteCount();
            ADD_FAILURE() << "a deleted store was read";
        } catch (const db::EDatabaseError& error) {
            EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
        }
    }
    std::filesystem::current_path(previous);
}
