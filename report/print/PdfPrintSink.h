#pragma once

#include "report/print/TfrPrintSink.h"

#include "platform/printing/PdfDocument.h"
#include "platform/printing/PrintService.h"

#include <filesystem>
#include <memory>

namespace report {

// Prints through the system's printing service: each document is drawn as a
// PDF into a temporary file (vector text and lines, fonts embedded) and
// handed to the selected printer as one job with the document's title,
// copies and collation and the current paper; the file goes when the job is
// queued or dropped.
class PdfPrintSink : public TfrPrintSink {
public:
    explicit PdfPrintSink(printing::PrintService& service);
    ~PdfPrintSink() override;

    void BeginDoc(const TfrPrintDocument& document, const TfrPrinter& printer) override;
    gfx::TPageCanvas& BeginPage(const TfrSheet& sheet) override;
    void EndPage() override;
    void EndDoc() override;
    void Abort() override;

    // The service's numbers of the jobs queued so far.
    const std::vector<int>& JobIds() const { return m_jobIds; }

private:
    void RemoveFile();

    printing::PrintService& m_service;
    printing::PrintJob m_job;
    std::unique_ptr<printing::PdfDocument> m_pdf;
    std::vector<int> m_jobIds;
};

} // namespace report
