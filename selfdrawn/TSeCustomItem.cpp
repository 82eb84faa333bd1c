#include "selfdrawn/TSeCustomItem.h"

#include "platform/text/Utf8.h"

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

char32_t UpperCase(char32_t c)
{
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
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
    const std::u32string caption = text::Utf8ToUtf32(Caption);
    for (std::size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == U'&' && UpperCase(caption[i + 1]) == UpperCase(Character))
            return true;
    return false;
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
