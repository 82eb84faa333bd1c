#pragma once

#include "report/build/TfrEMFPages.h"

#include <filesystem>

namespace report {

// Writes a build's prepared pages as a PDF file, each on its own paper (turned
// for landscape). Pages are rebuilt from their streams one at a time and let
// go again, so a long report never sits in memory as objects. Throws
// std::runtime_error when the file cannot be written and TemplateError for a
// damaged page.
void WritePreparedPagesPdf(TfrEMFPages& pages, const std::filesystem::path& file_name);

} // namespace report
