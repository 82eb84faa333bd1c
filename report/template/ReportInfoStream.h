#pragma once

#include "report/objects/ReportInfo.h"
#include "report/template/TemplateStream.h"

namespace report {

// The report info block at the end of a template.
void ReadReportInfo(TemplateReader& reader, ReportInfo& info);
void WriteReportInfo(TemplateWriter& writer, const ReportInfo& info);

// The open password as stored: two upper-case hexadecimal digits per byte,
// high nibble first. Decoding refuses a text that is no such encoding.
std::string EncodePassword(std::string_view bytes);
std::string DecodePassword(std::string_view hex);

} // namespace report
