#pragma once

#include "platform/time/TDateTime.h"

#include <optional>

namespace dt {

// The proleptic Gregorian calendar over TDateTime. Dates cover the years 1 to
// 9999; a moment outside that range, NaN or infinite, has no calendar date and
// the decoders give nothing for it.

struct TDateParts {
    int Year { 1899 };
    int Month { 12 };
    int Day { 30 };
};

struct TTimeParts {
    int Hour { 0 };
    int Minute { 0 };
    int Second { 0 };
    int Millisecond { 0 };
};

struct TDateTimeParts {
    TDateParts Date;
    TTimeParts Time;
};

bool IsLeapYear(int year);
// The days of a month of a valid year; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool HasCalendarDate(TDateTime value);

// Whole days; nothing for a date that does not exist.
std::optional<TDateTime> EncodeDate(int year, int month, int day);
// A fraction of a day; nothing for a part out of its range.
std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond);
std::optional<TDateTime> EncodeDateTime(const TDateParts& date, const TTimeParts& time);
// The moment of `time`'s time of day on `date`'s day, also before day 0.
TDateTime CombineDateTime(TDateTime date, TDateTime time);

std::optional<TDateParts> DecodeDate(TDateTime value);
// To the nearest millisecond, never rounded up into the next day.
std::optional<TTimeParts> DecodeTime(TDateTime value);
// Both parts of a moment that is to be written as a date; raises EConvertError
// for one without a date.
TDateTimeParts DecodeDateTime(TDateTime value);
// 1 = Sunday … 7 = Saturday.
std::optional<int> DayOfWeek(TDateTime value);

// Seconds since 1970-01-01 00:00 of the same clock (the Unix epoch) as a moment.
TDateTime UnixTimeToDateTime(double seconds);

// The local date and time, to the millisecond; Date is today at midnight.
TDateTime Now();
TDateTime Date();

} // namespace dt
