#include "FakePrintService.h"

#include <gtest/gtest.h>

namespace report::testing {

FakePrintService::FakePrintService()
{
    m_folder = std::filesystem::temp_directory_path()
               / ("veltrin-jobs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_folder);
}

FakePrintService::~FakePrintService()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

printing::PrinterDetails FakePrintService::Describe(const std::string& printer)
{
    const auto found = Printers.find(printer);
    if (found == Printers.end())
        throw printing::PrintError("no answer from " + printer);
    return found->second;
}

int FakePrintService::Submit(const printing::PrintJob& job)
{
    if (RefuseJobs)
        throw printing::PrintError("the queue is stopped");
    printing::PrintJob kept = job;
    kept.PdfFile = m_folder / ("job-" + std::to_string(++m_submitted) + ".pdf");
    std::filesystem::copy_file(job.PdfFile, kept.PdfFile);
    Jobs.push_back(kept);
    return m_submitted;
}

printing::MediaSize FakePrintService::A4(int left, int top, int right, int bottom)
{
    return { "iso_a4_210x297mm", "A4", 21000, 29700, left, right, top, bottom };
}

printing::MediaSize FakePrintService::A3()
{
    return { "iso_a3_297x420mm", "A3", 29700, 42000, 423, 423, 423, 423 };
}

printing::MediaSize FakePrintService::Letter()
{
    return { "na_letter_8.5x11in", "Letter", 21590, 27940, 635, 635, 635, 635 };
}

} // namespace report::testing
