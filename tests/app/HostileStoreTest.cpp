// The main window on a store that goes wrong under it: turned read-only, a
// full disk, locked by another program, deleted or replaced, with columns
// added by another program. Each failure is shown with the file and the
// cause, the editors keep what the user typed, and the file keeps its notes.

#include "AppWindows.h"

#include <sqlite3.h>

#include <filesystem>

using namespace app;

namespace {

bool Mentions(const std::string& message, const std::string& part)
{
    return message.find(part) != std::string::npos;
}

// Another program on the same file, straight through the engine.
class OtherProgram {
public:
    explicit OtherProgram(const std::filesystem::path& file) { sqlite3_open(file.c_str(), &m_db); }
    ~OtherProgram() { sqlite3_close(m_db); }
    bool Run(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

private:
    sqlite3* m_db { nullptr };
};

} // namespace

class HostileStore : public AppWindows {
protected:
    // Opens "周报" and types over all three editors, as a user about to modify.
    void EditFirstNote()
    {
        ClickNode(*Main().TreeView1, "周报", 1);
        TypeNote();
    }
    // Starts a new note and fills it in, as a user about to save.
    void StartNewNote()
    {
        ClickControl(*Main().bsSkinSpeedButton1);
        TypeNote();
    }
    void TypeNote()
    {
        Main().SeSkinComboBox1->SetText(kTyped.category);
        Main().SeSkinMemo1->SetText(kTyped.title);
        Main().bsSkinMemo21->SetText(kTyped.body);
    }
    Note EditorsNote()
    {
        return { Main().SeSkinComboBox1->Text(), Main().SeSkinMemo1->Text(), Main().bsSkinMemo21->Text() };
    }
    // The message of the one error box the last action raised.
    std::string OnlyError()
    {
        EXPECT_EQ(Errors.size(), 1u);
        const std::string message = Errors.empty() ? "" : Errors.back();
        Errors.clear();
        return message;
    }

    const Note kTyped { "工作", "打好的标题", std::string(20000, 'x') + "正文" };
};

TEST_F(HostileStore, AReadOnlyStoreRefusesModifyAndSaveAndTheEditorsKeepTheirText)
{
    const auto before = StoredNotes();
    std::string readOnly = Store.ConnectionString();
    readOnly.replace(readOnly.find("Mode=Share Deny None"), 20, "Mode=Read");
    TData store(readOnly);
    Data = &store;

    EditFirstNote();
    ClickControl(*Main().Button1);
    std::string message = OnlyError();
    EXPECT_TRUE(Mentions(message, "read-only")) << message;
    EXPECT_TRUE(Mentions(message, Store.File().string())) << message;
    EXPECT_EQ(EditorsNote(), kTyped);
    EXPECT_EQ(NoteButtons(), "1--4");

    StartNewNote();
    ClickControl(*Main().Button2);
    message = OnlyError();
    EXPECT_TRUE(Mentions(message, "read-only")) << message;
    EXPECT_EQ(EditorsNote(), kTyped);
    EXPECT_EQ(NoteButtons(), "-23-");
    EXPECT_EQ(StoredNotes(), before);
}

TEST_F(HostileStore, AFullDiskKeepsTheNoteInTheEditorsAndASaveAfterwardsStoresItOnce)
{
    const auto before = StoredNotes();
    // The file may grow no further than it is now: the engine's full-disk error.
    Data->ADOConnection1.ExecuteScript("pragma max_page_count = 1");

    StartNewNote();
    ClickControl(*Main().Button2);
    std::string message = OnlyError();
    EXPECT_TRUE(Mentions(message, "disk is full")) << message;
    EXPECT_TRUE(Mentions(message, Store.File().string())) << message;
    EXPECT_EQ(EditorsNote(), kTyped);
    EXPECT_EQ(StoredNotes(), before);

    ClickControl(*Main().Button2);
    EXPECT_EQ(OnlyError(), message) << "a second try meets the same full disk";

    Data->ADOConnection1.ExecuteScript("pragma max_page_count = 1073741823");
    ClickControl(*Main().Button2);
    EXPECT_TRUE(Errors.empty());
    auto after = before;
    after.push_back(kTyped);
    EXPECT_EQ(StoredNotes(), after) << "the note is stored once, not once per try";

    Data->ADOConnection1.ExecuteScript("pragma max_page_count = 1");
    ClickNode(*Main().TreeView1, "周报", 1);
    Main().bsSkinMemo21->SetText(std::string(50000, 'y'));
    ClickControl(*Main().Button1);
    EXPECT_TRUE(Mentions(OnlyError(), "disk is full"));
    EXPECT_EQ(Main().bsSkinMemo21->Text(), std::string(50000, 'y'));
    EXPECT_EQ(StoredNotes(), after);
}

TEST_F(HostileStore, AStoreLockedLongerThanTheWaitSaysSoAndTheNextTryWorks)
{
    OtherProgram other(Store.File());
    ASSERT_TRUE(other.Run("begin exclusive"));
    StartNewNote();
    ClickControl(*Main().Button2);
    const std::string message = OnlyError();
    EXPECT_TRUE(Mentions(message, "locked")) << message;
    EXPECT_TRUE(Mentions(message, Store.File().string())) << message;
    EXPECT_EQ(EditorsNote(), kTyped);

    ASSERT_TRUE(other.Run("rollback"));
    ClickControl(*Main().Button2);
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(StoredNotes().back(), kTyped);
}

TEST_F(HostileStore, AStoreDeletedOrReplacedWhileRunningIsNamedAndNothingGoesIntoTheLostFile)
{
    EditFirstNote();
    const auto moved = Store.Directory() / "moved away.mdb";
    std::filesystem::rename(Store.File(), moved);

    ClickControl(*Main().Button1);
    std::string message = OnlyError();
    EXPECT_TRUE(Mentions(message, "deleted or replaced")) << message;
    EXPECT_TRUE(Mentions(message, Store.File().string())) << message;
    EXPECT_EQ(EditorsNote(), kTyped);

    // Another store now lies at the path: it is not written either, and the
    // file moved away keeps its notes as they were.
    TData::CreateStore(Store.File());
    StartNewNote();
    ClickControl(*Main().Button2);
    message = OnlyError();
    EXPECT_TRUE(Mentions(message, "deleted or replaced")) << message;
    EXPECT_EQ(EditorsNote(), kTyped);
    EXPECT_TRUE(StoredNotes().empty());
    std::filesystem::remove(Store.File());
    std::filesystem::rename(moved, Store.File());
    EXPECT_EQ(StoredNotes().front(), (Note { "工作", "周报", "本周完成了\r\n登录页" }));
    EXPECT_EQ(StoredNotes().size(), 3u);
}

TEST_F(HostileStore, ColumnsAnotherProgramAddedAreKeptByModifyAndLeftEmptyBySave)
{
    OtherProgram other(Store.File());
    ASSERT_TRUE(other.Run("alter table 笔记 add column 作者 text default '某人'"));
    ASSERT_TRUE(other.Run("update 笔记 set 作者 = '张三' where 标题 = '周报'"));

    EditFirstNote();
    ClickControl(*Main().Button1);
    StartNewNote();
    Main().SeSkinMemo1->SetText("新的");
    ClickControl(*Main().Button2);
    EXPECT_TRUE(Errors.empty()) << Errors.front();

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Store.File().c_str(), &db), SQLITE_OK);
    std::vector<std::string> authors;
    sqlite3_exec(
        db, "select 标题 || '=' || 作者 from 笔记 where 标题 in ('打好的标题', '新的') order by rowid",
        [](void* out, int, char** values, char**) {
            static_cast<std::vector<std::string>*>(out)->push_back(values[0] ? values[0] : "(null)");
            return 0;
        },
        &authors, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(authors, (std::vector<std::string> { "打好的标题=张三", "新的=某人" }));
}
