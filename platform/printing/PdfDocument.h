#pragma once

#include "platform/graphics/TPageCanvas.h"

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace printing {

// A PDF file being written page by page. Pages may differ in size; each is
// drawn through a TPageCanvas whose units are scaled to the page, and is
// written out when it ends, so a long document never sits in memory whole.
// Text is real text (selectable, searchable) with its fonts embedded.
class PdfDocument {
public:
    // Creates the file; throws std::runtime_error when it cannot be written.
    explicit PdfDocument(const std::filesystem::path& file_name);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Starts a page of the given size in points (1/72 inch) whose drawing
    // units are `pointsPerUnit` points each. The canvas is valid until
    // EndPage.
    gfx::TPageCanvas& BeginPage(double widthPoints, double heightPoints, double pointsPerUnit);
    void EndPage();
    // Ends the last page and completes the file; throws std::runtime_error
    // when the file could not be written completely.
    void Finish();

    int PageCount() const { return m_pages; }

private:
    void Check(const char* what) const;

    std::filesystem::path m_fileName;
    cairo_surface_t* m_surface { nullptr };
    cairo_t* m_cairo { nullptr };
    std::unique_ptr<gfx::TPageCanvas> m_canvas;
    bool m_pageOpen { false };
    int m_pages { 0 };
};

} // namespace printing
