#pragma once

#include "report/objects/TfrView.h"

#include <filesystem>
#include <memory>
#include <span>

namespace printing {
class PdfDocument;
}

namespace report {

// Draws a page's objects, in list order, with the given scale and offset (a
// zoomed preview) and puts each object's scale back afterwards.
void DrawPageObjects(gfx::TPageCanvas& canvas, std::span<const std::unique_ptr<TfrView>> objects,
    double scale = 1.0, std::int32_t offsetX = 0, std::int32_t offsetY = 0);
// The same with a scale of its own across and down (a page fitted to a
// printer's printable area, whose resolution may differ by direction).
void DrawPageObjects(gfx::TPageCanvas& canvas, std::span<const std::unique_ptr<TfrView>> objects, double scaleX,
    double scaleY, std::int32_t offsetX, std::int32_t offsetY);

// Writes prepared pages as a PDF file, one page at a time: every page has its
// paper size and its objects (the page object rebuilt from a prepared-page
// stream, positions in report units). Sheets are the paper's size; report
// units map to it as on the virtual printer.
class PreparedPagesPdf {
public:
    // Creates the file; throws std::runtime_error when it cannot.
    explicit PreparedPagesPdf(const std::filesystem::path& file_name);
    ~PreparedPagesPdf();
    PreparedPagesPdf(const PreparedPagesPdf&) = delete;
    PreparedPagesPdf& operator=(const PreparedPagesPdf&) = delete;

    // Adds a page; paper width and height in tenths of a millimetre (already
    // turned for landscape).
    void AddPage(std::int32_t paperWidth, std::int32_t paperHeight, std::span<const std::unique_ptr<TfrView>> objects);
    // Completes the file; throws std::runtime_error on a write failure.
    void Finish();

    int PageCount() const;

private:
    std::unique_ptr<printing::PdfDocument> m_document;
};

} // namespace report
