#include "platform/data/TADOTable.h"

#include "platform/data/TADOConnection.h"

namespace db {

std::string TADOTable::SelectAll() const
{
    return "select rowid, * from " + QuoteName(TableName) + " order by rowid";
}

void TADOTable::OpenCursor()
{
    if (TableName.empty())
        Fail("no table name is given");
    const auto& statement = OpenConnection().Prepare(SelectAll());
    std::vector<Column> columns;
    for (int i = 1; i < statement.ColumnCount(); ++i)
        columns.push_back(Column { statement.ColumnName(i), statement.ColumnOrigin(i) });
    DefineColumns(std::move(columns), TableName);
}

std::vector<TADOTable::Row> TADOTable::ReadRows() const
{
    auto& statement = OpenConnection().Prepare(SelectAll());
    StatementScope scope(statement);
    std::vector<Row> rows;
    const int count = statement.ColumnCount();
    while (statement.Step()) {
        Row& row = rows.emplace_back();
        row.rowid = statement.ColumnInt64(0);
        row.values.reserve(static_cast<std::size_t>(count - 1));
        for (int i = 1; i < count; ++i)
            row.values.push_back(statement.ColumnIsNull(i) ? std::nullopt : std::optional(statement.ColumnText(i)));
    }
    return rows;
}

} // namespace db
