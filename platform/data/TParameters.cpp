#include "platform/data/TParameters.h"

namespace db {

void TParameter::SetAsDateTime(TDateTime value)
{
    m_value = DateTimeToText(value);
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
