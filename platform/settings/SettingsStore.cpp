#include "platform/settings/SettingsStore.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace settings {
namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// Writes `text` to `file` and flushes it to the disk; false on any failure.
bool WriteDurably(const std::filesystem::path& file, const std::string& text)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    written = std::fflush(out) == 0 && written;
    written = ::fsync(fileno(out)) == 0 && written;
    return std::fclose(out) == 0 && written;
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file) : m_file(std::move(file))
{
    std::ifstream in(m_file, std::ios::binary);
    if (!in)
        return;
    std::ostringstream text;
    text << in.rdbuf();
    ParseText(text.str());
}

std::filesystem::path SettingsStore::DefaultFile()
{
    std::filesystem::path base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && std::filesystem::path(config).is_absolute()) {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && *home ? home : ".") / ".config";
    }
    return base / "veltrin" / "settings.ini";
}

std::optional<std::string> SettingsStore::ReadString(const std::string& key, const std::string& name) const
{
    const auto section = m_sections.find(key);
    if (section == m_sections.end())
        return std::nullopt;
    const auto value = section->second.find(name);
    if (value == section->second.end())
        return std::nullopt;
    return value->second;
}

int SettingsStore::ReadInteger(const std::string& key, const std::string& name, int fallback) const
{
    const auto text = ReadString(key, name);
    if (!text)
        return fallback;
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    return error == std::errc() && stop == end ? value : fallback;
}

bool SettingsStore::ReadBool(const std::string& key, const std::string& name, bool fallback) const
{
    const auto text = ReadString(key, name);
    if (text == "1" || text == "true")
        return true;
    if (text == "0" || text == "false")
        return false;
    return fallback;
}

void SettingsStore::WriteString(const std::string& key, const std::string& name, const std::string& value)
{
    m_sections[OneLine(key)][OneLine(name)] = OneLine(value);
}

void SettingsStore::WriteInteger(const std::string& key, const std::string& name, int value)
{
    WriteString(key, name, std::to_string(value));
}

void SettingsStore::WriteBool(const std::string& key, const std::string& name, bool value)
{
    WriteString(key, name, value ? "1" : "0");
}

std::string SettingsStore::Text() const
{
    std::string text;
    for (const auto& [key, values] : m_sections) {
        if (!text.empty())
            text += '\n';
        text += '[' + key + "]\n";
        for (const auto& [name, value] : values)
            text += name + '=' + value + '\n';
    }
    return text;
}

void SettingsStore::ParseText(const std::string& text)
{
    m_sections.clear();
    std::istringstream lines(text);
    std::string line;
    std::map<std::string, std::string>* section = nullptr;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = &m_sections[line.substr(1, line.size() - 2)];
            continue;
        }
        const auto equals = line.find('=');
        // Lines before the first section, or without a name, carry nothing.
        if (!section || equals == std::string::npos || equals == 0)
            continue;
        (*section)[Trimmed(line.substr(0, equals))] = Trimmed(line.substr(equals + 1));
    }
}

bool SettingsStore::Save() const
{
    std::error_code error;
    if (m_file.has_parent_path())
        std::filesystem::create_directories(m_file.parent_path(), error);
    std::filesystem::path temporary = m_file;
    temporary += ".tmp" + std::to_string(::getpid());
    if (!WriteDurably(temporary, Text())) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, m_file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace settings
