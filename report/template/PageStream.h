#pragma once

#include "report/objects/TfrPage.h"
#include "report/template/TemplateStream.h"

namespace report {

// A page record (what follows the tag 255) in the layout of the reader's
// version, and in the current layout.
void ReadPage(TemplateReader& reader, TfrPage& page);
void WritePage(TemplateWriter& writer, const TfrPage& page);

} // namespace report
