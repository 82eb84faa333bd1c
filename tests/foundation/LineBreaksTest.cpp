#include "platform/text/LineBreaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Splits a text the way every caller walks it: find a break, skip it.
std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text::FindLineBreak(text, start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + text::LineBreakLength(text, end);
    }
}

TEST(LineBreaks, CarriageReturnLineFeedAndTheirPairEachEndOneLine)
{
    EXPECT_EQ(Lines("a\r\nb\nc\rd"), (std::vector<std::string> { "a", "b", "c", "d" }));
    EXPECT_EQ(Lines("笔记\r\n内容"), (std::vector<std::string> { "笔记", "内容" }));
}

TEST(LineBreaks, ALineFeedBeforeACarriageReturnIsTwoBreaksAndEmptyLinesAreKept)
{
    EXPECT_EQ(Lines("a\n\rb"), (std::vector<std::string> { "a", "", "b" }));
    EXPECT_EQ(Lines("\r\n\r\n"), (std::vector<std::string> { "", "", "" }));
    EXPECT_EQ(Lines("a\r"), (std::vector<std::string> { "a", "" }));
}

TEST(LineBreaks, TheSearchStartsWhereItIsToldAndFindsNothingInAPlainLine)
{
    EXPECT_EQ(text::FindLineBreak("ab\ncd\nef", 3), 5u);
    EXPECT_EQ(text::FindLineBreak("ab\ncd", 3), std::string_view::npos);
    EXPECT_EQ(text::FindLineBreak("", 0), std::string_view::npos);
    EXPECT_EQ(text::FindLineBreak("abc", 7), std::string_view::npos);
    // A lone carriage return at the very end takes one byte, not two.
    EXPECT_EQ(text::LineBreakLength("x\r", 1), 1u);
}

// The scan reads eight bytes at a time: a break must be found at every place
// in and across those words, next to bytes that differ from CR and LF in a
// single bit, and a text of every other byte value holds none.
TEST(LineBreaks, ABreakIsFoundAtEveryPlaceAmongBytesThatNearlyMatch)
{
    std::string near;
    for (char c : { '\x0B', '\x0C', '\x0E', '\x0F', '\x08', '\x8A', '\x8D', '\x1D', '\x1A', '\x09' })
        near += std::string(5, c);
    for (char breakChar : { '\r', '\n' })
        for (std::size_t at = 0; at < near.size(); ++at) {
            std::string text = near;
            text[at] = breakChar;
            for (std::size_t from = 0; from <= at; from += 3)
                ASSERT_EQ(text::FindLineBreak(text, from), at) << "break at " << at << " from " << from;
            ASSERT_EQ(text::FindLineBreak(text, at + 1), std::string_view::npos);
        }
    std::string others;
    for (int value = 0; value < 256; ++value)
        if (value != '\r' && value != '\n')
            others += static_cast<char>(value);
    EXPECT_EQ(text::FindLineBreak(others + others), std::string_view::npos);
    EXPECT_EQ(text::FindLineBreak(others + "\n" + others), others.size());
}

} // namespace
