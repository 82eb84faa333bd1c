#pragma once

#include "report/objects/TfrReport.h"
#include "report/print/PageList.h"
#include "report/print/TfrPrintSink.h"
#include "report/printer/TfrPrinter.h"

#include <filesystem>
#include <string>

namespace report {

// What to print of the prepared pages: the page list as typed (empty for all
// pages), the copies, all/odd/even pages and collation.
struct TfrPrintOptions {
    std::string PageList;
    int Copies { 1 };
    TfrPrintPages Kind { TfrPrintPages::ppAll };
    bool Collate { true };
};

// Prints the report's prepared pages on the printer layer's selected printer
// into `sink`, titled with the report's Title or "Untitled". Progress goes to
// OnProgress when it is set, else to a progress window (caption "Preparing
// report" with the title, "Printing page:" and the sheet number, Cancel
// stops the print) unless ShowProgress is false. Returns false without
// printing while another print of the report runs, when nothing is selected,
// or when the user stopped it. A page list that is not understood raises
// PageListError; the printing service's failures raise printing::PrintError.
bool PrintBuiltReport(TfrReport& report, TfrPrinter& printer, TfrPrintSink& sink, const TfrPrintOptions& options);
// The same on the program's printer layer through the system's printing
// service. The virtual printer cannot print: that raises printing::PrintError.
bool PrintBuiltReport(TfrReport& report, const TfrPrintOptions& options);
// What the virtual printer prints: the chosen pages (page list and odd/even
// as for a printer) written once, whatever the copies, into one PDF file
// drawn as Export PDF draws it. Returns false without writing while another
// print of the report runs or when no page is chosen; a file that cannot be
// written raises std::runtime_error.
bool PrintBuiltReportToPdf(TfrReport& report, const TfrPrintOptions& options, const std::filesystem::path& file);

// The print action of the preview: with ShowPrintDialog the print dialog
// asks (its printer choice and options go to the printer layer), then the
// pages are printed; on the virtual printer they go to a PDF file the save
// dialog asks for. With RebuildPrinter, choosing another printer lays the
// report out again for it first (RebuildForPrinter); when that fails, "Printer
// selected is not valid" is shown and nothing prints. Errors are shown in a
// message box captioned "Error".
// Nothing happens without prepared pages, without printers, or while a print
// of the report runs. `currentPage` counts from 1.
void PrintPreparedReport(TfrReport& report, int currentPage);

} // namespace report
