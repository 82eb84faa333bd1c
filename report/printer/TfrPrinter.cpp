#include "report/printer/TfrPrinter.h"

#include "platform/printing/CupsPrintService.h"

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

TfrPrinter::TfrPrinter(std::shared_ptr<printing::PrintService> service) : m_service(std::move(service))
{
    printing::PrinterListing listing;
    if (m_service)
        listing = m_service->ListPrinters();
    m_printers = listing.Names;
    m_printers.emplace_back(kVirtualPrinterDisplayName);
    const auto current = std::find(listing.Names.begin(), listing.Names.end(), listing.Default);
    SetPrinterIndex(current != listing.Names.end() ? static_cast<int>(current - listing.Names.begin()) : 0);
}

std::vector<std::int32_t> MediaPaperCodes(const std::vector<printing::MediaSize>& media)
{
    std::vector<std::int32_t> codes;
    std::int32_t nextOwnCode = kCustomPaperSize + 1;
    for (const printing::MediaSize& size : media) {
        // Hundredths of a millimetre against the table's tenths.
        const auto match = std::find_if(PaperTable().begin(), PaperTable().end(), [&](const PaperInfo& paper) {
            return paper.Code != kCustomPaperSize && std::abs(paper.Width * 10 - size.Width) <= 20
                && std::abs(paper.Height * 10 - size.Length) <= 20
                && std::find(codes.begin(), codes.end(), paper.Code) == codes.end();
        });
        codes.push_back(match != PaperTable().end() ? match->Code : nextOwnCode++);
    }
    return codes;
}

void TfrPrinter::SetPrinterIndex(int index)
{
    const int virtualIndex = static_cast<int>(m_printers.size()) - 1;
    m_printerIndex = index >= 0 && index < virtualIndex ? index : virtualIndex;
    if (m_printerIndex == virtualIndex || !m_service) {
        SelectVirtual();
        return;
    }
    try {
        printing::PrinterDetails details = m_service->Describe(m_printers[static_cast<std::size_t>(m_printerIndex)]);
        if (details.Media.empty() || details.DpiX <= 0 || details.DpiY <= 0)
            throw printing::PrintError("The printer reports no paper.");
        SelectReal(std::move(details));
    } catch (const printing::PrintError&) {
        m_printerIndex = virtualIndex;
        SelectVirtual();
    }
}

void TfrPrinter::SelectVirtual()
{
    m_details.reset();
    m_paperNames.clear();
    m_paperCodes.clear();
    for (const PaperInfo& paper : PaperTable()) {
        m_paperNames.emplace_back(paper.Name);
        m_paperCodes.push_back(paper.Code);
    }
    m_binNames = { "Default" };
}

void TfrPrinter::SelectReal(printing::PrinterDetails details)
{
    m_paperCodes = MediaPaperCodes(details.Media);
    m_paperNames.clear();
    for (const printing::MediaSize& media : details.Media)
        m_paperNames.push_back(media.DisplayName.empty() ? media.Name : media.DisplayName);
    m_binNames = { "Default" };
    for (const printing::PaperBin& bin : details.Bins)
        m_binNames.push_back(bin.DisplayName.empty() ? bin.Keyword : bin.DisplayName);
    const std::size_t current = details.DefaultMedia >= 0 && details.DefaultMedia < static_cast<int>(details.Media.size())
        ? static_cast<std::size_t>(details.DefaultMedia)
        : 0;
    const printing::MediaSize& media = details.Media[current];
    m_paperSize = m_paperCodes[current];
    m_paperWidth = static_cast<std::int32_t>(std::lround(media.Width / 10.0));
    m_paperHeight = static_cast<std::int32_t>(std::lround(media.Length / 10.0));
    m_orientation = poPortrait;
    m_bin = kDefaultBin;
    m_details = std::move(details);
}

std::string TfrPrinter::BinKeyword() const
{
    if (!m_details || m_bin < 0 || m_bin >= static_cast<std::int32_t>(m_details->Bins.size()))
        return {};
    return m_details->Bins[static_cast<std::size_t>(m_bin)].Keyword;
}

void TfrPrinter::SelectBin(std::int32_t bin)
{
    if (!Printing)
        m_bin = bin;
}

std::string TfrPrinter::SystemName() const
{
    return IsVirtual() ? std::string() : m_printers[static_cast<std::size_t>(m_printerIndex)];
}

const printing::MediaSize* TfrPrinter::CurrentMedia() const
{
    if (!m_details || m_paperSize == kCustomPaperSize)
        return nullptr;
    const auto code = std::find(m_paperCodes.begin(), m_paperCodes.end(), m_paperSize);
    if (code == m_paperCodes.end())
        return nullptr;
    return &m_details->Media[static_cast<std::size_t>(code - m_paperCodes.begin())];
}

std::string TfrPrinter::MediaName() const
{
    const printing::MediaSize* media = CurrentMedia();
    return media ? media->Name : std::string();
}

void TfrPrinter::SetPaper(std::int32_t code, std::int32_t width, std::int32_t height, std::uint8_t orientation,
    std::int32_t bin)
{
    if (Printing || SameSettings(code, width, height, orientation, bin))
        return;
    const auto offered = std::find(m_paperCodes.begin(), m_paperCodes.end(), code);
    if (code != kCustomPaperSize && offered != m_paperCodes.end()) {
        if (m_details) {
            const printing::MediaSize& media = m_details->Media[static_cast<std::size_t>(offered - m_paperCodes.begin())];
            width = static_cast<std::int32_t>(std::lround(media.Width / 10.0));
            height = static_cast<std::int32_t>(std::lround(media.Length / 10.0));
        } else {
            const PaperInfo paper = *FindPaper(code);
            width = paper.Width;
            height = paper.Height;
        }
        if (orientation == poLandscape)
            std::swap(width, height);
    } else {
        // Custom sizes are given upright like every page's paper, and turn as the table's do.
        code = kCustomPaperSize;
        if (orientation == poLandscape)
            std::swap(width, height);
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
    // A paper the printer does not offer is asked for by its size, as SetPaper does.
    if (std::find(m_paperCodes.begin(), m_paperCodes.end(), code) == m_paperCodes.end())
        code = kCustomPaperSize;
    if (code != m_paperSize || orientation != m_orientation)
        return false;
    if (bin != -1 && m_bin != -1 && bin != m_bin)
        return false;
    if (code == kCustomPaperSize) {
        if (orientation == poLandscape)
            std::swap(width, height);
        return std::abs(std::int64_t { width } - m_paperWidth) <= 1 && std::abs(std::int64_t { height } - m_paperHeight) <= 1;
    }
    return true;
}

TfrPageGeometry TfrPrinter::ComputeGeometry() const
{
    if (!m_details)
        return VirtualPageGeometry(m_paperWidth, m_paperHeight);
    // A custom size takes the unprintable strips of the printer's default paper.
    const printing::MediaSize* media = CurrentMedia();
    if (!media)
        media = &m_details->Media[static_cast<std::size_t>(std::max(m_details->DefaultMedia, 0))];
    // Strips as the sheet lies: a landscape page is the upright sheet turned
    // a quarter to the left, so its left edge was the sheet's bottom.
    const bool landscape = m_orientation == poLandscape;
    const int left = landscape ? media->Bottom : media->Left;
    const int top = landscape ? media->Left : media->Top;
    const int right = landscape ? media->Top : media->Right;
    const int bottom = landscape ? media->Right : media->Bottom;

    const double dpiX = m_details->DpiX;
    const double dpiY = m_details->DpiY;
    const auto pixels = [](double hundredthsMm, double dpi) {
        return static_cast<std::int32_t>(std::lround(hundredthsMm / 2540.0 * dpi));
    };
    const auto units = [](std::int32_t devicePixels, double dpi) {
        return static_cast<std::int32_t>(std::lround(devicePixels * kReportUnitsPerInch / dpi));
    };
    TfrPageGeometry g;
    g.pgWidth = pixels(std::clamp(m_paperWidth, 0, kMaxPaper) * 10.0, dpiX);
    g.pgHeight = pixels(std::clamp(m_paperHeight, 0, kMaxPaper) * 10.0, dpiY);
    g.pgOffsetX = std::min(pixels(left, dpiX), g.pgWidth);
    g.pgOffsetY = std::min(pixels(top, dpiY), g.pgHeight);
    g.PrintableWidth = std::max(g.pgWidth - g.pgOffsetX - pixels(right, dpiX), 0);
    g.PrintableHeight = std::max(g.pgHeight - g.pgOffsetY - pixels(bottom, dpiY), 0);
    g.PageWidth = units(g.pgWidth, dpiX);
    g.PageHeight = units(g.pgHeight, dpiY);
    g.OffsetX = units(g.pgOffsetX, dpiX);
    g.OffsetY = units(g.pgOffsetY, dpiY);
    g.PrnWidth = units(g.PrintableWidth, dpiX);
    g.PrnHeight = units(g.PrintableHeight, dpiY);
    return g;
}

TfrPrinter& Prn()
{
    static TfrPrinter printer(std::make_shared<printing::CupsPrintService>());
    return printer;
}

} // namespace report
