#pragma once

#include "platform/controls/TButton.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TListBox.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ctl {

// A filter as the dialogs take it: "description|pattern;pattern", for
// example "Report file (*.frp)|*.frp". Patterns are shell globs.
struct TFileFilter {
    std::string Description;
    std::vector<std::string> Patterns;

    static TFileFilter Parse(const std::string& Filter);
    // Whether a file name (without folder) matches one of the patterns; a
    // filter without patterns matches everything.
    bool Matches(const std::string& Name) const;
};

enum class TFileDialogKind { Open, Save };

// The window of the open and save dialogs: the folder shown, its sub-folders
// and the files the filter lets through, a file name box, "Home" and "Up"
// buttons, and OK and Cancel. A double click or Enter on a folder opens it;
// OK on a file name ends the dialog. Opening asks for a file that exists;
// saving asks before a file is replaced.
class TFileDialogForm : public TForm {
public:
    TFileDialogForm(TFileDialogKind Kind, const std::string& Title, const TFileFilter& Filter,
        const std::filesystem::path& Folder, const std::string& FileName);

    const std::filesystem::path& Folder() const { return m_folder; }
    // Shows a folder (an unreadable one shows no entries).
    void ShowFolder(const std::filesystem::path& Folder);
    // The chosen file once the dialog ended with OK.
    const std::filesystem::path& Chosen() const { return m_chosen; }

    TLabel* FolderLabel { nullptr };
    TListBox* ListBox1 { nullptr };
    TEdit* FileNameEdit { nullptr };
    TButton* HomeButton { nullptr };
    TButton* UpButton { nullptr };
    TButton* OKButton { nullptr };
    TButton* CancelButton { nullptr };

private:
    // Entries of the list: folders end in "/".
    void OpenEntry(int Index);
    void Accept();

    TFileDialogKind m_kind;
    TFileFilter m_filter;
    std::filesystem::path m_folder;
    std::filesystem::path m_chosen;
};

// The open and save dialogs. Execute shows the dialog modally and returns
// whether a file was chosen (FileName holds it then). The folder shown first
// is InitialDir, else the folder of FileName, else the folder last used in
// any file dialog of the program, else the user's home folder.
class TOpenDialog {
public:
    TOpenDialog() = default;
    virtual ~TOpenDialog() = default;

    std::string Title { "Open" };
    std::string Filter;
    std::filesystem::path InitialDir;
    std::filesystem::path FileName;

    bool Execute();

protected:
    explicit TOpenDialog(TFileDialogKind Kind) : m_kind(Kind) {}

private:
    TFileDialogKind m_kind { TFileDialogKind::Open };
};

class TSaveDialog : public TOpenDialog {
public:
    TSaveDialog() : TOpenDialog(TFileDialogKind::Save) { Title = "Save As"; }
};

// The folder the last file dialog ended in (empty before the first).
std::filesystem::path& LastDialogFolder();
// The user's home folder ($HOME, else the current folder).
std::filesystem::path HomeFolder();

} // namespace ctl
