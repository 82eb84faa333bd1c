#pragma once

#include "report/expr/Variant.h"

#include <cstddef>

namespace report {

// The operators of the expression language. Whole-number operands (Null,
// Boolean, Integer) keep whole results while they fit 32 bits; anything else
// is computed in double precision. Every operator has a defined result for
// every pair of numbers: division and MOD by zero give 0.

// The longest text "+" builds; longer results raise ExprError.
constexpr std::size_t kMaxTextLength = 16 * 1024 * 1024;

// Numbers add; two strings concatenate; a string and a number add when the
// string reads as a number, else their texts concatenate. A date plus a
// number stays a date.
Variant OpAdd(const Variant& a, const Variant& b);
Variant OpSubtract(const Variant& a, const Variant& b);
Variant OpMultiply(const Variant& a, const Variant& b);
// Real division; 0 when the divisor is 0.
Variant OpDivide(const Variant& a, const Variant& b);
// Integer remainder of the operands' whole parts (truncated, sign of the
// dividend); 0 when the divisor is 0.
Variant OpMod(const Variant& a, const Variant& b);
// AND multiplies; OR is the bitwise or of the whole parts; NOT is 1 for 0.
Variant OpAnd(const Variant& a, const Variant& b);
Variant OpOr(const Variant& a, const Variant& b);
Variant OpNot(const Variant& a);
Variant OpNegate(const Variant& a);
Variant OpPlus(const Variant& a);

// -1, 0 or 1. Strings compare by bytes (code points); a string and a number
// compare as numbers when the string reads as one, else as texts.
int CompareValues(const Variant& a, const Variant& b);

// INT snaps to the nearest whole number within 1e-10, else truncates; FRAC
// is the rest after the same snapping; ROUND rounds half to even; STR gives
// the text. NaN gives 0; results beyond 32 bits stay doubles.
Variant OpInt(const Variant& a);
Variant OpFrac(const Variant& a);
Variant OpRound(const Variant& a);
Variant OpStr(const Variant& a);

// The whole-number part as a truth value (IF, script conditions).
bool IsTrue(const Variant& a);

} // namespace report
