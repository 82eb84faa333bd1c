#include "skin/SkinMessages.h"

#include <algorithm>

namespace skin {

void SkinFormList::Add(SkinMessageTarget* form)
{
    if (form != nullptr && !Contains(form))
        m_forms.push_back(form);
}

void SkinFormList::Remove(SkinMessageTarget* form)
{
    std::erase(m_forms, form);
}

bool SkinFormList::Contains(const SkinMessageTarget* form) const
{
    return std::find(m_forms.begin(), m_forms.end(), form) != m_forms.end();
}

SkinFormList& ScreenForms()
{
    static SkinFormList forms;
    return forms;
}

} // namespace skin
