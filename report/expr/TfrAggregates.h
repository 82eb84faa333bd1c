#pragma once

#include "report/expr/Variant.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace report {

// The aggregate functions and their kind codes.
enum class TfrAggregateKind { Sum = 11, Min = 12, Max = 13, Avg = 14, Count = 15 };

// One aggregate call found in a footer's text: SUM(expr, band, flag) and its
// kin; COUNT(band, flag) has no expression. Texts are trimmed.
struct TfrAggregateCall {
    TfrAggregateKind kind { TfrAggregateKind::Sum };
    std::string expression;
    std::string band;
    std::string flag;
};

// The accumulators a data band keeps for the aggregates of its footers.
// Entries are keyed by footer band name, kind code, expression and flag,
// separated by the character 1. After each printed record every entry takes
// the record's value; when a band is shown, the entries keyed with its name
// start again. An entry that has seen no record gives 0 for every kind, and
// MIN and MAX start from the first value seen, so negative values and empty
// groups give right results.
class TfrAggregates {
public:
    using Evaluator = std::function<Variant(const std::string& expression)>;

    static std::string Key(const std::string& footerBand, TfrAggregateKind kind, const std::string& expression,
        const std::string& flag);

    // Adds an entry unless one with the same key exists.
    void Register(const std::string& footerBand, const TfrAggregateCall& call);
    // Updates the entries for one printed record. An invisible data band
    // updates only entries whose flag is "1".
    void Accumulate(bool bandVisible, const Evaluator& evaluate);
    // Starts the entries keyed with `shownBand` again.
    void Reset(const std::string& shownBand);
    // The entry's value, or nothing when no entry has the key.
    std::optional<Variant> Result(const std::string& key) const;
    int Count() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry {
        std::string key;
        std::string footerBand;
        TfrAggregateCall call;
        Variant total { 0 };
        Variant extreme;
        long long records { 0 };
    };

    std::vector<Entry> m_entries;
};

} // namespace report
