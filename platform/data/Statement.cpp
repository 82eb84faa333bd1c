#include "platform/data/Statement.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TADOConnection.h"

#include <sqlite3.h>

namespace db {

std::string QuoteName(std::string_view name)
{
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

Statement::Statement(sqlite3* db, std::string sql)
    : m_db(db)
    , m_sql(std::move(sql))
{
    if (sqlite3_prepare_v3(m_db, m_sql.data(), static_cast<int>(m_sql.size()), SQLITE_PREPARE_PERSISTENT,
            &m_statement, nullptr)
        != SQLITE_OK)
        Fail();
    if (!m_statement)
        throw EDatabaseError("The statement is empty: \"" + m_sql + "\"");
    // What the text asks for is fixed with the text, so it is read once for
    // the many runs. The names are copied: the engine's own go when it
    // prepares the statement again after a change of the schema.
    m_readOnly = sqlite3_stmt_readonly(m_statement) != 0;
    const int parameters = sqlite3_bind_parameter_count(m_statement);
    for (int index = 1; index <= parameters; ++index) {
        const char* name = sqlite3_bind_parameter_name(m_statement, index);
        m_parameterNames.emplace_back(name ? name + 1 : "");
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

namespace {

// What a failure of the file itself means to the user, beside the engine's
// own words; nothing for failures of a statement or of a row.
const char* PlainCause(int code)
{
    switch (code & 0xFF) {
    case SQLITE_READONLY:
        return "the file is read-only, nothing was written";
    case SQLITE_FULL:
        return "the disk is full, nothing was written";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "another program kept the file locked for longer than the wait";
    case SQLITE_IOERR:
        return "the file could not be read or written";
    case SQLITE_CORRUPT:
        return "the file is damaged";
    case SQLITE_NOTADB:
        return "the file is not a database";
    case SQLITE_CANTOPEN:
        return "the file cannot be opened";
    default:
        return nullptr;
    }
}

} // namespace

std::string EngineFailureMessage(sqlite3* db, std::string_view sql, std::string message)
{
    // A busy file can surface through a module's own message ("vtable
    // constructor failed"); say plainly that the file is locked.
    const int code = sqlite3_extended_errcode(db);
    const int primary = code & 0xFF;
    if ((primary == SQLITE_BUSY || primary == SQLITE_LOCKED) && message != sqlite3_errstr(primary))
        message = std::string(sqlite3_errstr(primary)) + ": " + message;
    if (const char* cause = PlainCause(code)) {
        const char* file = sqlite3_db_filename(db, "main");
        message += std::string(": ") + cause + " (file \"" + (file ? file : "") + "\")";
    }
    return message + " (statement: " + std::string(sql) + ")";
}

void Statement::Fail() const
{
    throw EDatabaseError(EngineFailureMessage(m_db, m_sql, sqlite3_errmsg(m_db)));
}

void Statement::BindText(int index, std::string_view value)
{
    if (sqlite3_bind_text64(m_statement, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK)
        Fail();
}

void Statement::BindNull(int index)
{
    if (sqlite3_bind_null(m_statement, index) != SQLITE_OK)
        Fail();
}

void Statement::BindOptionalText(int index, const std::optional<std::string>& value)
{
    if (value)
        BindText(index, *value);
    else
        BindNull(index);
}

void Statement::BindOptionalTextUntilReset(int index, const std::optional<std::string>& value)
{
    if (!value) {
        BindNull(index);
        return;
    }
    if (sqlite3_bind_text64(m_statement, index, value->data(), value->size(), SQLITE_STATIC, SQLITE_UTF8) != SQLITE_OK)
        Fail();
}

void Statement::BindInt64(int index, std::int64_t value)
{
    if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
        Fail();
}

void Statement::CheckDone(int stepResult) const
{
    if (stepResult != SQLITE_DONE)
        Fail();
}

void Statement::Reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

bool Statement::Busy() const
{
    return sqlite3_stmt_busy(m_statement) != 0;
}

int Statement::ColumnCount() const
{
    return sqlite3_column_count(m_statement);
}

std::string Statement::ColumnName(int column) const
{
    const char* name = sqlite3_column_name(m_statement, column);
    return name ? name : "";
}

std::string Statement::ColumnTable(int column) const
{
    const char* name = sqlite3_column_table_name(m_statement, column);
    return name ? name : "";
}

std::string Statement::ColumnOrigin(int column) const
{
    const char* name = sqlite3_column_origin_name(m_statement, column);
    return name ? name : "";
}

std::string Statement::ColumnDeclaredType(int column) const
{
    const char* type = sqlite3_column_decltype(m_statement, column);
    return type ? type : "";
}

std::string Statement::ColumnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return text ? std::string(text, static_cast<std::size_t>(size)) : std::string();
}

std::optional<std::string> Statement::ColumnOptionalText(int column) const
{
    std::optional<std::string> value;
    ColumnOptionalTextInto(column, value);
    return value;
}

std::size_t Statement::NoTextInto(int column, std::optional<std::string>& value) const
{
    // A null pointer is either SQL null or an engine out of memory; the type
    // tells them apart only then, so a value costs one call.
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL) {
        value.reset();
        return 0;
    }
    if (sqlite3_errcode(m_db) == SQLITE_NOMEM)
        Fail();
    value.emplace(); // an empty blob
    return 0;
}

int Statement::Reprepares() const
{
    return sqlite3_stmt_status(m_statement, SQLITE_STMTSTATUS_REPREPARE, 0);
}

Transaction::Transaction(TADOConnection& connection)
    : m_connection(connection)
{
    m_connection.ExecuteScript("begin immediate");
}

Transaction::~Transaction()
{
    if (m_committed)
        return;
    try {
        m_connection.ExecuteScript("rollback");
    } catch (...) {
        // The engine has already undone the transaction itself (it does so after
        // some I/O failures), or the connection was closed: nothing is left to
        // undo, and a destructor that runs while an exception unwinds must not throw.
    }
}

void Transaction::Commit()
{
    m_connection.ExecuteScript("commit");
    m_committed = true;
}

ReadTransaction::ReadTransaction(TADOConnection& connection)
    : m_connection(connection)
{
    if (m_connection.InTransaction())
        return;
    m_connection.ExecuteScript("begin");
    m_began = true;
}

ReadTransaction::~ReadTransaction()
{
    if (!m_began)
        return;
    try {
        m_connection.ExecuteScript("commit");
    } catch (...) {
        // Nothing was written, so nothing can be lost; the engine has ended
        // the transaction itself, or the connection was closed.
    }
}

} // namespace db
