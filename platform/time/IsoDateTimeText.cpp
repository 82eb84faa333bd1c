#include "platform/time/IsoDateTimeText.h"

#include "platform/time/Calendar.h"

#include <charconv>
#include <cstdio>

namespace dt {
namespace {

// Reads exactly `digits` decimal digits at `position`, moving past them.
std::optional<int> ReadNumber(std::string_view text, std::size_t& position, std::size_t digits)
{
    if (position + digits > text.size())
        return std::nullopt;
    int value = 0;
    const char* first = text.data() + position;
    auto [end, error] = std::from_chars(first, first + digits, value);
    if (error != std::errc {} || end != first + digits)
        return std::nullopt;
    position += digits;
    return value;
}

bool ReadChar(std::string_view text, std::size_t& position, char expected)
{
    if (position >= text.size() || text[position] != expected)
        return false;
    ++position;
    return true;
}

// Skips the digits of a fraction of a second after its '.'; false when there are none.
bool SkipFraction(std::string_view text, std::size_t& position)
{
    const std::size_t first = position;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9')
        ++position;
    return position > first;
}

} // namespace

std::string DateTimeToIsoText(TDateTime value)
{
    const auto [date, time] = DecodeDateTime(value);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.Year, date.Month, date.Day, time.Hour,
        time.Minute, time.Second);
    return text;
}

std::optional<TDateTime> IsoTextToDateTime(std::string_view text)
{
    std::size_t position = 0;
    const auto year = ReadNumber(text, position, 4);
    if (!year || !ReadChar(text, position, '-'))
        return std::nullopt;
    const auto month = ReadNumber(text, position, 2);
    if (!month || !ReadChar(text, position, '-'))
        return std::nullopt;
    const auto day = ReadNumber(text, position, 2);
    if (!day)
        return std::nullopt;
    const auto date = EncodeDate(*year, *month, *day);
    if (!date || position == text.size())
        return date;

    if (!ReadChar(text, position, ' ') && !ReadChar(text, position, 'T'))
        return std::nullopt;
    const auto hour = ReadNumber(text, position, 2);
    if (!hour || !ReadChar(text, position, ':'))
        return std::nullopt;
    const auto minute = ReadNumber(text, position, 2);
    if (!minute)
        return std::nullopt;
    int second = 0;
    if (ReadChar(text, position, ':')) {
        const auto s = ReadNumber(text, position, 2);
        if (!s)
            return std::nullopt;
        second = *s;
        if (ReadChar(text, position, '.') && !SkipFraction(text, position))
            return std::nullopt;
    }
    if (position != text.size())
        return std::nullopt;
    const auto time = EncodeTime(*hour, *minute, second, 0);
    if (!time)
        return std::nullopt;
    return CombineDateTime(*date, *time);
}

} // namespace dt
