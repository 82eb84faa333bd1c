#pragma once

#include "report/expr/FormatSettings.h"
#include "report/expr/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace report {

// A report object's display format: `FormatCode` packs the category (bits 24
// to 27), the kind within it (bits 16 to 23; 4 is custom, using `FormatText`),
// the number of decimals (bits 8 to 15) and the decimal-separator character
// (bits 0 to 7).
enum class TfrFormatCategory { Text = 0, Number = 1, Date = 2, Time = 3, Boolean = 4 };

constexpr int kCustomFormatKind = 4;

struct TfrDisplayFormat {
    std::int32_t FormatCode { 0 };
    std::string FormatText;

    static std::int32_t MakeCode(TfrFormatCategory category, int kind, int decimals, char separator);
    // Text category, kind 0, 2 decimals, the system decimal separator.
    static TfrDisplayFormat Default(const TFormatSettings& settings = SystemFormatSettings());

    TfrFormatCategory Category() const { return static_cast<TfrFormatCategory>((FormatCode >> 24) & 0x0F); }
    int Kind() const { return (FormatCode >> 16) & 0xFF; }
    int Decimals() const { return (FormatCode >> 8) & 0xFF; }
    char Separator() const { return static_cast<char>(FormatCode & 0xFF); }
};

// The value as the format shows it. Null and texts that trim to nothing give
// "". When the value does not suit the format (text in a number format, a
// number that is no calendar date), its plain text is used.
std::string FormatValue(const Variant& value, const TfrDisplayFormat& format,
    const TFormatSettings& settings = SystemFormatSettings());

// Reads the format text of a bracket suffix ("[expr #N0,2]" has "N0,2"):
// N/n (or a leading digit) a number format, B/b boolean, D/d/T/t date-time;
// false for any other text.
bool ParseFormatSuffix(std::string_view text, TfrDisplayFormat& format);

} // namespace report
