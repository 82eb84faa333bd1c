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
    // The lines joined by line breaks.
    std::string Text() const;

    std::function<void()> OnChange;

private:
    std::vector<std::string> m_lines;
};

} // namespace db
