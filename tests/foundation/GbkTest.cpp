#include "platform/text/Gbk.h"
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

#include <iconv.h>

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

// The system's converter on one character, as a reference: its GBK bytes,
// or "?" when it has none.
std::string SystemGbk(const std::string& utf8)
{
    iconv_t handle = iconv_open("GBK", "UTF-8");
    char out[16];
    char* in = const_cast<char*>(utf8.data());
    char* to = out;
    size_t in_left = utf8.size();
    size_t out_left = sizeof out;
    size_t result = iconv(handle, &in, &in_left, &to, &out_left);
    iconv_close(handle);
    return result == static_cast<size_t>(-1) ? "?" : std::string(out, static_cast<size_t>(to - out));
}

// Characters are looked up once and then read from a table: the first and
// every later conversion of each must give the system converter's bytes.
TEST(Gbk, EveryCharacterConvertsAsTheSystemConverterDoesEachTime)
{
    iconv_t handle = iconv_open("GBK", "UTF-8");
    ASSERT_NE(handle, reinterpret_cast<iconv_t>(-1));
    iconv_close(handle);
    std::string all;
    std::string expected;
    int differing = 0;
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        std::string utf8 = text::EncodeUtf8(c);
        std::string reference = SystemGbk(utf8);
        if (text::Utf8ToGbk(utf8) != reference || text::Utf8ToGbk(utf8) != reference)
            ++differing;
        all += utf8 + "a";
        expected += reference + "a";
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(text::Utf8ToGbk(all), expected) << "a long text is its characters converted one by one";
}

} // namespace
