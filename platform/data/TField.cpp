#include "platform/data/TField.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TCustomADODataSet.h"

namespace db {

TField::TField(TCustomADODataSet& dataSet, int index, std::string name)
    : m_dataSet(dataSet)
    , m_index(index)
    , m_name(std::move(name))
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

TDateTime TField::AsDateTime() const
{
    const auto& value = m_dataSet.FieldValue(m_index);
    if (!value)
        return ZeroDateTime();
    const auto moment = TextToDateTime(*value);
    if (!moment)
        m_dataSet.Fail("'" + *value + "' in field '" + m_name + "' is not a valid date and time");
    return *moment;
}

void TField::SetAsString(std::string_view value)
{
    m_dataSet.SetFieldValue(m_index, std::string(value));
}

void TField::SetAsDateTime(TDateTime value)
{
    m_dataSet.SetFieldValue(m_index, DateTimeToText(value));
}

void TField::Clear()
{
    m_dataSet.SetFieldValue(m_index, std::nullopt);
}

} // namespace db
