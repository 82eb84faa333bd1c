#include "platform/data/TDateTime.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace db {

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

} // namespace

TDateTime Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    const auto day = std::chrono::local_days { std::chrono::year { local.tm_year + 1900 }
        / std::chrono::month { static_cast<unsigned>(local.tm_mon + 1) }
        / std::chrono::day { static_cast<unsigned>(local.tm_mday) } };
    return day + std::chrono::hours { local.tm_hour } + std::chrono::minutes { local.tm_min }
        + std::chrono::seconds { local.tm_sec };
}

TDateTime ZeroDateTime()
{
    using namespace std::chrono;
    return local_days { year { 1899 } / December / 30 } + seconds { 0 };
}

std::string DateTimeToText(TDateTime value)
{
    using namespace std::chrono;
    const auto day = floor<days>(value);
    const year_month_day date { day };
    const hh_mm_ss time { value - day };
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
        static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
        static_cast<int>(time.seconds().count()));
    return text;
}

std::optional<TDateTime> TextToDateTime(std::string_view text)
{
    using namespace std::chrono;
    std::size_t position = 0;
    const auto y = ReadNumber(text, position, 4);
    if (!y || !ReadChar(text, position, '-'))
        return std::nullopt;
    const auto m = ReadNumber(text, position, 2);
    if (!m || !ReadChar(text, position, '-'))
        return std::nullopt;
    const auto d = ReadNumber(text, position, 2);
    if (!d)
        return std::nullopt;
    const year_month_day date { year { *y }, month { static_cast<unsigned>(*m) }, day { static_cast<unsigned>(*d) } };
    if (!date.ok())
        return std::nullopt;
    const TDateTime midnight = local_days { date } + seconds { 0 };
    if (position == text.size())
        return midnight;

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
        if (ReadChar(text, position, '.')) {
            const std::size_t fraction = position;
            while (position < text.size() && text[position] >= '0' && text[position] <= '9')
                ++position;
            if (position == fraction)
                return std::nullopt;
        }
    }
    if (position != text.size() || *hour > 23 || *minute > 59 || second > 59)
        return std::nullopt;
    return midnight + hours { *hour } + minutes { *minute } + seconds { second };
}

double ToDayCount(TDateTime value)
{
    // 1970-01-01 is day 25569 of the count.
    constexpr double kUnixEpochDay = 25569.0;
    const auto seconds = value.time_since_epoch().count();
    return kUnixEpochDay + static_cast<double>(seconds) / 86400.0;
}

} // namespace db
