// The value encodings of template streams: counted strings, line lists and
// their legacy forms, word booleans, frame widths and end offsets.
#include "report/template/TemplateStream.h"

#include <gtest/gtest.h>

namespace report {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList Written(const std::function<void(TemplateWriter&)>& write)
{
    io::ByteWriter out;
    TemplateWriter writer(out);
    write(writer);
    return out.Take();
}

TEST(TemplateStream, LineListsCountTheirLinesAndEndWithAZeroSeparator)
{
    EXPECT_EQ(Written([](TemplateWriter& w) { w.Lines({}); }), (ByteList { 0, 0, 0 }));
    EXPECT_EQ(Written([](TemplateWriter& w) { w.Lines({ "ab", "c" }); }),
              (ByteList { 2, 0, 2, 0, 'a', 'b', 13, 1, 0, 'c', 0 }));
    EXPECT_EQ(Written([](TemplateWriter& w) { w.Lines({ "" }); }), (ByteList { 1, 0, 0, 0, 0 }));
}

TEST(TemplateStream, TheReaderFollowsSeparatorsNotTheLineCount)
{
    ByteList bytes { 1, 0, 1, 0, 'a', 13, 1, 0, 'b', 0, 0, 0, 7 };
    TemplateReader reader(bytes);
    EXPECT_EQ(reader.LineList(), (std::vector<std::string> { "a", "b" }));
    EXPECT_EQ(reader.LineList(), std::vector<std::string> {});
    EXPECT_EQ(reader.Bytes().Remaining(), 0u);
}

TEST(TemplateStream, TextIsGbkInTheStreamAndUtf8InMemory)
{
    auto bytes = Written([](TemplateWriter& w) { w.String("类别"); });
    EXPECT_EQ(bytes, (ByteList { 4, 0, 0xC0, 0xE0, 0xB1, 0xF0, 0 }));
    TemplateReader reader(bytes);
    EXPECT_EQ(reader.CountedString(), "类别");
}

TEST(TemplateStream, BelowVersion23StringsAndLinesAreZeroTerminated)
{
    ByteList bytes { 0xC0, 0xE0, 'x', 0, 'a', 13, 13, 'b', 13, 0, 0 };
    TemplateReader reader(bytes);
    reader.SetVersion(22);
    EXPECT_EQ(reader.String(), "类x");
    // An empty line between two separators is kept; the text after the last
    // separator is added only when it is not empty.
    EXPECT_EQ(reader.Lines(), (std::vector<std::string> { "a", "", "b" }));
    EXPECT_EQ(reader.Lines(), std::vector<std::string> {});
}

TEST(TemplateStream, ReadingPastTheEndIsAFormatError)
{
    ByteList unterminated { 'a', 'b' };
    TemplateReader legacy(unterminated);
    EXPECT_THROW(legacy.ZeroTerminatedString(), io::FormatError);
    ByteList too_long { 200, 0, 'a' };
    TemplateReader counted(too_long);
    EXPECT_THROW(counted.CountedString(), io::FormatError);
    ByteList endless_lines { 1, 0, 1, 0, 'a', 13, 1, 0, 'b', 13 };
    TemplateReader lines(endless_lines);
    EXPECT_THROW(lines.LineList(), io::FormatError);
}

TEST(TemplateStream, WordBoolsAreWrittenAsAllBitsAndReadAsNonZero)
{
    EXPECT_EQ(Written([](TemplateWriter& w) {
                  w.WordBool(true);
                  w.WordBool(false);
              }),
              (ByteList { 0xFF, 0xFF, 0, 0 }));
    ByteList bytes { 1, 0, 0, 0 };
    TemplateReader reader(bytes);
    EXPECT_TRUE(reader.WordBool());
    EXPECT_FALSE(reader.WordBool());
}

TEST(TemplateStream, FrameWidthsAreWholeUpToTenAndThousandthsOtherwise)
{
    auto stored = [](float width) {
        auto bytes = Written([width](TemplateWriter& w) { w.FrameWidth(width); });
        return static_cast<std::int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24);
    };
    EXPECT_EQ(stored(0.5f), 500);
    EXPECT_EQ(stored(2.0f), 2);
    EXPECT_EQ(stored(1.5f), 1500);
    EXPECT_EQ(stored(10.0f), 10);
    // A whole width above 10 in thousandths, so it does not read back as a
    // thousandth of itself.
    EXPECT_EQ(stored(12.0f), 12000);

    auto read = [](std::int32_t value) {
        ByteList bytes { static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                         static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24) };
        TemplateReader reader(bytes);
        return reader.FrameWidth();
    };
    EXPECT_FLOAT_EQ(read(1), 1.0f);
    EXPECT_FLOAT_EQ(read(2), 2.0f);
    EXPECT_FLOAT_EQ(read(10), 10.0f);
    EXPECT_FLOAT_EQ(read(500), 0.5f);
    EXPECT_FLOAT_EQ(read(1500), 1.5f);
    // What other writers stored for a whole width of 12.
    EXPECT_FLOAT_EQ(read(12), 0.012f);
}

TEST(TemplateStream, EndOffsetsMustLieBetweenTheRecordAndTheStreamEnd)
{
    ByteList forward { 6, 0, 0, 0, 'x', 'y' };
    TemplateReader reader(forward);
    EXPECT_EQ(reader.EndOffset(), 6u);
    ByteList backward { 2, 0, 0, 0, 'x' };
    TemplateReader back(backward);
    EXPECT_THROW(back.EndOffset(), io::FormatError);
    ByteList beyond { 9, 0, 0, 0, 'x' };
    TemplateReader past(beyond);
    EXPECT_THROW(past.EndOffset(), io::FormatError);
    ByteList negative { 0xFF, 0xFF, 0xFF, 0xFF };
    TemplateReader minus(negative);
    EXPECT_THROW(minus.EndOffset(), io::FormatError);
}

TEST(TemplateStream, TextsTooLongForTheFormatAreRefusedNotCut)
{
    std::string long_text(70000, 'a');
    EXPECT_THROW(Written([&](TemplateWriter& w) { w.String(long_text); }), std::length_error);
    EXPECT_THROW(Written([&](TemplateWriter& w) { w.Lines({ long_text }); }), std::length_error);
}

TEST(TemplateStream, DefaultNamesTakeTheLowestFreeNumber)
{
    UniqueNames names;
    names.Use("memo1");
    names.Use("Memo3");
    EXPECT_EQ(names.Free("Memo"), "Memo2");
    names.Use("Memo2");
    EXPECT_EQ(names.Free("Memo"), "Memo4");
    EXPECT_EQ(names.Free("Band"), "Band1");
}

} // namespace
} // namespace report
