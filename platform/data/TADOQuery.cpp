#include "platform/data/TADOQuery.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TADOConnection.h"

#include <algorithm>
#include <utility>

namespace db {

namespace {

bool IsRowidName(std::string_view name)
{
    static constexpr std::string_view rowid = "rowid";
    if (name.size() != rowid.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
        if (c != rowid[i])
            return false;
    }
    return true;
}

// The values stay with the caller until the statement is reset.
void BindValues(Statement& statement, const std::vector<std::optional<std::string>>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        statement.BindOptionalTextUntilReset(static_cast<int>(i) + 1, values[i]);
}

} // namespace

TADOQuery::TADOQuery(std::string name)
    : TCustomADODataSet(std::move(name))
{
    SQL.OnChange = [this] {
        Parameters.Clear();
        m_prepared = nullptr;
    };
}

void TADOQuery::ForgetStatements()
{
    TCustomADODataSet::ForgetStatements();
    m_prepared = nullptr;
    m_opened = nullptr;
}

Statement& TADOQuery::PreparedStatement()
{
    TADOConnection& connection = OpenConnection();
    if (m_prepared) {
        m_prepared = &connection.PrepareAgain(*m_prepared);
        return *m_prepared;
    }
    const std::string& text = SQL.Text();
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    if (std::ranges::all_of(text, blank))
        Fail("the query has no statement");
    m_prepared = &connection.Prepare(text);
    return *m_prepared;
}

void TADOQuery::ReadParameterValues(const Statement& statement, std::vector<std::optional<std::string>>& values) const
{
    values.resize(static_cast<std::size_t>(statement.ParameterCount()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string_view name = statement.ParameterName(static_cast<int>(i) + 1);
        const TParameter* parameter = Parameters.FindParam(name);
        if (!parameter)
            Fail("no value is given for the parameter :" + std::string(name));
        values[i] = parameter->Value();
    }
}

void TADOQuery::OpenCursor()
{
    Statement& statement = PreparedStatement();
    if (!ColumnsDescribe(statement))
        DefineColumnsOf(statement);
    ReadParameterValues(statement, m_openedValues);
    m_opened = &statement;
    if (!ReadOnFirstUse) {
        // The rows are read with the statement just checked, instead of
        // checking it a second time.
        m_readingAtOpen = true;
        ReadRowsNow();
        m_readingAtOpen = false;
    }
}

void TADOQuery::DefineColumnsOf(const Statement& statement)
{
    // The rowid column names the table the rows are written back to; only
    // columns of that table can be changed.
    m_rowidColumn = -1;
    std::string table;
    for (int i = 0; i < statement.ColumnCount(); ++i) {
        if (IsRowidName(statement.ColumnName(i)) && !statement.ColumnTable(i).empty()) {
            m_rowidColumn = i;
            table = statement.ColumnTable(i);
            break;
        }
    }
    std::vector<Column> columns;
    for (int i = 0; i < statement.ColumnCount(); ++i) {
        if (i == m_rowidColumn)
            continue;
        const bool writable = !table.empty() && statement.ColumnTable(i) == table;
        columns.push_back(Column { statement.ColumnName(i), writable ? statement.ColumnOrigin(i) : std::string(),
            FieldTypeOfDeclaration(statement.ColumnDeclaredType(i)), i });
    }
    DefineColumns(statement, std::move(columns), table);
}

Statement& TADOQuery::BoundRowsStatement() const
{
    if (!m_opened)
        Fail("the query is not open");
    Statement& statement = std::exchange(m_readingAtOpen, false) ? *m_opened : OpenConnection().PrepareAgain(*m_opened);
    BindValues(statement, m_openedValues);
    return statement;
}

int TADOQuery::ExecSQL()
{
    TADOConnection& connection = OpenConnection();
    try {
        Statement& statement = PreparedStatement();
        std::vector<std::optional<std::string>> values;
        ReadParameterValues(statement, values);
        StatementScope scope(statement);
        BindValues(statement, values);
        while (statement.Step()) {
        }
    } catch (const EDatabaseError& error) {
        Fail(error.what());
    }
    return connection.ChangedRows();
}

} // namespace db
