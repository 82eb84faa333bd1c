#include "selfdrawn/TSeCustomItem.h"

#include "platform/controls/ControlTypes.h"

#include <unordered_map>

namespace selfdrawn {
namespace {

std::unordered_map<unsigned, TSeCustomItem*>& LivingItems()
{
    static std::unordered_map<unsigned, TSeCustomItem*> items;
    return items;
}

unsigned NextId()
{
    static unsigned next = 0;
    return ++next;
}

} // namespace

TSeCustomItem::TSeCustomItem() : m_id(NextId())
{
    LivingItems()[m_id] = this;
}

TSeCustomItem::~TSeCustomItem()
{
    LivingItems().erase(m_id);
}

bool TSeCustomItem::HasAccelerator(char32_t Character) const
{
    return ctl::IsAccel(Character, Caption);
}

void TSeCustomItem::Click()
{
    if (Enabled && OnClick)
        OnClick(this);
}

TSeCustomItem* TSeCustomItem::FindById(unsigned Id)
{
    const auto found = LivingItems().find(Id);
    return found == LivingItems().end() ? nullptr : found->second;
}

} // namespace selfdrawn
