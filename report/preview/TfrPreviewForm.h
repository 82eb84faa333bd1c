#pragma once

#include "report/build/TfrEMFPages.h"
#include "report/objects/PreviewOptions.h"
#include "report/preview/PreviewLayout.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TMenuItem.h"
#include "platform/controls/TPanel.h"
#include "platform/controls/TScrollBar.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace settings {
class SettingsStore;
}

namespace report {

class TfrReport;
class TfrPBox;

// Where the last search stopped and what it found.
struct PreviewSearch {
    std::string Text;       // upper-cased unless case-sensitive
    bool CaseSensitive { false };
    int Page { 0 };         // the page the next search starts on
    int Object { 0 };       // the object of that page it starts at
    std::optional<std::pair<int, int>> Hit; // page and object of the last find
};

// The preview window: a tool bar (zoom, open, save, print, find, export PDF,
// help, close and the "Page n/m" label), the page area and its two scroll
// bars. While it is open it holds the report's prepared pages and gives them
// back when it is freed. The zoom is the process-wide one, so the next preview
// opens as this one was left. Position and size are kept in the settings
// store between runs.
class TfrPreviewForm : public ctl::TForm {
public:
    // The window's place is kept in `Settings`, or when that is null in the
    // user's settings file.
    TfrPreviewForm(TfrReport& Report, settings::SettingsStore* Settings);
    ~TfrPreviewForm() override;

    // The buttons shown and the zoom to open with (pzDefault: as left).
    void Configure(TfrPreviewButtons Buttons, TfrPreviewZoom InitialZoom);

    TfrEMFPages& Pages() { return m_pages; }
    const PreviewLayout& Layout() const { return m_layout; }
    int PageCount() const { return m_pages.Count(); }
    // The page shown, from 0.
    int CurrentPage() const { return m_currentPage; }
    // Shows a page (clamped to the pages there are) at the top of the area.
    void GotoPage(int Index);
    gfx::TPoint ScrollPosition() const;
    void ScrollTo(int X, int Y);
    void ScrollBy(int DX, int DY);

    // An explicit zoom; a factor of zero or below is refused (false).
    bool SetZoom(double Factor);
    void SetZoomMode(TfrZoomMode Mode);
    // Lays the pages out again for the area's size and the zoom.
    void LayOut();

    // Searches from the first or the current page; true when found.
    bool Find(const std::string& Text, bool CaseSensitive, bool FromBegin);
    // Goes on after the last hit; true when found.
    bool FindNext();
    const PreviewSearch& Search() const { return m_search; }

    // Replaces the pages with a prepared-report file. A file that cannot be
    // read or is refused is reported in an error box and the pages stay.
    bool LoadFromFile(const std::filesystem::path& FileName);
    // Saves the pages as a prepared-report file, adding ".frp" when the name
    // has no extension. Failures are reported in an error box.
    bool SaveToFile(std::filesystem::path FileName);
    // Saves the pages as a PDF file.
    bool ExportPdf(const std::filesystem::path& FileName);
    // Runs the report's print hook with the pages handed back to the report.
    void Print();

    // The zoom menu's entries and what opens it.
    void ShowZoomMenu();

    ctl::TPanel* ToolBar { nullptr };
    ctl::TButton* ZoomButton { nullptr };
    ctl::TButton* LoadButton { nullptr };
    ctl::TButton* SaveButton { nullptr };
    ctl::TButton* PrintButton { nullptr };
    ctl::TButton* FindButton { nullptr };
    ctl::TButton* PdfButton { nullptr };
    ctl::TButton* HelpButton { nullptr };
    ctl::TButton* ExitButton { nullptr };
    ctl::TLabel* PageLabel { nullptr };
    TfrPBox* PBox { nullptr };
    ctl::TScrollBar* HorzScrollBar { nullptr };
    ctl::TScrollBar* VertScrollBar { nullptr };
    ctl::TPopupMenu* ZoomMenu { nullptr };

    // The filter of the open and save dialogs.
    static const std::string kFileFilter;

protected:
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void DoShow() override;
    void DoHide() override;
    void Resize() override;

private:
    void CreateToolBar();
    void CreateZoomMenu();
    void AddZoomItem(const std::string& Caption, std::function<void()> Action);
    ctl::TButton* AddButton(const std::string& Caption, int Width, std::function<void()> Action);
    void ArrangeToolBar();
    void UpdateButtons();
    void UpdatePageLabel();
    // The page the middle of the area shows, after scrolling.
    void FollowScroll();
    void LoadClick();
    void SaveClick();
    void PdfClick();
    void FindClick();
    void FindNextClick();
    void ShowError(const std::string& Text);
    void RestorePlacement();
    void StorePlacement();
    std::string SettingsKey() const;

    TfrReport& m_report;
    settings::SettingsStore* m_settings { nullptr };
    TfrEMFPages m_pages;
    PreviewLayout m_layout;
    PreviewSearch m_search;
    TfrPreviewButtons m_buttons { kDefaultPreviewButtons };
    int m_currentPage { 0 };
    bool m_printing { false };
    bool m_placementRestored { false };
    // Set while the program scrolls to a page, which then stays current.
    bool m_scrollingToPage { false };
    std::unique_ptr<settings::SettingsStore> m_ownedSettings;
};

} // namespace report
