#include "TempStore.h"

#include "platform/data/DataSetRows.h"
#include "platform/data/EDatabaseError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using datatest::TempStore;

// Notes big enough that one page of rows holds only a few of them, so that
// every test walks across pages of a real store.
constexpr int NoteCount = 40;
constexpr std::size_t BodySize = 64 * 1024;

class PagedDataSet : public ::testing::Test {
protected:
    TempStore store;
    app::TData data { store.ConnectionString() };

    // A second program on the same file.
    db::TADOConnection other;

    void SetUp() override
    {
        other.ConnectionString = store.ConnectionString();
        db::Transaction transaction(data.ADOConnection1);
        for (int i = 0; i < NoteCount; ++i)
            Run("insert into 笔记 (类别, 标题, 内容) values ('类', :title, :body)",
                { { "title", Title(i) }, { "body", std::string(BodySize, static_cast<char>('a' + i % 26)) } },
                data.ADOConnection1);
        transaction.Commit();
        data.OpenPrintAllNotes();
    }

    static std::string Title(int note) { return "笔记 " + std::to_string(note); }

    static void Run(const std::string& statement,
        std::initializer_list<std::pair<std::string, std::string>> values, db::TADOConnection& connection)
    {
        db::TADOQuery query("write");
        query.SetConnection(&connection);
        query.SQL.Add(statement);
        for (const auto& [name, value] : values)
            query.Parameters.ParamByName(name).SetAsString(value);
        query.ExecSQL();
    }

    std::string CurrentTitle() { return data.ADOQuery5.FieldByName("标题").AsString(); }

    void MoveTo(int row)
    {
        data.ADOQuery5.First();
        for (int i = 0; i < row; ++i)
            data.ADOQuery5.Next();
    }
};

TEST_F(PagedDataSet, EveryNoteIsWalkedInOrderBothWaysWithoutHoldingEveryBody)
{
    db::TADOQuery& notes = data.ADOQuery5;
    ASSERT_EQ(notes.RecordCount(), NoteCount);
    EXPECT_LT(notes.RowsRead(), static_cast<std::size_t>(NoteCount) / 2) << "only one page is read at open";
    for (int i = 0; i < NoteCount; ++i) {
        EXPECT_EQ(CurrentTitle(), Title(i));
        EXPECT_EQ(notes.FieldByName("内容").AsString().size(), BodySize);
        notes.Next();
    }
    EXPECT_TRUE(notes.Eof());
    EXPECT_EQ(CurrentTitle(), Title(NoteCount - 1));
    notes.Prior();
    EXPECT_EQ(CurrentTitle(), Title(NoteCount - 1)) << "one back from past the end is the last note";
    for (int i = NoteCount - 2; i >= 0; --i) {
        notes.Prior();
        EXPECT_EQ(CurrentTitle(), Title(i)) << "Prior crosses pages backwards";
    }
    EXPECT_FALSE(notes.Bof());
    notes.Prior();
    EXPECT_TRUE(notes.Bof());
    EXPECT_EQ(CurrentTitle(), Title(0));
}

TEST_F(PagedDataSet, BookmarksFindTheirNoteAcrossPagesAndAfterOwnDeletes)
{
    db::TADOQuery& notes = data.ADOQuery5;
    MoveTo(3);
    const db::TBookmark early = notes.GetBookmark();
    MoveTo(NoteCount - 2);
    const db::TBookmark late = notes.GetBookmark();
    ASSERT_TRUE(notes.GotoBookmark(early));
    EXPECT_EQ(CurrentTitle(), Title(3));
    ASSERT_TRUE(notes.GotoBookmark(late));
    EXPECT_EQ(CurrentTitle(), Title(NoteCount - 2));
    notes.Prior();
    EXPECT_EQ(CurrentTitle(), Title(NoteCount - 3));

    MoveTo(20);
    notes.Delete();
    EXPECT_EQ(CurrentTitle(), Title(21)) << "the note after the deleted one becomes current";
    EXPECT_EQ(notes.RecordCount(), NoteCount - 1);
    notes.Prior();
    EXPECT_EQ(CurrentTitle(), Title(19));
    ASSERT_TRUE(notes.GotoBookmark(late));
    EXPECT_EQ(CurrentTitle(), Title(NoteCount - 2)) << "a bookmark is kept by key, not by place";
    notes.Delete();
    EXPECT_FALSE(notes.GotoBookmark(late));
    EXPECT_EQ(data.NoteCount(), NoteCount - 2);
}

// The rule for writes of other programs while a dataset is open: the notes and
// their order are those of the first read; a note's values are those in the
// file when its page is read.
TEST_F(PagedDataSet, WritesOfAnotherProgramShowByPageAndNeverChangeTheRowsListed)
{
    db::TADOQuery& notes = data.ADOQuery5;
    ASSERT_EQ(CurrentTitle(), Title(0));
    Run("insert into 笔记 (类别, 标题, 内容) values ('类', '新', 'x')", {}, other);
    Run("update 笔记 set 标题 = '改' where 标题 = :title", { { "title", Title(1) } }, other);
    Run("update 笔记 set 标题 = '改' where 标题 = :title", { { "title", Title(30) } }, other);
    Run("delete from 笔记 where 标题 = :title", { { "title", Title(31) } }, other);

    EXPECT_EQ(notes.RecordCount(), NoteCount) << "a note inserted since is not listed, a deleted one keeps its place";
    MoveTo(1);
    EXPECT_EQ(CurrentTitle(), Title(1)) << "the page already read keeps the values it was read with";
    MoveTo(30);
    EXPECT_EQ(CurrentTitle(), "改") << "a page read after the change shows it";
    notes.Next();
    EXPECT_TRUE(notes.FieldByName("标题").IsNull()) << "a note deleted before its page was read reads as null";
    EXPECT_THROW(notes.Delete(), db::EDatabaseError) << "and cannot be deleted a second time";
    notes.Cancel();
    notes.Edit();
    notes.FieldByName("标题").SetAsString("复活");
    EXPECT_THROW(notes.Post(), db::EDatabaseError) << "nor changed";
    notes.Cancel();
    while (!notes.Eof())
        notes.Next();
    EXPECT_EQ(CurrentTitle(), Title(NoteCount - 1));

    data.OpenPrintAllNotes();
    EXPECT_EQ(notes.RecordCount(), NoteCount) << "opened again: one note fewer, one more";
    MoveTo(1);
    EXPECT_EQ(CurrentTitle(), "改");
}

TEST_F(PagedDataSet, OwnChangesAndInsertsBeyondTheFirstPageReachTheFileAndTheRows)
{
    db::TADOQuery& notes = data.ADOQuery5;
    MoveTo(33);
    notes.Edit();
    notes.FieldByName("标题").SetAsString("改过");
    notes.Post();
    MoveTo(0);
    MoveTo(33);
    EXPECT_EQ(CurrentTitle(), "改过");

    data.BZ.Close();
    data.BZ.Open();
    ASSERT_EQ(data.BZ.RecordCount(), NoteCount);
    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("最后");
    data.BZ.Post();
    EXPECT_EQ(data.BZ.FieldByName("标题").AsString(), "最后");
    data.BZ.Prior();
    EXPECT_EQ(data.BZ.FieldByName("标题").AsString(), Title(NoteCount - 1));
    data.BZ.Next();
    data.BZ.Next();
    EXPECT_TRUE(data.BZ.Eof());
    EXPECT_EQ(data.BZ.RecordCount(), NoteCount + 1);
}

TEST_F(PagedDataSet, AnEmptyResultAndAResultOfOneNoteBehaveAsAnyDataset)
{
    db::TADOQuery& notes = data.ADOQuery5;
    data.OpenPrintNote("没有这个标题");
    EXPECT_EQ(notes.RecordCount(), 0);
    EXPECT_TRUE(notes.Eof());
    EXPECT_TRUE(notes.Bof());
    EXPECT_FALSE(notes.GetBookmark().valid);
    EXPECT_THROW(notes.FieldByName("标题").AsString(), db::EDatabaseError);

    data.OpenPrintNote(Title(7));
    EXPECT_EQ(notes.RecordCount(), 1);
    EXPECT_EQ(notes.FieldByName("内容").AsString(), std::string(BodySize, 'h'));
    notes.Next();
    EXPECT_TRUE(notes.Eof());
    notes.Prior();
    EXPECT_EQ(CurrentTitle(), Title(7));
    notes.Delete();
    EXPECT_EQ(notes.RecordCount(), 0);
    EXPECT_TRUE(notes.Eof());
}

TEST_F(PagedDataSet, AQueryWithAComputedColumnHoldsEveryRowItRead)
{
    db::TADOQuery& notes = data.ADOQuery5;
    notes.Close();
    notes.SQL.Clear();
    notes.SQL.Add("select rowid, 标题, length(内容) as size from 笔记 order by rowid");
    notes.Open();
    ASSERT_EQ(notes.RecordCount(), NoteCount);
    EXPECT_EQ(notes.RowsRead(), static_cast<std::size_t>(NoteCount));
    Run("delete from 笔记 where 标题 = :title", { { "title", Title(39) } }, other);
    MoveTo(39);
    EXPECT_EQ(CurrentTitle(), Title(39));
    EXPECT_EQ(notes.FieldByName("size").AsString(), std::to_string(BodySize));
}

} // namespace

// A dataset that reads its rows as it is walked, over the same notes.
class WalkedDataSet : public PagedDataSet {
protected:
    db::TADOQuery walk { "walk" };

    void SetUp() override
    {
        PagedDataSet::SetUp();
        OpenWalk(walk);
    }

    void OpenWalk(db::TADOQuery& query)
    {
        query.SetConnection(&data.ADOConnection1);
        query.ReadAsNeeded = true;
        query.SQL.Add("select rowid, * from 笔记 order by rowid");
        query.Open();
    }

    static std::string TitleOf(db::TADOQuery& query) { return query.FieldByName("标题").AsString(); }

    // Whether another program can write into the file now, waiting a moment at most.
    bool OtherCanWrite()
    {
        other.CommandTimeout = std::chrono::milliseconds(50);
        try {
            Run("update 笔记 set 日期 = '2025-01-01 00:00:00' where rowid = 1", {}, other);
            return true;
        } catch (const db::EDatabaseError&) {
            return false;
        }
    }
};

TEST_F(WalkedDataSet, AWalkReadsEachNoteOnceAsItGoesAndTheCountReadsTheRest)
{
    EXPECT_EQ(walk.RowsRead(), 1u) << "opening reads the first note only";
    EXPECT_FALSE(walk.AllRowsRead());
    for (int i = 0; i < NoteCount; ++i) {
        ASSERT_FALSE(walk.Eof());
        EXPECT_EQ(TitleOf(walk), Title(i));
        EXPECT_EQ(walk.FieldByName("内容").AsString(), std::string(BodySize, static_cast<char>('a' + i % 26)));
        walk.Next();
    }
    EXPECT_TRUE(walk.Eof());
    EXPECT_TRUE(walk.AllRowsRead());
    EXPECT_EQ(walk.RowsRead(), static_cast<std::size_t>(NoteCount)) << "no note was read twice";
    EXPECT_EQ(TitleOf(walk), Title(NoteCount - 1));
    walk.Prior();
    for (int i = NoteCount - 2; i >= 0; --i) {
        walk.Prior();
        ASSERT_EQ(TitleOf(walk), Title(i)) << "Prior goes back across pages read before";
    }

    walk.Close();
    walk.Open();
    walk.Next();
    EXPECT_EQ(walk.RecordCount(), NoteCount);
    EXPECT_TRUE(walk.AllRowsRead());
    EXPECT_EQ(TitleOf(walk), Title(1)) << "counting does not move the current note";
    EXPECT_LT(walk.RowsRead(), static_cast<std::size_t>(NoteCount)) << "counting keeps only one page";
}

TEST_F(WalkedDataSet, AWriteThroughTheConnectionReadsTheRestFirstSoTheNotesListedStayThoseFound)
{
    walk.Next();
    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("新");
    data.BZ.Post();
    EXPECT_TRUE(walk.AllRowsRead());
    EXPECT_EQ(walk.RecordCount(), NoteCount) << "the note written afterwards is not among those found";

    // The dataset's own writes still show in it at once.
    walk.Edit();
    walk.FieldByName("标题").SetAsString("改过");
    walk.Post();
    EXPECT_EQ(TitleOf(walk), "改过");
    int listed = 0;
    for (walk.First(); !walk.Eof(); walk.Next())
        ++listed;
    EXPECT_EQ(listed, NoteCount);
}

// While notes remain unread the file stays open for reading; once the walk
// reaches the end, or the dataset closes, other programs write again.
TEST_F(WalkedDataSet, TheFileIsFreeForOtherProgramsOnceTheWalkEndsOrTheDatasetCloses)
{
    walk.Next();
    EXPECT_FALSE(OtherCanWrite());
    while (!walk.Eof())
        walk.Next();
    EXPECT_TRUE(OtherCanWrite());

    walk.Close();
    walk.Open();
    walk.Next();
    walk.Close();
    EXPECT_TRUE(OtherCanWrite());
}

TEST_F(WalkedDataSet, TwoDatasetsWalkingTheSameStatementAtOnceEachGetEveryNote)
{
    db::TADOQuery second("second");
    OpenWalk(second);
    for (int i = 0; i < NoteCount; ++i) {
        ASSERT_EQ(TitleOf(walk), Title(i));
        ASSERT_EQ(TitleOf(second), Title(i));
        walk.Next();
        second.Next();
    }
    EXPECT_TRUE(walk.Eof());
    EXPECT_TRUE(second.Eof());
}

TEST_F(WalkedDataSet, ABookmarkOfANoteNotReachedYetFindsIt)
{
    for (int i = 0; i < 30; ++i)
        walk.Next();
    const db::TBookmark late = walk.GetBookmark();
    walk.Close();
    walk.Open();
    ASSERT_TRUE(walk.GotoBookmark(late));
    EXPECT_EQ(TitleOf(walk), Title(30));
    walk.Next();
    EXPECT_EQ(TitleOf(walk), Title(31));
}
