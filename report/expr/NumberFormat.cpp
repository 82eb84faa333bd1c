#include "report/expr/NumberFormat.h"

#include "report/expr/ValueConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace report {
namespace {

// The most digits after the point that a double can usefully show.
constexpr int kMaxDecimals = 340;

// Fixed notation of a non-negative finite value. The value is first taken to
// 15 significant digits, as it is shown elsewhere, and then rounded half away
// from zero, so 2.675 gives 2.68 and 0.125 gives 0.13 as people expect.
std::string FixedDigits(double magnitude, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    std::string digits;
    int point = 1;
    if (magnitude != 0) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
        std::string text(buffer);
        size_t e = text.find('e');
        for (size_t i = 0; i < e; ++i)
            if (text[i] != '.')
                digits += text[i];
        point = std::atoi(text.c_str() + e + 1) + 1;
    } else {
        digits = "0";
    }
    std::string integer;
    std::string fraction;
    if (point <= 0) {
        integer = "0";
        fraction = std::string(static_cast<size_t>(-point), '0') + digits;
    } else if (static_cast<size_t>(point) >= digits.size()) {
        integer = digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
    } else {
        integer = digits.substr(0, static_cast<size_t>(point));
        fraction = digits.substr(static_cast<size_t>(point));
    }
    bool roundUp = fraction.size() > static_cast<size_t>(decimals) && fraction[static_cast<size_t>(decimals)] >= '5';
    fraction.resize(static_cast<size_t>(decimals), '0');
    if (roundUp) {
        std::string all = integer + fraction;
        size_t i = all.size();
        while (i > 0) {
            --i;
            if (all[i] != '9') {
                ++all[i];
                break;
            }
            all[i] = '0';
            if (i == 0)
                all.insert(all.begin(), '1');
        }
        integer = all.substr(0, all.size() - fraction.size());
        fraction = all.substr(all.size() - fraction.size());
    }
    size_t firstDigit = integer.find_first_not_of('0');
    integer = firstDigit == std::string::npos ? "0" : integer.substr(firstDigit);
    return fraction.empty() ? integer : integer + "." + fraction;
}

std::string Group(const std::string& digits, char thousandSeparator)
{
    std::string grouped;
    size_t count = digits.size();
    for (size_t i = 0; i < count; ++i) {
        grouped += digits[i];
        size_t left = count - i - 1;
        if (left > 0 && left % 3 == 0)
            grouped += thousandSeparator;
    }
    return grouped;
}

std::string NonFinite(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value > 0 ? "INF" : "-INF";
}

std::vector<std::string_view> SplitSections(std::string_view format)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    char quote = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';' && sections.size() < 2) {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

// One section of a number format, analysed into its placeholders.
struct Pattern {
    std::string_view text;
    int integerPlaces { 0 };   // "0" and "#" before the point
    int integerZeros { 0 };    // places from the first "0" to the point
    int decimalZeros { 0 };    // "0" after the point: always shown
    int decimalPlaces { 0 };   // all placeholders after the point
    bool grouped { false };
    bool scientific { false };
    bool exponentSign { false };
    int exponentDigits { 0 };
};

Pattern Analyse(std::string_view text)
{
    Pattern p;
    p.text = text;
    bool afterPoint = false;
    bool seenZero = false;
    char quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        if (p.scientific)
            continue;
        if (c == '0' || c == '#') {
            if (afterPoint) {
                ++p.decimalPlaces;
                if (c == '0')
                    p.decimalZeros = p.decimalPlaces;
            } else {
                ++p.integerPlaces;
                if (c == '0')
                    seenZero = true;
                if (seenZero)
                    ++p.integerZeros;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            p.grouped = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) {
            p.scientific = true;
            p.exponentSign = text[i + 1] == '+';
            for (size_t j = i + 2; j < text.size() && text[j] == '0'; ++j)
                ++p.exponentDigits;
        }
    }
    return p;
}

class Writer {
public:
    Writer(const Pattern& pattern, char decimalSeparator, char thousandSeparator)
        : m_p(pattern), m_decimal(decimalSeparator), m_thousand(thousandSeparator) {}

    std::string Write(double magnitude, bool negative)
    {
        std::string exponent;
        if (m_p.scientific)
            magnitude = Mantissa(magnitude, exponent);
        std::string digits = FixedDigits(magnitude, m_p.decimalPlaces);
        size_t point = digits.find('.');
        m_integer = digits.substr(0, point);
        m_fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
        while (static_cast<int>(m_fraction.size()) > m_p.decimalZeros && !m_fraction.empty()
            && m_fraction.back() == '0')
            m_fraction.pop_back();
        if (m_integer == "0" && m_p.integerZeros == 0)
            m_integer.clear();
        while (static_cast<int>(m_integer.size()) < m_p.integerZeros)
            m_integer.insert(m_integer.begin(), '0');
        if (m_p.grouped)
            m_integer = Group(m_integer, m_thousand);
        if (negative && (std::any_of(digits.begin(), digits.end(), [](char c) { return c >= '1' && c <= '9'; })))
            m_sign = "-";
        return Emit(exponent);
    }

private:
    double Mantissa(double magnitude, std::string& exponentText)
    {
        int exponent = 0;
        if (magnitude != 0) {
            int integerDigits = std::max(m_p.integerPlaces, 1);
            exponent = static_cast<int>(std::floor(std::log10(magnitude))) - (integerDigits - 1);
            magnitude /= std::pow(10.0, exponent);
            // Rounding may carry the mantissa to the next power of ten.
            double limit = std::pow(10.0, integerDigits);
            if (std::stod(FixedDigits(magnitude, m_p.decimalPlaces)) >= limit) {
                magnitude /= 10;
                ++exponent;
            }
        }
        std::string digits = std::to_string(std::abs(exponent));
        while (static_cast<int>(digits.size()) < m_p.exponentDigits)
            digits.insert(digits.begin(), '0');
        exponentText = (exponent < 0 ? "-" : (m_p.exponentSign ? "+" : "")) + digits;
        return magnitude;
    }

    std::string Emit(const std::string& exponent)
    {
        std::string out;
        std::string_view t = m_p.text;
        int integerSeen = 0;
        int decimalSeen = 0;
        bool afterPoint = false;
        bool done = false;
        for (size_t i = 0; i < t.size(); ++i) {
            char c = t[i];
            if (c == '"' || c == '\'') {
                size_t close = t.find(c, i + 1);
                if (close == std::string_view::npos)
                    close = t.size();
                out.append(t.substr(i + 1, close - i - 1));
                i = close;
                continue;
            }
            if (done) {
                out += c;
                continue;
            }
            if (c == '0' || c == '#') {
                if (!afterPoint) {
                    if (integerSeen++ == 0)
                        out += m_sign + m_integer;
                } else {
                    if (decimalSeen < static_cast<int>(m_fraction.size()))
                        out += m_fraction[static_cast<size_t>(decimalSeen)];
                    ++decimalSeen;
                }
            } else if (c == '.' && !afterPoint) {
                if (integerSeen == 0)
                    out += m_sign + m_integer;
                integerSeen = 1;
                afterPoint = true;
                if (!m_fraction.empty())
                    out += m_decimal;
            } else if (c == ',' && !afterPoint) {
                continue;
            } else if ((c == 'E' || c == 'e') && m_p.scientific && i + 1 < t.size() && (t[i + 1] == '+' || t[i + 1] == '-')) {
                out += c;
                out += exponent;
                i += 1;
                while (i + 1 < t.size() && t[i + 1] == '0')
                    ++i;
                done = true;
            } else {
                out += c;
            }
        }
        return out;
    }

    const Pattern& m_p;
    char m_decimal;
    char m_thousand;
    std::string m_integer;
    std::string m_fraction;
    std::string m_sign;
};

} // namespace

std::string FormatFloat(std::string_view format, double value, char decimalSeparator, char thousandSeparator)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    std::vector<std::string_view> sections = SplitSections(format);
    std::string_view section = sections[0];
    bool showSign = value < 0;
    if (value < 0 && sections.size() > 1 && !sections[1].empty()) {
        section = sections[1];
        showSign = false;
    } else if (value == 0 && sections.size() > 2 && !sections[2].empty()) {
        section = sections[2];
    }
    if (section.empty()) {
        std::string text = FloatToText(value);
        std::replace(text.begin(), text.end(), '.', decimalSeparator);
        return text;
    }
    // A section without placeholders is written as its literal text.
    Pattern pattern = Analyse(section);
    Writer writer(pattern, decimalSeparator, thousandSeparator);
    return writer.Write(std::fabs(value), showSign);
}

std::string FormatFixed(double value, int decimals, char decimalSeparator)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    std::string text = FixedDigits(std::fabs(value), decimals);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    bool nonzero = std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
    return (value < 0 && nonzero ? "-" : "") + text;
}

std::string FormatGrouped(double value, int decimals, char decimalSeparator, char thousandSeparator)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    std::string text = FixedDigits(std::fabs(value), decimals);
    size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string out = Group(integer, thousandSeparator);
    if (point != std::string::npos)
        out += decimalSeparator + text.substr(point + 1);
    bool nonzero = std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
    return (value < 0 && nonzero ? "-" : "") + out;
}

} // namespace report
