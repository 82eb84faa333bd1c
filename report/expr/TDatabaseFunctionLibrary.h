#pragma once

#include "report/expr/TfrFunctionLibrary.h"

namespace report {

// FIELDISNULL(field): true when the named dataset field (a field reference
// such as frDBDataSet1."标题", not evaluated) is Null.
class TDatabaseFunctionLibrary : public TfrFunctionLibrary {
public:
    TDatabaseFunctionLibrary();

protected:
    void DoFunction(int index, const TfrFunctionCall& call, Variant& result) override;
};

} // namespace report
