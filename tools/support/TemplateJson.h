#pragma once

#include "report/objects/TfrReport.h"

#include <string>

namespace report {

// The whole of a loaded template as JSON, for people who inspect templates:
// the format version it was read from, printer settings, every page with its
// objects and all their stored fields, the dictionary and the info block.
std::string TemplateToJson(const TfrReport& report, int format_version);

// The JSON of a refused template: the file and the reason.
std::string TemplateErrorToJson(const std::string& file_name, const std::string& error);

} // namespace report
