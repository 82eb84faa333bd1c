#pragma once

#include "report/expr/FormatSettings.h"
#include "report/expr/Variant.h"

#include <functional>
#include <string>
#include <string_view>

namespace report {

// Converts infix expressions to the engine's postfix text and evaluates them.
//
// Operators bind in four levels, tightest first; equal levels associate to
// the left:
//   0  INT FRAC ROUND STR (one-argument prefix built-ins)
//   1  * / MOD AND OR NOT
//   2  + - and unary minus and plus
//   3  = <> < > <= >=
// so "1 = 1 AND 2 = 2" reads as (1 = (1 AND 2)) = 2.
//
// Operands: numbers ("," or "." as decimal separator), strings in single
// quotes, TRUE and FALSE, names (double-quoted parts may hold anything, so
// frDBDataSet1."标题" is one name), [bracketed] names, function calls
// name(a, b, c) with up to three arguments, and array reads name[i], which
// mean GETARRAY(name, i).
//
// The parser itself evaluates IF (only the chosen branch), COPY, STRTODATE
// and STRTOTIME; every other name goes to GetValue and every other function
// to CallFunction, which the expression engine attaches.
//
// Postfix text is a sequence of items, each a tag character followed by
// length-prefixed fields ("<length>:<bytes>"), so any text survives inside it:
//   I integer, D double, S string, B boolean, V variable name,
//   F function (name and three argument texts, kept infix and evaluated only
//   when needed), O operator.
class TfrParser {
public:
    using GetValueCallback = std::function<void(const std::string& name, Variant& value)>;
    using CallFunctionCallback = std::function<void(const std::string& name, const std::string& p1,
        const std::string& p2, const std::string& p3, Variant& value)>;

    // Nested evaluations (function arguments, bracketed names, variables that
    // hold expressions) deeper than this raise an error instead of
    // exhausting the stack.
    static constexpr int kMaxDepth = 40;

    GetValueCallback GetValue;
    CallFunctionCallback CallFunction;
    const TFormatSettings* Settings { &SystemFormatSettings() };
    // Items one top-level evaluation may process before it is given up, so
    // expressions that expand exponentially (variables referring to others
    // twice over) end with an error instead of running for ever.
    long MaxSteps { 50'000 };

    std::string ToPostfix(std::string_view expression) const;
    Variant Evaluate(std::string_view expression);
    Variant EvaluatePostfix(std::string_view postfix);

private:
    Variant CallBuiltIn(const std::string& name, const std::string (&args)[3], bool& handled);
    Variant Resolve(const std::string& name);

    int m_depth { 0 };
    long m_steps { 0 };
};

} // namespace report
