#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"

#include <string>
#include <vector>

namespace drawskin {

// Collects the lines of skin.ini: sections with their keys in order, a blank
// line between sections.
class IniWriter {
public:
    void Section(const std::string& name)
    {
        if (!m_lines.empty())
            m_lines.emplace_back();
        m_lines.push_back("[" + name + "]");
    }
    void Key(const std::string& key, const std::string& value) { m_lines.push_back(key + "=" + value); }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    void Key(const std::string& key, const gfx::TRect& r)
    {
        Key(key, std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + ","
                + std::to_string(r.Bottom));
    }
    void Key(const std::string& key, gfx::TPoint p) { Key(key, std::to_string(p.X) + "," + std::to_string(p.Y)); }
    void Color(const std::string& key, gfx::TColor color) { Key(key, std::to_string(color)); }
    // A numbered list: "count" and then "0", "1" … with the entries.
    void List(const std::vector<std::string>& entries)
    {
        Key("count", static_cast<int>(entries.size()));
        for (std::size_t i = 0; i < entries.size(); ++i)
            Key(std::to_string(i), entries[i]);
    }
    std::vector<std::string> Take() { return std::move(m_lines); }

private:
    std::vector<std::string> m_lines;
};

} // namespace drawskin
