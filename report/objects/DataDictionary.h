#pragma once

#include <string>
#include <vector>

namespace report {

// One name and its value text in a dictionary list.
struct DictionaryEntry {
    std::string Name;
    std::string Value;
    bool operator==(const DictionaryEntry&) const = default;
};

// The report's data dictionary: variables (a name that begins with a blank is
// a category heading), field aliases and band data sources, in stored order.
struct DataDictionary {
    std::vector<DictionaryEntry> Variables;
    std::vector<DictionaryEntry> FieldAliases;
    std::vector<DictionaryEntry> BandDataSources;

    static bool IsCategory(const DictionaryEntry& entry) { return !entry.Name.empty() && entry.Name.front() == ' '; }
    void Clear() { *this = DataDictionary {}; }
    bool operator==(const DataDictionary&) const = default;
};

} // namespace report
