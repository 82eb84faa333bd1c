#include "platform/data/TStrings.h"

namespace db {

void TStrings::Clear()
{
    m_lines.clear();
    m_text.clear();
    if (OnChange)
        OnChange();
}

void TStrings::Add(std::string line)
{
    // A line break goes between the text so far and the new line; empty
    // lines at the start add nothing.
    if (!m_text.empty())
        m_text += '\n';
    m_text += line;
    m_lines.push_back(std::move(line));
    if (OnChange)
        OnChange();
}

} // namespace db
