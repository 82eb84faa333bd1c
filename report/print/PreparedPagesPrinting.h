#pragma once

#include "report/build/TfrEMFPages.h"
#include "report/print/TfrPrintSink.h"
#include "report/printer/TfrPrinter.h"

#include <functional>
#include <vector>

namespace report {

// One print of prepared pages, as the print dialog left it.
struct TfrPrintRequest {
    TfrPrintDocument Document;
    // Page numbers from 1, in the order to print; numbers that name no page
    // and hidden pages are passed over.
    std::vector<int> Pages;
};

// Told each sheet as it is done (counting from 1); false stops the print.
using TfrPrintProgress = std::function<bool(int sheet)>;

// Where a prepared page is drawn on the printer, in pixels of the printable
// area's origin: a page with margins on the whole sheet (so objects land where
// the layout put them, inside margins that are at least the printer's
// offsets); a page stretched to the printable area onto exactly that area.
struct TfrPageRect {
    std::int32_t Left { 0 };
    std::int32_t Top { 0 };
    std::int32_t Right { 0 };
    std::int32_t Bottom { 0 };
    friend bool operator==(const TfrPageRect&, const TfrPageRect&) = default;
};
TfrPageRect PrintedPageRect(const TfrPageGeometry& geometry, bool marginsUsed);

// Prints the requested pages through the printer layer into the sink. The
// paper of the first page printed is set first; a page on other paper than
// the one in force ends the document and starts a new one on its paper, so
// each document holds one run of pages on one paper.
//
// Copies: a single run hands copies and collation to the printer. Collated
// copies of several runs are printed as whole passes over the pages, one
// copy each, so the sheets come out in order; uncollated copies of several
// runs give each run's document the copies, so each page comes out as often
// in a row. Returns the number of sheets drawn (one per page per pass); a
// stopped print aborts the open document.
int PrintPreparedPages(TfrEMFPages& pages, TfrPrinter& printer, TfrPrintSink& sink, const TfrPrintRequest& request,
    const TfrPrintProgress& progress = nullptr);

} // namespace report
