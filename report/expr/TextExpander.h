#pragma once

#include "report/expr/DisplayFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace report {

class TfrExpressionEngine;

// Expands the bracketed expressions of report texts. Each "[...]" (brackets
// nest; brackets inside quotes do not count) is replaced by the formatted
// value of its content and scanning goes on after the inserted text. The
// content may end with a format suffix, a blank, "#" and a format text
// (ParseFormatSuffix), which formats this value; otherwise `format` applies.
// With `hideZeros`, a value that is not a string and equals 0 gives "". A "["
// without its "]" is kept as written. Text is scanned by whole characters.
class TextExpander {
public:
    TextExpander(TfrExpressionEngine& engine, TfrDisplayFormat format, bool hideZeros = false)
        : m_engine(engine), m_format(std::move(format)), m_hideZeros(hideZeros) {}

    std::string ExpandLine(std::string_view line);
    // Expands every line; a value holding line breaks adds lines.
    std::vector<std::string> ExpandLines(const std::vector<std::string>& lines);

    // Splits an expression at its format suffix; false when it has none.
    static bool SplitSuffix(std::string_view content, std::string_view& expression, std::string_view& suffix);

private:
    std::string ExpandOne(std::string_view content);

    TfrExpressionEngine& m_engine;
    TfrDisplayFormat m_format;
    bool m_hideZeros { false };
};

} // namespace report
