#pragma once

#include "report/expr/Variant.h"

#include <optional>

namespace report {

// Calendar arithmetic on TDateTime (days since 1899-12-30, time as the
// fraction). Dates cover the years 1 to 9999; values outside that range have no
// calendar date and the decoders return nothing for them.
struct DateParts {
    int year { 1899 };
    int month { 12 };
    int day { 30 };
};

struct TimeParts {
    int hour { 0 };
    int minute { 0 };
    int second { 0 };
    int millisecond { 0 };
};

bool IsValidDate(int year, int month, int day);
std::optional<TDateTime> EncodeDate(int year, int month, int day);
std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond);
std::optional<DateParts> DecodeDate(TDateTime value);
std::optional<TimeParts> DecodeTime(TDateTime value);
// 1 = Sunday … 7 = Saturday.
std::optional<int> DayOfWeek(TDateTime value);
TDateTime NowDateTime();

} // namespace report
