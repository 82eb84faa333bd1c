#include "platform/time/Calendar.h"

#include "platform/time/EConvertError.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

namespace dt {
namespace {

// 1970-01-01, the Unix epoch, as a day count from 1899-12-30.
constexpr long long kUnixEpochDay = 25569;
constexpr long long kMillisecondsPerDay = 86400000;
constexpr double kSecondsPerDay = 86400.0;
// 0001-01-01 and the day after 9999-12-31 as day counts.
constexpr double kFirstDay = -693593.0;
constexpr double kEndDay = 2958466.0;

// Days since 1970-01-01 of a civil date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

TDateParts CivilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return { static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d) };
}

} // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

bool HasCalendarDate(TDateTime value)
{
    // The first day's moments reach down to -693593.999…: the fraction of a
    // moment before day 0 is its time of day, counted away from zero.
    return std::isfinite(value.value) && std::trunc(value.value) >= kFirstDay && value.value < kEndDay;
}

std::optional<TDateTime> EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    const long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    return TDateTime { static_cast<double>(days + kUnixEpochDay) };
}

std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0
        || millisecond > 999)
        return std::nullopt;
    const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return TDateTime { ms / kMillisecondsPerDay };
}

std::optional<TDateTime> EncodeDateTime(const TDateParts& date, const TTimeParts& time)
{
    const auto day = EncodeDate(date.Year, date.Month, date.Day);
    const auto clock = EncodeTime(time.Hour, time.Minute, time.Second, time.Millisecond);
    if (!day || !clock)
        return std::nullopt;
    return CombineDateTime(*day, *clock);
}

TDateTime CombineDateTime(TDateTime date, TDateTime time)
{
    const double day = std::trunc(date.value);
    const double fraction = std::fabs(time.value - std::trunc(time.value));
    return TDateTime { day < 0 ? day - fraction : day + fraction };
}

std::optional<TDateParts> DecodeDate(TDateTime value)
{
    if (!HasCalendarDate(value))
        return std::nullopt;
    const auto days = static_cast<long long>(std::trunc(value.value));
    return CivilFromDays(days - kUnixEpochDay);
}

std::optional<TTimeParts> DecodeTime(TDateTime value)
{
    if (!HasCalendarDate(value))
        return std::nullopt;
    const double fraction = std::fabs(value.value - std::trunc(value.value));
    long long ms = std::llround(fraction * kMillisecondsPerDay);
    if (ms >= kMillisecondsPerDay)
        ms = kMillisecondsPerDay - 1;
    TTimeParts parts;
    parts.Millisecond = static_cast<int>(ms % 1000);
    parts.Second = static_cast<int>(ms / 1000 % 60);
    parts.Minute = static_cast<int>(ms / 60000 % 60);
    parts.Hour = static_cast<int>(ms / 3600000);
    return parts;
}

TDateTimeParts DecodeDateTime(TDateTime value)
{
    const auto date = DecodeDate(value);
    const auto time = DecodeTime(value);
    if (!date || !time) {
        char number[40];
        std::snprintf(number, sizeof number, "%.15g", value.value);
        throw EConvertError(std::string(number) + " is not a valid date");
    }
    return { *date, *time };
}

std::optional<int> DayOfWeek(TDateTime value)
{
    if (!HasCalendarDate(value))
        return std::nullopt;
    // 1899-12-30 was a Saturday.
    const auto days = static_cast<long long>(std::trunc(value.value));
    return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime UnixTimeToDateTime(double seconds)
{
    const double days = std::floor(seconds / kSecondsPerDay);
    const double fraction = seconds / kSecondsPerDay - days;
    return CombineDateTime(TDateTime { days + kUnixEpochDay }, TDateTime { fraction });
}

TDateTime Now()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t wholeSeconds = system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&wholeSeconds, &local);
    const double seconds = duration<double>(now.time_since_epoch()).count();
    return UnixTimeToDateTime(seconds + static_cast<double>(local.tm_gmtoff));
}

TDateTime Date()
{
    return TDateTime { std::trunc(Now().value) };
}

} // namespace dt
