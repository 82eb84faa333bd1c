#include "report/expr/ExprScanner.h"

#include "platform/text/Utf8.h"

namespace report {

size_t SkipQuoted(std::string_view text, size_t at)
{
    char quote = text[at];
    size_t i = at + 1;
    while (i < text.size()) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        i += text::Utf8CharLength(text, i);
    }
    return std::string_view::npos;
}

size_t FindClosing(std::string_view text, size_t open)
{
    char opener = text[open];
    char closer = opener == '[' ? ']' : ')';
    int depth = 0;
    size_t i = open;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\'' || c == '"') {
            i = SkipQuoted(text, i);
            if (i == std::string_view::npos)
                return i;
            continue;
        }
        if (opener == '(' && c == '[' ) {
            i = FindClosing(text, i);
            if (i == std::string_view::npos)
                return i;
            ++i;
            continue;
        }
        if (c == opener) {
            ++depth;
        } else if (c == closer) {
            if (--depth == 0)
                return i;
        }
        i += text::Utf8CharLength(text, i);
    }
    return std::string_view::npos;
}

std::string_view Trimmed(std::string_view text)
{
    size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos)
        return {};
    size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

std::vector<std::string> SplitArguments(std::string_view text)
{
    std::vector<std::string> parts;
    if (Trimmed(text).empty())
        return parts;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\'' || c == '"' || c == '(' || c == '[') {
            size_t end = c == '(' || c == '[' ? FindClosing(text, i) : SkipQuoted(text, i);
            if (end == std::string_view::npos)
                break;
            i = c == '(' || c == '[' ? end + 1 : end;
            continue;
        }
        if (c == ',') {
            parts.emplace_back(Trimmed(text.substr(start, i - start)));
            start = i + 1;
        }
        i += text::Utf8CharLength(text, i);
    }
    parts.emplace_back(Trimmed(text.substr(start)));
    return parts;
}

} // namespace report
