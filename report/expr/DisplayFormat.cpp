#include "report/expr/DisplayFormat.h"

#include "platform/time/DateTimeFormat.h"
#include "platform/time/DateTimeParse.h"
#include "report/expr/ExprError.h"
#include "report/expr/ExprOperators.h"
#include "report/expr/ExprScanner.h"
#include "report/expr/NumberFormat.h"
#include "report/expr/ValueConvert.h"

#include <algorithm>

namespace report {
namespace {

constexpr std::string_view kDateFormats[] = { "mm.dd.yy", "mm.dd.yyyy", "d mmm yyyy" };
constexpr std::string_view kTimeFormats[] = { "hh:nn:ss", "h:nn:ss", "hh:nn", "h:nn" };
constexpr std::string_view kBooleanTexts[] = { "0;1", "No;Yes", "_;x", "False;True" };

// The thousands separator to use next to `decimal`; a blank when the
// system's separator would read as the decimal one.
char ThousandsNextTo(char decimal, const TFormatSettings& settings)
{
    return settings.ThousandSeparator == decimal ? ' ' : settings.ThousandSeparator;
}

TDateTime AsDateTime(const Variant& value, const TFormatSettings& settings)
{
    if (value.IsString()) {
        if (auto date = dt::ParseDate(value.AsString(), settings))
            return *date;
        if (auto time = dt::ParseTime(value.AsString(), settings))
            return *time;
        throw ExprError("'" + value.AsString() + "' is not a valid date");
    }
    return ValidDate(TDateTime { ValueToNumber(value) });
}

std::string FormatNumber(double number, const TfrDisplayFormat& format, const TFormatSettings& settings)
{
    char decimal = format.Separator() ? format.Separator() : settings.DecimalSeparator;
    int decimals = format.Decimals();
    switch (format.Kind()) {
    case 0:
        return FormatFloat("##0." + std::string(static_cast<size_t>(decimals), '#'), number, decimal);
    case 1:
        return FormatFixed(number, decimals, decimal);
    case 2:
        return FormatFloat("#,##0." + std::string(static_cast<size_t>(decimals), '#'), number, decimal,
            ThousandsNextTo(decimal, settings));
    case 3:
        return FormatGrouped(number, decimals, decimal, ThousandsNextTo(decimal, settings));
    default:
        return FormatFloat(format.FormatText, number, decimal, ThousandsNextTo(decimal, settings));
    }
}

std::string FormatBoolean(const Variant& value, const TfrDisplayFormat& format)
{
    std::string_view texts = format.Kind() < kCustomFormatKind ? kBooleanTexts[format.Kind()]
                                                                : std::string_view(format.FormatText);
    size_t split = texts.find(';');
    std::string_view falseText = texts.substr(0, split);
    std::string_view trueText = split == std::string_view::npos ? std::string_view() : texts.substr(split + 1);
    bool truth = value.ValueType() == Variant::Type::Boolean ? value.AsBool() : ValueToNumber(value) != 0;
    return std::string(truth ? trueText : falseText);
}

std::string FormatWithCode(const Variant& value, const TfrDisplayFormat& format, const TFormatSettings& settings)
{
    int kind = format.Kind();
    switch (format.Category()) {
    case TfrFormatCategory::Number:
        return FormatNumber(ValueToNumber(value), format, settings);
    case TfrFormatCategory::Date: {
        TDateTime date = AsDateTime(value, settings);
        if (kind < 3)
            return dt::FormatDateTime(kDateFormats[kind], date, settings);
        return dt::FormatDateTime(kind == 3 ? std::string_view(settings.LongDateFormat) : format.FormatText, date, settings);
    }
    case TfrFormatCategory::Time: {
        TDateTime time = AsDateTime(value, settings);
        if (kind < kCustomFormatKind)
            return dt::FormatDateTime(kTimeFormats[kind], time, settings);
        return dt::FormatDateTime(format.FormatText, time, settings);
    }
    case TfrFormatCategory::Boolean:
        if (kind > kCustomFormatKind)
            return ValueToText(value, settings);
        return FormatBoolean(value, format);
    default:
        return ValueToText(value, settings);
    }
}

} // namespace

std::int32_t TfrDisplayFormat::MakeCode(TfrFormatCategory category, int kind, int decimals, char separator)
{
    auto bits = (static_cast<std::uint32_t>(category) & 0x0F) << 24 | (static_cast<std::uint32_t>(kind) & 0xFF) << 16
        | (static_cast<std::uint32_t>(decimals) & 0xFF) << 8 | static_cast<unsigned char>(separator);
    return static_cast<std::int32_t>(bits);
}

TfrDisplayFormat TfrDisplayFormat::Default(const TFormatSettings& settings)
{
    return { MakeCode(TfrFormatCategory::Text, 0, 2, settings.DecimalSeparator), {} };
}

std::string FormatValue(const Variant& value, const TfrDisplayFormat& format, const TFormatSettings& settings)
{
    if (value.IsNull() || (value.IsString() && Trimmed(value.AsString()).empty()))
        return {};
    try {
        return FormatWithCode(value, format, settings);
    } catch (const ExprError&) {
        return ValueToText(value, settings);
    }
}

bool ParseFormatSuffix(std::string_view text, TfrDisplayFormat& format)
{
    if (text.empty())
        return false;
    std::string suffix(text);
    if (suffix[0] >= '0' && suffix[0] <= '9')
        suffix = "N" + suffix;
    char first = static_cast<char>(std::toupper(static_cast<unsigned char>(suffix[0])));
    std::string rest = suffix.substr(1);
    if (first == 'B') {
        format = { TfrDisplayFormat::MakeCode(TfrFormatCategory::Boolean, kCustomFormatKind, 0, '.'), rest };
        return true;
    }
    if (first == 'D' || first == 'T') {
        auto category = first == 'D' ? TfrFormatCategory::Date : TfrFormatCategory::Time;
        format = { TfrDisplayFormat::MakeCode(category, kCustomFormatKind, 0, '.'), rest };
        return true;
    }
    if (first != 'N')
        return false;
    size_t separatorAt = suffix.find_last_of(",-.");
    bool fixed = suffix.size() > 1 && suffix[1] >= '0' && suffix[1] <= '9';
    if (!fixed) {
        format = { TfrDisplayFormat::MakeCode(TfrFormatCategory::Number, kCustomFormatKind, 0, '.'), rest };
        return true;
    }
    char separator = separatorAt == std::string::npos ? SystemFormatSettings().DecimalSeparator : suffix[separatorAt];
    size_t digitsAt = separatorAt == std::string::npos ? 1 : separatorAt + 1;
    int decimals = 0;
    for (size_t i = digitsAt; i < suffix.size() && suffix[i] >= '0' && suffix[i] <= '9'; ++i)
        decimals = std::min(decimals * 10 + (suffix[i] - '0'), 255);
    format = { TfrDisplayFormat::MakeCode(TfrFormatCategory::Number, 1, decimals, separator), {} };
    return true;
}

} // namespace report
