#include "platform/data/TField.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TCustomADODataSet.h"
#include "platform/time/Calendar.h"
#include "platform/time/IsoDateTimeText.h"

namespace db {

namespace {

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace

TFieldType FieldTypeOfDeclaration(std::string_view declared)
{
    const std::string type = LowerAscii(declared);
    const auto has = [&type](std::string_view part) { return type.find(part) != std::string::npos; };
    if (type.empty())
        return TFieldType::ftUnknown;
    if (has("date") || has("time"))
        return TFieldType::ftDateTime;
    if (has("bool") || has("bit"))
        return TFieldType::ftBoolean;
    if (has("bigint") || has("int64"))
        return TFieldType::ftLargeint;
    if (has("int"))
        return TFieldType::ftInteger;
    if (has("memo") || has("clob"))
        return TFieldType::ftMemo;
    if (has("char") || has("text"))
        return TFieldType::ftString;
    if (has("real") || has("floa") || has("doub") || has("num") || has("dec") || has("money") || has("currency"))
        return TFieldType::ftFloat;
    return TFieldType::ftUnknown;
}

TField::TField(TCustomADODataSet& dataSet, int index, std::string name, TFieldType type)
    : m_dataSet(dataSet)
    , m_index(index)
    , m_name(std::move(name))
    , m_type(type)
{
}

bool TField::IsNull() const
{
    return !m_dataSet.FieldValue(m_index);
}

std::string TField::AsString() const
{
    const auto& value = m_dataSet.FieldValue(m_index);
    return value ? *value : std::string();
}

dt::TDateTime TField::AsDateTime() const
{
    const auto& value = m_dataSet.FieldValue(m_index);
    if (!value)
        return dt::TDateTime {};
    const auto moment = dt::IsoTextToDateTime(*value);
    if (!moment)
        m_dataSet.Fail("'" + *value + "' in field '" + m_name + "' is not a valid date and time");
    return *moment;
}

void TField::SetAsString(std::string_view value)
{
    m_dataSet.SetFieldValue(m_index, std::string(value));
}

void TField::SetAsDateTime(dt::TDateTime value)
{
    if (!dt::HasCalendarDate(value))
        m_dataSet.Fail("field '" + m_name + "' takes no moment outside the years 1 to 9999");
    m_dataSet.SetFieldValue(m_index, dt::DateTimeToIsoText(value));
}

void TField::Clear()
{
    m_dataSet.SetFieldValue(m_index, std::nullopt);
}

} // namespace db
