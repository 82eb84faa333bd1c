#include "report/expr/TAggregateFunctionsSplitter.h"

namespace report {

TAggregateFunctionsSplitter::TAggregateFunctionsSplitter() : m_splitter({ "SUM", "AVG", "MIN", "MAX", "COUNT" }) {}

bool TAggregateFunctionsSplitter::KindOf(const std::string& upperName, TfrAggregateKind& kind)
{
    if (upperName == "SUM")
        kind = TfrAggregateKind::Sum;
    else if (upperName == "MIN")
        kind = TfrAggregateKind::Min;
    else if (upperName == "MAX")
        kind = TfrAggregateKind::Max;
    else if (upperName == "AVG")
        kind = TfrAggregateKind::Avg;
    else if (upperName == "COUNT")
        kind = TfrAggregateKind::Count;
    else
        return false;
    return true;
}

TfrAggregateCall TAggregateFunctionsSplitter::FromArguments(TfrAggregateKind kind, const std::vector<std::string>& args)
{
    auto arg = [&args](size_t i) { return i < args.size() ? args[i] : std::string(); };
    TfrAggregateCall call;
    call.kind = kind;
    if (kind == TfrAggregateKind::Count) {
        call.band = arg(0);
        call.flag = arg(1);
    } else {
        call.expression = arg(0);
        call.band = arg(1);
        call.flag = arg(2);
    }
    return call;
}

std::vector<TfrAggregateCall> TAggregateFunctionsSplitter::Split(const std::vector<std::string>& lines) const
{
    std::vector<TfrAggregateCall> calls;
    for (const std::string& line : lines) {
        for (const TfrFoundCall& found : m_splitter.SplitText(line)) {
            TfrAggregateKind kind;
            if (KindOf(found.name, kind))
                calls.push_back(FromArguments(kind, found.args));
        }
    }
    return calls;
}

} // namespace report
