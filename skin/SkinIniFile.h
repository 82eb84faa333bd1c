#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skin {

// The in-memory INI reader of a skin description. Section and key names are
// compared without regard to (ASCII) case; every line is trimmed; empty lines
// and lines starting with ";" are ignored; "[name]" starts a section; a line
// with "=" gives a key (before the first "=") and its value (after it), both
// trimmed. Lines before the first section are ignored, and of two equal keys of
// a section the first one counts. Text is UTF-8 (the caller converts GBK).
class SkinIniFile {
public:
    SkinIniFile() = default;
    explicit SkinIniFile(const std::vector<std::string>& lines);

    bool SectionExists(std::string_view section) const;
    // The value of a key, or null when the section or the key is missing.
    const std::string* FindValue(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Decimal, or hexadecimal after "0x", "0X" or "$"; a missing key or a value
    // that does not convert gives the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

private:
    using Section = std::unordered_map<std::string, std::string>;
    std::unordered_map<std::string, Section> m_sections;
};

// Text of an INI file split into lines at CR LF, LF or CR; a line break at the
// very end does not start another line.
std::vector<std::string> SplitTextLines(std::string_view text);

// A 32-bit integer in the value syntax above; false when the text does not
// convert (empty, stray characters, out of range).
bool ParseSkinInteger(std::string_view text, int& value);

} // namespace skin
