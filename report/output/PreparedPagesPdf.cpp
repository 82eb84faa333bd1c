#include "report/output/PreparedPagesPdf.h"

#include "report/printer/TfrPrinter.h"

#include "platform/printing/PdfDocument.h"

#include <algorithm>

namespace report {
namespace {

// PDF points per tenth of a millimetre, and per report unit.
constexpr double kPointsPerTenthMm = 72.0 / 254.0;
constexpr double kPointsPerUnit = 72.0 / kReportUnitsPerInch;

} // namespace

void DrawPageObjects(gfx::TPageCanvas& canvas, std::span<const std::unique_ptr<TfrView>> objects, double scale,
    std::int32_t offsetX, std::int32_t offsetY)
{
    DrawPageObjects(canvas, objects, scale, scale, offsetX, offsetY);
}

void DrawPageObjects(gfx::TPageCanvas& canvas, std::span<const std::unique_ptr<TfrView>> objects, double scaleX,
    double scaleY, std::int32_t offsetX, std::int32_t offsetY)
{
    for (const auto& object : objects) {
        object->ScaleX = scaleX;
        object->ScaleY = scaleY;
        object->OffsetX = offsetX;
        object->OffsetY = offsetY;
        object->Draw(canvas);
        object->ScaleX = 1.0;
        object->ScaleY = 1.0;
        object->OffsetX = 0;
        object->OffsetY = 0;
    }
}

PreparedPagesPdf::PreparedPagesPdf(const std::filesystem::path& file_name)
    : m_document(std::make_unique<printing::PdfDocument>(file_name))
{
}

PreparedPagesPdf::~PreparedPagesPdf() = default;

void PreparedPagesPdf::AddPage(std::int32_t paperWidth, std::int32_t paperHeight,
    std::span<const std::unique_ptr<TfrView>> objects)
{
    // A sheet of at least a point each way, so a page without a paper size
    // still makes a valid file.
    double width = std::max(1.0, paperWidth * kPointsPerTenthMm);
    double height = std::max(1.0, paperHeight * kPointsPerTenthMm);
    gfx::TPageCanvas& canvas = m_document->BeginPage(width, height, kPointsPerUnit);
    DrawPageObjects(canvas, objects);
    m_document->EndPage();
}

void PreparedPagesPdf::Finish() { m_document->Finish(); }

int PreparedPagesPdf::PageCount() const { return m_document->PageCount(); }

} // namespace report
