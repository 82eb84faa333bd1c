#include "report/expr/TfrInterpretator.h"

#include "report/expr/TfrExpressionEngine.h"

namespace report {

TfrInterpretator::TfrInterpretator(TfrExpressionEngine& engine) : TInterpretator(engine.Parser()), m_engine(engine) {}

void TfrInterpretator::SetValue(const std::string& name, const Variant& value) { m_engine.SetValue(name, value); }

bool TfrInterpretator::Terminated() const { return m_engine.Scope() && m_engine.Scope()->StopRequested(); }

} // namespace report
