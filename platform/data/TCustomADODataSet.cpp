#include "platform/data/TCustomADODataSet.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/Statement.h"
#include "platform/data/TADOConnection.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace db {

TCustomADODataSet::TCustomADODataSet(std::string name)
    : m_name(std::move(name))
    , m_rows(0, [this](std::span<const std::int64_t> keys, std::span<Value> values) { ReadPage(keys, values); })
{
}

TCustomADODataSet::~TCustomADODataSet()
{
    if (m_connection)
        m_connection->Detach(this);
}

void TCustomADODataSet::SetConnection(TADOConnection* connection)
{
    if (connection == m_connection)
        return;
    Close();
    ForgetStatements();
    if (m_connection)
        m_connection->Detach(this);
    m_connection = connection;
    if (m_connection)
        m_connection->Attach(this);
}

void TCustomADODataSet::Fail(const std::string& message) const
{
    throw EDatabaseError(m_name + ": " + message);
}

TADOConnection& TCustomADODataSet::OpenConnection() const
{
    if (!m_connection)
        Fail("the dataset has no connection");
    m_connection->Open();
    return *m_connection;
}

void TCustomADODataSet::Open()
{
    if (Active())
        return;
    try {
        OpenCursor();
    } catch (const EDatabaseError& error) {
        Close();
        Fail(error.what());
    }
    m_state = TDataSetState::dsBrowse;
    m_current = 0;
    m_bof = true;
    m_eof = m_hasRows && m_rows.Empty();
}

void TCustomADODataSet::Close()
{
    m_state = TDataSetState::dsInactive;
    StopReading();
    m_hasRows = false;
    m_insertedBeforeRead.reset();
    m_buffer.clear();
    m_modified.clear();
}

void TCustomADODataSet::ForgetStatements()
{
    m_definedBy = nullptr;
}

bool TCustomADODataSet::ColumnsDescribe(const Statement& statement) const
{
    return &statement == m_definedBy && statement.Reprepares() == m_definedReprepares;
}

void TCustomADODataSet::DefineColumns(const Statement& statement, std::vector<Column> columns, std::string table)
{
    m_definedBy = &statement;
    m_definedReprepares = statement.Reprepares();
    m_columns = std::move(columns);
    m_table = std::move(table);
    m_pageStatement.clear();
    m_fields.clear();
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        m_fields.push_back(std::make_unique<TField>(*this, static_cast<int>(i), m_columns[i].name, m_columns[i].type));
}

bool TCustomADODataSet::Keyed() const
{
    return !m_table.empty() && std::ranges::none_of(m_columns, [](const Column& column) { return column.origin.empty(); });
}

void TCustomADODataSet::ReadUntil(std::size_t rows) const
{
    if (!m_unread)
        return;
    Statement& statement = *m_unread;
    DataSetRows& read = m_rows;
    const int rowidColumn = m_unreadRowidColumn;
    const auto fill = [&statement, this](std::span<Value> values) {
        std::size_t textBytes = 0;
        for (std::size_t i = 0; i < values.size(); ++i)
            textBytes += statement.ColumnOptionalTextInto(m_columns[i].statementColumn, values[i]);
        return textBytes;
    };
    try {
        while (read.Size() < rows) {
            if (!statement.Step()) {
                StopReading();
                return;
            }
            if (read.AppendRow(rowidColumn < 0 ? 0 : statement.ColumnInt64(rowidColumn)))
                read.FillRow(fill);
        }
    } catch (const EDatabaseError& error) {
        StopReading();
        Fail(error.what());
    }
}

void TCustomADODataSet::ReadRemainingRows() const
{
    if (m_unread)
        ReadUntil(SIZE_MAX);
}

void TCustomADODataSet::StopReading() const
{
    if (m_unread)
        std::exchange(m_unread, nullptr)->Reset();
}

namespace {

// Keys looked up by one run of the page statement; a page takes several runs.
constexpr std::size_t KeysPerLookup = 64;

} // namespace

void TCustomADODataSet::ReadPage(std::span<const std::int64_t> keys, std::span<Value> values) const
{
    if (m_pageStatement.empty()) {
        m_pageStatement = "select rowid";
        for (const Column& column : m_columns)
            m_pageStatement += ", " + QuoteName(column.origin);
        m_pageStatement += " from " + QuoteName(m_table) + " where rowid in (?";
        for (std::size_t i = 1; i < KeysPerLookup; ++i)
            m_pageStatement += ", ?";
        m_pageStatement += ")";
    }
    const std::size_t width = m_columns.size();
    try {
        Statement& statement = OpenConnection().Prepare(m_pageStatement);
        for (std::size_t first = 0; first < keys.size(); first += KeysPerLookup) {
            const auto lookup = keys.subspan(first, std::min(KeysPerLookup, keys.size() - first));
            StatementScope scope(statement);
            for (std::size_t i = 0; i < KeysPerLookup; ++i) {
                if (i < lookup.size())
                    statement.BindInt64(static_cast<int>(i) + 1, lookup[i]);
                else
                    statement.BindNull(static_cast<int>(i) + 1);
            }
            while (statement.Step()) {
                const auto row = std::ranges::find(lookup, statement.ColumnInt64(0)) - lookup.begin();
                auto target = values.begin() + static_cast<std::ptrdiff_t>((first + static_cast<std::size_t>(row)) * width);
                for (std::size_t i = 0; i < width; ++i, ++target) {
                    const int column = static_cast<int>(i) + 1;
                    *target = statement.ColumnOptionalText(column);
                }
            }
        }
    } catch (const EDatabaseError& error) {
        Fail(error.what());
    }
}

void TCustomADODataSet::StartReadingRows() const
{
    try {
        m_unread = &BoundRowsStatement();
    } catch (const EDatabaseError& error) {
        Fail(error.what());
    }
    m_unreadRowidColumn = RowidColumn();
    m_rows.Restart(m_columns.size(), Keyed());
    m_hasRows = true;
    try {
        ReadUntil(ReadAsNeeded ? 1 : SIZE_MAX);
    } catch (const EDatabaseError&) {
        // Nothing read: the next use tries again.
        m_hasRows = false;
        throw;
    }
    if (m_rows.Empty())
        m_eof = true;
    if (m_insertedBeforeRead) {
        if (const auto found = m_rows.Find(*m_insertedBeforeRead)) {
            m_current = *found;
            m_bof = m_current == 0;
        }
        m_insertedBeforeRead.reset();
    }
}

void TCustomADODataSet::CheckActive() const
{
    if (!Active())
        Fail("the dataset is not open");
}

int TCustomADODataSet::RecordCount() const
{
    CheckActive();
    ReadRowsNow();
    ReadRemainingRows();
    return static_cast<int>(m_rows.Size());
}

void TCustomADODataSet::First()
{
    CheckActive();
    PostPending();
    ReadRowsNow();
    m_current = 0;
    m_bof = true;
    m_eof = m_rows.Empty();
}

void TCustomADODataSet::NextPastReadRows()
{
    CheckActive();
    PostPending();
    ReadRowsNow();
    if (m_current + 1 == m_rows.Size() && m_unread) {
        // The walk reads on: the rows it reads next keep their values.
        m_rows.StartPageAtEnd();
        ReadUntil(m_current + 2);
    }
    if (m_current + 1 < m_rows.Size()) {
        ++m_current;
        m_bof = false;
    } else {
        m_eof = true;
    }
}

void TCustomADODataSet::Prior()
{
    CheckActive();
    PostPending();
    ReadRowsNow();
    if (m_eof && !m_rows.Empty()) {
        // Next ran past the last row: one back is the last row again.
        m_eof = false;
    } else if (m_current > 0) {
        --m_current;
    } else {
        m_bof = true;
    }
}

TBookmark TCustomADODataSet::GetBookmark() const
{
    CheckActive();
    ReadRowsNow();
    if (m_rows.Empty())
        return {};
    return TBookmark { true, m_rows.Rowid(m_current), m_current };
}

bool TCustomADODataSet::GotoBookmark(const TBookmark& bookmark)
{
    CheckActive();
    Post();
    ReadRowsNow();
    if (!bookmark.valid)
        return false;
    std::optional<std::size_t> row;
    if (bookmark.rowid != 0) {
        row = m_rows.Find(bookmark.rowid);
        if (!row && m_unread) {
            ReadRemainingRows();
            row = m_rows.Find(bookmark.rowid);
        }
    } else {
        ReadUntil(bookmark.row + 1);
        if (bookmark.row < m_rows.Size())
            row = bookmark.row;
    }
    if (!row)
        return false;
    m_current = *row;
    m_bof = m_current == 0;
    m_eof = false;
    return true;
}

bool TCustomADODataSet::Eof() const
{
    CheckActive();
    ReadRowsNow();
    return m_eof;
}

TField& TCustomADODataSet::Fields(int index)
{
    CheckActive();
    if (index < 0 || index >= FieldCount())
        Fail("there is no field number " + std::to_string(index));
    return *m_fields[static_cast<std::size_t>(index)];
}

TField* TCustomADODataSet::FindField(std::string_view name)
{
    if (!Active())
        return nullptr;
    for (auto& field : m_fields) {
        if (field->FieldName() == name)
            return field.get();
    }
    return nullptr;
}

TField& TCustomADODataSet::FieldByName(std::string_view name)
{
    CheckActive();
    TField* field = FindField(name);
    if (!field)
        Fail("Field '" + std::string(name) + "' not found");
    return *field;
}

std::span<const TCustomADODataSet::Value> TCustomADODataSet::CurrentValues() const
{
    ReadRowsNow();
    if (m_rows.Empty())
        Fail("the dataset is empty: there is no current row");
    return m_rows.Values(m_current);
}

const TCustomADODataSet::Value& TCustomADODataSet::FieldValueOfAnyRow(int column) const
{
    CheckActive();
    if (m_state == TDataSetState::dsEdit || m_state == TDataSetState::dsInsert)
        return m_buffer[static_cast<std::size_t>(column)];
    return CurrentValues()[static_cast<std::size_t>(column)];
}

void TCustomADODataSet::SetFieldValue(int column, Value value)
{
    CheckActive();
    if (m_state != TDataSetState::dsEdit && m_state != TDataSetState::dsInsert)
        Fail("the dataset is not in edit or insert mode");
    const auto index = static_cast<std::size_t>(column);
    if (m_columns[index].origin.empty())
        Fail("the field '" + m_columns[index].name + "' cannot be changed");
    m_buffer[index] = std::move(value);
    m_modified[index] = true;
}

void TCustomADODataSet::CheckWritable() const
{
    CheckActive();
    if (m_table.empty())
        Fail("the rows of this dataset cannot be changed: it does not select the rowid of one table");
}

void TCustomADODataSet::Insert()
{
    CheckWritable();
    Post();
    m_buffer.assign(m_columns.size(), std::nullopt);
    m_modified.assign(m_columns.size(), false);
    m_state = TDataSetState::dsInsert;
}

void TCustomADODataSet::Edit()
{
    CheckWritable();
    if (m_state != TDataSetState::dsBrowse)
        return;
    const auto current = CurrentValues();
    m_buffer.assign(current.begin(), current.end());
    m_modified.assign(m_columns.size(), false);
    m_state = TDataSetState::dsEdit;
}

void TCustomADODataSet::Post()
{
    CheckActive();
    if (m_state == TDataSetState::dsInsert)
        PostInsert();
    else if (m_state == TDataSetState::dsEdit)
        PostEdit();
}

void TCustomADODataSet::PostInsert()
{
    std::string names;
    std::string placeholders;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_modified[i])
            continue;
        names += (names.empty() ? "" : ", ") + QuoteName(m_columns[i].origin);
        placeholders += placeholders.empty() ? "?" : ", ?";
    }
    const std::string sql = names.empty()
        ? "insert into " + QuoteName(m_table) + " default values"
        : "insert into " + QuoteName(m_table) + " (" + names + ") values (" + placeholders + ")";

    TADOConnection& connection = OpenConnection();
    try {
        Statement& statement = connection.Prepare(sql);
        StatementScope scope(statement);
        int parameter = 0;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (m_modified[i])
                statement.BindOptionalText(++parameter, m_buffer[i]);
        }
        statement.Step();
    } catch (const EDatabaseError& error) {
        Fail(error.what());
    }
    // A table not read yet will find the new row in the file when it is read.
    const std::int64_t rowid = connection.LastInsertRowId();
    if (m_hasRows) {
        m_rows.AppendWritten(rowid, std::move(m_buffer));
        m_current = m_rows.Size() - 1;
        m_eof = false;
        m_bof = m_current == 0;
    } else {
        m_insertedBeforeRead = rowid;
    }
    m_buffer.clear();
    m_state = TDataSetState::dsBrowse;
}

void TCustomADODataSet::PostEdit()
{
    std::string assignments;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_modified[i])
            assignments += (assignments.empty() ? "" : ", ") + QuoteName(m_columns[i].origin) + " = ?";
    }
    if (!assignments.empty()) {
        TADOConnection& connection = OpenConnection();
        try {
            Statement& statement
                = connection.Prepare("update " + QuoteName(m_table) + " set " + assignments + " where rowid = ?");
            StatementScope scope(statement);
            int parameter = 0;
            for (std::size_t i = 0; i < m_columns.size(); ++i) {
                if (m_modified[i])
                    statement.BindOptionalText(++parameter, m_buffer[i]);
            }
            statement.BindInt64(++parameter, m_rows.Rowid(m_current));
            statement.Step();
        } catch (const EDatabaseError& error) {
            Fail(error.what());
        }
        if (connection.ChangedRows() == 0)
            Fail("the row to be changed is no longer in the file");
    }
    std::ranges::move(m_buffer, m_rows.MutableValues(m_current).begin());
    m_buffer.clear();
    m_state = TDataSetState::dsBrowse;
}

void TCustomADODataSet::Cancel()
{
    if (m_state != TDataSetState::dsEdit && m_state != TDataSetState::dsInsert)
        return;
    m_buffer.clear();
    m_modified.clear();
    m_state = TDataSetState::dsBrowse;
}

void TCustomADODataSet::Delete()
{
    CheckWritable();
    if (m_state == TDataSetState::dsInsert) {
        Cancel();
        return;
    }
    Cancel();
    ReadRowsNow();
    if (m_rows.Empty())
        Fail("the dataset is empty: there is no row to delete");
    TADOConnection& connection = OpenConnection();
    try {
        Statement& statement = connection.Prepare("delete from " + QuoteName(m_table) + " where rowid = ?");
        StatementScope scope(statement);
        statement.BindInt64(1, m_rows.Rowid(m_current));
        statement.Step();
    } catch (const EDatabaseError& error) {
        Fail(error.what());
    }
    if (connection.ChangedRows() == 0)
        Fail("the row to be deleted is no longer in the file");
    m_rows.Erase(m_current);
    if (m_current >= m_rows.Size() && m_current > 0)
        --m_current;
    m_eof = m_rows.Empty();
}

} // namespace db
