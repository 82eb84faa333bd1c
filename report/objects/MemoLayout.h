#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// A line a memo draws.
struct MemoLine {
    std::string Text;
    // Ends its paragraph: justified alignment leaves it as it is.
    bool ParagraphEnd { true };
};

// How a memo's text is broken into lines.
struct MemoWrapRule {
    // Width available to a line; lines are not wrapped when WordWrap is off.
    double Width { 0 };
    bool WordWrap { true };
    // A word wider than a line is hyphenated at a syllable break that fits.
    bool WordBreak { false };
};

using MemoMeasure = std::function<double(std::string_view)>;

// A text line of a memo that is already a drawn line ends in this character
// (text split into parts across pages keeps its lines this way).
inline constexpr char kPreSplitMark = '\x01';

// Breaks memo text into lines: carriage returns and line feeds end lines; a
// line is broken after the last blank that fits (the blank is dropped) or,
// without one, before the first character that does not fit, never inside a
// character. A text line ending in kPreSplitMark is one line as it stands.
std::vector<MemoLine> WrapMemoText(const std::vector<std::string>& text, const MemoWrapRule& rule,
    const MemoMeasure& measure);

// Byte offsets inside a word where it may be hyphenated (after each offset a
// "-" may be added and the line broken), in increasing order.
std::vector<std::size_t> HyphenationPoints(std::string_view word);

} // namespace report
