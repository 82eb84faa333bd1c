#include "platform/text/Gbk.h"
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using text::kReplacementCharacter;

TEST(Utf8, DecodesEachWellFormedLength)
{
    const std::string sample = "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"; // a é 中 😀
    const std::vector<std::pair<char32_t, std::size_t>> expected = { { U'a', 1 }, { U'é', 2 }, { U'中', 3 }, { U'😀', 4 } };
    std::size_t offset = 0;
    for (const auto& [codePoint, length] : expected) {
        const text::Utf8Char c = text::DecodeUtf8(sample, offset);
        EXPECT_TRUE(c.Valid);
        EXPECT_EQ(c.CodePoint, codePoint);
        EXPECT_EQ(c.Length, length);
        offset += c.Length;
    }
    EXPECT_EQ(offset, sample.size());
    EXPECT_EQ(text::CodePointCount(sample), expected.size());
}

// Each byte outside a well-formed sequence is one U+FFFD, whether the damage
// is a stray continuation, a cut-off sequence (in the middle or at the end),
// an overlong form, an encoded surrogate or a value past U+10FFFF.
TEST(Utf8, EveryDamagedByteIsOneReplacementCharacter)
{
    const std::vector<std::string> damaged = { "\x80", "\xBF\xBF", "\xC3", "\xE6\x88", "\xF0\x9F\x98", "\xC0\xAF",
        "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80",
        "\xF5\x80\x80\x80", "\xFE", "\xFF" };
    for (const std::string& bytes : damaged) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        const std::string text = "<" + bytes + ">";
        EXPECT_EQ(text::Utf8ToUtf32(text), U"<" + std::u32string(bytes.size(), kReplacementCharacter) + U">");
        EXPECT_EQ(text::CodePointCount(text), bytes.size() + 2);
        EXPECT_FALSE(text::DecodeUtf8(text, 1).Valid);
    }
    // The last code points before each limit are well-formed.
    for (std::string_view bytes : { "\xED\x9F\xBF", "\xEE\x80\x80", "\xF4\x8F\xBF\xBF", "\xE0\xA0\x80", "\xC2\x80" })
        EXPECT_TRUE(text::DecodeUtf8(bytes, 0).Valid) << ::testing::PrintToString(bytes);
}

TEST(Utf8, EncodingAndDecodingAgreeOnEveryCodePoint)
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const std::string bytes = text::EncodeUtf8(c);
        const text::Utf8Char back = text::DecodeUtf8(bytes, 0);
        if (c >= 0xD800 && c <= 0xDFFF) {
            ASSERT_EQ(back.CodePoint, kReplacementCharacter);
            continue;
        }
        ASSERT_TRUE(back.Valid) << std::hex << static_cast<unsigned>(c);
        ASSERT_EQ(back.CodePoint, c);
        ASSERT_EQ(back.Length, bytes.size());
    }
    EXPECT_EQ(text::EncodeUtf8(0x110000), text::EncodeUtf8(kReplacementCharacter));
    EXPECT_EQ(text::Utf32ToUtf8(U"汉字 abc 😀"), "汉字 abc 😀");
    EXPECT_EQ(text::Utf32ToUtf8(text::Utf8ToUtf32("汉字 abc 😀")), "汉字 abc 😀");
}

// Three-byte characters take a short way through the decoder; every lead
// byte E0 to EF with every pair of following bytes must still come out as
// the rules say: whole when both are continuations and the value is the
// shortest form of a non-surrogate, otherwise a damaged lead byte. Cut off
// by the end of the text, a sequence is damaged too.
TEST(Utf8, EveryThreeByteSequenceDecodesByTheRules)
{
    int wrong = 0;
    for (unsigned lead = 0xE0; lead <= 0xEF; ++lead)
        for (unsigned second = 0; second <= 0xFF; ++second)
            for (unsigned third = 0; third <= 0xFF; ++third) {
                const char bytes[] = { static_cast<char>(lead), static_cast<char>(second), static_cast<char>(third) };
                const text::Utf8Char c = text::DecodeUtf8(std::string_view(bytes, 3), 0);
                const char32_t value = (lead & 0x0F) << 12 | (second & 0x3F) << 6 | (third & 0x3F);
                const bool continuations = (second & 0xC0) == 0x80 && (third & 0xC0) == 0x80;
                const bool wellFormed = continuations && value >= 0x800 && !(value >= 0xD800 && value <= 0xDFFF);
                const bool right = wellFormed ? c.Valid && c.Length == 3 && c.CodePoint == value
                                              : !c.Valid && c.Length == 1 && c.CodePoint == kReplacementCharacter;
                wrong += !right;
                if (third == 0x80 && text::DecodeUtf8(std::string_view(bytes, 2), 0).Valid)
                    ++wrong;
            }
    EXPECT_EQ(wrong, 0);
}

// Carets, ellipses and scanners step both ways; on any bytes the steps back
// must stop exactly where the steps forward did.
TEST(Utf8, SteppingBackVisitsTheCharactersSteppingForwardFound)
{
    const std::vector<std::string> pieces = { "a", "中", "é", "😀", "\x80", "\xE4\xB8", "\xF0\x9F", "\xC3", "\xED\xA0\x80",
        "\r\n" };
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % pieces.size()];
        std::vector<std::size_t> forward;
        for (std::size_t i = 0; i < text.size(); i += text::Utf8CharLength(text, i))
            forward.push_back(i);
        std::vector<std::size_t> backward;
        for (std::size_t i = text.size(); i > 0;) {
            i = text::PreviousUtf8CharStart(text, i);
            backward.insert(backward.begin(), i);
        }
        ASSERT_EQ(backward, forward) << ::testing::PrintToString(text);
        ASSERT_EQ(text::CodePointCount(text), forward.size());
        ASSERT_EQ(text::Utf8ToUtf32(text).size(), forward.size());
    }
    EXPECT_EQ(text::PreviousUtf8CharStart("ab", 0), 0u);
    EXPECT_EQ(text::PreviousUtf8CharStart("ab", 9), 1u);
}

} // namespace
