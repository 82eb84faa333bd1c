#pragma once

#include <string>
#include <string_view>

namespace text {

// Editing works on characters (code points); storage and display on UTF-8.
// Malformed UTF-8 bytes become U+FFFD.
std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view text);

} // namespace text
