#pragma once

#include <array>
#include <string>

namespace dt {

// The conventions dates, times and numbers are written and read with:
// separators, date and time formats and the names of months and days. A
// default-constructed record is a fixed, environment-independent set with
// ISO-ordered dates ("1998-11-05", "14:03:09"); the report engine prints with
// it so that printed output does not depend on where the program runs.
struct TFormatSettings {
    char DecimalSeparator { '.' };
    char ThousandSeparator { ',' };
    char DateSeparator { '-' };
    char TimeSeparator { ':' };
    std::string ShortDateFormat { "yyyy-mm-dd" };
    std::string LongDateFormat { "d mmmm yyyy" };
    std::string ShortTimeFormat { "hh:nn" };
    std::string LongTimeFormat { "hh:nn:ss" };
    std::string TimeAMString { "AM" };
    std::string TimePMString { "PM" };
    std::array<std::string, 12> ShortMonthNames { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    std::array<std::string, 12> LongMonthNames { "January", "February", "March", "April", "May", "June",
        "July", "August", "September", "October", "November", "December" };
    std::array<std::string, 7> ShortDayNames { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    std::array<std::string, 7> LongDayNames { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday",
        "Friday", "Saturday" };
};

// The desktop's conventions, which the clock and the date picker show: short
// date "yyyy-m-d" and long time "h:mm:ss", as in "2007-3-9 8:05:07".
extern TFormatSettings FormatSettings;

} // namespace dt
