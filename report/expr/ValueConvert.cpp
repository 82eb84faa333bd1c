#include "report/expr/ValueConvert.h"

#include "platform/time/Calendar.h"
#include "platform/time/DateTimeFormat.h"
#include "report/expr/ExprError.h"

#include <charconv>
#include <cmath>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace report {

const TFormatSettings& SystemFormatSettings()
{
    static const TFormatSettings settings;
    return settings;
}

TDateTime ValidDate(TDateTime value)
{
    if (!dt::HasCalendarDate(value))
        throw ExprError(FloatToText(value.value) + " is not a valid date");
    return value;
}

std::string FloatToText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text(buffer);
    // "1.5E-05" becomes "1.5E-5", "1E+20" becomes "1E20".
    auto e = text.find('E');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    size_t digits = exponent.find_first_not_of("+-0");
    std::string magnitude = digits == std::string::npos ? "0" : exponent.substr(digits);
    return mantissa + "E" + (negative ? "-" : "") + magnitude;
}

std::string ValueToText(const Variant& value, const TFormatSettings& settings)
{
    switch (value.ValueType()) {
    case Variant::Type::Null:
        return {};
    case Variant::Type::Boolean:
        return value.AsBool() ? "True" : "False";
    case Variant::Type::Integer:
        return std::to_string(value.AsInt());
    case Variant::Type::Double:
        return FloatToText(value.AsDouble());
    case Variant::Type::String:
        return value.AsString();
    case Variant::Type::Date:
        // A day count beyond the calendar still reads as its number.
        if (!dt::HasCalendarDate(value.AsDate()))
            return FloatToText(value.AsDate().value);
        return dt::FormatDateTime("c", value.AsDate(), settings);
    }
    return {};
}

std::optional<double> TextToNumber(std::string_view text)
{
    size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos)
        return 0.0;
    size_t end = text.find_last_not_of(" \t\r\n");
    std::string number(text.substr(begin, end - begin + 1));
    for (char& c : number)
        if (c == ',')
            c = '.';
    const char* first = number.data();
    const char* last = number.data() + number.size();
    if (*first == '+')
        ++first;
    // from_chars rejects a leading "+" and reads "inf"/"nan"; neither is a
    // number the user writes, so the text must start with a digit or a point.
    const char* digits = first != last && *first == '-' ? first + 1 : first;
    if (digits == last || !(std::isdigit(static_cast<unsigned char>(*digits)) || *digits == '.'))
        return std::nullopt;
    double result = 0;
    auto [ptr, ec] = std::from_chars(first, last, result);
    if (ptr != last)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return std::strtod(first, nullptr);
    if (ec != std::errc())
        return std::nullopt;
    return result;
}

double ValueToNumber(const Variant& value)
{
    switch (value.ValueType()) {
    case Variant::Type::Null:
        return 0;
    case Variant::Type::Boolean:
        return value.AsBool() ? 1 : 0;
    case Variant::Type::Integer:
        return value.AsInt();
    case Variant::Type::Double:
        return value.AsDouble();
    case Variant::Type::Date:
        return value.AsDate().value;
    case Variant::Type::String:
        if (auto number = TextToNumber(value.AsString()))
            return *number;
        throw ExprError("'" + value.AsString() + "' is not a valid number");
    }
    return 0;
}

std::int64_t SaturatedInt64(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775807.0)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

std::int32_t SaturatedInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

Variant IntegerVariant(std::int64_t value)
{
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<int>(value));
    return Variant(static_cast<double>(value));
}

bool IsWholeKind(const Variant& value)
{
    auto type = value.ValueType();
    return type == Variant::Type::Null || type == Variant::Type::Boolean || type == Variant::Type::Integer;
}

std::string ValueToExpressionText(const Variant& value)
{
    switch (value.ValueType()) {
    case Variant::Type::Null:
        return "Null";
    case Variant::Type::Boolean:
        return value.AsBool() ? "TRUE" : "FALSE";
    case Variant::Type::Integer:
        return std::to_string(value.AsInt());
    case Variant::Type::Double:
    case Variant::Type::Date: {
        double number = ValueToNumber(value);
        if (!std::isfinite(number))
            return "0";
        // The expression language has no exponent notation; spell the value out
        // in the shortest digits that read back to the same double.
        char buffer[400];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
        std::string text(buffer, result.ptr);
        if (text.find('.') == std::string::npos && std::fabs(number) > 2147483647.0)
            text += ".0";
        return text;
    }
    case Variant::Type::String: {
        std::string quoted = "'";
        for (char c : value.AsString()) {
            quoted += c;
            if (c == '\'')
                quoted += '\'';
        }
        return quoted + "'";
    }
    }
    return "Null";
}

} // namespace report
