#pragma once

#include <cstddef>
#include <string_view>

namespace text {

// Lines of text end at a carriage return, a line feed, or a carriage return
// followed by a line feed, which counts as one break. Texts typed on this
// system, pasted from elsewhere or read from the program's files mix all three.

// Where the first line break at or after `from` starts; npos when none does.
std::size_t FindLineBreak(std::string_view text, std::size_t from = 0);

// Bytes taken by the line break that starts at `at`: 2 for a carriage return
// followed by a line feed, otherwise 1.
std::size_t LineBreakLength(std::string_view text, std::size_t at);

} // namespace text
