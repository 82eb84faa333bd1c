#pragma once

#include "platform/data/TCustomADODataSet.h"

namespace db {

// All rows of one table, in table order (the order rows were inserted in). The
// set of rows is read when it is first needed (row count, moving, reading a
// field) and each row's values when the cursor first reaches it, so opening a
// large table only to insert into it costs nothing. Making the table inactive
// and active again reads it anew.
class TADOTable : public TCustomADODataSet {
public:
    using TCustomADODataSet::TCustomADODataSet;

    // The table's name; set while the dataset is closed.
    std::string TableName;

protected:
    void OpenCursor() override;
    std::vector<Row> ReadRows() const override;
    Values ReadValues(std::int64_t rowid) const override;

private:
    std::string RowStatement() const;
};

} // namespace db
