#pragma once

#include "report/expr/TfrFunctionLibrary.h"

namespace report {

// The standard functions: DAYOF, MONTHOF, YEAROF, FORMATDATETIME,
// FORMATFLOAT, FORMATTEXT, INPUT, LENGTH, LOWERCASE, UPPERCASE, TRIM, POS,
// NAMECASE, MAXNUM, MINNUM, MESSAGEBOX and the aggregates SUM, AVG, MIN, MAX,
// COUNT. Texts are counted and cut in whole characters.
class TfrStdFunctionLibrary : public TfrFunctionLibrary {
public:
    TfrStdFunctionLibrary();

protected:
    void DoFunction(int index, const TfrFunctionCall& call, Variant& result) override;
};

} // namespace report
