#include "platform/time/DateTimeParse.h"

#include "platform/time/Calendar.h"

#include <cctype>
#include <string>
#include <vector>

namespace dt {
namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string UpperCase(std::string_view text)
{
    std::string upper;
    for (char c : text)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Up to three groups of digits before the first blank after a group; `end`
// is where the last group ended. Nothing for a group of more than five digits.
std::vector<int> NumberGroups(std::string_view text, size_t& end)
{
    std::vector<int> groups;
    size_t i = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            int value = 0;
            size_t digits = 0;
            while (i < text.size() && IsDigit(text[i])) {
                if (digits < 6)
                    value = value * 10 + (text[i] - '0');
                ++digits;
                ++i;
            }
            if (digits > 5)
                return {};
            groups.push_back(value);
            end = i;
            if (groups.size() == 3)
                break;
        } else if (text[i] == ' ' && !groups.empty()) {
            break;
        } else {
            ++i;
        }
    }
    return groups;
}

// Order of day, month and year in the short date format, as letters.
std::string DateOrder(std::string_view format)
{
    std::string order;
    for (char u : UpperCase(format)) {
        if ((u == 'D' || u == 'M' || u == 'Y') && order.find(u) == std::string::npos)
            order += u;
    }
    return order.size() == 3 ? order : "YMD";
}

// Takes the first of the marks out of `upper`; true when it was there.
bool TakeMark(std::string& upper, std::string_view mark)
{
    const std::string wanted = UpperCase(mark);
    const size_t at = upper.find(wanted);
    if (wanted.empty() || at == std::string::npos)
        return false;
    upper.erase(at, wanted.size());
    return true;
}

} // namespace

std::optional<TDateTime> ParseDate(std::string_view text, const TFormatSettings& settings)
{
    size_t end = 0;
    const std::vector<int> groups = NumberGroups(text, end);
    if (groups.size() < 2)
        return std::nullopt;
    const bool yearGiven = groups.size() == 3;
    int year = 0;
    int month = 0;
    int day = 0;
    size_t g = 0;
    for (char part : DateOrder(settings.ShortDateFormat)) {
        if (part == 'Y' && !yearGiven)
            continue;
        const int value = groups[g++];
        if (part == 'Y')
            year = value;
        else if (part == 'M')
            month = value;
        else
            day = value;
    }
    if (!yearGiven)
        year = DecodeDate(Now())->Year;
    else if (year < 100)
        year += year < 50 ? 2000 : 1900;
    const auto date = EncodeDate(year, month, day);
    if (!date)
        return std::nullopt;
    const std::string_view rest = text.substr(end);
    if (rest.find_first_not_of(' ') == std::string_view::npos)
        return date;
    const auto time = ParseTime(rest, settings);
    if (!time)
        return std::nullopt;
    return CombineDateTime(*date, *time);
}

std::optional<TDateTime> ParseTime(std::string_view text, const TFormatSettings& settings)
{
    std::string upper = UpperCase(text);
    const bool pm = TakeMark(upper, settings.TimePMString);
    const bool am = !pm && TakeMark(upper, settings.TimeAMString);
    std::vector<int> parts;
    size_t i = 0;
    while (i < upper.size()) {
        const char c = upper[i];
        if (IsDigit(c)) {
            int value = 0;
            size_t digits = 0;
            while (i < upper.size() && IsDigit(upper[i])) {
                value = value * 10 + (upper[i] - '0');
                if (++digits > 2)
                    return std::nullopt;
                ++i;
            }
            parts.push_back(value);
        } else if (c == settings.TimeSeparator || c == ':' || c == ' ') {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (parts.empty() || parts.size() > 3)
        return std::nullopt;
    int hour = parts[0];
    if (pm || am) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    return EncodeTime(hour, parts.size() > 1 ? parts[1] : 0, parts.size() > 2 ? parts[2] : 0, 0);
}

} // namespace dt
