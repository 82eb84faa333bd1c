#pragma once

#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace app {

// The note store: the connection to "Veltrin.mdb" and every dataset the
// windows use. The windows reach the notes only through this module.
//
// The file holds two tables:
//   类别  (类别)                    one row per category
//   笔记  (类别, 日期, 标题, 内容)    one row per note
// 日期 is stored as "YYYY-MM-DD HH:MM:SS" text. Rows come back in table order,
// the order in which they were inserted. Text compares Latin letters without
// regard to case (A-Z only; other scripts exactly), as stores written by
// earlier versions of the program expect, so "Work" and "work" are the same
// category and title, and a keyword "abc" finds "ABC". Besides the tables the
// file carries indexes on 笔记.类别 and 笔记.标题 and a trigram full-text index
// of 标题 and 内容 (笔记_全文) that triggers keep in step with 笔记 inside each
// write; they make the tree, a note and a search instant with many notes and
// never change a result.
//
// Every value reaches a statement as a bound parameter, never as part of the
// statement text: a title or category holding " or ', and a keyword holding ',
// are looked for as they are and can't change what a statement does.
//
// Current records. ADOQuery1 holds the main window's current note only. The
// category manager's current category lives in a query of its own, QLB, so
// that a rename or delete in the manager acts on the category the manager
// loaded even when the main window has loaded a note in between, and the main
// window's modify and delete act on its note whatever the manager did.
//
// Failures raise db::EDatabaseError: at creation, a missing file, an empty
// file, a file that is no database (an Access file is named as such), a file
// locked by another program, or a file without the two tables or one of
// their columns, with a message naming the file and the cause; during use, the
// engine's message with the statement, and for a file that turned read-only,
// a full disk, a lock held past the wait, or a file deleted or replaced while
// open, the cause and the file. A statement that fails changes nothing;
// what earlier statements wrote stays written. A file that another program
// holds busy is waited on for ADOConnection1.CommandTimeout before failing.
class TData {
public:
    // The stored connection string; its Data Source "Veltrin.mdb" is looked for
    // in the current directory.
    static const std::string StoredConnectionString;
    // The stored connection string with the Data Source naming `file` instead.
    static std::string ConnectionStringFor(const std::filesystem::path& file);
    // Creates a new note store at `file` with both tables and their indexes;
    // refuses an existing file.
    static void CreateStore(const std::filesystem::path& file);

    // Connects and opens LB, BZ, ADOQuery3 and ADOQuery5 (the last two with every note), in that order.
    explicit TData(std::string connectionString = StoredConnectionString);
    TData(const TData&) = delete;
    TData& operator=(const TData&) = delete;

    db::TADOConnection ADOConnection1;
    // Table 类别: the category list (tree, drop-down list, manager's list); new categories are inserted here.
    db::TADOTable LB { "LB" };
    // Table 笔记: new notes are inserted here. Count it with NoteCount(), which
    // does not read every note as BZ.RecordCount() would.
    db::TADOTable BZ { "BZ" };
    // The notes of one category while the tree is built.
    db::TADOQuery QBZ { "QBZ" };
    // The main window's current note, found by its title: read, modified (Edit/Post), deleted (Delete).
    db::TADOQuery ADOQuery1 { "ADOQuery1" };
    // The category manager's statements: the rename update and the delete check.
    db::TADOQuery ADOQuery2 { "ADOQuery2" };
    // The search results (every note at creation).
    db::TADOQuery ADOQuery3 { "ADOQuery3" };
    // The note opened from the search results, found by its title.
    db::TADOQuery ADOQuery4 { "ADOQuery4" };
    // The notes to print, read by the report: the notes of one title or every
    // note (every note at creation).
    db::TADOQuery ADOQuery5 { "ADOQuery5" };
    // The category manager's current category, found by its name: read, renamed (Edit/Post), deleted (Delete).
    db::TADOQuery QLB { "QLB" };

    // The statements. Each closes its query, replaces the statement, binds the
    // values and opens the query (or executes it); after opening, the current
    // row is the first row.

    // Into QBZ, for the tree: the notes filed under `category`, in table
    // order. Gives their 标题 only: the tree shows nothing else, and leaving the
    // rest out lets the category index answer alone, without reading bodies.
    void OpenCategoryNotes(std::string_view category);
    // Through ADOQuery2, for the category manager's delete and the tree's
    // branch buttons: whether any note is filed under `category`.
    bool CategoryHasNotes(std::string_view category);
    // Into ADOQuery1, for a tree click: the notes titled `title` (the whole
    // title, line breaks included); the first row is the current note.
    void OpenCurrentNote(std::string_view title);
    // Into ADOQuery4, for opening a search result; ADOQuery1 is opened with
    // the same statement so that the note becomes the main window's current
    // note, which modify and delete act on.
    void OpenSearchResult(std::string_view title);
    // Into QLB, for a click in the category manager: the categories named
    // `name`; the first row is the current category.
    void OpenCurrentCategory(std::string_view name);
    // Through ADOQuery2, for a rename: files every note of `oldName` under
    // `newName` in one statement; gives the number of notes moved.
    int MoveCategoryNotes(std::string_view oldName, std::string_view newName);
    // The category manager's rename: MoveCategoryNotes files every note of
    // the current category (QLB) under `newName`, then the category row itself
    // takes the new name. Both writes are one change of the file: when the
    // second fails (the row was removed by another program, the file is
    // locked), the notes keep their old category, instead of being left under
    // a name that no category row has.
    void RenameCurrentCategory(std::string_view newName);
    // Into ADOQuery3: the notes whose title or body contains `keyword`, in
    // table order, each once. '%' and '_' in the keyword are wildcards (any
    // run of characters, any one character); an empty keyword finds every note
    // whose title or body is not null. Keywords with three characters in a row
    // that are no wildcards are answered through the full-text index, with the
    // very same rows in the same order.
    void SearchNotes(std::string_view keyword);
    // Into ADOQuery5, for printing the current note: every note titled `title`.
    void OpenPrintNote(std::string_view title);
    // Into ADOQuery5, for printing all notes, in table order.
    void OpenPrintAllNotes();
    // The number of notes in the file now, whichever dataset wrote or deleted
    // them (the status line's count: the rows of 笔记, BZ's row count when it
    // is read anew).
    int NoteCount();

    // The two forms of the keyword search, public so that tests can hold one against the
    // other. Both take :pattern, the keyword between two '%'; the indexed one
    // also :query, the full-text query for the keyword (SearchIndexQuery).
    static const std::string SearchStatement;
    static const std::string IndexedSearchStatement;
    // The full-text index's query for `keyword`: its runs of three or more
    // characters that are neither '%' nor '_', each a phrase; empty when it
    // has none, and the index cannot answer the keyword.
    static std::string SearchIndexQuery(std::string_view keyword);
    static bool SearchIndexServes(std::string_view keyword);
    // Whether this store has the full-text index (a read-only file without it
    // is searched without it).
    bool HasSearchIndex() const { return m_searchIndex; }

private:
    void CheckTables();
    void PrepareIndexes();
    static void Reopen(db::TADOQuery& query, const std::string& statement,
        std::initializer_list<std::pair<std::string_view, std::string_view>> values);

    bool m_searchIndex { false };
    db::TADOQuery m_noteCount { "NoteCount" };
};

// The program's one note store, made by the start-up sequence.
extern TData* Data;

} // namespace app
