#include "platform/data/TDateTime.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

db::TDateTime Moment(int y, unsigned m, unsigned d, int hh, int mm, int ss)
{
    return local_days { year { y } / month { m } / day { d } } + hours { hh } + minutes { mm } + seconds { ss };
}

TEST(DateTime, WritesTheTextOtherSqliteToolsReadAndReadsItBack)
{
    const auto moment = Moment(2024, 2, 29, 23, 5, 9);
    EXPECT_EQ(db::DateTimeToText(moment), "2024-02-29 23:05:09");
    EXPECT_EQ(db::TextToDateTime("2024-02-29 23:05:09"), moment);
    EXPECT_EQ(db::DateTimeToText(db::ZeroDateTime()), "1899-12-30 00:00:00");
}

TEST(DateTime, ReadsTheFormsSqliteDateFunctionsWrite)
{
    EXPECT_EQ(db::TextToDateTime("2024-02-29"), Moment(2024, 2, 29, 0, 0, 0));
    EXPECT_EQ(db::TextToDateTime("2024-02-29T08:30"), Moment(2024, 2, 29, 8, 30, 0));
    EXPECT_EQ(db::TextToDateTime("2024-02-29 08:30:15.250"), Moment(2024, 2, 29, 8, 30, 15));
}

TEST(DateTime, RefusesTextThatIsNoMoment)
{
    for (const char* text : { "", "2023-02-29", "2024-13-01", "2024-01-01 24:00:00", "2024-01-01 10:60",
             "2024-1-1", "2024-01-01 10:00:00.", "2024-01-01x", "yesterday" })
        EXPECT_FALSE(db::TextToDateTime(text)) << text;
}

TEST(DateTime, NowIsTheLocalClockToTheSecond)
{
    const auto now = db::Now();
    EXPECT_EQ(db::TextToDateTime(db::DateTimeToText(now)), now);
    EXPECT_GT(now, Moment(2020, 1, 1, 0, 0, 0));
}

} // namespace
