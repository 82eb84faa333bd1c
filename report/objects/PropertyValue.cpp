#include "report/objects/PropertyValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace report {
namespace {

std::optional<double> ParseNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    double number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

template<typename Integer>
std::optional<Integer> ToIntegral(const Variant& value)
{
    auto number = ToDouble(value);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    double rounded = std::nearbyint(*number);
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min())
        || rounded > static_cast<double>(std::numeric_limits<Integer>::max()))
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

} // namespace

std::optional<double> ToDouble(const Variant& value)
{
    switch (value.ValueType()) {
    case Variant::Type::Null:
        return std::nullopt;
    case Variant::Type::Boolean:
        return value.AsBool() ? -1.0 : 0.0;
    case Variant::Type::Integer:
        return value.AsInt();
    case Variant::Type::Double:
        return value.AsDouble();
    case Variant::Type::Date:
        return value.AsDate().value;
    case Variant::Type::String:
        return ParseNumber(value.AsString());
    }
    return std::nullopt;
}

std::optional<std::int32_t> ToInt32(const Variant& value) { return ToIntegral<std::int32_t>(value); }
std::optional<std::uint16_t> ToUInt16(const Variant& value) { return ToIntegral<std::uint16_t>(value); }
std::optional<std::uint8_t> ToUInt8(const Variant& value) { return ToIntegral<std::uint8_t>(value); }

std::optional<bool> ToBool(const Variant& value)
{
    if (value.ValueType() == Variant::Type::Boolean)
        return value.AsBool();
    if (value.IsString()) {
        std::string upper = UpperCase(value.AsString());
        if (upper == "TRUE")
            return true;
        if (upper == "FALSE")
            return false;
    }
    auto number = ToDouble(value);
    if (!number || std::isnan(*number))
        return std::nullopt;
    return *number != 0.0;
}

std::string ToText(const Variant& value)
{
    switch (value.ValueType()) {
    case Variant::Type::Null:
        return {};
    case Variant::Type::Boolean:
        return value.AsBool() ? "True" : "False";
    case Variant::Type::Integer:
        return std::to_string(value.AsInt());
    case Variant::Type::Double:
    case Variant::Type::Date: {
        double number = value.ValueType() == Variant::Type::Double ? value.AsDouble() : value.AsDate().value;
        char buffer[32];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
        return error == std::errc() ? std::string(buffer, end) : std::string {};
    }
    case Variant::Type::String:
        return value.AsString();
    }
    return {};
}

std::string UpperCase(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

} // namespace report
