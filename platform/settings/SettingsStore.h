#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace settings {

// The program's small store of user settings (the preview window's place and
// size), kept as an INI file: "[key]" sections of "name=value" lines. Keys are
// registry-style paths such as "Software\Lumvexa\Form\TfrPreviewForm"; names
// and keys compare exactly.
//
// Save writes the whole file to a temporary file beside it and renames that
// over the old one, so a crash or a full disk leaves either the old file or
// the new one, never a half-written one.
class SettingsStore {
public:
    // A store backed by `file`; its content is read at once (a missing or
    // unreadable file is an empty store).
    explicit SettingsStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/veltrin/settings.ini, or ~/.config/veltrin/settings.ini
    // when XDG_CONFIG_HOME is unset or not absolute.
    static std::filesystem::path DefaultFile();

    const std::filesystem::path& File() const { return m_file; }

    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const;
    // The value as a whole number, or `fallback` when it is missing or is not one.
    int ReadInteger(const std::string& key, const std::string& name, int fallback) const;
    bool ReadBool(const std::string& key, const std::string& name, bool fallback) const;

    // Values may not hold line breaks; those are replaced by blanks.
    void WriteString(const std::string& key, const std::string& name, const std::string& value);
    void WriteInteger(const std::string& key, const std::string& name, int value);
    void WriteBool(const std::string& key, const std::string& name, bool value);

    // Writes the file (creating its folder). Returns false, leaving the file
    // as it was, when it cannot be written.
    bool Save() const;

    // The INI text of the store and its reader, for the file and for tests.
    std::string Text() const;
    void ParseText(const std::string& text);

private:
    std::filesystem::path m_file;
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};

} // namespace settings
