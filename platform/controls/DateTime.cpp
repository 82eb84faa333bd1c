#include "platform/controls/DateTime.h"

#include <chrono>
#include <cctype>
#include <cmath>
#include <ctime>

namespace ctl {

TFormatSettings FormatSettings;

namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long long DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

constexpr long long kEpochOffset = 25569; // 1970-01-01 as a day count from 1899-12-30

std::string Pad(int value, std::size_t width)
{
    std::string s = std::to_string(value);
    return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

} // namespace

TDateTime EncodeDateTime(const TDateParts& p)
{
    const double days = static_cast<double>(DaysFromCivil(p.Year, p.Month, p.Day) + kEpochOffset);
    const double time = (p.Hour * 3600000.0 + p.Minute * 60000.0 + p.Second * 1000.0 + p.Millisecond) / 86400000.0;
    return days + time;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    return EncodeDateTime({ Year, Month, Day });
}

TDateParts DecodeDateTime(TDateTime Value)
{
    long long ms = std::llround(Value * 86400000.0);
    long long days = ms / 86400000;
    long long rest = ms % 86400000;
    if (rest < 0) {
        rest += 86400000;
        --days;
    }
    TDateParts p;
    CivilFromDays(days - kEpochOffset, p.Year, p.Month, p.Day);
    p.Hour = static_cast<int>(rest / 3600000);
    p.Minute = static_cast<int>(rest / 60000 % 60);
    p.Second = static_cast<int>(rest / 1000 % 60);
    p.Millisecond = static_cast<int>(rest % 1000);
    return p;
}

TDateTime Now()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&t, &local);
    const int ms = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    return EncodeDateTime({ local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
        local.tm_sec, ms });
}

TDateTime Date()
{
    return std::floor(Now());
}

std::string FormatDateTime(std::string_view Format, TDateTime Value)
{
    const TDateParts p = DecodeDateTime(Value);
    std::string out;
    bool afterHour = false;
    std::size_t i = 0;
    while (i < Format.size()) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(Format[i])));
        std::size_t run = 1;
        while (i + run < Format.size() && std::tolower(static_cast<unsigned char>(Format[i + run])) == c)
            ++run;
        switch (c) {
        case 'y':
            out += run >= 4 ? Pad(p.Year, 4) : Pad(p.Year % 100, 2);
            break;
        case 'm':
            out += Pad(afterHour ? p.Minute : p.Month, run >= 2 ? 2 : 1);
            afterHour = false;
            break;
        case 'd':
            out += Pad(p.Day, run >= 2 ? 2 : 1);
            break;
        case 'h':
            out += Pad(p.Hour, run >= 2 ? 2 : 1);
            afterHour = true;
            break;
        case 'n':
            out += Pad(p.Minute, run >= 2 ? 2 : 1);
            break;
        case 's':
            out += Pad(p.Second, run >= 2 ? 2 : 1);
            break;
        default:
            out.append(Format.substr(i, run));
            break;
        }
        i += run;
    }
    return out;
}

std::string DateToStr(TDateTime Value)
{
    return FormatDateTime(FormatSettings.ShortDateFormat, Value);
}

std::string TimeToStr(TDateTime Value)
{
    return FormatDateTime(FormatSettings.LongTimeFormat, Value);
}

std::string DateTimeToStr(TDateTime Value)
{
    return DateToStr(Value) + " " + TimeToStr(Value);
}

} // namespace ctl
