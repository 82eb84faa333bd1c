#include "platform/controls/Utf8Text.h"

#include <algorithm>

namespace ctl {
namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

int NextCharOffset(const std::string& Text, int Offset)
{
    const int size = static_cast<int>(Text.size());
    if (Offset >= size)
        return size;
    if (Text[static_cast<std::size_t>(Offset)] == '\r' && Offset + 1 < size && Text[static_cast<std::size_t>(Offset + 1)] == '\n')
        return Offset + 2;
    ++Offset;
    while (Offset < size && IsContinuation(Text[static_cast<std::size_t>(Offset)]))
        ++Offset;
    return Offset;
}

int PrevCharOffset(const std::string& Text, int Offset)
{
    if (Offset <= 0)
        return 0;
    Offset = std::min(Offset, static_cast<int>(Text.size()));
    if (Offset >= 2 && Text[static_cast<std::size_t>(Offset - 1)] == '\n' && Text[static_cast<std::size_t>(Offset - 2)] == '\r')
        return Offset - 2;
    --Offset;
    while (Offset > 0 && IsContinuation(Text[static_cast<std::size_t>(Offset)]))
        --Offset;
    return Offset;
}

int CharStartOffset(const std::string& Text, int Offset)
{
    Offset = std::clamp(Offset, 0, static_cast<int>(Text.size()));
    while (Offset > 0 && Offset < static_cast<int>(Text.size()) && IsContinuation(Text[static_cast<std::size_t>(Offset)]))
        --Offset;
    return Offset;
}

int CharCount(const std::string& Text)
{
    return static_cast<int>(std::count_if(Text.begin(), Text.end(), [](char c) { return !IsContinuation(c); }));
}

} // namespace ctl
