#include "skin/SkinIniFile.h"

#include <cstdint>

namespace skin {

namespace {

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view Trim(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

SkinIniFile::SkinIniFile(const std::vector<std::string>& lines)
{
    Section* current = nullptr;
    for (const std::string& raw : lines) {
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            // A repeated section header continues the first section of that
            // name; its keys only count where the first one lacks them.
            current = &m_sections[LowerAscii(Trim(line.substr(1, line.size() - 2)))];
            continue;
        }
        std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos)
            continue;
        current->try_emplace(LowerAscii(Trim(line.substr(0, equals))), Trim(line.substr(equals + 1)));
    }
}

bool SkinIniFile::SectionExists(std::string_view section) const
{
    return m_sections.contains(LowerAscii(section));
}

const std::string* SkinIniFile::FindValue(std::string_view section, std::string_view key) const
{
    auto found = m_sections.find(LowerAscii(section));
    if (found == m_sections.end())
        return nullptr;
    auto value = found->second.find(LowerAscii(key));
    return value == found->second.end() ? nullptr : &value->second;
}

std::string SkinIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const std::string* value = FindValue(section, key);
    return value ? *value : std::string(fallback);
}

int SkinIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const
{
    const std::string* text = FindValue(section, key);
    int value = 0;
    return text && ParseSkinInteger(*text, value) ? value : fallback;
}

std::vector<std::string> SplitTextLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

bool ParseSkinInteger(std::string_view text, int& value)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = true;
        text.remove_prefix(2);
    } else if (text.starts_with("$")) {
        hex = true;
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;

    std::uint64_t magnitude = 0;
    for (char c : text) {
        int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0)
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (magnitude > 0xFFFFFFFFull)
            return false;
    }
    if (hex) {
        // Hexadecimal covers the full 32 bits, so "$FFFFFFFF" is -1 (colours
        // with the system bit are written this way).
        std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
        value = static_cast<int>(negative ? 0u - bits : bits);
        return true;
    }
    if (magnitude > (negative ? 2147483648ull : 2147483647ull))
        return false;
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
    return true;
}

} // namespace skin
