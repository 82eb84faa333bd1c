#include "platform/text/IntegerText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(IntegerText, TakesSignedNumbersWithBlanksAround)
{
    EXPECT_EQ(text::ParseInteger("42"), 42);
    EXPECT_EQ(text::ParseInteger("  -7\t"), -7);
    EXPECT_EQ(text::ParseInteger("+3"), 3);
    EXPECT_EQ(text::ParseInteger("007"), 7);
    EXPECT_EQ(text::ParseInteger(std::to_string(INT_MAX)), INT_MAX);
    EXPECT_EQ(text::ParseInteger(std::to_string(INT_MIN)), INT_MIN);
}

TEST(IntegerText, RefusesEverythingElse)
{
    for (const char* bad : { "", "  ", "+", "-", "+-1", "--1", "1 2", "1a", "a1", "1.5", "0x10", "2147483648",
             "-2147483649", "１" })
        EXPECT_EQ(text::ParseInteger(bad), std::nullopt) << bad;
}

} // namespace
