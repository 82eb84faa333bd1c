#include "app/TData.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TConnectionString.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <vector>

namespace app {

TData* Data = nullptr;

namespace {

// Categories and titles compare with NOCASE, SQLite's case folding of A-Z.
const std::string Schema = R"(
create table 类别 (类别 text collate nocase);
create table 笔记 (类别 text collate nocase, 日期 datetime, 标题 text collate nocase, 内容 text);
)";

// The category index covers NotesOfCategory entirely (类别, 标题 and the rowid), so the
// tree is built without reading any note body.
const std::string Indexes = R"(
create index if not exists 笔记_类别 on 笔记 (类别, 标题);
create index if not exists 笔记_标题 on 笔记 (标题);
)";

// A trigram index of titles and bodies over the rows of 笔记 (external
// content: the text is not stored twice). The triggers run inside the
// statement that changes 笔记, so the index can never fall out of step.
const std::string SearchIndex = R"(
drop trigger if exists 笔记_全文_insert;
drop trigger if exists 笔记_全文_delete;
drop trigger if exists 笔记_全文_update;
drop table if exists 笔记_全文;
create virtual table 笔记_全文 using fts5(标题, 内容, content='笔记', tokenize='trigram case_sensitive 0');
create trigger 笔记_全文_insert after insert on 笔记 begin
  insert into 笔记_全文 (rowid, 标题, 内容) values (new.rowid, new.标题, new.内容);
end;
create trigger 笔记_全文_delete after delete on 笔记 begin
  insert into 笔记_全文 (笔记_全文, rowid, 标题, 内容) values ('delete', old.rowid, old.标题, old.内容);
end;
create trigger 笔记_全文_update after update of 标题, 内容 on 笔记 begin
  insert into 笔记_全文 (笔记_全文, rowid, 标题, 内容) values ('delete', old.rowid, old.标题, old.内容);
  insert into 笔记_全文 (rowid, 标题, 内容) values (new.rowid, new.标题, new.内容);
end;
insert into 笔记_全文 (笔记_全文) values ('rebuild');
)";

const std::string SearchIndexCheck = "select count(*) from sqlite_schema where name in "
                                     "('笔记_全文', '笔记_全文_insert', '笔记_全文_delete', '笔记_全文_update')";

// The statements. Every one lists its rows in table order and selects the
// rowid, which lets a dataset write its rows back.
const std::string NotesOfCategory = "select rowid, 标题 from 笔记 where 类别 = :category order by rowid";
const std::string AnyNoteOfCategory = "select rowid from 笔记 where 类别 = :category limit 1";
const std::string NotesTitled = "select rowid, * from 笔记 where 标题 = :title order by rowid";
const std::string CategoriesNamed = "select rowid, * from 类别 where 类别 = :category order by rowid";
const std::string MoveNotes = "update 笔记 set 类别 = :new where 类别 = :old";
const std::string AllNotes = "select rowid, * from 笔记 order by rowid";

} // namespace

const std::string TData::StoredConnectionString
    = "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=Veltrin.mdb;Mode=Share Deny None;"
      "Extended Properties=\"\";Jet OLEDB:System database=\"\";Jet OLEDB:Registry Path=\"\";"
      "Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;Jet OLEDB:Database Locking Mode=1;"
      "Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;"
      "Jet OLEDB:New Database Password=\"\";Jet OLEDB:Create System Database=False;"
      "Jet OLEDB:Encrypt Database=False;Jet OLEDB:Don't Copy Locale on Compact=False;"
      "Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False";

const std::string TData::SearchStatement
    = "select rowid, * from 笔记 where (标题 like :pattern) or (内容 like :pattern) order by rowid";

// The index gives the candidate rows in table order, a superset (it folds case
// more widely than LIKE does, and a pattern's wildcards are left out of the
// index's query); the plain condition then decides, exactly as in
// SearchStatement. The rows come from the index as they are read, so the first
// ones are there before the search has gone through every note.
const std::string TData::IndexedSearchStatement
    = "select 笔记.rowid, 笔记.* from 笔记_全文 join 笔记 on 笔记.rowid = 笔记_全文.rowid "
      "where 笔记_全文 match :query and ((笔记.标题 like :pattern) or (笔记.内容 like :pattern)) "
      "order by 笔记_全文.rowid";

std::string TData::ConnectionStringFor(const std::filesystem::path& file)
{
    std::string quoted = "\"";
    for (char c : file.string()) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    const db::TConnectionString stored(StoredConnectionString);
    std::string text;
    for (const auto& [key, value] : stored.Pairs()) {
        if (!text.empty())
            text += ';';
        text += key + '=' + (key == "Data Source" ? quoted : value.empty() ? std::string("\"\"") : value);
    }
    return text;
}

void TData::CreateStore(const std::filesystem::path& file)
{
    db::CreateDatabaseFile(file);
    db::TADOConnection connection;
    connection.ConnectionString = ConnectionStringFor(file);
    connection.Open();
    db::Transaction transaction(connection);
    connection.ExecuteScript(Schema + Indexes + SearchIndex);
    transaction.Commit();
}

TData::TData(std::string connectionString)
{
    ADOConnection1.ConnectionString = std::move(connectionString);
    for (db::TCustomADODataSet* dataSet : std::initializer_list<db::TCustomADODataSet*> {
             &LB, &BZ, &QBZ, &ADOQuery1, &ADOQuery2, &ADOQuery3, &ADOQuery4, &ADOQuery5, &QLB, &m_noteCount })
        dataSet->SetConnection(&ADOConnection1);
    LB.TableName = "类别";
    BZ.TableName = "笔记";
    // Opened over every note at start-up but read only when a search or a
    // print uses them, so the note bodies are not held in memory meanwhile.
    ADOQuery3.ReadOnFirstUse = true;
    ADOQuery5.ReadOnFirstUse = true;
    // The search results are read as the results window lists them, so that
    // its first rows show before a large result is read to its end.
    ADOQuery3.ReadAsNeeded = true;
    ADOQuery3.SQL.Add(AllNotes);
    ADOQuery5.SQL.Add(AllNotes);
    m_noteCount.SQL.Add("select count(*) from 笔记");

    ADOConnection1.Open();
    try {
        CheckTables();
        PrepareIndexes();
        LB.Open();
        BZ.Open();
        ADOQuery3.Open();
        ADOQuery5.Open();
    } catch (const db::EDatabaseError& error) {
        const std::string file = ADOConnection1.DataSource().string();
        ADOConnection1.Close();
        throw db::EDatabaseError("The note store \"" + file + "\" cannot be used: " + error.what());
    }
}

// A file without the tables and columns the windows read and write is refused
// before anything is written to it, rather than failing at the first note
// shown or saved. Further columns are left alone.
void TData::CheckTables()
{
    std::error_code error;
    if (std::filesystem::file_size(ADOConnection1.DataSource(), error) == 0 && !error)
        throw db::EDatabaseError("the file is empty (0 bytes): it holds no notes and no note tables");
    const std::pair<std::string, std::vector<std::string>> tables[] = {
        { "类别", { "类别" } },
        { "笔记", { "类别", "日期", "标题", "内容" } },
    };
    for (const auto& [table, columns] : tables) {
        db::Statement& statement = ADOConnection1.Prepare("select * from " + db::QuoteName(table) + " limit 0");
        std::vector<std::string> present;
        for (int i = 0; i < statement.ColumnCount(); ++i)
            present.push_back(statement.ColumnName(i));
        for (const std::string& column : columns) {
            if (std::ranges::find(present, column) == present.end())
                throw db::EDatabaseError("the table " + table + " has no column " + column);
        }
    }
}

// Files made by other tools, or before the indexes existed, get them here. A
// file that cannot be written (read-only) is used without them.
void TData::PrepareIndexes()
{
    db::TADOQuery check("check");
    check.SetConnection(&ADOConnection1);
    check.SQL.Add(SearchIndexCheck);
    check.Open();
    const bool complete = check.FieldByName("count(*)").AsString() == "4";
    check.Close();
    try {
        db::Transaction transaction(ADOConnection1);
        ADOConnection1.ExecuteScript(Indexes + (complete ? "" : SearchIndex));
        transaction.Commit();
        m_searchIndex = true;
    } catch (const db::EDatabaseError&) {
        m_searchIndex = complete;
    }
}

void TData::Reopen(db::TADOQuery& query, const std::string& statement,
    std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    query.Close();
    // Reopened over the statement it already has, the query keeps its text
    // and its parameters; the values below replace theirs.
    if (query.SQL.Text() != statement) {
        query.SQL.Clear();
        query.SQL.Add(statement);
    }
    for (const auto& [name, value] : values)
        query.Parameters.ParamByName(name).SetAsString(value);
    query.Open();
}

void TData::OpenCategoryNotes(std::string_view category)
{
    Reopen(QBZ, NotesOfCategory, { { "category", category } });
}

bool TData::CategoryHasNotes(std::string_view category)
{
    Reopen(ADOQuery2, AnyNoteOfCategory, { { "category", category } });
    return ADOQuery2.RecordCount() > 0;
}

void TData::OpenCurrentNote(std::string_view title)
{
    Reopen(ADOQuery1, NotesTitled, { { "title", title } });
}

void TData::OpenSearchResult(std::string_view title)
{
    Reopen(ADOQuery4, NotesTitled, { { "title", title } });
    Reopen(ADOQuery1, NotesTitled, { { "title", title } });
}

void TData::OpenCurrentCategory(std::string_view name)
{
    Reopen(QLB, CategoriesNamed, { { "category", name } });
}

int TData::MoveCategoryNotes(std::string_view oldName, std::string_view newName)
{
    ADOQuery2.Close();
    ADOQuery2.SQL.Clear();
    ADOQuery2.SQL.Add(MoveNotes);
    ADOQuery2.Parameters.ParamByName("new").SetAsString(newName);
    ADOQuery2.Parameters.ParamByName("old").SetAsString(oldName);
    return ADOQuery2.ExecSQL();
}

void TData::RenameCurrentCategory(std::string_view newName)
{
    const std::string oldName = QLB.FieldByName("类别").AsString();
    db::Transaction transaction(ADOConnection1);
    try {
        MoveCategoryNotes(oldName, newName);
        QLB.Edit();
        QLB.FieldByName("类别").SetAsString(newName);
        QLB.Post();
        transaction.Commit();
    } catch (...) {
        QLB.Cancel();
        throw;
    }
}

std::string TData::SearchIndexQuery(std::string_view keyword)
{
    // Every run of three or more characters between the wildcards must be in
    // a note the pattern matches: each is one phrase of the query, its quotes
    // doubled.
    std::string query;
    std::size_t start = 0;
    while (start <= keyword.size()) {
        const std::size_t end = std::min(keyword.find_first_of("%_", start), keyword.size());
        const std::string_view run = keyword.substr(start, end - start);
        if (text::CodePointCount(run) >= 3) {
            query += query.empty() ? "\"" : " AND \"";
            for (char c : run) {
                if (c == '"')
                    query += '"';
                query += c;
            }
            query += '"';
        }
        start = end + 1;
    }
    return query;
}

bool TData::SearchIndexServes(std::string_view keyword)
{
    return !SearchIndexQuery(keyword).empty();
}

void TData::SearchNotes(std::string_view keyword)
{
    std::string pattern = "%";
    pattern.append(keyword).append("%");
    const std::string query = m_searchIndex ? SearchIndexQuery(keyword) : std::string();
    if (query.empty())
        Reopen(ADOQuery3, SearchStatement, { { "pattern", pattern } });
    else
        Reopen(ADOQuery3, IndexedSearchStatement, { { "query", query }, { "pattern", pattern } });
}

void TData::OpenPrintNote(std::string_view title)
{
    Reopen(ADOQuery5, NotesTitled, { { "title", title } });
}

void TData::OpenPrintAllNotes()
{
    Reopen(ADOQuery5, AllNotes, {});
}

int TData::NoteCount()
{
    m_noteCount.Close();
    m_noteCount.Open();
    return std::stoi(m_noteCount.Fields(0).AsString());
}

} // namespace app
