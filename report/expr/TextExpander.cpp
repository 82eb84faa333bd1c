#include "report/expr/TextExpander.h"

#include "report/expr/ExprScanner.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/ValueConvert.h"
#include "platform/text/LineBreaks.h"
#include "platform/text/Utf8.h"

namespace report {

bool TextExpander::SplitSuffix(std::string_view content, std::string_view& expression, std::string_view& suffix)
{
    size_t i = 0;
    while (i < content.size()) {
        char c = content[i];
        if (c == '\'' || c == '"' || c == '[' || c == '(') {
            size_t end = c == '[' || c == '(' ? FindClosing(content, i) : SkipQuoted(content, i);
            if (end == std::string_view::npos)
                return false;
            i = c == '[' || c == '(' ? end + 1 : end;
            continue;
        }
        if (c == ' ' && i + 1 < content.size() && content[i + 1] == '#') {
            expression = content.substr(0, i);
            suffix = content.substr(i + 2);
            return true;
        }
        i += text::Utf8CharLength(content, i);
    }
    return false;
}

std::string TextExpander::ExpandOne(std::string_view content)
{
    std::string_view expression = content;
    std::string_view suffix;
    TfrDisplayFormat format = m_format;
    if (SplitSuffix(content, expression, suffix)) {
        TfrDisplayFormat fromSuffix;
        if (ParseFormatSuffix(suffix, fromSuffix))
            format = fromSuffix;
    }
    Variant value = m_engine.Evaluate(expression);
    m_engine.SetLastValue(value);
    if (m_hideZeros && !value.IsString() && !value.IsNull() && ValueToNumber(value) == 0)
        return {};
    return FormatValue(value, format, m_engine.Settings());
}

std::string TextExpander::ExpandLine(std::string_view line)
{
    std::string out;
    size_t i = 0;
    while (i < line.size()) {
        size_t open = line.find('[', i);
        if (open == std::string_view::npos) {
            out.append(line.substr(i));
            break;
        }
        size_t close = FindClosing(line, open);
        if (close == std::string_view::npos) {
            out.append(line.substr(i));
            break;
        }
        out.append(line.substr(i, open - i));
        out += ExpandOne(line.substr(open + 1, close - open - 1));
        i = close + 1;
    }
    return out;
}

std::vector<std::string> TextExpander::ExpandLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> expanded;
    for (const std::string& line : lines) {
        std::string text = ExpandLine(line);
        size_t start = 0;
        while (true) {
            size_t end = text::FindLineBreak(text, start);
            if (end == std::string::npos) {
                expanded.push_back(text.substr(start));
                break;
            }
            expanded.push_back(text.substr(start, end - start));
            start = end + text::LineBreakLength(text, end);
        }
    }
    return expanded;
}

} // namespace report
