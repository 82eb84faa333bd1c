#include "report/expr/TfrFunctionSplitter.h"

#include "report/expr/ExprScanner.h"
#include "report/expr/TfrVariables.h"
#include "platform/text/Utf8.h"

#include <algorithm>

namespace report {
namespace {

bool EndsName(char c)
{
    return std::string_view(" \t\r\n+-*/=<>()[],';").find(c) != std::string_view::npos;
}

} // namespace

TfrFunctionSplitter::TfrFunctionSplitter(std::vector<std::string> upperCaseNames) : m_names(std::move(upperCaseNames)) {}

bool TfrFunctionSplitter::IsWanted(const std::string& upperName) const
{
    return std::find(m_names.begin(), m_names.end(), upperName) != m_names.end();
}

std::vector<TfrFoundCall> TfrFunctionSplitter::SplitText(std::string_view line) const
{
    std::vector<TfrFoundCall> found;
    ScanText(line, 0, found);
    return found;
}

std::vector<TfrFoundCall> TfrFunctionSplitter::SplitExpression(std::string_view expression) const
{
    std::vector<TfrFoundCall> found;
    ScanExpression(expression, 0, found);
    return found;
}

void TfrFunctionSplitter::ScanText(std::string_view line, int depth, std::vector<TfrFoundCall>& found) const
{
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] != '[') {
            i += text::Utf8CharLength(line, i);
            continue;
        }
        size_t close = FindClosing(line, i);
        if (close == std::string_view::npos)
            return;
        ScanExpression(line.substr(i + 1, close - i - 1), depth + 1, found);
        i = close + 1;
    }
}

void TfrFunctionSplitter::ScanExpression(std::string_view text, int depth, std::vector<TfrFoundCall>& found) const
{
    if (depth > kMaxDepth)
        return;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\'') {
            i = SkipQuoted(text, i);
            if (i == std::string_view::npos)
                return;
            continue;
        }
        if (c == '[') {
            size_t close = FindClosing(text, i);
            if (close == std::string_view::npos)
                return;
            ScanExpression(text.substr(i + 1, close - i - 1), depth + 1, found);
            i = close + 1;
            continue;
        }
        if (EndsName(c)) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < text.size() && !EndsName(text[i])) {
            if (text[i] == '"') {
                i = SkipQuoted(text, i);
                if (i == std::string_view::npos)
                    return;
            } else {
                i += text::Utf8CharLength(text, i);
            }
        }
        size_t open = i;
        while (open < text.size() && (text[open] == ' ' || text[open] == '\t'))
            ++open;
        if (open >= text.size() || text[open] != '(')
            continue;
        size_t close = FindClosing(text, open);
        if (close == std::string_view::npos)
            return;
        std::vector<std::string> args = SplitArguments(text.substr(open + 1, close - open - 1));
        std::string name = UpperName(text.substr(start, open - start));
        name = std::string(Trimmed(name));
        if (IsWanted(name))
            found.push_back({ name, args });
        for (const std::string& arg : args)
            ScanExpression(arg, depth + 1, found);
        i = close + 1;
    }
}

} // namespace report
