#pragma once

#include "report/objects/TfrReport.h"
#include "report/print/PageList.h"
#include "report/print/TfrPrintSink.h"
#include "report/printer/TfrPrinter.h"

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

// The print action of the preview: with ShowPrintDialog the print dialog
// asks (its printer choice and options go to the printer layer), then the
// pages are printed; errors are shown in a message box captioned "Error".
// Nothing happens without prepared pages, without printers, or while a print
// of the report runs. `currentPage` counts from 1.
void PrintPreparedReport(TfrReport& report, int currentPage);

} // namespace report
