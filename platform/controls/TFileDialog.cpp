#include "platform/controls/TFileDialog.h"

#include "platform/controls/MessageDialog.h"
#include "platform/window/VirtualKeys.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace ctl {
namespace {

constexpr const char* kParentEntry = "../";

std::vector<std::string> SplitPatterns(const std::string& text)
{
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos)
            end = text.size();
        std::string pattern = text.substr(start, end - start);
        pattern.erase(0, pattern.find_first_not_of(' '));
        pattern.erase(pattern.find_last_not_of(' ') + 1);
        if (!pattern.empty())
            patterns.push_back(pattern);
        start = end + 1;
    }
    return patterns;
}

// The entries of a folder: sub-folders first, then the files the filter lets
// through, each group by name; hidden entries are left out.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder, const TFileFilter& filter)
{
    std::vector<std::string> folders;
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code kindError;
        if (it->is_directory(kindError))
            folders.push_back(name + "/");
        else if (filter.Matches(name))
            files.push_back(name);
    }
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    folders.insert(folders.end(), files.begin(), files.end());
    return folders;
}

} // namespace

TFileFilter TFileFilter::Parse(const std::string& Filter)
{
    TFileFilter filter;
    const std::size_t bar = Filter.find('|');
    filter.Description = Filter.substr(0, bar);
    if (bar != std::string::npos)
        filter.Patterns = SplitPatterns(Filter.substr(bar + 1, Filter.find('|', bar + 1) - bar - 1));
    return filter;
}

bool TFileFilter::Matches(const std::string& Name) const
{
    if (Patterns.empty())
        return true;
    return std::any_of(Patterns.begin(), Patterns.end(),
        [&](const std::string& pattern) { return ::fnmatch(pattern.c_str(), Name.c_str(), FNM_CASEFOLD) == 0; });
}

std::filesystem::path& LastDialogFolder()
{
    static std::filesystem::path folder;
    return folder;
}

std::filesystem::path HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    std::error_code error;
    return std::filesystem::current_path(error);
}

TFileDialogForm::TFileDialogForm(TFileDialogKind Kind, const std::string& Title, const TFileFilter& Filter,
    const std::filesystem::path& Folder, const std::string& FileName)
    : TForm(nullptr), m_kind(Kind), m_filter(Filter)
{
    SetName("FileDialog");
    SetCaption(Title);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons({ TBorderIcon::biSystemMenu });
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(440, 330);

    FolderLabel = new TLabel(this);
    FolderLabel->SetBounds(8, 10, 260, 16);
    FolderLabel->SetParent(this);
    HomeButton = new TButton(this);
    HomeButton->SetCaption("Home");
    HomeButton->SetBounds(276, 6, 75, 23);
    HomeButton->OnClick = [this](TObject*) { ShowFolder(HomeFolder()); };
    HomeButton->SetParent(this);
    UpButton = new TButton(this);
    UpButton->SetCaption("Up");
    UpButton->SetBounds(357, 6, 75, 23);
    UpButton->OnClick = [this](TObject*) { ShowFolder(m_folder.parent_path()); };
    UpButton->SetParent(this);

    ListBox1 = new TListBox(this);
    ListBox1->SetBounds(8, 36, 424, 212);
    ListBox1->OnClick = [this](TObject*) {
        const int index = ListBox1->ItemIndex();
        if (index >= 0 && ListBox1->Items()[index].back() != '/')
            FileNameEdit->SetText(ListBox1->Items()[index]);
    };
    ListBox1->OnDblClick = [this](TObject*) { OpenEntry(ListBox1->ItemIndex()); };
    ListBox1->OnKeyDown = [this](TObject*, int& Key, TShiftState) {
        if (Key == wnd::VK_RETURN) {
            OpenEntry(ListBox1->ItemIndex());
            Key = 0;
        }
    };
    ListBox1->SetParent(this);

    auto* nameLabel = new TLabel(this);
    nameLabel->SetCaption("File name:");
    nameLabel->SetBounds(8, 262, 70, 16);
    nameLabel->SetParent(this);
    FileNameEdit = new TEdit(this);
    FileNameEdit->SetBounds(80, 258, 352, 21);
    FileNameEdit->SetText(FileName);
    FileNameEdit->SetParent(this);
    auto* filterLabel = new TLabel(this);
    filterLabel->SetCaption(Filter.Description);
    filterLabel->SetBounds(80, 284, 352, 16);
    filterLabel->SetParent(this);

    OKButton = new TButton(this);
    OKButton->SetCaption(Kind == TFileDialogKind::Open ? "Open" : "Save");
    OKButton->SetBounds(276, 300, 75, 25);
    OKButton->SetDefault(true);
    OKButton->OnClick = [this](TObject*) { Accept(); };
    OKButton->SetParent(this);
    CancelButton = new TButton(this);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetBounds(357, 300, 75, 25);
    CancelButton->SetCancel(true);
    CancelButton->ModalResult = mrCancel;
    CancelButton->SetParent(this);

    ShowFolder(Folder);
    SetActiveControl(FileNameEdit);
}

void TFileDialogForm::ShowFolder(const std::filesystem::path& Folder)
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::absolute(Folder, error).lexically_normal();
    // "a/b/" names the folder "a/b".
    if (!folder.has_filename() && folder != folder.root_path())
        folder = folder.parent_path();
    m_folder = folder;
    FolderLabel->SetCaption(m_folder.string());
    ListBox1->Items().Clear();
    if (m_folder != m_folder.root_path())
        ListBox1->Items().Add(kParentEntry);
    for (const std::string& entry : FolderEntries(m_folder, m_filter))
        ListBox1->Items().Add(entry);
}

void TFileDialogForm::OpenEntry(int Index)
{
    if (Index < 0 || Index >= ListBox1->Items().Count())
        return;
    const std::string entry = ListBox1->Items()[Index];
    if (entry == kParentEntry)
        ShowFolder(m_folder.parent_path());
    else if (entry.back() == '/')
        ShowFolder(m_folder / entry.substr(0, entry.size() - 1));
    else {
        FileNameEdit->SetText(entry);
        Accept();
    }
}

void TFileDialogForm::Accept()
{
    const std::string name = FileNameEdit->Text();
    if (name.empty())
        return;
    const std::filesystem::path chosen = m_folder / name;
    std::error_code error;
    if (std::filesystem::is_directory(chosen, error)) {
        ShowFolder(chosen);
        FileNameEdit->SetText("");
        return;
    }
    const bool exists = std::filesystem::exists(chosen, error);
    if (m_kind == TFileDialogKind::Open && !exists) {
        MessageBox(chosen.string() + "\nThe file does not exist.", Caption(), MB_OK | MB_ICONWARNING);
        return;
    }
    if (m_kind == TFileDialogKind::Save && exists
        && MessageBox(chosen.string() + " already exists.\nDo you want to replace it?", Caption(),
               MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2)
            != IDYES)
        return;
    m_chosen = chosen;
    SetModalResult(mrOk);
}

bool TOpenDialog::Execute()
{
    std::filesystem::path folder = InitialDir;
    if (folder.empty() && FileName.has_parent_path())
        folder = FileName.parent_path();
    if (folder.empty())
        folder = LastDialogFolder();
    if (folder.empty())
        folder = HomeFolder();
    TFileDialogForm form(m_kind, Title, TFileFilter::Parse(Filter), folder, FileName.filename().string());
    if (form.ShowModal() != mrOk)
        return false;
    FileName = form.Chosen();
    LastDialogFolder() = form.Folder();
    return true;
}

} // namespace ctl
