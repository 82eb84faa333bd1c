#include "platform/data/TADOQuery.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TADOConnection.h"

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

void BindValues(Statement& statement, const std::vector<std::optional<std::string>>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        statement.BindOptionalText(static_cast<int>(i) + 1, values[i]);
}

} // namespace

TADOQuery::TADOQuery(std::string name)
    : TCustomADODataSet(std::move(name))
{
    SQL.OnChange = [this] { Parameters.Clear(); };
}

Statement& TADOQuery::PreparedStatement(const std::string& text) const
{
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        Fail("the query has no statement");
    return OpenConnection().Prepare(text);
}

std::vector<std::optional<std::string>> TADOQuery::ParameterValues(const Statement& statement) const
{
    std::vector<std::optional<std::string>> values;
    for (int i = 1; i <= statement.ParameterCount(); ++i) {
        const std::string name = statement.ParameterName(i);
        const TParameter* parameter = Parameters.FindParam(name);
        if (!parameter)
            Fail("no value is given for the parameter :" + name);
        values.push_back(parameter->Value());
    }
    return values;
}

void TADOQuery::OpenCursor()
{
    std::string text = SQL.Text();
    Statement& statement = PreparedStatement(text);
    if (!ColumnsDescribe(statement))
        DefineColumnsOf(statement);
    m_openedValues = ParameterValues(statement);
    m_openedText = std::move(text);
    if (!ReadOnFirstUse) {
        // The rows are read with the statement just prepared, instead of
        // looking it up a second time.
        m_statementAtOpen = &statement;
        ReadRowsNow();
        m_statementAtOpen = nullptr;
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
            FieldTypeOfDeclaration(statement.ColumnDeclaredType(i)) });
    }
    DefineColumns(statement, std::move(columns), table);
}

Statement& TADOQuery::BoundRowsStatement() const
{
    Statement& statement
        = m_statementAtOpen ? *std::exchange(m_statementAtOpen, nullptr) : OpenConnection().Prepare(m_openedText);
    BindValues(statement, m_openedValues);
    return statement;
}

int TADOQuery::ExecSQL()
{
    TADOConnection& connection = OpenConnection();
    try {
        Statement& statement = PreparedStatement(SQL.Text());
        StatementScope scope(statement);
        BindValues(statement, ParameterValues(statement));
        while (statement.Step()) {
        }
    } catch (const EDatabaseError& error) {
        Fail(error.what());
    }
    return connection.ChangedRows();
}

} // namespace db
