#include "platform/data/TField.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TCustomADODataSet.h"
#include "platform/time/Calendar.h"
#include "platform/time/IsoDateTimeText.h"

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
