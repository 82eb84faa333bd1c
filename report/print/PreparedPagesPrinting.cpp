#include "report/print/PreparedPagesPrinting.h"

#include "report/output/PreparedPagesPdf.h"

#include <cmath>

namespace report {
namespace {

// Points per tenth of a millimetre.
constexpr double kPointsPerTenthMm = 72.0 / 254.0;

bool HasPaperOf(const TfrPrinter& printer, const TfrPreparedPage& page)
{
    return printer.SameSettings(page.PaperSize, page.PaperWidth, page.PaperHeight, page.Orientation, page.PaperBin);
}

void SetPaperOf(TfrPrinter& printer, const TfrPreparedPage& page)
{
    printer.SetPaper(page.PaperSize, page.PaperWidth, page.PaperHeight, page.Orientation, page.PaperBin);
}

TfrSheet SheetOf(const TfrPrinter& printer, const TfrPageGeometry& geometry)
{
    TfrSheet sheet;
    sheet.WidthPoints = std::max(1.0, printer.PaperWidth() * kPointsPerTenthMm);
    sheet.HeightPoints = std::max(1.0, printer.PaperHeight() * kPointsPerTenthMm);
    sheet.PointsPerPixel = geometry.pgWidth > 0 ? sheet.WidthPoints / geometry.pgWidth : 1.0;
    return sheet;
}

// Keeps the printer layer's and the sink's state right however printing ends.
class OpenDocument {
public:
    OpenDocument(TfrPrinter& printer, TfrPrintSink& sink, const TfrPrintDocument& document)
        : m_printer(printer), m_sink(sink), m_document(document)
    {
        Begin();
    }
    ~OpenDocument()
    {
        if (m_open) {
            m_printer.Printing = false;
            m_sink.Abort();
        }
    }
    OpenDocument(const OpenDocument&) = delete;
    OpenDocument& operator=(const OpenDocument&) = delete;

    // Ends the document and starts the next on the page's paper.
    void ChangePaper(const TfrPreparedPage& page)
    {
        End();
        SetPaperOf(m_printer, page);
        Begin();
    }
    void End()
    {
        m_printer.Printing = false;
        m_open = false;
        m_sink.EndDoc();
    }

private:
    void Begin()
    {
        m_sink.BeginDoc(m_document, m_printer);
        m_open = true;
        m_printer.Printing = true;
    }

    TfrPrinter& m_printer;
    TfrPrintSink& m_sink;
    TfrPrintDocument m_document;
    bool m_open { false };
};

void DrawSheet(TfrEMFPages& pages, int index, const TfrPrinter& printer, TfrPrintSink& sink)
{
    const TfrPageGeometry geometry = printer.ComputeGeometry();
    const TfrPageRect rect = PrintedPageRect(geometry, pages[index].MarginsUsed);
    const double scaleX = geometry.PageWidth > 0 ? static_cast<double>(rect.Right - rect.Left) / geometry.PageWidth : 1.0;
    const double scaleY = geometry.PageHeight > 0 ? static_cast<double>(rect.Bottom - rect.Top) / geometry.PageHeight : 1.0;
    gfx::TPageCanvas& canvas = sink.BeginPage(SheetOf(printer, geometry));
    // The sheet's canvas starts at the paper's corner, the rectangle at the printable area's.
    DrawPageObjects(canvas, pages.PageObjects(index).PageObjects, scaleX, scaleY, rect.Left + geometry.pgOffsetX,
        rect.Top + geometry.pgOffsetY);
    pages.DropRebuiltPage(index);
    sink.EndPage();
}

} // namespace

TfrPageRect PrintedPageRect(const TfrPageGeometry& geometry, bool marginsUsed)
{
    if (marginsUsed)
        return { -geometry.pgOffsetX, -geometry.pgOffsetY, geometry.pgWidth - geometry.pgOffsetX,
            geometry.pgHeight - geometry.pgOffsetY };
    const double kx = geometry.PageWidth > 0 ? static_cast<double>(geometry.pgWidth) / geometry.PageWidth : 1.0;
    const double ky = geometry.PageHeight > 0 ? static_cast<double>(geometry.pgHeight) / geometry.PageHeight : 1.0;
    return { 0, 0, static_cast<std::int32_t>(std::lround(geometry.PrnWidth * kx)),
        static_cast<std::int32_t>(std::lround(geometry.PrnHeight * ky)) };
}

int PrintPreparedPages(TfrEMFPages& pages, TfrPrinter& printer, TfrPrintSink& sink, const TfrPrintRequest& request,
    const TfrPrintProgress& progress)
{
    std::vector<int> printed;
    for (int number : request.Pages)
        if (number >= 1 && number <= pages.Count() && pages[number - 1].Visible)
            printed.push_back(number - 1);
    if (printed.empty())
        return 0;

    SetPaperOf(printer, pages[printed.front()]);
    const bool oneRun = std::all_of(printed.begin(), printed.end(),
        [&](int index) { return HasPaperOf(printer, pages[index]); });
    TfrPrintDocument document = request.Document;
    document.Copies = std::max(document.Copies, 1);
    int passes = 1;
    if (!oneRun && document.Collate && document.Copies > 1) {
        passes = document.Copies;
        document.Copies = 1;
    }

    OpenDocument open(printer, sink, document);
    int sheets = 0;
    for (int pass = 0; pass < passes; ++pass)
        for (int index : printed) {
            if (!HasPaperOf(printer, pages[index]))
                open.ChangePaper(pages[index]);
            DrawSheet(pages, index, printer, sink);
            ++sheets;
            if (progress && !progress(sheets))
                return sheets; // the open document is dropped on the way out
        }
    open.End();
    return sheets;
}

} // namespace report
