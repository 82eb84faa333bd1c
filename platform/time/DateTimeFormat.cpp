#include "platform/time/DateTimeFormat.h"

#include "platform/time/Calendar.h"

#include <algorithm>
#include <cctype>

namespace dt {
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

std::string Padded(int value, size_t width)
{
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

// Decimal digits, two when `run` asks for the padded form.
std::string Digits(int value, size_t run) { return Padded(value, run >= 2 ? 2 : 1); }

class DateTimeWriter {
public:
    DateTimeWriter(TDateTime value, const TFormatSettings& settings)
        : m_settings(settings)
        , m_parts(DecodeDateTime(value))
        , m_weekday(*DayOfWeek(value))
    {
    }

    // Standard formats expand into further formats; the settings' formats
    // never nest more than twice, the limit keeps odd settings finite.
    void Write(std::string_view format, int depth = 0)
    {
        if (depth > 3)
            return;
        size_t i = 0;
        while (i < format.size()) {
            const char c = format[i];
            const char u = Upper(c);
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
                if (m_parts.Time.Hour || m_parts.Time.Minute || m_parts.Time.Second || m_parts.Time.Millisecond) {
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
                m_out += run <= 2 ? Padded(m_parts.Date.Year % 100, 2) : Padded(m_parts.Date.Year, 4);
                break;
            case 'H':
                m_out += Digits(Hour(), run);
                m_lastWasHour = true;
                i += std::min<size_t>(run, 2);
                continue;
            case 'N':
                m_out += Digits(m_parts.Time.Minute, run);
                break;
            case 'S':
                m_out += Digits(m_parts.Time.Second, run);
                break;
            case 'Z':
                m_out += Padded(m_parts.Time.Millisecond, run >= 3 ? 3 : 1);
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
            return m_parts.Time.Hour;
        const int hour = m_parts.Time.Hour % 12;
        return hour == 0 ? 12 : hour;
    }

    void WriteDay(size_t run, int depth)
    {
        switch (run) {
        case 1:
        case 2: m_out += Digits(m_parts.Date.Day, run); break;
        case 3: m_out += m_settings.ShortDayNames[m_weekday - 1]; break;
        case 4: m_out += m_settings.LongDayNames[m_weekday - 1]; break;
        case 5: Write(m_settings.ShortDateFormat, depth + 1); break;
        default: Write(m_settings.LongDateFormat, depth + 1); break;
        }
    }

    void WriteMonthOrMinute(size_t run)
    {
        if (m_lastWasHour && run <= 2) {
            m_out += Digits(m_parts.Time.Minute, run);
            return;
        }
        switch (run) {
        case 1:
        case 2: m_out += Digits(m_parts.Date.Month, run); break;
        case 3: m_out += m_settings.ShortMonthNames[m_parts.Date.Month - 1]; break;
        default: m_out += m_settings.LongMonthNames[m_parts.Date.Month - 1]; break;
        }
    }

    bool WriteAmPm(std::string_view format, size_t& i)
    {
        const bool pm = m_parts.Time.Hour >= 12;
        if (StartsWithNoCase(format, i, "am/pm")) {
            m_out.append(pm ? format.substr(i + 3, 2) : format.substr(i, 2));
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

    const TFormatSettings& m_settings;
    TDateTimeParts m_parts;
    int m_weekday { 1 };
    bool m_lastWasHour { false };
    bool m_twelveHour { false };
    std::string m_out;
};

bool HasAmPm(std::string_view format)
{
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '"' || format[i] == '\'') {
            const size_t close = format.find(format[i], i + 1);
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

} // namespace

std::string FormatDateTime(std::string_view format, TDateTime value, const TFormatSettings& settings)
{
    DateTimeWriter writer(value, settings);
    if (format.empty())
        format = "c";
    if (HasAmPm(format))
        writer.UseTwelveHourClock();
    writer.Write(format);
    return writer.Take();
}

std::string DateToStr(TDateTime value) { return FormatDateTime(FormatSettings.ShortDateFormat, value); }

std::string TimeToStr(TDateTime value) { return FormatDateTime(FormatSettings.LongTimeFormat, value); }

std::string DateTimeToStr(TDateTime value) { return DateToStr(value) + " " + TimeToStr(value); }

} // namespace dt
