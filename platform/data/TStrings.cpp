#include "platform/data/TStrings.h"

namespace db {

void TStrings::Clear()
{
    m_lines.clear();
    if (OnChange)
        OnChange();
}

void TStrings::Add(std::string line)
{
    m_lines.push_back(std::move(line));
    if (OnChange)
        OnChange();
}

std::string TStrings::Text() const
{
    std::string text;
    for (const auto& line : m_lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

} // namespace db
