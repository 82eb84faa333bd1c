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
    if (ColumnsDescribe(statement))
        return;
    std::vector<Column> columns;
    for (int i = 1; i < statement.ColumnCount(); ++i)
        columns.push_back(Column { statement.ColumnName(i), statement.ColumnOrigin(i),
            FieldTypeOfDeclaration(statement.ColumnDeclaredType(i)), i });
    DefineColumns(statement, std::move(columns), TableName);
}

Statement& TADOTable::BoundRowsStatement() const
{
    return OpenConnection().Prepare(SelectAll());
}

} // namespace db
