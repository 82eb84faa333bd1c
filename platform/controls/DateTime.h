#pragma once

#include <string>
#include <string_view>

namespace ctl {

// A moment as a count of days since 30 December 1899, the fraction being the
// time of day; the value the date picker holds and the database's date
// columns carry.
using TDateTime = double;

struct TDateParts {
    int Year { 1899 };
    int Month { 12 };
    int Day { 30 };
    int Hour { 0 };
    int Minute { 0 };
    int Second { 0 };
    int Millisecond { 0 };
};

// Date and time formats of the desktop: short date "yyyy-m-d", long time "h:mm:ss".
struct TFormatSettings {
    std::string ShortDateFormat { "yyyy-m-d" };
    std::string LongTimeFormat { "h:mm:ss" };
};
extern TFormatSettings FormatSettings;

TDateTime EncodeDateTime(const TDateParts& parts);
TDateTime EncodeDate(int Year, int Month, int Day);
TDateParts DecodeDateTime(TDateTime Value);
// The current local date and time; Date is today at midnight.
TDateTime Now();
TDateTime Date();

// Formats with the pattern letters yyyy, yy, m, mm, d, dd, h, hh, n, nn, s,
// ss (m after h is minutes, as is n); anything else is copied.
std::string FormatDateTime(std::string_view Format, TDateTime Value);
std::string DateToStr(TDateTime Value);
std::string TimeToStr(TDateTime Value);
// Short date, one space, long time.
std::string DateTimeToStr(TDateTime Value);

} // namespace ctl
