#pragma once

#include "platform/printing/PrintService.h"

#include <chrono>

namespace printing {

// The printing service through the CUPS client library, reaching the server
// the environment names (CUPS_SERVER, client.conf, or the local default).
// Connections are opened with a short timeout and every request gives up
// after `timeout` without an answer; the printer listing and a printer's
// description, which take several requests each, run on a worker thread
// that the caller waits for no longer than twice that, so a server that is
// slow or accepts and never answers cannot hold the program.
class CupsPrintService : public PrintService {
public:
    explicit CupsPrintService(std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));

    PrinterListing ListPrinters() override;
    PrinterDetails Describe(const std::string& printer) override;
    int Submit(const PrintJob& job) override;

private:
    std::chrono::milliseconds m_timeout;
};

} // namespace printing
