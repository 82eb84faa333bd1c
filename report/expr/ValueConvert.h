#pragma once

#include "report/expr/FormatSettings.h"
#include "report/expr/Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace report {

// Conversions between the kinds of Variant as expressions use them. Every
// conversion has a defined result for every input: NaN becomes 0 when a whole
// number is needed, and values beyond the integer range saturate instead of
// wrapping.

// The text form: "" for Null, "True"/"False", decimal integers, floats with up
// to 15 significant digits, dates in the short date format (plus the long time
// format when the value has a time of day).
std::string ValueToText(const Variant& value, const TFormatSettings& settings = SystemFormatSettings());
std::string FloatToText(double value);

// The moment itself when it has a calendar date; raises ExprError otherwise.
TDateTime ValidDate(TDateTime value);

// Reads a number written with "." or "," as decimal separator, optional sign
// and exponent, surrounded by blanks. Blank text is 0.
std::optional<double> TextToNumber(std::string_view text);

// The numeric value: Null 0, booleans 1 and 0, dates their day count, strings
// read by TextToNumber. Raises ExprError for text that is not a number.
double ValueToNumber(const Variant& value);

// Whole numbers from doubles: NaN gives 0, out-of-range values saturate.
std::int64_t SaturatedInt64(double value);
std::int32_t SaturatedInt32(double value);

// An Integer when the value fits 32 bits, else a Double of the same value.
Variant IntegerVariant(std::int64_t value);

// True for Null, Boolean and Integer: kinds whose arithmetic stays whole.
bool IsWholeKind(const Variant& value);

// The Variant as expression text that evaluates back to it (strings quoted).
std::string ValueToExpressionText(const Variant& value);

} // namespace report
