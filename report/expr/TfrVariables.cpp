#include "report/expr/TfrVariables.h"

#include <algorithm>
#include <cctype>

namespace report {

std::string UpperName(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 'a' + 'A') : a[i];
        char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 'a' + 'A') : b[i];
        if (x != y)
            return false;
    }
    return true;
}

size_t TfrVariables::LowerBound(const std::string& key) const
{
    auto it = std::lower_bound(m_items.begin(), m_items.end(), key,
        [](const Item& item, const std::string& k) { return item.key < k; });
    return static_cast<size_t>(it - m_items.begin());
}

int TfrVariables::IndexOf(std::string_view name) const
{
    std::string key = UpperName(name);
    if (m_sorted) {
        size_t at = LowerBound(key);
        return at < m_items.size() && m_items[at].key == key ? static_cast<int>(at) : -1;
    }
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].key == key)
            return static_cast<int>(i);
    return -1;
}

void TfrVariables::Set(std::string_view name, Variant value)
{
    int index = IndexOf(name);
    if (index >= 0) {
        m_items[static_cast<size_t>(index)].value = std::move(value);
        return;
    }
    Item item { std::string(name), UpperName(name), std::move(value) };
    if (m_sorted)
        m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(LowerBound(item.key)), std::move(item));
    else
        m_items.push_back(std::move(item));
}

Variant TfrVariables::Get(std::string_view name) const
{
    int index = IndexOf(name);
    return index >= 0 ? m_items[static_cast<size_t>(index)].value : Variant();
}

void TfrVariables::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

} // namespace report
