#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db {

class TADOConnection;

// A table or column name as a quoted identifier, for statements the dataset
// layer builds itself.
std::string QuoteName(std::string_view name);

// The text of an engine failure on `db`: the engine's `message`; for a failure
// of the file itself (read-only, disk full, locked, damaged) what that means
// and which file it is; and the statement.
std::string EngineFailureMessage(sqlite3* db, std::string_view sql, std::string message);

// One prepared statement of an open SQLite connection. Every engine failure
// becomes an EDatabaseError carrying the engine's message and the statement.
// Values are only ever bound, never written into the statement text.
class Statement {
public:
    Statement(sqlite3* db, std::string sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    const std::string& Sql() const { return m_sql; }
    // How often the engine has prepared the statement again (after a change
    // of the schema), which may have changed its columns.
    int Reprepares() const;

    // Parameters are numbered from 1. A named parameter's name comes without its
    // leading ':', '@' or '$', and stays readable while the statement lives.
    int ParameterCount() const { return static_cast<int>(m_parameterNames.size()); }
    std::string_view ParameterName(int index) const
    {
        if (index < 1 || index > ParameterCount())
            return {};
        return m_parameterNames[static_cast<std::size_t>(index) - 1];
    }
    void BindText(int index, std::string_view value);
    void BindNull(int index);
    // Text, or null for a value that is not given.
    void BindOptionalText(int index, const std::optional<std::string>& value);
    // As BindOptionalText, but the engine reads the text where it is instead
    // of copying it: the caller keeps `value` unchanged until the statement is
    // reset (which unbinds it).
    void BindOptionalTextUntilReset(int index, const std::optional<std::string>& value);
    void BindInt64(int index, std::int64_t value);

    // Runs to the next row: true when a row is there, false when the statement is done.
    bool Step()
    {
        const int result = sqlite3_step(m_statement);
        if (result == SQLITE_ROW)
            return true;
        CheckDone(result);
        return false;
    }
    // Makes the statement ready to run again, with every parameter unbound.
    void Reset();
    // Whether the statement has given rows and is not yet done or reset: it
    // is in use, and its rows can still be read.
    bool Busy() const;
    // Whether running the statement leaves the file as it is.
    bool ReadOnly() const { return m_readOnly; }

    // Columns are numbered from 0.
    int ColumnCount() const;
    std::string ColumnName(int column) const;
    // The table and the table column a result column comes from; empty for an expression.
    std::string ColumnTable(int column) const;
    std::string ColumnOrigin(int column) const;
    // The type a table column was declared with ("datetime", "text" …); empty
    // for an expression.
    std::string ColumnDeclaredType(int column) const;
    std::string ColumnText(int column) const;
    // The column's text, or nullopt for SQL null.
    std::optional<std::string> ColumnOptionalText(int column) const;
    // The same into `value`, reusing the room its text already has; gives
    // the size of the text in bytes (0 for null).
    std::size_t ColumnOptionalTextInto(int column, std::optional<std::string>& value) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        if (!text)
            return NoTextInto(column, value);
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column));
        if (value) {
            // The engine's text never lies in `value`, so no overlap needs minding.
            value->clear();
            value->append(text, size);
        } else {
            value.emplace(text, size);
        }
        return size;
    }
    std::int64_t ColumnInt64(int column) const { return sqlite3_column_int64(m_statement, column); }

private:
    // A column without text: null, an empty blob, or the engine out of
    // memory (EDatabaseError).
    std::size_t NoTextInto(int column, std::optional<std::string>& value) const;
    // Raises EDatabaseError unless the statement ran to its end.
    void CheckDone(int stepResult) const;
    [[noreturn]] void Fail() const;

    sqlite3* m_db;
    sqlite3_stmt* m_statement { nullptr };
    std::string m_sql;
    bool m_readOnly { false };
    std::vector<std::string> m_parameterNames;
};

// Resets a statement when the scope ends, also when an exception leaves it, so a
// statement stopped half-way never keeps a read lock on the file.
class StatementScope {
public:
    explicit StatementScope(Statement& statement) : m_statement(statement) {}
    ~StatementScope() { m_statement.Reset(); }
    StatementScope(const StatementScope&) = delete;
    StatementScope& operator=(const StatementScope&) = delete;

private:
    Statement& m_statement;
};

// One write transaction of a connection. It begins at construction, taking the
// write lock at once (begin immediate), so a file another program holds is
// waited on here rather than half-way through the writes. Commit() makes the
// writes lasting; a transaction that leaves its scope uncommitted, by an
// exception or a failed Commit(), is rolled back, so the file is as it was.
class Transaction {
public:
    explicit Transaction(TADOConnection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Raises EDatabaseError with the engine's message when the file cannot take
    // the writes; the transaction then stays open and is rolled back at scope end.
    void Commit();

private:
    TADOConnection& m_connection;
    bool m_committed { false };
};

// Several reads against one state of the file: the file is locked for reading
// once, at the first read, instead of once for every statement, and what is
// read together belongs together. Inside a transaction already open it does
// nothing. Meant for a run of statements that lets no other handler run in
// between: a write transaction cannot begin inside it.
class ReadTransaction {
public:
    explicit ReadTransaction(TADOConnection& connection);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    TADOConnection& m_connection;
    bool m_began { false };
};

} // namespace db
