#include "report/expr/DateFormat.h"
#include "report/expr/DateTime.h"
#include "report/expr/ExprError.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0, int ms = 0)
{
    return TDateTime { EncodeDate(y, m, d)->value + EncodeTime(h, n, s, ms)->value };
}

TEST(FormatDateTest, DayCountsFromTheEpoch)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30)->value, 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1)->value, 2.0);
    EXPECT_EQ(EncodeDate(1998, 11, 15)->value, 36114.0);
    EXPECT_EQ(EncodeDate(2000, 2, 29)->value, 36585.0);
    EXPECT_FALSE(EncodeDate(1900, 2, 29).has_value());
    EXPECT_FALSE(EncodeDate(10000, 1, 1).has_value());
    auto parts = DecodeDate(TDateTime { -1.5 });
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->day, 29);
    EXPECT_EQ(DecodeTime(TDateTime { -1.5 })->hour, 12);
    EXPECT_FALSE(DecodeDate(TDateTime { 1e300 }).has_value());
    EXPECT_EQ(*DayOfWeek(*EncodeDate(1998, 11, 15)), 1) << "a Sunday";
}

TEST(FormatDateTest, FormatTokens)
{
    TDateTime t = At(1998, 11, 5, 14, 3, 9, 45);
    EXPECT_EQ(FormatDateTime("d dd ddd dddd", t), "5 05 Thu Thursday");
    EXPECT_EQ(FormatDateTime("m mm mmm mmmm", t), "11 11 Nov November");
    EXPECT_EQ(FormatDateTime("yy yyyy", t), "98 1998");
    EXPECT_EQ(FormatDateTime("h hh n nn s ss z zzz", t), "14 14 3 03 9 09 45 045");
    EXPECT_EQ(FormatDateTime("hh:mm", t), "14:03") << "m after an hour is minutes";
    EXPECT_EQ(FormatDateTime("h:nn am/pm", t), "2:03 pm");
    EXPECT_EQ(FormatDateTime("h:nn AMPM", At(2000, 1, 1, 0, 30)), "12:30 AM");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", t), "1998-11-05");
    EXPECT_EQ(FormatDateTime("'d is' d \"of\" mmmm", t), "d is 5 of November");
    EXPECT_EQ(FormatDateTime("ddddd", t), "1998-11-05");
    EXPECT_EQ(FormatDateTime("dddddd", t), "5 November 1998");
    EXPECT_EQ(FormatDateTime("c", t), "1998-11-05 14:03:09");
    EXPECT_EQ(FormatDateTime("c", At(1998, 11, 5)), "1998-11-05");
    EXPECT_EQ(FormatDateTime("t | tt", t), "14:03 | 14:03:09");
    EXPECT_EQ(FormatDateTime("yyyy年m月d日", t), "1998年11月5日");
    EXPECT_THROW(FormatDateTime("yyyy", TDateTime { 1e300 }), ExprError);
    EXPECT_EQ(DateTimeToText(TDateTime { 1e300 }), "1E300");
}

TEST(FormatDateTest, ParsesInShortDateOrder)
{
    EXPECT_EQ(ParseDate("1998-11-15")->value, 36114.0);
    EXPECT_EQ(ParseDate("1998/11/15 14:30")->value, At(1998, 11, 15, 14, 30).value);
    TfrFormatSettings dayFirst;
    dayFirst.ShortDateFormat = "dd.mm.yyyy";
    EXPECT_EQ(ParseDate("15.11.1998", dayFirst)->value, 36114.0);
    EXPECT_EQ(ParseDate("15.11.49", dayFirst)->value, EncodeDate(2049, 11, 15)->value);
    EXPECT_EQ(ParseDate("15.11.50", dayFirst)->value, EncodeDate(1950, 11, 15)->value);
    EXPECT_FALSE(ParseDate("31.02.1998", dayFirst).has_value());
    EXPECT_FALSE(ParseDate("hello").has_value());
    EXPECT_FALSE(ParseDate("1998-11-15 xx").has_value());
    EXPECT_EQ(ParseTime("23:59:59")->value, At(1899, 12, 30, 23, 59, 59).value);
    EXPECT_EQ(ParseTime("12:00 am")->value, 0.0);
    EXPECT_FALSE(ParseTime("13:00 pm").has_value());
    EXPECT_FALSE(ParseTime("1:2:3:4").has_value());
}

} // namespace
