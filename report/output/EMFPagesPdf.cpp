#include "report/output/EMFPagesPdf.h"

#include "report/output/PreparedPagesPdf.h"

namespace report {

void WritePreparedPagesPdf(TfrEMFPages& pages, const std::filesystem::path& file_name)
{
    PreparedPagesPdf pdf(file_name);
    for (int index = 0; index < pages.Count(); ++index) {
        const TfrPreparedPage& prepared = pages[index];
        if (!prepared.Visible)
            continue;
        bool landscape = prepared.Orientation == poLandscape;
        std::int32_t width = landscape ? prepared.PaperHeight : prepared.PaperWidth;
        std::int32_t height = landscape ? prepared.PaperWidth : prepared.PaperHeight;
        pdf.AddPage(width, height, pages.PageObjects(index).PageObjects);
        pages.DropRebuiltPage(index);
    }
    pdf.Finish();
}

} // namespace report
