#pragma once

#include "report/expr/FormatSettings.h"
#include "report/expr/Variant.h"

#include <optional>
#include <string>
#include <string_view>

namespace report {

// Date-time formatting with format texts: d dd ddd dddd ddddd dddddd, m mm mmm
// mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss, z zzz, c, t,
// tt, am/pm, a/p, ampm, "/" (date separator), ":" (time separator), and text in
// single or double quotes. Letters ignore case; other characters are copied.
// Raises ExprError for a value without a calendar date.
std::string FormatDateTime(std::string_view format, TDateTime value,
    const TfrFormatSettings& settings = SystemFormatSettings());

// The short date, plus the long time when the value has a time of day; values
// without a calendar date are written as plain numbers.
std::string DateTimeToText(TDateTime value, const TfrFormatSettings& settings = SystemFormatSettings());

// Reads a date in the order of the short date format (day, month and year
// separated by any non-digits; a missing year is this year, two-digit years are
// 1950 to 2049), optionally followed by a time.
std::optional<TDateTime> ParseDate(std::string_view text, const TfrFormatSettings& settings = SystemFormatSettings());
// Reads hours, minutes and optional seconds, with an optional AM/PM mark.
std::optional<TDateTime> ParseTime(std::string_view text, const TfrFormatSettings& settings = SystemFormatSettings());

} // namespace report
