#include "platform/data/TADOTable.h"

#include "platform/data/TADOConnection.h"

namespace db {

std::string TADOTable::RowStatement() const
{
    return "select * from " + QuoteName(TableName) + " where rowid = ?";
}

void TADOTable::OpenCursor()
{
    if (TableName.empty())
        Fail("no table name is given");
    Statement& statement = OpenConnection().Prepare(RowStatement());
    std::vector<Column> columns;
    for (int i = 0; i < statement.ColumnCount(); ++i)
        columns.push_back(Column { statement.ColumnName(i), statement.ColumnOrigin(i) });
    DefineColumns(std::move(columns), TableName);
}

std::vector<TADOTable::Row> TADOTable::ReadRows() const
{
    Statement& statement = OpenConnection().Prepare("select rowid from " + QuoteName(TableName) + " order by rowid");
    StatementScope scope(statement);
    std::vector<Row> rows;
    while (statement.Step())
        rows.push_back(Row { statement.ColumnInt64(0), std::nullopt });
    return rows;
}

TADOTable::Values TADOTable::ReadValues(std::int64_t rowid) const
{
    Statement& statement = OpenConnection().Prepare(RowStatement());
    StatementScope scope(statement);
    statement.BindInt64(1, rowid);
    if (!statement.Step())
        Fail("the current row is no longer in the file");
    Values values;
    for (int i = 0; i < statement.ColumnCount(); ++i)
        values.push_back(statement.ColumnIsNull(i) ? std::nullopt : std::optional(statement.ColumnText(i)));
    return values;
}

} // namespace db
