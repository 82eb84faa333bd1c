#include "platform/settings/SettingsStore.h"
#include "tests/TempDirectory.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

const std::string kKey = "Software\\Lumvexa\\Form\\TfrPreviewForm";

std::string FileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Restores an environment variable when the test ends.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(SettingsStore, ValuesWrittenAndSavedAreReadBackByAFreshStore)
{
    datatest::TempDirectory directory;
    const auto file = directory.Path() / "nested" / "settings.ini";
    settings::SettingsStore store(file);
    store.WriteInteger(kKey, "XPosition", -12);
    store.WriteInteger(kKey, "Width", 800);
    store.WriteBool(kKey, "Maximized", false);
    store.WriteString("Other", "Name", "预览 = 窗口");
    ASSERT_TRUE(store.Save());

    settings::SettingsStore reread(file);
    EXPECT_EQ(reread.ReadInteger(kKey, "XPosition", 0), -12);
    EXPECT_EQ(reread.ReadInteger(kKey, "Width", 0), 800);
    EXPECT_FALSE(reread.ReadBool(kKey, "Maximized", true));
    EXPECT_EQ(reread.ReadString("Other", "Name"), "预览 = 窗口");
    // Nothing of the temporary file stays beside the store.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(SettingsStore, MissingOrMalformedValuesGiveTheFallback)
{
    settings::SettingsStore store("/nonexistent/folder/settings.ini");
    store.ParseText("stray=1\n[" + kKey + "]\nWidth=12px\nHeight=\n=5\nMaximized=maybe\n  Left = 7 \n");
    EXPECT_EQ(store.ReadInteger(kKey, "Width", 640), 640);
    EXPECT_EQ(store.ReadInteger(kKey, "Height", 480), 480);
    EXPECT_TRUE(store.ReadBool(kKey, "Maximized", true));
    EXPECT_EQ(store.ReadInteger(kKey, "Left", 0), 7);
    EXPECT_FALSE(store.ReadString("", "stray"));
    EXPECT_FALSE(store.ReadString("Missing", "Width"));
}

TEST(SettingsStore, LineBreaksInAValueCannotForgeAnotherEntry)
{
    settings::SettingsStore store("unused.ini");
    store.WriteString(kKey, "Name", "a\n[Evil]\nWidth=1");
    settings::SettingsStore reread("unused.ini");
    reread.ParseText(store.Text());
    EXPECT_FALSE(reread.ReadString("Evil", "Width"));
    EXPECT_EQ(reread.ReadString(kKey, "Name"), "a [Evil] Width=1");
}

TEST(SettingsStore, AFailedSaveLeavesTheOldFileWhole)
{
    datatest::TempDirectory directory;
    const auto file = directory.Path() / "settings.ini";
    settings::SettingsStore store(file);
    store.WriteInteger(kKey, "Width", 1);
    ASSERT_TRUE(store.Save());
    const std::string before = FileText(file);

    // The temporary file cannot be made: a folder (with something in it) has
    // its name, which stops even a user who may write everywhere.
    auto blocker = file;
    blocker += ".tmp" + std::to_string(::getpid());
    std::filesystem::create_directories(blocker / "inside");
    store.WriteInteger(kKey, "Width", 2);
    EXPECT_FALSE(store.Save());
    EXPECT_EQ(FileText(file), before);
}

TEST(SettingsStore, TheDefaultFileFollowsTheDesktopsConfigFolder)
{
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/cfg");
        EXPECT_EQ(settings::SettingsStore::DefaultFile(), "/tmp/cfg/veltrin/settings.ini");
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "relative/path");
        ScopedEnvironment home("HOME", "/home/someone");
        EXPECT_EQ(settings::SettingsStore::DefaultFile(), "/home/someone/.config/veltrin/settings.ini");
    }
}
