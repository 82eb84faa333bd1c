#pragma once

#include "report/expr/TfrAggregates.h"
#include "report/expr/TfrFunctionSplitter.h"

#include <string>
#include <vector>

namespace report {

// Finds the aggregate calls SUM, AVG, MIN, MAX (expression, band, flag) and
// COUNT (band, flag) in the memo lines of a footer, so that the band engine
// can register them with the data band they accumulate over before the build.
class TAggregateFunctionsSplitter {
public:
    TAggregateFunctionsSplitter();

    std::vector<TfrAggregateCall> Split(const std::vector<std::string>& lines) const;
    // The call as the aggregate functions read their arguments.
    static TfrAggregateCall FromArguments(TfrAggregateKind kind, const std::vector<std::string>& args);
    static bool KindOf(const std::string& upperName, TfrAggregateKind& kind);

private:
    TfrFunctionSplitter m_splitter;
};

} // namespace report
