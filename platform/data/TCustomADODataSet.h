#pragma once

#include "platform/data/TField.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace db {

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
// Cursor. A dataset keeps the set of rows it had when it was read (a static
// cursor): rows that other datasets or programs write afterwards are seen only
// after the dataset is made inactive and active again. The dataset's own
// inserts, changes and deletes show in it at once. After opening, the current
// row is the first row; Next past the last row sets Eof and stays on the last
// row. Reading a field of an empty dataset raises EDatabaseError.
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

    // The exact number of rows of the open dataset.
    int RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    // Moving posts a pending insert or edit first.
    void First();
    void Next();
    // One row back. After Next ran past the last row, Prior comes back to the
    // last row; on the first row it sets Bof and stays.
    void Prior();
    bool Eof() const;
    bool Bof() const { return m_bof; }

    // The current row, to come back to later; an empty dataset gives a
    // bookmark that names no row.
    TBookmark GetBookmark() const;
    // Makes the bookmarked row current; false (nothing moves) when the row is
    // no longer in the dataset.
    bool GotoBookmark(const TBookmark& bookmark);

    // The fields are made when the dataset opens; a TField& stays valid until
    // the dataset closes.
    int FieldCount() const { return static_cast<int>(m_fields.size()); }
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
    using Value = std::optional<std::string>; // nullopt is SQL null
    using Values = std::vector<Value>;

    // The rows of a snapshot, their values kept in one flat array (row after
    // row, `width` values each) so that reading a row costs no allocation of
    // its own beyond its texts.
    class Rows {
    public:
        explicit Rows(std::size_t width) : m_width(width) {}
        std::size_t Size() const { return m_rowids.size(); }
        bool Empty() const { return m_rowids.empty(); }
        std::int64_t Rowid(std::size_t row) const { return m_rowids[row]; }
        std::span<const Value> Values(std::size_t row) const { return { m_values.data() + row * m_width, m_width }; }
        std::span<Value> Values(std::size_t row) { return { m_values.data() + row * m_width, m_width }; }
        std::optional<std::size_t> Find(std::int64_t rowid) const;

        // Starts a row; its values follow with Add, `width` of them.
        void Append(std::int64_t rowid) { m_rowids.push_back(rowid); }
        void Add(Value value) { m_values.push_back(std::move(value)); }
        void Erase(std::size_t row);

    private:
        std::size_t m_width;
        std::vector<std::int64_t> m_rowids;
        std::vector<Value> m_values;
    };
    struct Column {
        std::string name;
        std::string origin; // the table column it comes from; empty when it is not written back
        TFieldType type { TFieldType::ftString };
    };

    // Reads the columns (DefineColumns) when the dataset opens.
    virtual void OpenCursor() = 0;
    // The rows of the snapshot, in order, with their values.
    virtual Rows ReadRows() const = 0;

    // `table` is where rows are written back; empty for a dataset that cannot write.
    void DefineColumns(std::vector<Column> columns, std::string table);
    // Reads the rows now instead of when first needed.
    void ReadRowsNow() const;
    TADOConnection& OpenConnection() const;
    [[noreturn]] void Fail(const std::string& message) const;

private:
    friend class TField;
    friend class TADOConnection;

    const Value& FieldValue(int column) const;
    void SetFieldValue(int column, Value value);
    std::span<const Value> CurrentValues() const;
    void CheckActive() const;
    void CheckWritable() const;
    void PostInsert();
    void PostEdit();

    std::string m_name;
    TADOConnection* m_connection { nullptr };
    TDataSetState m_state { TDataSetState::dsInactive };
    std::vector<Column> m_columns;
    std::vector<std::unique_ptr<TField>> m_fields;
    std::string m_table;
    // Read on first need, so that opening a large table costs nothing until used.
    mutable std::optional<Rows> m_rows;
    mutable std::size_t m_current { 0 };
    // A row posted before the rows were read: it becomes current once they are.
    mutable std::optional<std::int64_t> m_insertedBeforeRead;
    mutable bool m_eof { false };
    mutable bool m_bof { true };
    Values m_buffer; // the row being inserted or edited
    std::vector<bool> m_modified;
};

} // namespace db
