#pragma once

#include "platform/data/TCustomADODataSet.h"
#include "platform/data/Statement.h"
#include "platform/data/TParameters.h"
#include "platform/data/TStrings.h"

namespace db {

// The rows of a statement. Opening the query runs its statement and reads its
// rows (a static cursor, paged when the query selects the rowid of its one
// table); a query marked ReadOnFirstUse reads them when first needed instead,
// with the statement and parameter values it was opened with. Values reach
// the statement only as bound parameters: ":name" in the text, its value given
// through Parameters. A query's rows can be changed and deleted when its
// statement selects the rowid of the table they come from.
class TADOQuery : public TCustomADODataSet {
public:
    explicit TADOQuery(std::string name);

    // The statement text; replaced while the query is closed. Any change clears
    // Parameters.
    TStrings SQL;
    TParameters Parameters;
    // For a query opened over many rows that may never be looked at: opening
    // costs nothing, and the rows are those the file holds when first used.
    bool ReadOnFirstUse { false };

    // Runs a statement that returns no rows (update, insert, delete) and gives
    // the number of rows it changed.
    int ExecSQL();

protected:
    void OpenCursor() override;
    Statement& BoundRowsStatement() const override;
    int RowidColumn() const override { return m_rowidColumn; }
    void ForgetStatements() override;

private:
    // The statement for SQL's text: the one prepared for it before while the
    // text stays and the connection keeps its statements.
    Statement& PreparedStatement();
    void DefineColumnsOf(const Statement& statement);
    // Puts the value of each of the statement's parameters into `values`, in
    // order, reusing its room; fails for a parameter that was given none.
    void ReadParameterValues(const Statement& statement, std::vector<std::optional<std::string>>& values) const;

    int m_rowidColumn { -1 };
    // What the open query reads its rows with: the statement Open prepared,
    // with the parameter values of then. The statement reads the values where
    // they are, so they stay unchanged until the next open.
    Statement* m_opened { nullptr };
    std::vector<std::optional<std::string>> m_openedValues;
    // Set while Open reads the rows with the statement it has just checked.
    mutable bool m_readingAtOpen { false };
    // The statement prepared for SQL's text, kept until the text changes or
    // the connection drops its statements.
    Statement* m_prepared { nullptr };
};

} // namespace db
