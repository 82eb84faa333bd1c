#pragma once

#include "report/expr/Variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace report {

// Compares names the way every lookup of the engine does: ASCII letters
// without regard to case, all other bytes as they are.
bool SameName(std::string_view a, std::string_view b);
std::string UpperName(std::string_view name);

// An ordered list of named values. Lookups ignore case; setting an existing
// name replaces its value, setting a new name appends it (or inserts it in
// name order for a sorted list); reading a missing name gives Null.
class TfrVariables {
public:
    explicit TfrVariables(bool sorted = false) : m_sorted(sorted) {}

    void Set(std::string_view name, Variant value);
    Variant Get(std::string_view name) const;
    bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }
    int IndexOf(std::string_view name) const;
    void Delete(int index);
    void Clear() { m_items.clear(); }

    int Count() const { return static_cast<int>(m_items.size()); }
    const std::string& Name(int index) const { return m_items.at(static_cast<size_t>(index)).name; }
    const Variant& Value(int index) const { return m_items.at(static_cast<size_t>(index)).value; }
    bool Sorted() const { return m_sorted; }

private:
    struct Item {
        std::string name;
        std::string key;
        Variant value;
    };

    // Position of the first item whose key is not less than `key` (sorted lists).
    size_t LowerBound(const std::string& key) const;

    bool m_sorted { false };
    std::vector<Item> m_items;
};

} // namespace report
