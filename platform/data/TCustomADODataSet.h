#pragma once

#include "platform/data/DataSetRows.h"
#include "platform/data/TField.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace db {

class Statement;
class TADOConnection;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// A remembered row of an open dataset (GetBookmark / GotoBookmark). A row
// with a key (tables, and queries that select the rowid) is named by its key,
// so rows inserted or deleted since do not move the bookmark; other rows by
// their place in the snapshot.
struct TBookmark {
    bool valid { false };
    std::int64_t rowid { 0 };
    std::size_t row { 0 };
    bool operator==(const TBookmark&) const = default;
};

// What tables and queries share: a snapshot of rows with a current row, fields
// read by name, and writing rows back to the file.
//
// Cursor. The rows of a dataset are fixed when they are first read: which
// rows there are, their order and so their count (a static cursor); rows that
// other datasets or programs insert afterwards are seen only after the dataset
// is made inactive and active again. The dataset's own inserts, changes and
// deletes show in it at once. After opening, the current row is the first row;
// Next past the last row sets Eof and stays on the last row. Reading a field of
// an empty dataset raises EDatabaseError.
//
// Reading as needed. A dataset marked ReadAsNeeded reads its statement's rows
// only as far as it is asked for them: opening it (or its first use) reads
// the first row, Next the following one, so the first rows of a large result
// are there at once; RecordCount, a bookmark not reached yet, and any write
// through the connection read the rest. The rows are still fixed as above,
// since reading goes on in the statement begun at the first read; but while
// rows remain unread the file stays open for reading, and other programs'
// writes wait, so whoever walks such a dataset walks it to its end soon.
//
// Paging. A dataset whose fields are all columns of the one table whose rowid
// it selects (every table, and queries such as "select rowid, * from ...")
// holds the values of one page of its rows only (DataSetRows), and reads the
// page around a row by its rowid when a row outside the page is needed. The
// values of such a row are those the file holds when its page is read; a row
// that another program deleted by then keeps its place and reads as nulls,
// and changing or deleting it fails as below. A result that fits in one page
// is read whole at once and keeps the values it was read with. Other queries
// hold all their rows.
//
// Writing. Rows are written back to the one table they come from, identified by
// SQLite's rowid: a table always knows its table; a query can write only when
// its statement selects the rowid of a table ("select rowid, * from ..."); the
// rowid is the row's key and is not one of the fields. Insert, then set fields,
// then Post writes a new row; Edit, set fields, Post changes the current row;
// Delete removes it at once. Each write is one statement and takes effect by
// itself. A write that fails raises EDatabaseError and leaves the file as it
// was and the dataset in its edit or insert mode with the values set so far.
// A change or delete of a row that is no longer in the file fails too; it
// never succeeds silently.
class TCustomADODataSet {
public:
    explicit TCustomADODataSet(std::string name);
    virtual ~TCustomADODataSet();
    TCustomADODataSet(const TCustomADODataSet&) = delete;
    TCustomADODataSet& operator=(const TCustomADODataSet&) = delete;

    // The component name, used in error messages ("ADOQuery1: ...").
    const std::string& Name() const { return m_name; }

    TADOConnection* Connection() const { return m_connection; }
    void SetConnection(TADOConnection* connection);

    bool Active() const { return m_state != TDataSetState::dsInactive; }
    void SetActive(bool value) { value ? Open() : Close(); }
    // Opens the connection if needed and reads the dataset. Opening an open
    // dataset changes nothing.
    void Open();
    // Drops the rows and any pending edit or insert.
    void Close();
    TDataSetState State() const { return m_state; }

    // Reads the rows as the dataset is walked instead of all at first use
    // (see above); set while the dataset is closed.
    bool ReadAsNeeded { false };
    // Whether every row of the open dataset has been read from its statement.
    bool AllRowsRead() const { return m_hasRows && !m_unread; }

    // The exact number of rows of the open dataset.
    int RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    // Moving posts a pending insert or edit first.
    void First();
    void Next()
    {
        // A walk over rows already read, with nothing pending: one step.
        if (m_state == TDataSetState::dsBrowse && m_hasRows && m_current + 1 < m_rows.Size()) {
            ++m_current;
            m_bof = false;
            return;
        }
        NextPastReadRows();
    }
    // One row back. After Next ran past the last row, Prior comes back to the
    // last row; on the first row it sets Bof and stays.
    void Prior();
    bool Eof() const;
    bool Bof() const { return m_bof; }

    // How many rows' values the open dataset has read from the file so far
    // (0 before its rows are first needed).
    std::size_t RowsRead() const { return m_hasRows ? m_rows.RowsRead() : 0; }

    // The current row, to come back to later; an empty dataset gives a
    // bookmark that names no row.
    TBookmark GetBookmark() const;
    // Makes the bookmarked row current; false (nothing moves) when the row is
    // no longer in the dataset.
    bool GotoBookmark(const TBookmark& bookmark);

    // The fields are made when the dataset opens; a TField& stays valid until
    // the dataset closes. A closed dataset has no fields.
    int FieldCount() const { return Active() ? static_cast<int>(m_fields.size()) : 0; }
    TField& Fields(int index);
    TField& FieldByName(std::string_view name);
    TField* FindField(std::string_view name);

    // Starts a new row with every field null. Pending changes are posted first.
    void Insert();
    // Starts changing the current row; changes nothing on a row being inserted or edited.
    void Edit();
    // Writes the row being inserted or edited.
    void Post();
    // Drops the row being inserted or edited.
    void Cancel();
    // Removes the current row from the file (a row being inserted is only dropped).
    void Delete();

protected:
    using Value = DataSetRows::Value;
    using Values = std::vector<Value>;

    struct Column {
        std::string name;
        std::string origin; // the table column it comes from; empty when it is not written back
        TFieldType type { TFieldType::ftString };
        int statementColumn { 0 }; // the column of the rows' statement it is read from
    };

    // Reads the columns (DefineColumns) when the dataset opens.
    virtual void OpenCursor() = 0;
    // The statement that gives the rows, prepared and with its values bound;
    // the caller resets it.
    virtual Statement& BoundRowsStatement() const = 0;
    // The column of that statement that holds the rowid; -1 when it has none.
    virtual int RowidColumn() const = 0;

    // Whether the columns defined at an earlier open still describe
    // `statement`: it is the same prepared statement, and the engine has not
    // prepared it again since (after a change of the schema). Reopening a
    // dataset over the same statement then keeps its columns and fields.
    bool ColumnsDescribe(const Statement& statement) const;
    // `table` is where rows are written back; empty for a dataset that cannot write.
    void DefineColumns(const Statement& statement, std::vector<Column> columns, std::string table);
    // Reads the rows now instead of when first needed.
    void ReadRowsNow() const
    {
        if (!m_hasRows)
            StartReadingRows();
    }
    TADOConnection& OpenConnection() const;
    [[noreturn]] void Fail(const std::string& message) const;
    // The connection's statements are gone (it closed, or the dataset has
    // another): no definition describes one any more, and a dataset that kept
    // one drops it.
    virtual void ForgetStatements();

private:
    friend class TField;
    friend class TADOConnection;

    // Next in every other case: rows not read yet, a pending edit, the end.
    void NextPastReadRows();
    // Reading the statement's rows: up to `rows` of them, all that are left;
    // StopReading resets the statement.
    void StartReadingRows() const;
    void ReadUntil(std::size_t rows) const;
    void ReadRemainingRows() const;
    void StopReading() const;
    // Whether rows can be read again by their key: every field is a column of
    // the one table the rowid comes from.
    bool Keyed() const;
    void ReadPage(std::span<const std::int64_t> keys, std::span<Value> values) const;
    const Value& FieldValue(int column) const
    {
        // A row being browsed whose values are held, as on every step of a walk.
        if (m_state == TDataSetState::dsBrowse && m_hasRows && m_rows.PageHolds(m_current))
            return m_rows.HeldValues(m_current)[static_cast<std::size_t>(column)];
        return FieldValueOfAnyRow(column);
    }
    const Value& FieldValueOfAnyRow(int column) const;
    void SetFieldValue(int column, Value value);
    std::span<const Value> CurrentValues() const;
    void CheckActive() const;
    void CheckWritable() const;
    // Posts a pending insert or edit before the current row moves.
    void PostPending()
    {
        if (m_state == TDataSetState::dsInsert || m_state == TDataSetState::dsEdit)
            Post();
    }
    void PostInsert();
    void PostEdit();

    std::string m_name;
    TADOConnection* m_connection { nullptr };
    TDataSetState m_state { TDataSetState::dsInactive };
    // The columns and fields, kept while the dataset is closed so that reopening it over the same statement reuses them.
    std::vector<Column> m_columns;
    const Statement* m_definedBy { nullptr };
    int m_definedReprepares { 0 };
    std::vector<std::unique_ptr<TField>> m_fields;
    std::string m_table;
    // Read on first need, so that opening a large table costs nothing until
    // used; paged when the dataset is keyed. The set stays when the dataset
    // closes: the rows read after it reopens take its room instead of new
    // memory.
    mutable DataSetRows m_rows;
    mutable bool m_hasRows { false };
    // The statement the rows come from, while rows remain unread, and its
    // rowid column.
    mutable Statement* m_unread { nullptr };
    mutable int m_unreadRowidColumn { -1 };
    // Reads a page's rows by key, for a keyed dataset.
    mutable std::string m_pageStatement;
    mutable std::size_t m_current { 0 };
    // A row posted before the rows were read: it becomes current once they are.
    mutable std::optional<std::int64_t> m_insertedBeforeRead;
    mutable bool m_eof { false };
    mutable bool m_bof { true };
    Values m_buffer; // the row being inserted or edited
    std::vector<bool> m_modified;
};

} // namespace db
