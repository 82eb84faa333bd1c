#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace report {

// A call of one of the splitter's functions found in a text.
struct TfrFoundCall {
    std::string name;                  // upper case
    std::vector<std::string> args;     // trimmed argument texts
};

// Finds every call of a set of functions in report texts: in the bracketed
// parts of memo lines, and inside the arguments and brackets of other calls,
// at any depth. Quoted text is skipped.
class TfrFunctionSplitter {
public:
    explicit TfrFunctionSplitter(std::vector<std::string> upperCaseNames);

    // Calls inside the bracketed parts of a memo line.
    std::vector<TfrFoundCall> SplitText(std::string_view line) const;
    // Calls inside an expression.
    std::vector<TfrFoundCall> SplitExpression(std::string_view expression) const;

    // Nesting deeper than this is not searched (such texts fail to
    // evaluate anyway).
    static constexpr int kMaxDepth = 32;

private:
    void ScanText(std::string_view line, int depth, std::vector<TfrFoundCall>& found) const;
    void ScanExpression(std::string_view expression, int depth, std::vector<TfrFoundCall>& found) const;
    bool IsWanted(const std::string& upperName) const;

    std::vector<std::string> m_names;
};

} // namespace report
