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
    // An empty text takes no break before the next line, as the joined
    // lines never had one.
    if (!m_text.empty())
        m_text += '\n';
    m_text += line;
    m_lines.push_back(std::move(line));
    if (OnChange)
        OnChange();
}

} // namespace db
