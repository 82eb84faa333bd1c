#include "platform/text/IntegerText.h"

#include <charconv>

namespace text {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::optional<int> ParseInteger(std::string_view Text)
{
    while (!Text.empty() && IsBlank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsBlank(Text.back()))
        Text.remove_suffix(1);
    // from_chars takes '-' but not '+'; a '+' may not be followed by another sign.
    if (!Text.empty() && Text.front() == '+') {
        Text.remove_prefix(1);
        if (!Text.empty() && Text.front() == '-')
            return std::nullopt;
    }
    if (Text.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    if (error != std::errc() || end != Text.data() + Text.size())
        return std::nullopt;
    return value;
}

} // namespace text
