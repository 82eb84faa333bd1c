#pragma once

#include "report/expr/TInterpretator.h"

namespace report {

class TfrExpressionEngine;

// The report's script interpreter: names, functions and assignments go
// through the expression engine's resolution and assignment rules, and a
// script stops when the running report's stop flag is set.
class TfrInterpretator : public TInterpretator {
public:
    explicit TfrInterpretator(TfrExpressionEngine& engine);

protected:
    void SetValue(const std::string& name, const Variant& value) override;
    bool Terminated() const override;

private:
    TfrExpressionEngine& m_engine;
};

} // namespace report
