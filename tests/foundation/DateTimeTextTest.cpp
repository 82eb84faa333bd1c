#include "platform/time/Calendar.h"
#include "platform/time/DateTimeFormat.h"
#include "platform/time/DateTimeParse.h"
#include "platform/time/EConvertError.h"
#include "platform/time/IsoDateTimeText.h"

#include <gtest/gtest.h>

namespace {

using dt::TDateTime;

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    return *dt::EncodeDateTime({ year, month, day }, { hour, minute, second, ms });
}

// The fixed set the report engine prints with.
const dt::TFormatSettings kFixed;

TEST(DateTimeFormat, WritesEveryPatternLetter)
{
    const TDateTime t = At(1998, 11, 5, 14, 3, 9, 45);
    auto format = [&](std::string_view pattern) { return dt::FormatDateTime(pattern, t, kFixed); };
    EXPECT_EQ(format("d dd ddd dddd"), "5 05 Thu Thursday");
    EXPECT_EQ(format("m mm mmm mmmm"), "11 11 Nov November");
    EXPECT_EQ(format("yy yyyy"), "98 1998");
    EXPECT_EQ(format("h hh n nn s ss z zzz"), "14 14 3 03 9 09 45 045");
    EXPECT_EQ(format("hh:mm"), "14:03") << "m after an hour is minutes";
    EXPECT_EQ(format("h:nn am/pm"), "2:03 pm");
    EXPECT_EQ(dt::FormatDateTime("h:nn AMPM", At(2000, 1, 1, 0, 30), kFixed), "12:30 AM");
    EXPECT_EQ(format("yyyy/mm/dd"), "1998-11-05") << "/ is the date separator";
    EXPECT_EQ(format("'d is' d \"of\" mmmm"), "d is 5 of November");
    EXPECT_EQ(format("ddddd"), "1998-11-05");
    EXPECT_EQ(format("dddddd"), "5 November 1998");
    EXPECT_EQ(format("c"), "1998-11-05 14:03:09");
    EXPECT_EQ(format(""), "1998-11-05 14:03:09");
    EXPECT_EQ(dt::FormatDateTime("c", At(1998, 11, 5), kFixed), "1998-11-05");
    EXPECT_EQ(format("t | tt"), "14:03 | 14:03:09");
    EXPECT_EQ(format("yyyy年m月d日"), "1998年11月5日");
}

TEST(DateTimeFormat, WritesTheCalendarsEdgesAndRefusesMomentsWithoutADate)
{
    EXPECT_EQ(dt::FormatDateTime("yyyy-mm-dd hh:nn dddd", TDateTime { -1.5 }, kFixed), "1899-12-29 12:00 Friday");
    EXPECT_EQ(dt::FormatDateTime("yyyy-mm-dd", At(1, 1, 1), kFixed), "0001-01-01");
    EXPECT_EQ(dt::FormatDateTime("yyyy-mm-dd", At(9999, 12, 31), kFixed), "9999-12-31");
    EXPECT_THROW(dt::FormatDateTime("yyyy", TDateTime { 1e300 }, kFixed), dt::EConvertError);
    EXPECT_THROW(dt::DateToStr(TDateTime { At(1, 1, 1).value - 1 }), dt::EConvertError);
}

TEST(DateTimeFormat, DesktopTextsUseTheDesktopShortDateAndLongTime)
{
    const TDateTime t = At(2007, 3, 9, 8, 5, 7);
    EXPECT_EQ(dt::DateToStr(t), "2007-3-9");
    EXPECT_EQ(dt::TimeToStr(t), "8:05:07");
    EXPECT_EQ(dt::DateTimeToStr(t), "2007-3-9 8:05:07");
    EXPECT_EQ(dt::DateTimeToStr(At(2007, 3, 9)), "2007-3-9 0:00:00") << "midnight keeps its time";
    EXPECT_EQ(dt::FormatDateTime("yyyy/mm/dd hh:nn", t), "2007-03-09 08:05");
    EXPECT_EQ(dt::FormatDateTime("yy-m-d h:mm", t), "07-3-9 8:05");
}

TEST(DateTimeParse, ReadsDatesInTheOrderOfTheShortDateFormat)
{
    EXPECT_EQ(dt::ParseDate("1998-11-15", kFixed), At(1998, 11, 15));
    EXPECT_EQ(dt::ParseDate("1998/11/15 14:30", kFixed), At(1998, 11, 15, 14, 30));
    dt::TFormatSettings dayFirst;
    dayFirst.ShortDateFormat = "dd.mm.yyyy";
    EXPECT_EQ(dt::ParseDate("15.11.1998", dayFirst), At(1998, 11, 15));
    EXPECT_EQ(dt::ParseDate("15.11.49", dayFirst), At(2049, 11, 15));
    EXPECT_EQ(dt::ParseDate("15.11.50", dayFirst), At(1950, 11, 15));
    EXPECT_EQ(dt::DecodeDate(*dt::ParseDate("15.11", dayFirst))->Year, dt::DecodeDate(dt::Now())->Year);
    EXPECT_FALSE(dt::ParseDate("31.02.1998", dayFirst));
    EXPECT_FALSE(dt::ParseDate("hello", kFixed));
    EXPECT_FALSE(dt::ParseDate("1998-11-15 xx", kFixed));
    EXPECT_FALSE(dt::ParseDate("123456-1-1", kFixed));
    // A time on a day before 1899-12-30 stays on that day.
    EXPECT_EQ(dt::ParseDate("1850-01-01 12:00", kFixed), At(1850, 1, 1, 12, 0));
}

TEST(DateTimeParse, ReadsTimesWithAndWithoutAnAmPmMark)
{
    EXPECT_EQ(dt::ParseTime("23:59:59", kFixed), At(1899, 12, 30, 23, 59, 59));
    EXPECT_EQ(dt::ParseTime("2:43 PM", kFixed), At(1899, 12, 30, 14, 43));
    EXPECT_EQ(dt::ParseTime("12:00 am", kFixed), TDateTime {});
    EXPECT_FALSE(dt::ParseTime("13:00 pm", kFixed));
    EXPECT_FALSE(dt::ParseTime("1:2:3:4", kFixed));
    EXPECT_FALSE(dt::ParseTime("24:00", kFixed));
    EXPECT_FALSE(dt::ParseTime("", kFixed));
}

TEST(DateTimeParse, ReadsBackWhatTheShortDateAndLongTimeWrite)
{
    dt::TFormatSettings dayFirst;
    dayFirst.ShortDateFormat = "d/m/yyyy";
    dayFirst.DateSeparator = '.';
    const dt::TFormatSettings* const settingsToTry[] = { &kFixed, &dt::FormatSettings, &dayFirst };
    for (const dt::TFormatSettings* settings : settingsToTry) {
        for (TDateTime moment : { At(100, 3, 1, 0, 0, 1), At(1899, 12, 29, 18, 30), At(2024, 2, 29, 23, 59, 59),
                 At(9999, 12, 31, 12, 0) }) {
            const std::string text = dt::FormatDateTime("ddddd tt", moment, *settings);
            EXPECT_EQ(dt::ParseDate(text, *settings), moment) << text;
        }
    }
}

TEST(IsoDateTimeText, WritesTheTextOtherSqliteToolsReadAndReadsItBack)
{
    const TDateTime moment = At(2024, 2, 29, 23, 5, 9);
    EXPECT_EQ(dt::DateTimeToIsoText(moment), "2024-02-29 23:05:09");
    EXPECT_EQ(dt::IsoTextToDateTime("2024-02-29 23:05:09"), moment);
    EXPECT_EQ(dt::DateTimeToIsoText(TDateTime {}), "1899-12-30 00:00:00");
    EXPECT_EQ(dt::DateTimeToIsoText(TDateTime { -1.25 }), "1899-12-29 06:00:00");
    EXPECT_EQ(dt::DateTimeToIsoText(At(1, 1, 1)), "0001-01-01 00:00:00");
    EXPECT_EQ(dt::DateTimeToIsoText(At(9999, 12, 31, 23, 59, 59, 999)), "9999-12-31 23:59:59");
    // Milliseconds are dropped, never rounded into the next second.
    EXPECT_EQ(dt::DateTimeToIsoText(At(2024, 12, 31, 23, 59, 59, 700)), "2024-12-31 23:59:59");
    EXPECT_THROW(dt::DateTimeToIsoText(TDateTime { 1e300 }), dt::EConvertError);
    for (const char* text : { "0001-01-01 00:00:00", "1850-06-15 13:45:00", "1899-12-29 23:59:59",
             "1970-01-01 00:00:00", "2000-02-29 12:00:00", "9999-12-31 23:59:59" })
        EXPECT_EQ(dt::DateTimeToIsoText(*dt::IsoTextToDateTime(text)), text);
}

TEST(IsoDateTimeText, ReadsTheFormsSqliteDateFunctionsWrite)
{
    EXPECT_EQ(dt::IsoTextToDateTime("2024-02-29"), At(2024, 2, 29));
    EXPECT_EQ(dt::IsoTextToDateTime("2024-02-29T08:30"), At(2024, 2, 29, 8, 30));
    EXPECT_EQ(dt::IsoTextToDateTime("2024-02-29 08:30:15.250"), At(2024, 2, 29, 8, 30, 15));
}

TEST(IsoDateTimeText, RefusesTextThatIsNoMoment)
{
    for (const char* text : { "", "2023-02-29", "1900-02-29", "2024-13-01", "2024-01-01 24:00:00",
             "2024-01-01 10:60", "2024-1-1", "2024-01-01 10:00:00.", "2024-01-01x", "yesterday", "0000-01-01",
             "-001-01-01", "2024--1-01", "2024-01-01 -1:00" })
        EXPECT_FALSE(dt::IsoTextToDateTime(text)) << text;
}

} // namespace
