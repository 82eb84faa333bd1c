#pragma once

#include "report/objects/TfrPage.h"
#include "report/printer/PaperTable.h"

#include "platform/printing/PrintService.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace report {

// Report units per inch of the printer layer (the Overview's 3.6 units per
// millimetre, as the printer layer rounds it).
inline constexpr double kReportUnitsPerInch = 91.6256157635468;

// The name the printer list shows for the built-in printer.
inline constexpr std::string_view kVirtualPrinterDisplayName = "Virtual printer";

// Geometry of a page on the selected printer, all whole numbers: printer
// pixels and report units of the paper, the offset of the printable area and
// its size.
struct TfrPageGeometry {
    std::int32_t pgWidth { 0 };
    std::int32_t pgHeight { 0 };
    std::int32_t PageWidth { 0 };   // report units
    std::int32_t PageHeight { 0 };
    std::int32_t pgOffsetX { 0 };
    std::int32_t pgOffsetY { 0 };
    std::int32_t OffsetX { 0 };     // report units
    std::int32_t OffsetY { 0 };
    std::int32_t PrintableWidth { 0 };  // printer pixels
    std::int32_t PrintableHeight { 0 };
    std::int32_t PrnWidth { 0 };    // report units
    std::int32_t PrnHeight { 0 };

    friend bool operator==(const TfrPageGeometry&, const TfrPageGeometry&) = default;
};


// The printer layer: the system's printers followed by the virtual printer.
// The virtual printer needs no device, so page geometry is exact on any
// machine and a report can be built and written to PDF without a printer;
// its "pixels" are report units. A real printer's papers, printable area and
// resolution come from the system's printing service; whenever the service
// fails to answer, the virtual printer is selected instead.
//
// Paper sizes are kept as the sheet lies: a landscape page has its width and
// height turned.
class TfrPrinter {
public:
    // Only the virtual printer.
    TfrPrinter();
    // The service's printers, then the virtual printer; the system's current
    // printer is selected (the first one when it names none).
    explicit TfrPrinter(std::shared_ptr<printing::PrintService> service);

    // The printer list: the virtual printer is the last entry.
    const std::vector<std::string>& Printers() const { return m_printers; }
    int PrinterIndex() const { return m_printerIndex; }
    // Selects a printer of the list; an index outside it, or a printer that
    // cannot report its settings, selects the virtual printer. The paper list
    // is rebuilt: from the paper table for the virtual printer, from the
    // printer's media otherwise, whose default paper becomes the current one.
    void SetPrinterIndex(int index);
    bool IsVirtual() const { return !m_details.has_value(); }
    // The system's name of the selected printer; empty for the virtual one.
    std::string SystemName() const;
    // The service the real printers belong to; null without one.
    printing::PrintService* Service() const { return m_service.get(); }

    // Sets the paper: a code the printer offers takes its size, the custom
    // code 256 (or a code the printer lacks) the given width and height, all
    // turned for landscape. Ignored while printing or when nothing changes.
    void SetPaper(std::int32_t code, std::int32_t width, std::int32_t height, std::uint8_t orientation,
        std::int32_t bin);
    // True when the page settings are those in force: same code, orientation
    // and bin (-1 matches any), and for custom sizes width and height within 1.
    bool SameSettings(std::int32_t code, std::int32_t width, std::int32_t height, std::uint8_t orientation,
        std::int32_t bin) const;
    // Geometry of the current paper.
    TfrPageGeometry ComputeGeometry() const;
    // The current paper as the printing service names it; empty for the
    // virtual printer and for a custom size.
    std::string MediaName() const;

    std::int32_t PaperSize() const { return m_paperSize; }
    std::int32_t PaperWidth() const { return m_paperWidth; }   // tenths of a millimetre
    std::int32_t PaperHeight() const { return m_paperHeight; }
    std::uint8_t Orientation() const { return m_orientation; }
    std::int32_t Bin() const { return m_bin; }
    const std::vector<std::string>& PaperNames() const { return m_paperNames; }
    const std::vector<std::int32_t>& PaperCodes() const { return m_paperCodes; }
    // "Default", then the paper sources the printer names; a bin is an index
    // into the printer's sources (-1 the default), so BinNames()[Bin() + 1]
    // is the one in force.
    const std::vector<std::string>& BinNames() const { return m_binNames; }
    // The service's keyword of the bin in force; empty for the default bin,
    // a bin the printer lacks and the virtual printer.
    std::string BinKeyword() const;
    // Chooses the paper source for what follows, also back to the default
    // (-1), which SetPaper takes as "no change". Ignored while printing.
    void SelectBin(std::int32_t bin);

    // Set between the start and the end of a print job.
    bool Printing { false };
    // Two-sided and colour choices of the printer options dialog, for every job.
    printing::JobOptions JobOptions;

private:
    void SelectVirtual();
    void SelectReal(printing::PrinterDetails details);
    // The printer's media for the current paper code; null for a custom size.
    const printing::MediaSize* CurrentMedia() const;

    std::shared_ptr<printing::PrintService> m_service;
    std::vector<std::string> m_printers;
    int m_printerIndex { 0 };
    std::optional<printing::PrinterDetails> m_details;
    std::int32_t m_paperSize { kPaperA4 };
    std::int32_t m_paperWidth { 2100 };
    std::int32_t m_paperHeight { 2970 };
    std::uint8_t m_orientation { poPortrait };
    std::int32_t m_bin { -1 };
    std::vector<std::string> m_paperNames;
    std::vector<std::int32_t> m_paperCodes;
    std::vector<std::string> m_binNames;
};

// The program's printer layer, made on first use from the system's printing
// service.
TfrPrinter& Prn();

// Paper codes of a real printer's media: the paper table's code for a size
// the table holds (within 0.2 mm each way), otherwise a code above the custom
// one, 257 for the first such media and so on.
std::vector<std::int32_t> MediaPaperCodes(const std::vector<printing::MediaSize>& media);

// Geometry of a paper (tenths of a millimetre) on the virtual printer: the
// page is paper × k / 254 report units, the offsets round(50 × k / 254) = 18,
// the printable area the page less twice the offset.
TfrPageGeometry VirtualPageGeometry(std::int32_t paperWidth, std::int32_t paperHeight);

} // namespace report
