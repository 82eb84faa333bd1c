#include "report/output/EMFPagesPdf.h"

#include "report/output/PreparedPagesPdf.h"

#include <numeric>

namespace report {

void WritePreparedPagesPdf(TfrEMFPages& pages, const std::filesystem::path& file_name)
{
    std::vector<int> every(static_cast<std::size_t>(pages.Count()));
    std::iota(every.begin(), every.end(), 1);
    WritePreparedPagesPdf(pages, every, file_name);
}

void WritePreparedPagesPdf(TfrEMFPages& pages, const std::vector<int>& page_numbers,
    const std::filesystem::path& file_name)
{
    PreparedPagesPdf pdf(file_name);
    for (int number : page_numbers) {
        const int index = number - 1;
        if (index < 0 || index >= pages.Count() || !pages[index].Visible)
            continue;
        const TfrPreparedPage& prepared = pages[index];
        bool landscape = prepared.Orientation == poLandscape;
        std::int32_t width = landscape ? prepared.PaperHeight : prepared.PaperWidth;
        std::int32_t height = landscape ? prepared.PaperWidth : prepared.PaperHeight;
        pdf.AddPage(width, height, pages.PageObjects(index).PageObjects);
        pages.DropRebuiltPage(index);
    }
    pdf.Finish();
}

} // namespace report
