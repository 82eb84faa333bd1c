#pragma once

#include "report/expr/Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// Conversions between property values and the fields of report objects. A
// value that cannot stand for the field (a text that is no number, a number out
// of range) gives nothing, and the setter then leaves the field as it was.
std::optional<std::int32_t> ToInt32(const Variant& value);
std::optional<std::uint16_t> ToUInt16(const Variant& value);
std::optional<std::uint8_t> ToUInt8(const Variant& value);
std::optional<double> ToDouble(const Variant& value);
std::optional<bool> ToBool(const Variant& value);
std::string ToText(const Variant& value);

// ASCII upper case, for property and object names that compare without case.
std::string UpperCase(std::string_view name);
bool SameText(std::string_view a, std::string_view b);

// A text of lines as one string with CR LF between lines, and back (CR LF, CR
// and LF all end a line).
std::string JoinLines(const std::vector<std::string>& lines);
std::vector<std::string> SplitLines(std::string_view text);

} // namespace report
