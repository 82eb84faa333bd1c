#include "platform/text/Utf8.h"

#include <algorithm>

namespace text {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The range the second byte of a sequence must fall in, by its lead byte: the
// narrower ranges after E0, ED, F0 and F4 rule out overlong forms, surrogates
// and values past U+10FFFF.
struct LeadByte {
    std::size_t Length { 1 };
    unsigned char SecondLow { 0x80 };
    unsigned char SecondHigh { 0xBF };
};

LeadByte ClassifyLead(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return { 2 };
    if (lead == 0xE0)
        return { 3, 0xA0, 0xBF };
    if (lead == 0xED)
        return { 3, 0x80, 0x9F };
    if (lead >= 0xE1 && lead <= 0xEF)
        return { 3 };
    if (lead == 0xF0)
        return { 4, 0x90, 0xBF };
    if (lead == 0xF4)
        return { 4, 0x80, 0x8F };
    if (lead >= 0xF1 && lead <= 0xF3)
        return { 4 };
    return { 1, 0, 0 };
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

Utf8Char DecodeUtf8Sequence(std::string_view utf8, std::size_t offset)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[offset + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return { lead, 1, true };
    const LeadByte kind = ClassifyLead(lead);
    if (kind.Length == 1 || offset + kind.Length > utf8.size())
        return {};
    if (byte(1) < kind.SecondLow || byte(1) > kind.SecondHigh)
        return {};
    char32_t c = lead & (0xFF >> (kind.Length + 1));
    for (std::size_t i = 1; i < kind.Length; ++i) {
        if (!IsContinuation(byte(i)))
            return {};
        c = (c << 6) | (byte(i) & 0x3F);
    }
    return { c, kind.Length, true };
}

std::size_t PreviousUtf8CharStart(std::string_view utf8, std::size_t offset)
{
    if (offset == 0)
        return 0;
    offset = std::min(offset, utf8.size());
    if (!IsContinuation(static_cast<unsigned char>(utf8[offset - 1])))
        return offset - 1;
    // A character is at most four bytes: find a lead byte among the last four
    // whose sequence ends exactly here; otherwise the last byte stands alone.
    for (std::size_t back = 2; back <= 4 && back <= offset; ++back) {
        const std::size_t start = offset - back;
        if (IsContinuation(static_cast<unsigned char>(utf8[start])))
            continue;
        const Utf8Char c = DecodeUtf8(utf8, start);
        return c.Valid && c.Length == back ? start : offset - 1;
    }
    return offset - 1;
}

std::size_t CodePointCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); i += Utf8CharLength(utf8, i))
        ++count;
    return count;
}

std::string EncodeUtf8(char32_t codePoint)
{
    std::string out;
    AppendUtf8(out, codePoint);
    return out;
}

std::u32string Utf8ToUtf32(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Char c = DecodeUtf8(utf8, i);
        out += c.CodePoint;
        i += c.Length;
    }
    return out;
}

std::string Utf32ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

} // namespace text
