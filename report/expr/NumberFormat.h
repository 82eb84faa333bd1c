#pragma once

#include <string>
#include <string_view>

namespace report {

// Number formatting with format texts: "0" a digit always shown, "#" a digit
// shown when significant, the first "." the decimal point, "," anywhere in the
// integer part groups thousands, "E+"/"E-" (or lower case) scientific notation
// with the "0"s after it as exponent digits, text in quotes copied. Up to three
// sections separated by ";" format positive, negative (without sign) and zero
// values. An empty format gives the general text form. NaN and infinities are
// written "NAN", "INF" and "-INF".
std::string FormatFloat(std::string_view format, double value, char decimalSeparator = '.',
    char thousandSeparator = ',');

// Fixed notation with `decimals` digits after the separator.
std::string FormatFixed(double value, int decimals, char decimalSeparator = '.');

// Fixed notation with thousands grouped.
std::string FormatGrouped(double value, int decimals, char decimalSeparator = '.', char thousandSeparator = ',');

} // namespace report
