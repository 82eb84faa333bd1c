#include "report/print/PrinterRebuild.h"

#include <utility>
#include <vector>

namespace report {
namespace {

struct PagePaper {
    std::int32_t Size { 0 };
    std::int32_t Width { 0 };
    std::int32_t Height { 0 };
    std::uint8_t Orientation { poPortrait };
    std::int32_t Bin { kDefaultBin };
};

PagePaper PaperOf(const TfrPage& page)
{
    return { page.PaperSize, page.PaperWidth, page.PaperHeight, page.Orientation, page.PaperBin };
}

void SetPaperOf(TfrPage& page, const PagePaper& paper)
{
    page.PaperSize = paper.Size;
    page.PaperWidth = paper.Width;
    page.PaperHeight = paper.Height;
    page.Orientation = paper.Orientation;
    page.PaperBin = paper.Bin;
}

// The printer's paper as a page keeps it: upright, the orientation apart.
PagePaper PrinterPaper(const TfrPrinter& printer)
{
    const bool landscape = printer.Orientation() == poLandscape;
    return { printer.PaperSize(), landscape ? printer.PaperHeight() : printer.PaperWidth(),
        landscape ? printer.PaperWidth() : printer.PaperHeight(), printer.Orientation(), printer.Bin() };
}

} // namespace

bool RebuildForPrinter(TfrReport& report, TfrPrinter& printer, int previousPrinter)
{
    std::vector<PagePaper> before;
    for (const auto& page : report.Pages)
        before.push_back(PaperOf(*page));
    TfrEMFPages prepared = std::move(report.EMFPages);
    report.EMFPages.Clear();
    bool built = false;
    try {
        for (const auto& page : report.Pages) {
            printer.SetPaper(page->PaperSize, page->PaperWidth, page->PaperHeight, page->Orientation, page->PaperBin);
            SetPaperOf(*page, PrinterPaper(printer));
        }
        built = report.BuildReport() && !report.EMFPages.Empty();
    } catch (const std::exception&) {
        built = false;
    }
    if (built)
        return true;
    for (std::size_t i = 0; i < before.size() && i < report.Pages.size(); ++i)
        SetPaperOf(*report.Pages[i], before[i]);
    report.EMFPages = std::move(prepared);
    printer.SetPrinterIndex(previousPrinter);
    return false;
}

} // namespace report
