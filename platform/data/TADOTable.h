#pragma once

#include "platform/data/TCustomADODataSet.h"

namespace db {

// All rows of one table, in table order (the order rows were inserted in). The
// rows are read when they are first needed (row count, moving, reading a
// field), so opening a large table only to insert into it costs nothing, and
// a page of them is held at a time.
// Making the table inactive and active again reads it anew.
class TADOTable : public TCustomADODataSet {
public:
    using TCustomADODataSet::TCustomADODataSet;

    // The table's name; set while the dataset is closed.
    std::string TableName;

protected:
    void OpenCursor() override;
    Statement& BoundRowsStatement() const override;
    int RowidColumn() const override { return 0; }

private:
    std::string SelectAll() const;
};

} // namespace db
