#pragma once

#include "platform/time/TDateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace dt {

// "YYYY-MM-DD HH:MM:SS": the fixed, locale-free text in which the note store
// keeps date-time values, the form SQLite's own date functions and other tools
// read. Whole seconds: the milliseconds of a moment are dropped. Raises
// EConvertError for a moment without a date.
std::string DateTimeToIsoText(TDateTime value);

// Reads "YYYY-MM-DD", "YYYY-MM-DD HH:MM", "YYYY-MM-DD HH:MM:SS" with an optional
// fraction of a second (dropped) and 'T' in place of the space. Anything else,
// or a date that does not exist, gives nothing.
std::optional<TDateTime> IsoTextToDateTime(std::string_view text);

} // namespace dt
