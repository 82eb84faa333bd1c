#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace printing {

// A failure of the system's printing service, with its own message.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A sheet size a printer offers, in hundredths of a millimetre as it lies
// upright (portrait), with the unprintable strips along each edge.
struct MediaSize {
    std::string Name;        // the service's keyword for it ("iso_a4_210x297mm")
    std::string DisplayName; // what a user is shown ("A4")
    int Width { 0 };
    int Length { 0 };
    int Left { 0 };
    int Right { 0 };
    int Top { 0 };
    int Bottom { 0 };
};

// A paper source (a tray, the manual feed) a printer offers.
struct PaperBin {
    std::string Keyword;     // the service's name for it ("tray-1")
    std::string DisplayName; // what a user is shown ("Tray 1")
};

// What the program needs to know of one printer.
struct PrinterDetails {
    std::vector<MediaSize> Media;
    // The paper sources a user may choose; empty when the printer names none.
    std::vector<PaperBin> Bins;
    // Index into Media of the paper the printer uses unless told otherwise; -1 when unknown.
    int DefaultMedia { -1 };
    // Device resolution in dots per inch, across and down.
    int DpiX { 600 };
    int DpiY { 600 };
};

struct PrinterListing {
    std::vector<std::string> Names;
    // The system's current printer; empty when it has none.
    std::string Default;
};

// How the sheets are printed, as a user sets it in the printer's options.
enum class PrintSides { OneSided, TwoSidedLongEdge, TwoSidedShortEdge };
struct JobOptions {
    PrintSides Sides { PrintSides::OneSided };
    bool Grayscale { false };
    friend bool operator==(const JobOptions&, const JobOptions&) = default;
};

// A document handed to a printer: a PDF file, one sheet per page at the
// page's own size.
struct PrintJob {
    std::string Printer;
    std::filesystem::path PdfFile;
    std::string Title;
    int Copies { 1 };
    bool Collate { true };
    // The media keyword of the paper; empty leaves it to the printer. A paper
    // the printer does not list is asked for by its size.
    std::string Media;
    int CustomWidth { 0 }; // hundredths of a millimetre, used when Media is empty and both are set
    int CustomLength { 0 };
    // The keyword of the paper source; empty leaves it to the printer.
    std::string MediaSource;
    JobOptions Options;
};

// The system's printing service as the program uses it. Every call answers
// in bounded time: a missing or hung service gives an empty listing or a
// PrintError, never a wait without end.
class PrintService {
public:
    virtual ~PrintService() = default;
    virtual PrinterListing ListPrinters() = 0;
    // Throws PrintError when the printer cannot be asked.
    virtual PrinterDetails Describe(const std::string& printer) = 0;
    // Queues the job and returns the service's job number; throws PrintError.
    virtual int Submit(const PrintJob& job) = 0;
};

} // namespace printing
