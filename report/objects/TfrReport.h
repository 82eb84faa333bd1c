#pragma once

#include "report/build/TfrEMFPages.h"
#include "report/data/TfrDatasetDirectory.h"
#include "report/objects/AddInRegistry.h"
#include "report/objects/DataDictionary.h"
#include "report/objects/PreviewOptions.h"
#include "report/objects/ReportInfo.h"
#include "report/objects/TfrPage.h"

#include "platform/io/ByteReader.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace settings {
class SettingsStore;
}

namespace report {

class TfrExpressionEngine;
struct TfrBand;

// Whether the report body runs once, or once for every record of the
// report's `Dataset`.
enum class TfrReportType { rtSimple, rtMultiple };

// Shows how a build gets on and lets the user stop it.
class TfrBuildProgress {
public:
    virtual ~TfrBuildProgress() = default;
    // A new pass starts; `finalPass` false for the first of two.
    virtual void StartPass(bool finalPass, int totalPages) = 0;
    // Page `page` (from 1) is being filled.
    virtual void PageDone(int page) = 0;
    // A script set the second line (PROGRESS).
    virtual void SetText(const std::string& text) = 0;
    // Lets the user act; true once the user asked to stop.
    virtual bool CancelRequested() = 0;
};

// The printer name a template stores for the engine's built-in virtual printer.
inline constexpr std::string_view kVirtualPrinterName = "\x01";

// A report: its template (pages with their objects, the data dictionary, the
// descriptive info) and the operations that load and save it.
class TfrReport {
public:
    TfrReport();
    ~TfrReport();
    TfrReport(const TfrReport&) = delete;
    TfrReport& operator=(const TfrReport&) = delete;

    // Reads a template file. A missing file returns false and changes nothing.
    // A file that cannot be read or is refused returns false, reports the error
    // through OnLoadError and leaves the report as it was; a password-protected
    // template asks OnPasswordRequest first.
    bool LoadTemplateFromFile(const std::filesystem::path& file_name);
    // Replaces the template with the stream's content; never asks for a
    // password. An empty stream only clears the dictionary. Returns false (and
    // reports the error, report unchanged) when the stream is refused.
    bool LoadTemplateFromStream(std::span<const std::uint8_t> stream);
    // Writes the template in the current format, with the last-change date set
    // to now. Throws std::runtime_error when the report cannot be stored (see
    // WriteTemplate).
    void SaveTemplateToStream(io::ByteWriter& stream);
    // The same into a file; records the file name. Throws on a write failure.
    void SaveTemplateToFile(const std::filesystem::path& file_name);

    // The form property `ReportForm`: the format number and, when `StoreInDFM`,
    // the template itself.
    std::vector<std::uint8_t> WriteReportForm();
    bool ReadReportForm(std::span<const std::uint8_t> property);

    // --- building (report/build) ------------------------------------------------
    // Builds the prepared pages from the template and the datasets. False when
    // the build did not run to its end: the user cancelled it, or it failed
    // (the error is in BuildError and was shown through OnBuildError; no
    // pages are kept). The template is as it was before, scripts or not.
    bool BuildReport();
    // The same, for callers that show the pages themselves.
    bool PrepareReport() { return BuildReport(); }

    TfrReportType ReportType { TfrReportType::rtSimple };
    // The master dataset of bands that name none, and of rtMultiple reports.
    TfrDataset* Dataset { nullptr };
    std::string Title;
    bool ShowProgress { true };
    // False: a page whose master dataset is empty is not formed at all.
    bool PrintIfEmpty { true };
    // The datasets the template's bands may name.
    TfrDatasetDirectory Datasets;
    // The pages of the last build.
    TfrEMFPages EMFPages;
    // The expression engine builds evaluate with; null for the program's one.
    TfrExpressionEngine* Expressions { nullptr };
    // The error that ended the last build; empty after one that succeeded.
    std::string BuildError;

    std::function<void()> OnBeginDoc;
    std::function<void()> OnEndDoc;
    // Assigned: told every page number instead of the progress window.
    std::function<void(int)> OnProgress;
    // Assigned: shows the bands of a report page itself (no band walk).
    std::function<void(TfrPage&)> OnManualBuild;
    std::function<void(TfrBand&)> OnBeginBand;
    std::function<void(TfrBand&)> OnEndBand;
    std::function<void(int)> OnBeginPage;
    std::function<void(int)> OnEndPage;
    std::function<bool(const std::string&, Variant&)> OnGetValue;
    std::function<bool(const std::string&, const std::string&, const std::string&, const std::string&, Variant&)>
        OnUserFunction;
    std::function<void(TfrView&)> OnBeforePrint;
    std::function<std::string(const std::string&, const std::string&)> OnInputBox;
    std::function<int(const std::string&, const std::string&, int)> OnMessageBox;
    // Shows the error of a failed build (text, caption "Error").
    std::function<void(const std::string&, const std::string&)> OnBuildError;
    // Makes the progress display of a build. Unset, a build in the running
    // program (the application has a main form) shows the progress window
    // with Cancel, and a build without one (tools, tests) shows none.
    std::function<std::unique_ptr<TfrBuildProgress>(TfrReport&)> MakeProgress;

    // --- preview and prepared-report files (report/preview) -------------------
    // Builds the report and shows its pages in the preview window (a stopped
    // build shows the pages made so far; a failed one shows nothing).
    void PreviewReport();
    // Shows the prepared pages in the preview window, captioned "Preview" (and
    // " - " + Title); modal when ModalPreview. The window holds the pages while
    // it is open and gives them back when it closes. No pages: nothing opens.
    void ShowBuiltReport();
    // Reads a prepared-report file (.frp) into the prepared pages; a refused
    // file throws PreparedReportError (or std::runtime_error when it cannot
    // be opened) and the pages stay as they were.
    void LoadBuiltReport(const std::filesystem::path& file_name);
    // Writes the prepared pages as a prepared-report file; throws
    // std::runtime_error when it cannot be written.
    void SaveBuiltReport(const std::filesystem::path& file_name);

    bool ModalPreview { true };
    TfrPreviewButtons PreviewButtons { kDefaultPreviewButtons };
    TfrPreviewZoom InitialZoom { TfrPreviewZoom::pzDefault };
    // Prints the prepared pages (set by the printing code). The preview's
    // Print button and Ctrl+P call it with the pages back in EMFPages and
    // CurrentPreviewPage set to the page shown; without it they are disabled.
    std::function<void()> OnPrintPreparedReport;
    // The page the preview shows (from 1) while OnPrintPreparedReport runs
    // from it; 0 otherwise.
    int CurrentPreviewPage { 0 };
    // Opens the host's help from the preview; without it Help is disabled.
    std::function<void()> OnPreviewHelp;
    // Where the preview keeps its window place; null for the user's file.
    settings::SettingsStore* PreviewSettings { nullptr };

    // --- printing prepared pages (report/print) ---------------------------------
    // False prints at once with the defaults instead of asking with the print dialog.
    bool ShowPrintDialog { true };
    int DefaultCopies { 1 };
    bool DefaultCollate { true };
    // True: choosing another printer in the print dialog lays the report out
    // again for it before printing; false keeps the prepared pages as built.
    bool RebuildPrinter { false };
    // Runs when a print starts, after the job's title is set.
    std::function<void()> OnPrintReport;
    // True while the prepared pages are being printed; a second print is
    // refused until the first has finished.
    bool Printing { false };

    // A new empty page at the end, named "Page" + the first free number.
    TfrPage& AddPage();
    // The object with this name on any page (compared without case), or null.
    TfrView* FindObject(std::string_view name) const;
    // "Memo" + the lowest number from 1 that no object of the report uses.
    std::string FreeObjectName(std::string_view prefix) const;
    std::string FreePageName() const;

    bool IgnoreStoredPrinter { false };
    bool TwoPass { false };
    std::string PrinterName { kVirtualPrinterName };
    std::vector<std::unique_ptr<TfrPage>> Pages;
    DataDictionary Dictionary;
    ReportInfo Info { ReportInfo::Defaults() };
    std::string FileName;
    bool StoreInDFM { false };

    // Where add-in objects of templates are found.
    const AddInRegistry* AddIns { &AddInRegistry::Global() };
    // Whether a dataset of this name exists (dictionary entries of the previous
    // layout that name no dataset are dropped on load).
    std::function<bool(std::string_view)> DatasetExists;
    // Asks the user for the password of a protected template; nothing when the
    // user cancels.
    std::function<std::optional<std::string>()> OnPasswordRequest;
    // Shows a load error to the user (text, caption).
    std::function<void(const std::string&, const std::string&)> OnLoadError;
    // The message of the last refused load; empty after a successful one.
    std::string LoadError;

private:
    bool LoadTemplate(std::span<const std::uint8_t> stream, bool from_file);
    // One pass of the report body over a copy of the template read from
    // `snapshot`; false when it failed or the user cancelled it.
    bool RunBuildPass(TfrExpressionEngine& engine, std::span<const std::uint8_t> snapshot, bool finalPass,
        int totalPages, TfrBuildProgress* progress);
    void Refuse(std::string message);
    // Moves the template of a freshly loaded report into this one.
    void TakeTemplate(TfrReport& loaded);
};

} // namespace report
