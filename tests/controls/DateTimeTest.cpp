#include "platform/controls/DateTime.h"

#include <gtest/gtest.h>

using namespace ctl;

TEST(DateTime, DayCountStartsAtTheEndOf1899)
{
    EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDate(2000, 2, 29), 36585.0);
    const TDateParts p = DecodeDateTime(EncodeDateTime({ 2024, 12, 31, 23, 59, 58, 0 }));
    EXPECT_EQ(p.Year, 2024);
    EXPECT_EQ(p.Month, 12);
    EXPECT_EQ(p.Day, 31);
    EXPECT_EQ(p.Hour, 23);
    EXPECT_EQ(p.Minute, 59);
    EXPECT_EQ(p.Second, 58);
}

TEST(DateTime, FormatsUseTheDesktopDateAndTimePatterns)
{
    const TDateTime t = EncodeDateTime({ 2007, 3, 9, 8, 5, 7, 0 });
    EXPECT_EQ(DateToStr(t), "2007-3-9");
    EXPECT_EQ(TimeToStr(t), "8:05:07");
    EXPECT_EQ(DateTimeToStr(t), "2007-3-9 8:05:07");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2007, 3, 9)), "2007-3-9 0:00:00");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", t), "2007/03/09 08:05");
    EXPECT_EQ(FormatDateTime("yy-m-d h:mm", t), "07-3-9 8:05");
}
