#include "report/expr/TfrFunctionLibrary.h"

#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/ValueConvert.h"

namespace report {

Variant TfrFunctionCall::Evaluate(int index) const { return engine.Evaluate(args.at(static_cast<size_t>(index))); }

std::string TfrFunctionCall::EvaluateText(int index) const { return ValueToText(Evaluate(index), engine.Settings()); }

double TfrFunctionCall::EvaluateNumber(int index) const { return ValueToNumber(Evaluate(index)); }

bool TfrFunctionLibrary::OnFunction(const TfrFunctionCall& call, Variant& result)
{
    for (size_t i = 0; i < List.size(); ++i) {
        if (List[i] == call.name) {
            DoFunction(static_cast<int>(i), call, result);
            return true;
        }
    }
    return false;
}

} // namespace report
