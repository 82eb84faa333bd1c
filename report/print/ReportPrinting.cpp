#include "report/print/ReportPrinting.h"

#include "report/build/TfrProgressForm.h"
#include "report/output/EMFPagesPdf.h"
#include "report/print/PdfFileDialog.h"
#include "report/print/PdfPrintSink.h"
#include "report/print/PreparedPagesPrinting.h"
#include "report/print/PrinterRebuild.h"
#include "report/print/TfrPrintForm.h"
#include "report/print/TfrPrinterOptionsForm.h"

#include "platform/controls/MessageDialog.h"
#include "platform/controls/TApplication.h"

#include <memory>

namespace report {
namespace {

// Marks the report as printing for as long as it lives.
class PrintingFlag {
public:
    explicit PrintingFlag(TfrReport& report) : m_report(report) { m_report.Printing = true; }
    ~PrintingFlag() { m_report.Printing = false; }
    PrintingFlag(const PrintingFlag&) = delete;
    PrintingFlag& operator=(const PrintingFlag&) = delete;

private:
    TfrReport& m_report;
};

TfrPrintProgress MakeProgress(TfrReport& report, std::unique_ptr<TfrProgressForm>& window)
{
    if (report.OnProgress)
        return [&report](int sheet) {
            report.OnProgress(sheet);
            return true;
        };
    if (!report.ShowProgress)
        return nullptr;
    window = std::make_unique<TfrProgressForm>(report);
    TfrProgressForm* form = window.get();
    return [form](int sheet) {
        form->PageLabel->SetCaption("Printing page:  " + std::to_string(sheet));
        ctl::Application->ProcessMessages();
        return !form->CancelRequested();
    };
}

std::vector<int> ChosenPages(const TfrReport& report, const TfrPrintOptions& options)
{
    return FilterPages(ParsePageList(options.PageList, report.EMFPages.Count()), options.Kind);
}

} // namespace

bool PrintBuiltReport(TfrReport& report, TfrPrinter& printer, TfrPrintSink& sink, const TfrPrintOptions& options)
{
    if (report.Printing || report.EMFPages.Empty())
        return false;
    const PrintingFlag printing(report);
    TfrPrintRequest request;
    request.Pages = ChosenPages(report, options);
    if (request.Pages.empty())
        return false;
    request.Document.Title = report.Title.empty() ? "Untitled" : report.Title;
    request.Document.Copies = std::max(options.Copies, 1);
    request.Document.Collate = options.Collate;
    if (report.OnPrintReport)
        report.OnPrintReport();
    std::unique_ptr<TfrProgressForm> window;
    const TfrPrintProgress progress = MakeProgress(report, window);
    bool stopped = false;
    const int sheets = PrintPreparedPages(report.EMFPages, printer, sink, request, [&](int sheet) {
        stopped = progress && !progress(sheet);
        return !stopped;
    });
    return sheets > 0 && !stopped;
}

bool PrintBuiltReport(TfrReport& report, const TfrPrintOptions& options)
{
    TfrPrinter& printer = Prn();
    if (printer.IsVirtual() || !printer.Service())
        throw printing::PrintError("The virtual printer cannot print. Choose a printer in the print dialog.");
    PdfPrintSink sink(*printer.Service());
    return PrintBuiltReport(report, printer, sink, options);
}

bool PrintBuiltReportToPdf(TfrReport& report, const TfrPrintOptions& options, const std::filesystem::path& file)
{
    if (report.Printing || report.EMFPages.Empty())
        return false;
    const PrintingFlag printing(report);
    const std::vector<int> pages = ChosenPages(report, options);
    if (pages.empty())
        return false;
    if (report.OnPrintReport)
        report.OnPrintReport();
    WritePreparedPagesPdf(report.EMFPages, pages, file);
    return true;
}

void PrintPreparedReport(TfrReport& report, int currentPage)
{
    if (report.Printing || report.EMFPages.Empty() || Prn().Printers().size() < 2)
        return;
    TfrPrintOptions options;
    options.Copies = report.DefaultCopies;
    options.Collate = report.DefaultCollate;
    if (report.ShowPrintDialog) {
        TfrPrintForm dialog(nullptr, Prn(), report.EMFPages.Count());
        dialog.CopiesUpDown->SetPosition(report.DefaultCopies);
        dialog.CollateBox->SetChecked(report.DefaultCollate);
        dialog.OnSetup = [&dialog] { ShowPrinterOptions(dialog, Prn()); };
        const int previousPrinter = Prn().PrinterIndex();
        if (dialog.ShowModal() != ctl::mrOk)
            return;
        if (report.RebuildPrinter && Prn().PrinterIndex() != previousPrinter
            && !RebuildForPrinter(report, Prn(), previousPrinter)) {
            ctl::MessageBox("Printer selected is not valid", "Error", ctl::MB_OK | ctl::MB_ICONERROR);
            return;
        }
        options.PageList = dialog.PageListText(currentPage);
        options.Copies = dialog.Copies();
        options.Kind = dialog.PrintPages();
        options.Collate = dialog.Collate();
    }
    try {
        if (Prn().IsVirtual()) {
            if (const std::optional<std::filesystem::path> file = AskPdfFileName("Print to PDF file"))
                PrintBuiltReportToPdf(report, options, *file);
        } else {
            PrintBuiltReport(report, options);
        }
    } catch (const std::exception& error) {
        ctl::MessageBox(error.what(), "Error", ctl::MB_OK | ctl::MB_ICONERROR);
    }
}

} // namespace report
