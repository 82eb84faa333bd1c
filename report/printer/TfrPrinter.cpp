#include "report/printer/TfrPrinter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace report {
namespace {

// Paper sizes beyond any real sheet (10 m) are taken as that, so geometry
// stays well inside Int32.
constexpr std::int32_t kMaxPaper = 100'000;

std::int32_t ToUnits(std::int32_t tenths_mm)
{
    return static_cast<std::int32_t>(std::lround(std::clamp(tenths_mm, 0, kMaxPaper) * kReportUnitsPerInch / 254.0));
}

} // namespace

TfrPageGeometry VirtualPageGeometry(std::int32_t paperWidth, std::int32_t paperHeight)
{
    TfrPageGeometry g;
    g.PageWidth = ToUnits(paperWidth);
    g.PageHeight = ToUnits(paperHeight);
    g.OffsetX = g.OffsetY = static_cast<std::int32_t>(std::lround(50 * kReportUnitsPerInch / 254.0));
    g.PrnWidth = g.PageWidth - 2 * g.OffsetX;
    g.PrnHeight = g.PageHeight - 2 * g.OffsetY;
    // The virtual printer's pixels are report units.
    g.pgWidth = g.PageWidth;
    g.pgHeight = g.PageHeight;
    g.pgOffsetX = g.OffsetX;
    g.pgOffsetY = g.OffsetY;
    g.PrintableWidth = g.PrnWidth;
    g.PrintableHeight = g.PrnHeight;
    return g;
}

TfrPrinter::TfrPrinter()
{
    m_printers.emplace_back(kVirtualPrinterDisplayName);
    SetPrinterIndex(0);
}

void TfrPrinter::SetPrinterIndex(int index)
{
    m_printerIndex = index >= 0 && index < static_cast<int>(m_printers.size()) ? index
                                                                              : static_cast<int>(m_printers.size()) - 1;
    m_paperNames.clear();
    m_paperCodes.clear();
    for (const PaperInfo& paper : PaperTable()) {
        m_paperNames.emplace_back(paper.Name);
        m_paperCodes.push_back(paper.Code);
    }
}

void TfrPrinter::SetPaper(std::int32_t code, std::int32_t width, std::int32_t height, std::uint8_t orientation,
    std::int32_t bin)
{
    if (Printing || SameSettings(code, width, height, orientation, bin))
        return;
    auto paper = FindPaper(code);
    if (paper && code != kCustomPaperSize) {
        width = paper->Width;
        height = paper->Height;
        if (orientation == poLandscape)
            std::swap(width, height);
    } else {
        code = kCustomPaperSize;
    }
    m_paperSize = code;
    m_paperWidth = std::clamp(width, 0, kMaxPaper);
    m_paperHeight = std::clamp(height, 0, kMaxPaper);
    m_orientation = orientation == poLandscape ? poLandscape : poPortrait;
    m_bin = bin;
}

bool TfrPrinter::SameSettings(std::int32_t code, std::int32_t width, std::int32_t height, std::uint8_t orientation,
    std::int32_t bin) const
{
    if (code != m_paperSize || orientation != m_orientation)
        return false;
    if (bin != -1 && m_bin != -1 && bin != m_bin)
        return false;
    if (code == kCustomPaperSize)
        return std::abs(std::int64_t { width } - m_paperWidth) <= 1 && std::abs(std::int64_t { height } - m_paperHeight) <= 1;
    return true;
}

TfrPageGeometry TfrPrinter::ComputeGeometry() const { return VirtualPageGeometry(m_paperWidth, m_paperHeight); }

} // namespace report
