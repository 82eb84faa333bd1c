#include "platform/data/TParameters.h"

#include "platform/data/EDatabaseError.h"
#include "platform/time/Calendar.h"
#include "platform/time/IsoDateTimeText.h"

namespace db {

void TParameter::SetAsString(std::string_view value)
{
    if (m_value)
        m_value->assign(value);
    else
        m_value.emplace(value);
}

void TParameter::SetAsDateTime(dt::TDateTime value)
{
    if (!dt::HasCalendarDate(value))
        throw EDatabaseError("parameter '" + m_name + "' takes no moment outside the years 1 to 9999");
    m_value = dt::DateTimeToIsoText(value);
}

TParameter& TParameters::ParamByName(std::string_view name)
{
    for (auto& item : m_items) {
        if (item.Name() == name)
            return item;
    }
    return m_items.emplace_back(std::string(name));
}

const TParameter* TParameters::FindParam(std::string_view name) const
{
    for (const auto& item : m_items) {
        if (item.Name() == name)
            return &item;
    }
    return nullptr;
}

} // namespace db
