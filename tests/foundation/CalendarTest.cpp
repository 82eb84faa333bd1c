#include "platform/time/Calendar.h"
#include "platform/time/EConvertError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

using dt::TDateTime;

TDateTime Day(int year, int month, int day) { return *dt::EncodeDate(year, month, day); }

TDateTime At(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0)
{
    return *dt::EncodeDateTime({ year, month, day }, { hour, minute, second, ms });
}

// The day after a date by the month-length rule alone.
dt::TDateParts NextDay(dt::TDateParts d)
{
    if (d.Day < dt::DaysInMonth(d.Year, d.Month))
        return { d.Year, d.Month, d.Day + 1 };
    if (d.Month < 12)
        return { d.Year, d.Month + 1, 1 };
    return { d.Year + 1, 1, 1 };
}

// Walks day by day from the first of January of `year` to the end of
// `lastYear`: each day count decodes to the next date of the month-length rule
// and encodes back to itself.
void ExpectConsecutiveDays(int year, int lastYear)
{
    dt::TDateParts expected { year, 1, 1 };
    double n = Day(year, 1, 1).value;
    for (; expected.Year <= lastYear; n += 1) {
        const auto decoded = dt::DecodeDate(TDateTime { n });
        ASSERT_TRUE(decoded) << n;
        ASSERT_EQ(std::tie(decoded->Year, decoded->Month, decoded->Day),
            std::tie(expected.Year, expected.Month, expected.Day))
            << n;
        ASSERT_EQ(Day(expected.Year, expected.Month, expected.Day).value, n);
        expected = NextDay(expected);
    }
}

TEST(Calendar, DayZeroIsTheThirtiethOfDecember1899)
{
    EXPECT_EQ(Day(1899, 12, 30).value, 0.0);
    EXPECT_EQ(Day(1899, 12, 31).value, 1.0);
    EXPECT_EQ(Day(1900, 1, 1).value, 2.0);
    const auto zero = dt::DecodeDate(TDateTime {});
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->Year, 1899);
    EXPECT_EQ(zero->Month, 12);
    EXPECT_EQ(zero->Day, 30);
    EXPECT_EQ(*dt::DayOfWeek(TDateTime {}), 7) << "a Saturday";
    EXPECT_EQ(*dt::DayOfWeek(Day(1998, 11, 15)), 1) << "a Sunday";
    EXPECT_EQ(*dt::DayOfWeek(Day(2024, 1, 1)), 2) << "a Monday";
}

TEST(Calendar, LeapYearsFollowTheGregorianRule)
{
    EXPECT_FALSE(dt::IsLeapYear(1900));
    EXPECT_TRUE(dt::IsLeapYear(2000));
    EXPECT_TRUE(dt::IsLeapYear(2024));
    EXPECT_FALSE(dt::IsLeapYear(2100));
    EXPECT_FALSE(dt::EncodeDate(1900, 2, 29));
    EXPECT_FALSE(dt::EncodeDate(2023, 2, 29));
    EXPECT_TRUE(dt::EncodeDate(2000, 2, 29));
    EXPECT_TRUE(dt::EncodeDate(2024, 2, 29));
    // 1900 had no 29 February, so its first of March is the day after the 28th.
    EXPECT_EQ(Day(1900, 3, 1).value - Day(1900, 2, 28).value, 1.0);
    EXPECT_EQ(Day(2000, 3, 1).value - Day(2000, 2, 28).value, 2.0);
    EXPECT_EQ(Day(2024, 3, 1).value - Day(2024, 2, 28).value, 2.0);
    ExpectConsecutiveDays(1899, 1901);
    ExpectConsecutiveDays(1999, 2001);
    ExpectConsecutiveDays(2023, 2025);
    ExpectConsecutiveDays(2099, 2100);
}

TEST(Calendar, DatesRunFromYearOneToYear9999)
{
    ExpectConsecutiveDays(1, 2);
    ExpectConsecutiveDays(9998, 9999);
    const TDateTime first = Day(1, 1, 1);
    const TDateTime last = Day(9999, 12, 31);
    EXPECT_EQ(*dt::DayOfWeek(first), 2) << "a Monday";
    EXPECT_FALSE(dt::EncodeDate(0, 12, 31));
    EXPECT_FALSE(dt::EncodeDate(10000, 1, 1));
    EXPECT_FALSE(dt::DecodeDate(TDateTime { first.value - 1 }));
    EXPECT_FALSE(dt::DecodeDate(TDateTime { last.value + 1 }));
    // Noon of the first and of the last day still belongs to them.
    EXPECT_EQ(dt::DecodeDate(TDateTime { first.value - 0.5 })->Year, 1);
    EXPECT_EQ(dt::DecodeTime(TDateTime { first.value - 0.5 })->Hour, 12);
    EXPECT_EQ(dt::DecodeDate(TDateTime { last.value + 0.5 })->Year, 9999);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double outside : { nan, std::numeric_limits<double>::infinity(), -1e300, 1e300 }) {
        EXPECT_FALSE(dt::HasCalendarDate(TDateTime { outside })) << outside;
        EXPECT_FALSE(dt::DecodeTime(TDateTime { outside })) << outside;
        EXPECT_FALSE(dt::DayOfWeek(TDateTime { outside })) << outside;
        EXPECT_THROW(dt::DecodeDateTime(TDateTime { outside }), dt::EConvertError) << outside;
    }
}

TEST(Calendar, InvalidPartsEncodeToNothing)
{
    for (auto [y, m, d] : { std::tuple { 2024, 0, 1 }, { 2024, 13, 1 }, { 2024, 4, 31 }, { 2024, 1, 0 }, { -5, 1, 1 } })
        EXPECT_FALSE(dt::EncodeDate(y, m, d)) << y << "-" << m << "-" << d;
    EXPECT_EQ(dt::DaysInMonth(2024, 13), 0);
    EXPECT_FALSE(dt::EncodeTime(24, 0, 0, 0));
    EXPECT_FALSE(dt::EncodeTime(0, 60, 0, 0));
    EXPECT_FALSE(dt::EncodeTime(0, 0, 60, 0));
    EXPECT_FALSE(dt::EncodeTime(0, 0, 0, 1000));
    EXPECT_FALSE(dt::EncodeTime(-1, 0, 0, 0));
    EXPECT_FALSE(dt::EncodeDateTime({ 2023, 2, 29 }, { 12, 0, 0, 0 }));
    EXPECT_EQ(dt::EncodeTime(12, 0, 0, 0)->value, 0.5);
    EXPECT_EQ(dt::EncodeTime(6, 0, 0, 0)->value, 0.25);
}

TEST(Calendar, DaysBeforeDayZeroCountBackWhileTheFractionStaysTheTimeOfDay)
{
    EXPECT_EQ(At(1899, 12, 29, 18, 0).value, -1.75);
    EXPECT_EQ(dt::DecodeDate(TDateTime { -1.5 })->Day, 29);
    EXPECT_EQ(dt::DecodeTime(TDateTime { -1.5 })->Hour, 12);
    EXPECT_EQ(*dt::DayOfWeek(TDateTime { -1.5 }), 6) << "a Friday";
    // Between -1 and 0 lies day 0 itself, read from its time of day.
    EXPECT_EQ(dt::DecodeDate(TDateTime { -0.25 })->Day, 30);
    EXPECT_EQ(dt::DecodeTime(TDateTime { -0.25 })->Hour, 6);
    // A time joined to an early date counts away from day 0 as well.
    const TDateTime noon = dt::CombineDateTime(Day(1850, 1, 1), *dt::EncodeTime(12, 30, 0, 0));
    EXPECT_EQ(dt::DecodeDate(noon)->Year, 1850);
    EXPECT_EQ(dt::DecodeDate(noon)->Day, 1);
    EXPECT_EQ(dt::DecodeTime(noon)->Minute, 30);
    EXPECT_EQ(noon, At(1850, 1, 1, 12, 30));
    // Joining takes only the time of day of the second moment, whatever its day.
    EXPECT_DOUBLE_EQ(dt::CombineDateTime(Day(2000, 1, 1), At(1850, 1, 1, 12, 30)).value, At(2000, 1, 1, 12, 30).value);
}

TEST(Calendar, TimeDecodesToTheMillisecondAndNeverIntoTheNextDay)
{
    const TDateTime moment = At(2024, 12, 31, 23, 59, 58, 250);
    const auto time = dt::DecodeTime(moment);
    EXPECT_EQ(time->Hour, 23);
    EXPECT_EQ(time->Minute, 59);
    EXPECT_EQ(time->Second, 58);
    EXPECT_EQ(time->Millisecond, 250);
    const TDateTime lastInstant { std::nextafter(Day(2025, 1, 1).value, 0.0) };
    EXPECT_EQ(dt::DecodeDate(lastInstant)->Day, 31);
    EXPECT_EQ(dt::DecodeTime(lastInstant)->Hour, 23);
    EXPECT_EQ(dt::DecodeTime(lastInstant)->Millisecond, 999);
    const auto [date, clock] = dt::DecodeDateTime(moment);
    EXPECT_EQ(date.Year, 2024);
    EXPECT_EQ(clock.Millisecond, 250);
}

TEST(Calendar, UnixTimeCountsFromTheFirstOfJanuary1970)
{
    constexpr double kDay = 86400.0;
    EXPECT_EQ(dt::UnixTimeToDateTime(0), Day(1970, 1, 1));
    const double daysTo2024 = Day(2024, 1, 1).value - Day(1970, 1, 1).value;
    EXPECT_DOUBLE_EQ(dt::UnixTimeToDateTime(daysTo2024 * kDay + 3661.5).value, At(2024, 1, 1, 1, 1, 1, 500).value);
    // Before day 0 the time of day still reads as it did on the clock.
    const double daysTo1899 = Day(1899, 12, 29).value - Day(1970, 1, 1).value;
    EXPECT_DOUBLE_EQ(dt::UnixTimeToDateTime(daysTo1899 * kDay + 6 * 3600).value, At(1899, 12, 29, 6, 0).value);
}

TEST(Calendar, TodayIsNowWithoutItsTimeOfDay)
{
    const TDateTime before = dt::Date();
    const TDateTime now = dt::Now();
    const TDateTime after = dt::Date();
    ASSERT_TRUE(dt::HasCalendarDate(now));
    EXPECT_EQ(before.value, std::trunc(before.value));
    EXPECT_TRUE(std::trunc(now.value) == before.value || std::trunc(now.value) == after.value);
}

} // namespace
