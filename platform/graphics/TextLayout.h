#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Line layout of DrawText, independent of drawing: "&" prefixes, line breaks,
// word wrapping and end ellipsis.
namespace gfx::textlayout {

using Measure = std::function<int(std::string_view)>;

struct Line {
    std::string Text;
    int Width { 0 };
    // Byte offsets in Text of the characters to underline ("&x" prefixes).
    std::vector<std::size_t> Underlined;
};

// Text without its "&" markers ("&&" stands for "&") and the byte offsets of
// the characters that followed a single "&".
struct Unprefixed {
    std::string Text;
    std::vector<std::size_t> Underlined;
};
Unprefixed StripPrefixes(std::string_view text);

// Splits the text into drawn lines for the DT_* format flags and the
// rectangle's width.
std::vector<Line> Layout(std::string_view text, unsigned format, int width, const Measure& measure);

} // namespace gfx::textlayout
