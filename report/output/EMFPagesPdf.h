#pragma once

#include "report/build/TfrEMFPages.h"

#include <filesystem>
#include <vector>

namespace report {

// Writes a build's prepared pages as a PDF file, each on its own paper (turned
// for landscape). Pages are rebuilt from their streams one at a time and let
// go again, so a long report never sits in memory as objects. Throws
// std::runtime_error when the file cannot be written and TemplateError for a
// damaged page.
void WritePreparedPagesPdf(TfrEMFPages& pages, const std::filesystem::path& file_name);
// The same for the pages numbered (from 1) in `page_numbers`, in that order;
// numbers that name no page and hidden pages are passed over.
void WritePreparedPagesPdf(TfrEMFPages& pages, const std::vector<int>& page_numbers,
    const std::filesystem::path& file_name);

} // namespace report
