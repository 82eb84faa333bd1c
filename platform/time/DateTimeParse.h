#pragma once

#include "platform/time/FormatSettings.h"
#include "platform/time/TDateTime.h"

#include <optional>
#include <string_view>

namespace dt {

// Reads a date in the order of the short date format (day, month and year
// separated by any non-digits; a missing year is this year, two-digit years are
// 1950 to 2049), optionally followed by a time.
std::optional<TDateTime> ParseDate(std::string_view text, const TFormatSettings& settings = FormatSettings);
// Reads hours, minutes and optional seconds, with an optional AM/PM mark.
std::optional<TDateTime> ParseTime(std::string_view text, const TFormatSettings& settings = FormatSettings);

} // namespace dt
