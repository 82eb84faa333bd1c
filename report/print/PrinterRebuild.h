#pragma once

#include "report/objects/TfrReport.h"
#include "report/printer/TfrPrinter.h"

namespace report {

// Lays the report out again after the user chose another printer: each
// template page's paper is set on the printer, which keeps it when it offers
// it and otherwise falls back to a custom size, the page takes what the
// printer settled on, and the report is built again into its prepared pages.
// When that fails, the template pages and the prepared pages stay as they
// were, `previousPrinter` is selected again and the result is false.
bool RebuildForPrinter(TfrReport& report, TfrPrinter& printer, int previousPrinter);

} // namespace report
