#include "report/expr/DateFormat.h"

#include "report/expr/DateTime.h"
#include "report/expr/ExprError.h"
#include "report/expr/ValueConvert.h"

#include <cctype>
#include <vector>

namespace report {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view prefix)
{
    if (text.size() - at < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Upper(text[at + i]) != Upper(prefix[i]))
            return false;
    return true;
}

std::string TwoDigits(int value)
{
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string Padded(int value, size_t width)
{
    std::string text = std::to_string(value);
    while (text.size() < width)
        text.insert(text.begin(), '0');
    return text;
}

class DateTimeWriter {
public:
    DateTimeWriter(TDateTime value, const TfrFormatSettings& settings) : m_settings(settings)
    {
        auto date = DecodeDate(value);
        auto time = DecodeTime(value);
        if (!date || !time)
            throw ExprError(FloatToText(value.value) + " is not a valid date");
        m_date = *date;
        m_time = *time;
        m_weekday = *DayOfWeek(value);
    }

    // Standard formats expand into further formats; the settings' formats
    // never nest more than twice, the limit keeps odd settings finite.
    void Write(std::string_view format, int depth = 0)
    {
        if (depth > 3)
            return;
        size_t i = 0;
        while (i < format.size()) {
            char c = format[i];
            char u = Upper(c);
            size_t run = 1;
            while (i + run < format.size() && Upper(format[i + run]) == u)
                ++run;
            if (c == '"' || c == '\'') {
                size_t close = format.find(c, i + 1);
                if (close == std::string_view::npos)
                    close = format.size();
                m_out.append(format.substr(i + 1, close - i - 1));
                i = std::min(close + 1, format.size());
                continue;
            }
            if (u == 'A' && WriteAmPm(format, i))
                continue;
            switch (u) {
            case 'C':
                Write(m_settings.ShortDateFormat, depth + 1);
                if (m_time.hour || m_time.minute || m_time.second || m_time.millisecond) {
                    m_out += ' ';
                    Write(m_settings.LongTimeFormat, depth + 1);
                }
                i += 1;
                m_lastWasHour = false;
                continue;
            case 'D':
                WriteDay(run, depth);
                break;
            case 'M':
                WriteMonthOrMinute(run);
                break;
            case 'Y':
                m_out += run <= 2 ? TwoDigits(m_date.year % 100) : Padded(m_date.year, 4);
                break;
            case 'H':
                m_out += run >= 2 ? TwoDigits(Hour()) : std::to_string(Hour());
                m_lastWasHour = true;
                i += std::min<size_t>(run, 2);
                continue;
            case 'N':
                m_out += run >= 2 ? TwoDigits(m_time.minute) : std::to_string(m_time.minute);
                break;
            case 'S':
                m_out += run >= 2 ? TwoDigits(m_time.second) : std::to_string(m_time.second);
                break;
            case 'Z':
                m_out += run >= 3 ? Padded(m_time.millisecond, 3) : std::to_string(m_time.millisecond);
                break;
            case 'T':
                Write(run >= 2 ? m_settings.LongTimeFormat : m_settings.ShortTimeFormat, depth + 1);
                break;
            case '/':
                m_out.append(run, m_settings.DateSeparator);
                break;
            case ':':
                m_out.append(run, m_settings.TimeSeparator);
                break;
            default:
                m_out.append(format.substr(i, run));
                i += run;
                continue;
            }
            // Separators keep "hh:mm" reading its "mm" as minutes.
            if (u != ':' && u != '/')
                m_lastWasHour = false;
            i += run;
        }
    }

    std::string Take() { return std::move(m_out); }
    void UseTwelveHourClock() { m_twelveHour = true; }

private:
    int Hour() const
    {
        if (!m_twelveHour)
            return m_time.hour;
        int hour = m_time.hour % 12;
        return hour == 0 ? 12 : hour;
    }

    void WriteDay(size_t run, int depth)
    {
        switch (run) {
        case 1: m_out += std::to_string(m_date.day); break;
        case 2: m_out += TwoDigits(m_date.day); break;
        case 3: m_out += m_settings.ShortDayNames[m_weekday - 1]; break;
        case 4: m_out += m_settings.LongDayNames[m_weekday - 1]; break;
        case 5: Write(m_settings.ShortDateFormat, depth + 1); break;
        default: Write(m_settings.LongDateFormat, depth + 1); break;
        }
    }

    void WriteMonthOrMinute(size_t run)
    {
        if (m_lastWasHour && run <= 2) {
            m_out += run == 2 ? TwoDigits(m_time.minute) : std::to_string(m_time.minute);
            return;
        }
        switch (run) {
        case 1: m_out += std::to_string(m_date.month); break;
        case 2: m_out += TwoDigits(m_date.month); break;
        case 3: m_out += m_settings.ShortMonthNames[m_date.month - 1]; break;
        default: m_out += m_settings.LongMonthNames[m_date.month - 1]; break;
        }
    }

    bool WriteAmPm(std::string_view format, size_t& i)
    {
        bool pm = m_time.hour >= 12;
        if (StartsWithNoCase(format, i, "am/pm")) {
            std::string_view mark = pm ? format.substr(i + 3, 2) : format.substr(i, 2);
            m_out.append(mark);
            i += 5;
            return true;
        }
        if (StartsWithNoCase(format, i, "a/p")) {
            m_out += pm ? format[i + 2] : format[i];
            i += 3;
            return true;
        }
        if (StartsWithNoCase(format, i, "ampm")) {
            m_out += pm ? m_settings.TimePMString : m_settings.TimeAMString;
            i += 4;
            return true;
        }
        return false;
    }

    const TfrFormatSettings& m_settings;
    DateParts m_date;
    TimeParts m_time;
    int m_weekday { 1 };
    bool m_lastWasHour { false };
    bool m_twelveHour { false };
    std::string m_out;
};

bool HasAmPm(std::string_view format)
{
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '"' || format[i] == '\'') {
            size_t close = format.find(format[i], i + 1);
            if (close == std::string_view::npos)
                return false;
            i = close;
            continue;
        }
        if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p")
            || StartsWithNoCase(format, i, "ampm"))
            return true;
    }
    return false;
}

std::vector<int> NumberGroups(std::string_view text, size_t& end)
{
    std::vector<int> groups;
    size_t i = 0;
    while (i < text.size()) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            int value = 0;
            size_t digits = 0;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
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
    for (char c : format) {
        char u = Upper(c);
        if ((u == 'D' || u == 'M' || u == 'Y') && order.find(u) == std::string::npos)
            order += u;
    }
    return order.size() == 3 ? order : "YMD";
}

} // namespace

std::string FormatDateTime(std::string_view format, TDateTime value, const TfrFormatSettings& settings)
{
    DateTimeWriter writer(value, settings);
    if (format.empty()) {
        writer.Write("c");
        return writer.Take();
    }
    if (HasAmPm(format))
        writer.UseTwelveHourClock();
    writer.Write(format);
    return writer.Take();
}

std::string DateTimeToText(TDateTime value, const TfrFormatSettings& settings)
{
    if (!DecodeDate(value))
        return FloatToText(value.value);
    return FormatDateTime("c", value, settings);
}

std::optional<TDateTime> ParseDate(std::string_view text, const TfrFormatSettings& settings)
{
    size_t end = 0;
    std::vector<int> groups = NumberGroups(text, end);
    if (groups.size() < 2)
        return std::nullopt;
    std::string order = DateOrder(settings.ShortDateFormat);
    int year = 0;
    int month = 0;
    int day = 0;
    bool yearGiven = groups.size() == 3;
    size_t g = 0;
    for (char part : order) {
        if (part == 'Y' && !yearGiven)
            continue;
        int value = groups[g++];
        if (part == 'Y')
            year = value;
        else if (part == 'M')
            month = value;
        else
            day = value;
    }
    if (!yearGiven)
        year = DecodeDate(NowDateTime())->year;
    else if (year < 100)
        year += year < 50 ? 2000 : 1900;
    auto date = EncodeDate(year, month, day);
    if (!date)
        return std::nullopt;
    std::string_view rest = text.substr(end);
    if (rest.find_first_not_of(" ") == std::string_view::npos)
        return date;
    auto time = ParseTime(rest, settings);
    if (!time)
        return std::nullopt;
    return TDateTime { date->value + time->value };
}

std::optional<TDateTime> ParseTime(std::string_view text, const TfrFormatSettings& settings)
{
    std::string upper;
    for (char c : text)
        upper += Upper(c);
    bool pm = false;
    bool am = false;
    std::string pmMark;
    std::string amMark;
    for (char c : settings.TimePMString)
        pmMark += Upper(c);
    for (char c : settings.TimeAMString)
        amMark += Upper(c);
    if (auto at = upper.find(pmMark); !pmMark.empty() && at != std::string::npos) {
        pm = true;
        upper.erase(at, pmMark.size());
    } else if (auto at2 = upper.find(amMark); !amMark.empty() && at2 != std::string::npos) {
        am = true;
        upper.erase(at2, amMark.size());
    }
    std::vector<int> parts;
    size_t i = 0;
    while (i < upper.size()) {
        char c = upper[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            int value = 0;
            size_t digits = 0;
            while (i < upper.size() && std::isdigit(static_cast<unsigned char>(upper[i]))) {
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

} // namespace report
