// The file open and save dialogs: filters, folders before files, opening
// folders, asking before a file is replaced, and the folder remembered.
#include "Headless.h"

#include "tests/TempDirectory.h"

#include "platform/controls/TFileDialog.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/Window.h"

#include <fstream>

using namespace ctl;

TEST(FileFilter, TakesTheDescriptionAndEveryPatternAndMatchesWithoutCase)
{
    const TFileFilter filter = TFileFilter::Parse("Report file (*.frp)|*.frp; *.FRX");
    EXPECT_EQ(filter.Description, "Report file (*.frp)");
    EXPECT_EQ(filter.Patterns, (std::vector<std::string> { "*.frp", "*.FRX" }));
    EXPECT_TRUE(filter.Matches("笔记.FRP"));
    EXPECT_TRUE(filter.Matches("a.frx"));
    EXPECT_FALSE(filter.Matches("a.frp.pdf"));
    EXPECT_TRUE(TFileFilter::Parse("").Matches("anything"));
}

class FileDialog : public HeadlessTest {
protected:
    FileDialog()
    {
        std::filesystem::create_directories(directory.Path() / "子文件夹");
        std::filesystem::create_directories(directory.Path() / ".hidden");
        for (const char* name : { "b.frp", "a.frp", "notes.pdf" })
            std::ofstream(directory.Path() / name) << "x";
    }

    std::vector<std::string> Listed(const TFileDialogForm& form)
    {
        std::vector<std::string> names;
        for (int i = 0; i < form.ListBox1->Items().Count(); ++i)
            names.push_back(form.ListBox1->Items()[i]);
        return names;
    }

    datatest::TempDirectory directory;
};

TEST_F(FileDialog, ListsFoldersThenTheFilesOfTheFilterAndOpensFolders)
{
    TFileDialogForm form(TFileDialogKind::Open, "Open", TFileFilter::Parse("Report file (*.frp)|*.frp"),
        directory.Path(), "");
    EXPECT_EQ(Listed(form), (std::vector<std::string> { "../", "子文件夹/", "a.frp", "b.frp" }));
    EXPECT_EQ(form.FolderLabel->Caption(), directory.Path().string());

    form.ShowFolder(directory.Path() / "子文件夹");
    EXPECT_EQ(Listed(form), (std::vector<std::string> { "../" }));
    form.UpButton->Click();
    EXPECT_EQ(form.Folder(), directory.Path());
}

TEST_F(FileDialog, OpenReturnsAnExistingFileAndRemembersItsFolder)
{
    TOpenDialog dialog;
    dialog.Filter = "Report file (*.frp)|*.frp";
    dialog.InitialDir = directory.Path();
    // The name box's caret keeps the dialog's loop busy, so the typing is
    // queued before the dialog opens.
    wnd::TRawInput typed;
    typed.kind = wnd::TRawInputKind::Text;
    typed.text = "b.frp";
    Harness.Queue(typed);
    QueueKey(wnd::VK_RETURN);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, directory.Path() / "b.frp");
    EXPECT_EQ(LastDialogFolder(), directory.Path());

    // Esc chooses nothing.
    QueueKey(wnd::VK_ESCAPE);
    TOpenDialog other;
    EXPECT_FALSE(other.Execute());
}

TEST_F(FileDialog, SaveAsksBeforeReplacingAFileAndNoKeepsTheDialogOpen)
{
    TFileDialogForm form(TFileDialogKind::Save, "Save As", TFileFilter::Parse("*.frp|*.frp"), directory.Path(),
        "a.frp");
    form.Show();
    Harness.ProcessMessages();
    std::string asked;
    WhenIdle([&] {
        auto* box = dynamic_cast<TForm*>(TWinControl::FindControl(wnd::GetActiveWindow()));
        asked = box ? box->Caption() : "";
        QueueKey(wnd::VK_RETURN); // No is the default
    });
    form.OKButton->Click();
    Harness.SetIdleHandler(nullptr);
    EXPECT_EQ(asked, "Save As");
    EXPECT_TRUE(form.Chosen().empty());

    form.FileNameEdit->SetText("new.frp");
    form.OKButton->Click();
    EXPECT_EQ(form.Chosen(), directory.Path() / "new.frp");
    EXPECT_EQ(form.ModalResult(), mrOk);
}
