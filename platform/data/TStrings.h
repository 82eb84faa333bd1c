#pragma once

#include <functional>
#include <string>
#include <vector>

namespace db {

// The lines of a query's statement text. OnChange runs after every change.
class TStrings {
public:
    void Clear();
    void Add(std::string line);
    int Count() const { return static_cast<int>(m_lines.size()); }
    const std::string& operator[](int index) const { return m_lines.at(static_cast<std::size_t>(index)); }
    // The lines joined by line breaks. Kept joined as lines are added, so a
    // query reopened over the same text does not join it again.
    const std::string& Text() const { return m_text; }

    std::function<void()> OnChange;

private:
    std::vector<std::string> m_lines;
    std::string m_text;
};

} // namespace db
