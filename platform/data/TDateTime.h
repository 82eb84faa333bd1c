#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace db {

// A wall-clock moment of the user's local time, to the second. Notes carry the
// moment they were first saved as the user saw it on the clock, so no time zone
// is attached.
using TDateTime = std::chrono::local_seconds;

// The current local date and time, whole seconds.
TDateTime Now();

// The value a date-time field holds when the store holds nothing: 1899-12-30
// 00:00:00, the zero of classic desktop date-time values.
TDateTime ZeroDateTime();

// The moment as days since 1899-12-30 with the time of day as the fraction,
// the count of desktop date pickers and report expressions.
double ToDayCount(TDateTime value);

// "YYYY-MM-DD HH:MM:SS": the form in which the store keeps date-time values, the
// one SQLite's own date functions and other tools read.
std::string DateTimeToText(TDateTime value);

// Reads "YYYY-MM-DD", "YYYY-MM-DD HH:MM", "YYYY-MM-DD HH:MM:SS" with an optional
// fraction of a second (dropped) and 'T' in place of the space. Anything else,
// or a date that does not exist, gives nothing.
std::optional<TDateTime> TextToDateTime(std::string_view text);

} // namespace db
