#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// All text in memory is UTF-8. Every part of the program walks, counts and
// converts it through these routines, so a damaged byte is treated the same
// way everywhere: each byte that does not belong to a well-formed sequence is
// a character of its own, shown as U+FFFD. Well-formed means the shortest
// encoding of a code point up to U+10FFFF that is no surrogate.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character of UTF-8 text.
struct Utf8Char {
    char32_t CodePoint { kReplacementCharacter };
    std::size_t Length { 1 }; // bytes taken, at least 1
    bool Valid { false };     // false for a byte outside any well-formed sequence
};

// DecodeUtf8 for every character but ASCII and the common three-byte ones.
Utf8Char DecodeUtf8Sequence(std::string_view utf8, std::size_t offset);

// The character that starts at `offset` (which must lie inside the text).
// Layout, measuring and conversion decode every character of long texts, so
// ASCII and the three-byte characters of Chinese text (lead bytes E1 to EF
// but ED, which take any continuation bytes) are decoded right here.
inline Utf8Char DecodeUtf8(std::string_view utf8, std::size_t offset)
{
    const auto lead = static_cast<unsigned char>(utf8[offset]);
    if (lead < 0x80)
        return { lead, 1, true };
    if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && offset + 2 < utf8.size()) {
        const auto second = static_cast<unsigned char>(utf8[offset + 1]);
        const auto third = static_cast<unsigned char>(utf8[offset + 2]);
        if ((second & 0xC0) == 0x80 && (third & 0xC0) == 0x80)
            return { static_cast<char32_t>((lead & 0x0F) << 12 | (second & 0x3F) << 6 | (third & 0x3F)), 3, true };
    }
    return DecodeUtf8Sequence(utf8, offset);
}

// Byte length of the character that starts at `offset` (1 for a damaged byte).
inline std::size_t Utf8CharLength(std::string_view utf8, std::size_t offset) { return DecodeUtf8(utf8, offset).Length; }

// Start of the character that ends just before `offset`, so that stepping back
// visits the same characters as stepping forward; 0 at the start of the text.
std::size_t PreviousUtf8CharStart(std::string_view utf8, std::size_t offset);

// Number of characters in the text, each damaged byte counting as one.
std::size_t CodePointCount(std::string_view utf8);

// The encoding of one code point; a surrogate or a value past U+10FFFF is
// written as U+FFFD.
std::string EncodeUtf8(char32_t codePoint);

// Editing works on characters (code points); storage and display on UTF-8.
std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view text);

} // namespace text
