#include "platform/printing/PdfDocument.h"

#include <cairo-pdf.h>

#include <string>

namespace printing {

PdfDocument::PdfDocument(const std::filesystem::path& file_name) : m_fileName(file_name)
{
    // The size is set again for every page before anything is drawn on it.
    m_surface = cairo_pdf_surface_create(file_name.c_str(), 595.0, 842.0);
    m_cairo = cairo_create(m_surface);
    try {
        Check("cannot be created");
    } catch (...) {
        cairo_destroy(m_cairo);
        cairo_surface_destroy(m_surface);
        throw;
    }
    cairo_pdf_surface_set_metadata(m_surface, CAIRO_PDF_METADATA_CREATOR, "Veltrin");
}

PdfDocument::~PdfDocument()
{
    m_canvas.reset();
    cairo_destroy(m_cairo);
    cairo_surface_destroy(m_surface);
}

void PdfDocument::Check(const char* what) const
{
    cairo_status_t status = cairo_surface_status(m_surface);
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_status(m_cairo);
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("The PDF file \"" + m_fileName.string() + "\" " + what + ": "
                                 + cairo_status_to_string(status));
}

gfx::TPageCanvas& PdfDocument::BeginPage(double widthPoints, double heightPoints, double pointsPerUnit)
{
    if (m_pageOpen)
        EndPage();
    cairo_pdf_surface_set_size(m_surface, widthPoints, heightPoints);
    cairo_identity_matrix(m_cairo);
    cairo_scale(m_cairo, pointsPerUnit, pointsPerUnit);
    m_canvas = std::make_unique<gfx::TPageCanvas>(m_cairo);
    m_pageOpen = true;
    return *m_canvas;
}

void PdfDocument::EndPage()
{
    if (!m_pageOpen)
        return;
    m_canvas.reset();
    cairo_show_page(m_cairo);
    m_pageOpen = false;
    ++m_pages;
    Check("could not be written");
}

void PdfDocument::Finish()
{
    EndPage();
    cairo_surface_finish(m_surface);
    Check("could not be written completely");
}

} // namespace printing
