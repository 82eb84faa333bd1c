#pragma once

// A printing service in memory for the printer layer's and the printing
// tests: printers with the media a test gives them, and the jobs handed to
// it, each with a copy of its PDF kept until the service goes.
#include "platform/printing/PrintService.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace report::testing {

class FakePrintService : public printing::PrintService {
public:
    FakePrintService();
    ~FakePrintService() override;

    printing::PrinterListing ListPrinters() override { return Listing; }
    printing::PrinterDetails Describe(const std::string& printer) override;
    int Submit(const printing::PrintJob& job) override;

    printing::PrinterListing Listing;
    std::map<std::string, printing::PrinterDetails> Printers; // a printer not here fails to answer
    std::vector<printing::PrintJob> Jobs; // PdfFile: the kept copy
    bool RefuseJobs { false };

    // An A4 sheet with the given strips, as a CUPS printer reports it.
    static printing::MediaSize A4(int left = 423, int top = 423, int right = 423, int bottom = 423);
    static printing::MediaSize A3();
    static printing::MediaSize Letter();

private:
    std::filesystem::path m_folder;
    int m_submitted { 0 };
};

} // namespace report::testing
