#include "platform/text/LineBreaks.h"

#include <cstdint>
#include <cstring>

namespace text {
namespace {

constexpr std::uint64_t kEveryByte = 0x0101'0101'0101'0101ULL;
constexpr std::uint64_t kEveryHighBit = 0x8080'8080'8080'8080ULL;

// Whether any of the eight bytes of `word` equals `byte`: the byte turns to
// zero under the XOR, and only a zero byte borrows into its own high bit.
bool HoldsByte(std::uint64_t word, unsigned char byte)
{
    std::uint64_t x = word ^ (kEveryByte * byte);
    return ((x - kEveryByte) & ~x & kEveryHighBit) != 0;
}

} // namespace

std::size_t FindLineBreak(std::string_view text, std::size_t from)
{
    // Note bodies are long and their lines too: the scan skips eight bytes
    // at a time until a word holds a break, then finds it byte by byte.
    std::size_t i = from;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (HoldsByte(word, '\r') || HoldsByte(word, '\n'))
            break;
    }
    for (; i < text.size(); ++i)
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    return std::string_view::npos;
}

std::size_t LineBreakLength(std::string_view text, std::size_t at)
{
    return text.substr(at, 2) == "\r\n" ? 2 : 1;
}

} // namespace text
