#include "report/print/PdfPrintSink.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace report {
namespace {

// A new empty file in the temporary folder that only this process knows of.
std::filesystem::path MakeTemporaryPdf()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "veltrin-print-XXXXXX.pdf").string();
    const int fd = mkstemps(pattern.data(), 4);
    if (fd < 0)
        throw printing::PrintError("No temporary file for the print job could be made: "
                                   + std::error_code(errno, std::generic_category()).message());
    close(fd);
    return pattern;
}

} // namespace

PdfPrintSink::PdfPrintSink(printing::PrintService& service) : m_service(service) { }

PdfPrintSink::~PdfPrintSink()
{
    m_pdf.reset();
    RemoveFile();
}

void PdfPrintSink::RemoveFile()
{
    if (m_job.PdfFile.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(m_job.PdfFile, ignored);
    m_job.PdfFile.clear();
}

void PdfPrintSink::BeginDoc(const TfrPrintDocument& document, const TfrPrinter& printer)
{
    Abort();
    m_job = {};
    m_job.Printer = printer.SystemName();
    m_job.Title = document.Title;
    m_job.Copies = document.Copies;
    m_job.Collate = document.Collate;
    m_job.Options = printer.JobOptions;
    m_job.Media = printer.MediaName();
    m_job.MediaSource = printer.BinKeyword();
    if (m_job.Media.empty()) {
        // Custom sizes are asked for upright; the sheets themselves say how they lie.
        m_job.CustomWidth = std::min(printer.PaperWidth(), printer.PaperHeight()) * 10;
        m_job.CustomLength = std::max(printer.PaperWidth(), printer.PaperHeight()) * 10;
    }
    m_job.PdfFile = MakeTemporaryPdf();
    m_pdf = std::make_unique<printing::PdfDocument>(m_job.PdfFile);
}

gfx::TPageCanvas& PdfPrintSink::BeginPage(const TfrSheet& sheet)
{
    return m_pdf->BeginPage(sheet.WidthPoints, sheet.HeightPoints, sheet.PointsPerPixel);
}

void PdfPrintSink::EndPage() { m_pdf->EndPage(); }

void PdfPrintSink::EndDoc()
{
    if (!m_pdf)
        return;
    m_pdf->Finish();
    m_pdf.reset();
    try {
        m_jobIds.push_back(m_service.Submit(m_job));
    } catch (...) {
        RemoveFile();
        throw;
    }
    RemoveFile();
}

void PdfPrintSink::Abort()
{
    m_pdf.reset();
    RemoveFile();
}

} // namespace report
