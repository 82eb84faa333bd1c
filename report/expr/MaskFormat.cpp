#include "report/expr/MaskFormat.h"

#include "platform/text/Utf8.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace report {
namespace {

std::vector<std::string> Characters(std::string_view text)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size(); i += text::Utf8CharLength(text, i))
        characters.emplace_back(text.substr(i, text::Utf8CharLength(text, i)));
    return characters;
}

bool IsPlaceholder(char c)
{
    switch (c) {
    case 'L': case 'l': case 'A': case 'a': case 'C': case 'c': case '0': case '9': case '#':
        return true;
    default:
        return false;
    }
}

enum class CaseMode { AsIs, Upper, Lower };

std::string ApplyCase(std::string character, CaseMode mode)
{
    if (character.size() == 1) {
        unsigned char c = static_cast<unsigned char>(character[0]);
        if (mode == CaseMode::Upper)
            character[0] = static_cast<char>(std::toupper(c));
        else if (mode == CaseMode::Lower)
            character[0] = static_cast<char>(std::tolower(c));
    }
    return character;
}

} // namespace

std::string FormatMaskText(std::string_view mask, std::string_view value, char timeSeparator, char dateSeparator)
{
    // Split off the literal flag and the blank character.
    std::string_view body = mask;
    bool valueHasLiterals = true;
    std::string blank = "_";
    if (auto first = mask.find(';'); first != std::string_view::npos) {
        body = mask.substr(0, first);
        std::string_view rest = mask.substr(first + 1);
        auto second = rest.find(';');
        std::string_view flag = rest.substr(0, second);
        valueHasLiterals = !(flag.size() == 1 && flag[0] == '0');
        if (second != std::string_view::npos && second + 1 < rest.size())
            blank = std::string(1, rest[second + 1]);
    }
    std::vector<std::string> input = Characters(value);
    size_t next = 0;
    CaseMode mode = CaseMode::AsIs;
    std::string out;
    for (size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (c == '!')
            continue;
        if (c == '<' && i + 1 < body.size() && body[i + 1] == '>') {
            mode = CaseMode::AsIs;
            ++i;
            continue;
        }
        if (c == '>' || c == '<') {
            mode = c == '>' ? CaseMode::Upper : CaseMode::Lower;
            continue;
        }
        if (IsPlaceholder(c)) {
            out += next < input.size() ? ApplyCase(input[next++], mode) : blank;
            continue;
        }
        std::string literal;
        if (c == '\\' && i + 1 < body.size()) {
            size_t length = text::Utf8CharLength(body, i + 1);
            literal = std::string(body.substr(i + 1, length));
            i += length;
        } else if (c == ':') {
            literal = std::string(1, timeSeparator);
        } else if (c == '/') {
            literal = std::string(1, dateSeparator);
        } else {
            size_t length = text::Utf8CharLength(body, i);
            literal = std::string(body.substr(i, length));
            i += length - 1;
        }
        out += literal;
        if (valueHasLiterals && next < input.size())
            ++next;
    }
    return out;
}

} // namespace report
