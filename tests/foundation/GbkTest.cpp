#include "platform/text/Gbk.h"

#include <gtest/gtest.h>

namespace {

TEST(Gbk, ConvertsChineseBothWays)
{
    const std::string gbk = "\xC0\xE0\xB1\xF0"; // 类别
    EXPECT_EQ(text::GbkToUtf8(gbk), "类别");
    EXPECT_EQ(text::Utf8ToGbk("类别"), gbk);
    EXPECT_EQ(text::GbkToUtf8("abc"), "abc");
}

TEST(Gbk, ReplacesWhatCannotBeConvertedInsteadOfFailing)
{
    EXPECT_EQ(text::GbkToUtf8("a\xFF"), "a\xEF\xBF\xBD");
    EXPECT_EQ(text::Utf8ToGbk("a\xF0\x9F\x98\x80z"), "a?z"); // an emoji has no GBK form
}

// A cut-off character must not take the text after it along.
TEST(Gbk, KeepsWhatFollowsADamagedUtf8Byte)
{
    EXPECT_EQ(text::Utf8ToGbk("a\xE6\x88z类"), "a??z\xC0\xE0");
    EXPECT_EQ(text::Utf8ToGbk("\xE4\xB8"), "??");
    EXPECT_EQ(text::Utf8ToGbk("\x80\x80" "b"), "??b");
}

} // namespace
