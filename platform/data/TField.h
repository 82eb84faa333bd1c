#pragma once

#include "platform/time/TDateTime.h"

#include <string>
#include <string_view>

namespace db {

class TCustomADODataSet;

// What a column holds, from the type its table declares. SQLite keeps every
// value as the dataset reads it; the type tells readers how to interpret it.
enum class TFieldType { ftString, ftMemo, ftInteger, ftLargeint, ftFloat, ftBoolean, ftDateTime, ftUnknown };

// The field type of a declared column type, by SQLite's affinity rules with
// date and time, boolean and long text told apart.
TFieldType FieldTypeOfDeclaration(std::string_view declared);

// One column of a dataset, read and written on the dataset's current row.
// Setting a value needs the dataset in edit or insert mode; the value reaches
// the file when the dataset posts.
class TField {
public:
    TField(TCustomADODataSet& dataSet, int index, std::string name, TFieldType type = TFieldType::ftString);

    const std::string& FieldName() const { return m_name; }
    int Index() const { return m_index; }
    TFieldType DataType() const { return m_type; }

    bool IsNull() const;
    // The stored text; empty for a null value.
    std::string AsString() const;
    // The stored date-time text read as a date and time; day 0 (1899-12-30
    // 00:00) for a null value. A text that is no date and time raises
    // EDatabaseError.
    dt::TDateTime AsDateTime() const;

    void SetAsString(std::string_view value);
    // Stores "YYYY-MM-DD HH:MM:SS", to the second. A moment without a
    // calendar date raises EDatabaseError and leaves the value as it was.
    void SetAsDateTime(dt::TDateTime value);
    // Makes the value null.
    void Clear();

private:
    TCustomADODataSet& m_dataSet;
    int m_index;
    std::string m_name;
    TFieldType m_type;
};

} // namespace db
