#pragma once

#include "report/expr/Variant.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace report {

// Compares names the way every lookup of the engine does: ASCII letters
// without regard to case, all other bytes as they are.
bool SameName(std::string_view a, std::string_view b);
std::string UpperName(std::string_view name);

// An ordered list of named values. Lookups ignore case; setting an existing
// name replaces its value, setting a new name appends it; reading a missing
// name gives Null. A sorted list presents its entries in name order. Lookups
// are hashed, so scripts that fill arrays (SETARRAY) stay fast; a list holds
// at most kMaxCount names, beyond which Set raises ExprError.
class TfrVariables {
public:
    static constexpr int kMaxCount = 1'000'000;

    explicit TfrVariables(bool sorted = false) : m_sorted(sorted) {}

    void Set(std::string_view name, Variant value);
    Variant Get(std::string_view name) const;
    bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }
    // Position in presentation order, or -1.
    int IndexOf(std::string_view name) const;
    void Delete(int index);
    void Clear();

    int Count() const { return static_cast<int>(m_items.size()); }
    const std::string& Name(int index) const { return m_items.at(Slot(index)).name; }
    const Variant& Value(int index) const { return m_items.at(Slot(index)).value; }
    bool Sorted() const { return m_sorted; }

private:
    struct Item {
        std::string name;
        std::string key;
        Variant value;
    };

    // The storage slot of a presentation position.
    size_t Slot(int index) const;
    const std::vector<size_t>& Order() const;

    bool m_sorted { false };
    std::vector<Item> m_items;
    std::unordered_map<std::string, size_t> m_slots;
    // Storage slots in name order; rebuilt after a change when asked for.
    mutable std::vector<size_t> m_order;
    mutable bool m_orderValid { true };
};

} // namespace report
