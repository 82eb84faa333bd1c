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
        columns.push_back(Column { statement.ColumnName(i), statement.ColumnOrigin(i),
            FieldTypeOfDeclaration(statement.ColumnDeclaredType(i)) });
    DefineColumns(std::move(columns), TableName);
}

TADOTable::Rows TADOTable::ReadRows() const
{
    auto& statement = OpenConnection().Prepare(SelectAll());
    StatementScope scope(statement);
    const int count = statement.ColumnCount();
    Rows rows(static_cast<std::size_t>(count - 1));
    while (statement.Step()) {
        rows.Append(statement.ColumnInt64(0));
        for (int i = 1; i < count; ++i)
            rows.Add(statement.ColumnIsNull(i) ? std::nullopt : Value(statement.ColumnText(i)));
    }
    return rows;
}

} // namespace db
