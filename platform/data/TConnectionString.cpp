#include "platform/data/TConnectionString.h"

#include "platform/data/EDatabaseError.h"

#include <algorithm>

namespace db {

namespace {

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameKey(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

TConnectionString::TConnectionString(std::string_view text)
{
    std::size_t position = 0;
    while (position < text.size()) {
        const auto equals = text.find('=', position);
        const auto semicolon = text.find(';', position);
        if (equals == std::string_view::npos || (semicolon != std::string_view::npos && semicolon < equals)) {
            const auto rest = Trim(text.substr(position, semicolon - position));
            if (!rest.empty())
                throw EDatabaseError("Connection string: \"" + std::string(rest) + "\" has no value");
            position = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
            continue;
        }
        const std::string key(Trim(text.substr(position, equals - position)));
        position = equals + 1;
        while (position < text.size() && (text[position] == ' ' || text[position] == '\t'))
            ++position;

        std::string value;
        if (position < text.size() && (text[position] == '"' || text[position] == '\'')) {
            const char quote = text[position++];
            for (;;) {
                if (position >= text.size())
                    throw EDatabaseError("Connection string: the value of \"" + key + "\" has no closing quote");
                if (text[position] == quote) {
                    if (position + 1 < text.size() && text[position + 1] == quote) {
                        value += quote;
                        position += 2;
                        continue;
                    }
                    ++position;
                    break;
                }
                value += text[position++];
            }
            const auto end = text.find(';', position);
            position = end == std::string_view::npos ? text.size() : end + 1;
        } else {
            const auto end = text.find(';', position);
            value = Trim(text.substr(position, end == std::string_view::npos ? std::string_view::npos : end - position));
            position = end == std::string_view::npos ? text.size() : end + 1;
        }
        m_pairs.emplace_back(key, std::move(value));
    }
}

bool TConnectionString::Has(std::string_view key) const
{
    return std::ranges::any_of(m_pairs, [&](const auto& pair) { return SameKey(pair.first, key); });
}

std::string TConnectionString::Value(std::string_view key) const
{
    for (const auto& [name, value] : m_pairs) {
        if (SameKey(name, key))
            return value;
    }
    return {};
}

} // namespace db
