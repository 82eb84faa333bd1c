#include "platform/graphics/TextFormat.h"
#include "platform/graphics/TextLayout.h"
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

namespace gfx::textlayout {
namespace {

// Every character is 10 pixels wide (CJK characters 20) in these tests.
int FakeWidth(std::string_view s)
{
    int width = 0;
    for (std::size_t i = 0; i < s.size(); i += text::Utf8CharLength(s, i))
        width += text::Utf8CharLength(s, i) > 1 ? 20 : 10;
    return width;
}

std::vector<std::string> Texts(const std::vector<Line>& lines)
{
    std::vector<std::string> out;
    for (const Line& l : lines)
        out.push_back(l.Text);
    return out;
}

using Strings = std::vector<std::string>;

TEST(TextLayout, WordBreakWrapsAtSpacesAndDropsThem)
{
    auto lines = Layout("aaa bbb ccc dd", DT_WORDBREAK, 75, FakeWidth);
    EXPECT_EQ(Texts(lines), (Strings { "aaa bbb", "ccc dd" }));
    EXPECT_EQ(lines[0].Width, 70);
}

TEST(TextLayout, AWordWiderThanTheLineStaysWhole)
{
    EXPECT_EQ(Texts(Layout("a verylongword b", DT_WORDBREAK, 45, FakeWidth)), (Strings { "a", "verylongword", "b" }));
}

TEST(TextLayout, ChineseBreaksBetweenCharacters)
{
    auto lines = Layout("笔记管理abc类别", DT_WORDBREAK, 60, FakeWidth);
    EXPECT_EQ(Texts(lines), (Strings { "笔记管", "理abc", "类别" }));
    for (const Line& l : lines)
        EXPECT_LE(l.Width, 60);
}

TEST(TextLayout, LineBreaksSplitUnlessSingleLine)
{
    EXPECT_EQ(Texts(Layout("one\r\ntwo\nthree\rfour", 0, 1000, FakeWidth)), (Strings { "one", "two", "three", "four" }));
    EXPECT_EQ(Texts(Layout("one\ntwo", DT_SINGLELINE | DT_WORDBREAK, 10, FakeWidth)), (Strings { "one two" }));
    EXPECT_EQ(Texts(Layout("a\n\nb", 0, 100, FakeWidth)), (Strings { "a", "", "b" }));
    EXPECT_EQ(Layout("", DT_WORDBREAK, 100, FakeWidth).size(), 1u);
}

TEST(TextLayout, EndEllipsisCutsTooLongLines)
{
    auto lines = Layout("abcdefghij", DT_SINGLELINE | DT_END_ELLIPSIS, 65, FakeWidth);
    EXPECT_EQ(Texts(lines), (Strings { "abc..." }));
    EXPECT_EQ(lines[0].Width, 60);
    EXPECT_EQ(Texts(Layout("abcdef", DT_SINGLELINE | DT_END_ELLIPSIS, 60, FakeWidth)), (Strings { "abcdef" }));
    EXPECT_EQ(Texts(Layout("类别管理", DT_SINGLELINE | DT_END_ELLIPSIS, 60, FakeWidth)), (Strings { "类..." }));
    EXPECT_EQ(Texts(Layout("abcdef", DT_SINGLELINE | DT_END_ELLIPSIS, 5, FakeWidth)), (Strings { "..." }));
}

TEST(TextLayout, PrefixesMarkUnderlinedCharacters)
{
    auto lines = Layout("&File && E&xit", DT_SINGLELINE, 1000, FakeWidth);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Text, "File & Exit");
    EXPECT_EQ(lines[0].Underlined, (std::vector<std::size_t> { 0, 8 }));
    lines = Layout("&File", DT_SINGLELINE | DT_NOPREFIX, 1000, FakeWidth);
    EXPECT_EQ(lines[0].Text, "&File");
    EXPECT_TRUE(lines[0].Underlined.empty());
    lines = Layout("&File", DT_SINGLELINE | DT_HIDEPREFIX, 1000, FakeWidth);
    EXPECT_EQ(lines[0].Text, "File");
    EXPECT_TRUE(lines[0].Underlined.empty());
    // A trailing "&" marks nothing; a prefix keeps its place in a wrapped line.
    EXPECT_EQ(StripPrefixes("ab&").Text, "ab");
    lines = Layout("aa b&b", DT_WORDBREAK, 30, FakeWidth);
    EXPECT_EQ(Texts(lines), (Strings { "aa", "bb" }));
    EXPECT_EQ(lines[1].Underlined, (std::vector<std::size_t> { 1 }));
}

TEST(TextLayout, BrokenUtf8IsTakenByteByByte)
{
    std::string broken = "a\xE4\xB8z";
    auto lines = Layout(broken, DT_WORDBREAK, 1000, FakeWidth);
    EXPECT_EQ(lines[0].Text, broken);
}

} // namespace
} // namespace gfx::textlayout
