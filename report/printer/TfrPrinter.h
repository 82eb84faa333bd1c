#pragma once

#include "report/objects/TfrPage.h"
#include "report/printer/PaperTable.h"

#include <cstdint>
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


// The printer layer. Only the virtual printer exists here: it needs no
// device, so page geometry is exact on any machine and a report can be built
// and written to PDF without a printer. Its "pixels" are report units.
class TfrPrinter {
public:
    TfrPrinter();

    // The printer list: the virtual printer is the last (and only) entry.
    const std::vector<std::string>& Printers() const { return m_printers; }
    int PrinterIndex() const { return m_printerIndex; }
    // Selects a printer of the list; an index outside it selects the virtual
    // printer. The paper list is rebuilt from the paper table.
    void SetPrinterIndex(int index);
    bool IsVirtual() const { return true; }

    // Sets the paper: a code of the table takes the table's size (turned for
    // landscape), the custom code 256 (or a code the table lacks) the given
    // width and height. Ignored while printing or when nothing changes.
    void SetPaper(std::int32_t code, std::int32_t width, std::int32_t height, std::uint8_t orientation,
        std::int32_t bin);
    // True when the page settings are those in force: same code, orientation
    // and bin (-1 matches any), and for custom sizes width and height within 1.
    bool SameSettings(std::int32_t code, std::int32_t width, std::int32_t height, std::uint8_t orientation,
        std::int32_t bin) const;
    // Geometry of the current paper.
    TfrPageGeometry ComputeGeometry() const;

    std::int32_t PaperSize() const { return m_paperSize; }
    std::int32_t PaperWidth() const { return m_paperWidth; }   // tenths of a millimetre
    std::int32_t PaperHeight() const { return m_paperHeight; }
    std::uint8_t Orientation() const { return m_orientation; }
    std::int32_t Bin() const { return m_bin; }
    const std::vector<std::string>& PaperNames() const { return m_paperNames; }
    const std::vector<std::int32_t>& PaperCodes() const { return m_paperCodes; }

    bool Printing { false };

private:
    std::vector<std::string> m_printers;
    int m_printerIndex { 0 };
    std::int32_t m_paperSize { kPaperA4 };
    std::int32_t m_paperWidth { 2100 };
    std::int32_t m_paperHeight { 2970 };
    std::uint8_t m_orientation { poPortrait };
    std::int32_t m_bin { -1 };
    std::vector<std::string> m_paperNames;
    std::vector<std::int32_t> m_paperCodes;
};

// Geometry of a paper (tenths of a millimetre) on the virtual printer: the
// page is paper × k / 254 report units, the offsets round(50 × k / 254) = 18,
// the printable area the page less twice the offset.
TfrPageGeometry VirtualPageGeometry(std::int32_t paperWidth, std::int32_t paperHeight);

} // namespace report
