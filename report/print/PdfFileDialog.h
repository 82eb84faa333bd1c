#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace report {

// Asks with the save dialog for the PDF file to write, captioned `title`;
// ".pdf" is added to a name without an extension. Nothing when the user
// cancelled.
std::optional<std::filesystem::path> AskPdfFileName(const std::string& title);

} // namespace report
