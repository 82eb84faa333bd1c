#pragma once

#include <string>
#include <string_view>

namespace report {

// Formats `value` with an edit mask "mask;literals;blank": placeholders L l A a
// C c 0 9 # take the next character of the value (or the blank character when
// the value is used up), ">" and "<" switch to upper and lower case ("<>" back
// to as is), "\" makes the next character literal, ":" and "/" are the time and
// date separators, every other character is copied. With literals "0" the
// value holds only the characters for the placeholders; with "1" it holds the
// literals too, and they are skipped. Works on whole UTF-8 characters.
std::string FormatMaskText(std::string_view mask, std::string_view value, char timeSeparator = ':',
    char dateSeparator = '-');

} // namespace report
