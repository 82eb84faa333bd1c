#pragma once

#include <array>
#include <string>

namespace report {

// The locale conventions the engine formats and parses with: the system's
// separators, date and time formats and the names of months and days. One
// fixed set serves the whole program so that printed output does not depend
// on the environment the program happens to run in.
struct TfrFormatSettings {
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

// The settings every formatting routine uses unless it is given others.
const TfrFormatSettings& SystemFormatSettings();

} // namespace report
