// Feeds arbitrary bytes to the prepared-report file reader. A file is either
// refused with a PreparedReportError, leaving the pages held before, or read;
// what was read writes and reads back to the same bytes, and every page's
// objects either rebuild or are refused as damaged.
#include "report/output/PreparedReportFile.h"
#include "report/template/TemplateFormat.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    report::TfrEMFPages pages;
    pages.AddPrepared().PaperSize = 11;
    report::PreparedReportHeader header;
    try {
        header = report::ReadPreparedReport({ data, size }, pages);
    } catch (const report::PreparedReportError&) {
        if (pages.Count() != 1 || pages[0].PaperSize != 11)
            std::abort();
        return 0;
    }

    io::ByteWriter first;
    try {
        report::WritePreparedReport(pages, header, first);
    } catch (const std::length_error&) {
        // A printer name that grew past a counted string in GBK.
        return 0;
    }
    report::TfrEMFPages again;
    const report::PreparedReportHeader reread = report::ReadPreparedReport(first.Data(), again);
    io::ByteWriter second;
    report::WritePreparedReport(again, reread, second);
    if (second.Data() != first.Data())
        std::abort();

    for (int index = 0; index < pages.Count(); ++index) {
        try {
            pages.PageObjects(index);
        } catch (const report::TemplateError&) {
        }
        pages.DropRebuiltPage(index);
    }
    return 0;
}
