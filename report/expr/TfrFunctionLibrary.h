#pragma once

#include "report/expr/Variant.h"

#include <array>
#include <string>
#include <vector>

namespace report {

class TfrExpressionEngine;

// One function call handed to the libraries: its upper-case name, its up to
// three argument texts (empty when missing) and the engine that evaluates them.
struct TfrFunctionCall {
    std::string name;
    std::array<std::string, 3> args;
    TfrExpressionEngine& engine;

    // The argument `index` evaluated as an expression.
    Variant Evaluate(int index) const;
    std::string EvaluateText(int index) const;
    double EvaluateNumber(int index) const;
};

// A set of functions known by upper-case name. The engine asks its libraries
// in registration order; the first whose List holds the name answers.
class TfrFunctionLibrary {
public:
    virtual ~TfrFunctionLibrary() = default;

    // True when the name is in List; `result` is then the function's value.
    bool OnFunction(const TfrFunctionCall& call, Variant& result);

    std::vector<std::string> List;

protected:
    // `index` is the position of the name in List.
    virtual void DoFunction(int index, const TfrFunctionCall& call, Variant& result) = 0;
};

} // namespace report
