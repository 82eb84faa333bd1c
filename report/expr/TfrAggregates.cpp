#include "report/expr/TfrAggregates.h"

#include "report/expr/ExprOperators.h"
#include "report/expr/TfrVariables.h"
#include "report/expr/ValueConvert.h"

namespace report {

std::string TfrAggregates::Key(const std::string& footerBand, TfrAggregateKind kind, const std::string& expression,
    const std::string& flag)
{
    const char separator = '\1';
    return UpperName(footerBand) + separator + std::to_string(static_cast<int>(kind)) + separator + expression
        + separator + flag;
}

void TfrAggregates::Register(const std::string& footerBand, const TfrAggregateCall& call)
{
    std::string key = Key(footerBand, call.kind, call.expression, call.flag);
    for (const Entry& entry : m_entries)
        if (entry.key == key)
            return;
    m_entries.push_back({ key, footerBand, call, Variant(0), Variant(), 0 });
}

void TfrAggregates::Accumulate(bool bandVisible, const Evaluator& evaluate)
{
    for (Entry& entry : m_entries) {
        if (!bandVisible && entry.call.flag != "1")
            continue;
        switch (entry.call.kind) {
        case TfrAggregateKind::Count:
            break;
        case TfrAggregateKind::Sum:
        case TfrAggregateKind::Avg:
            entry.total = OpAdd(entry.total, evaluate(entry.call.expression));
            break;
        case TfrAggregateKind::Min:
        case TfrAggregateKind::Max: {
            Variant value = evaluate(entry.call.expression);
            int order = entry.records == 0 ? 0 : CompareValues(value, entry.extreme);
            bool better = entry.call.kind == TfrAggregateKind::Min ? order < 0 : order > 0;
            if (entry.records == 0 || better)
                entry.extreme = value;
            break;
        }
        }
        ++entry.records;
    }
}

void TfrAggregates::Reset(const std::string& shownBand)
{
    for (Entry& entry : m_entries) {
        if (!SameName(entry.footerBand, shownBand))
            continue;
        entry.total = Variant(0);
        entry.extreme = Variant();
        entry.records = 0;
    }
}

std::optional<Variant> TfrAggregates::Result(const std::string& key) const
{
    for (const Entry& entry : m_entries) {
        if (entry.key != key)
            continue;
        switch (entry.call.kind) {
        case TfrAggregateKind::Sum:
            return entry.total;
        case TfrAggregateKind::Count:
            return IntegerVariant(entry.records);
        case TfrAggregateKind::Avg:
            return entry.records == 0 ? Variant(0) : OpDivide(entry.total, Variant(static_cast<double>(entry.records)));
        case TfrAggregateKind::Min:
        case TfrAggregateKind::Max:
            return entry.records == 0 ? Variant(0) : entry.extreme;
        }
    }
    return std::nullopt;
}

} // namespace report
