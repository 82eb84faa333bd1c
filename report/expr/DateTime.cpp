#include "report/expr/DateTime.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace report {
namespace {

// Days from 0001-01-01 to 1899-12-30 in the proleptic Gregorian calendar.
constexpr double kFirstDay = -693593.0;
// 9999-12-31 is day 2958465; the day after it is the first invalid one.
constexpr double kEndDay = 2958466.0;

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1970-01-01 of a civil date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

DateParts CivilFromDays(long long z)
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

// 1899-12-30 counted from 1970-01-01.
constexpr long long kEpochOffset = -25569;

bool InRange(double value) { return std::isfinite(value) && value >= kFirstDay && value < kEndDay; }

} // namespace

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

std::optional<TDateTime> EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset;
    return TDateTime { static_cast<double>(days) };
}

std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0
        || millisecond > 999)
        return std::nullopt;
    double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return TDateTime { ms / 86400000.0 };
}

std::optional<DateParts> DecodeDate(TDateTime value)
{
    if (!InRange(value.value))
        return std::nullopt;
    long long days = static_cast<long long>(std::trunc(value.value));
    return CivilFromDays(days + kEpochOffset);
}

std::optional<TimeParts> DecodeTime(TDateTime value)
{
    if (!InRange(value.value))
        return std::nullopt;
    double fraction = std::fabs(value.value - std::trunc(value.value));
    long long ms = std::llround(fraction * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    TimeParts parts;
    parts.millisecond = static_cast<int>(ms % 1000);
    parts.second = static_cast<int>(ms / 1000 % 60);
    parts.minute = static_cast<int>(ms / 60000 % 60);
    parts.hour = static_cast<int>(ms / 3600000);
    return parts;
}

std::optional<int> DayOfWeek(TDateTime value)
{
    if (!InRange(value.value))
        return std::nullopt;
    // 1899-12-30 was a Saturday.
    long long days = static_cast<long long>(std::trunc(value.value));
    long long index = ((days + 6) % 7 + 7) % 7;
    return static_cast<int>(index) + 1;
}

TDateTime NowDateTime()
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    double date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)->value;
    double time = EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0)->value;
    return TDateTime { date + time };
}

} // namespace report
