#include "report/expr/TfrVariables.h"

#include "report/expr/ExprError.h"

#include <algorithm>
#include <numeric>

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

const std::vector<size_t>& TfrVariables::Order() const
{
    if (!m_orderValid) {
        m_order.resize(m_items.size());
        std::iota(m_order.begin(), m_order.end(), size_t { 0 });
        std::sort(m_order.begin(), m_order.end(), [this](size_t a, size_t b) { return m_items[a].key < m_items[b].key; });
        m_orderValid = true;
    }
    return m_order;
}

size_t TfrVariables::Slot(int index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("variable index out of range");
    return m_sorted ? Order()[static_cast<size_t>(index)] : static_cast<size_t>(index);
}

int TfrVariables::IndexOf(std::string_view name) const
{
    auto found = m_slots.find(UpperName(name));
    if (found == m_slots.end())
        return -1;
    if (!m_sorted)
        return static_cast<int>(found->second);
    const std::vector<size_t>& order = Order();
    auto at = std::lower_bound(order.begin(), order.end(), found->first,
        [this](size_t slot, const std::string& key) { return m_items[slot].key < key; });
    return static_cast<int>(at - order.begin());
}

void TfrVariables::Set(std::string_view name, Variant value)
{
    std::string key = UpperName(name);
    if (auto found = m_slots.find(key); found != m_slots.end()) {
        m_items[found->second].value = std::move(value);
        return;
    }
    if (Count() >= kMaxCount)
        throw ExprError("Too many variables (" + std::to_string(kMaxCount) + ")");
    m_slots.emplace(key, m_items.size());
    m_items.push_back({ std::string(name), std::move(key), std::move(value) });
    m_orderValid = false;
}

Variant TfrVariables::Get(std::string_view name) const
{
    auto found = m_slots.find(UpperName(name));
    return found == m_slots.end() ? Variant() : m_items[found->second].value;
}

void TfrVariables::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    size_t slot = Slot(index);
    m_slots.erase(m_items[slot].key);
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(slot));
    for (auto& entry : m_slots)
        if (entry.second > slot)
            --entry.second;
    m_orderValid = false;
}

void TfrVariables::Clear()
{
    m_items.clear();
    m_slots.clear();
    m_order.clear();
    m_orderValid = true;
}

} // namespace report
