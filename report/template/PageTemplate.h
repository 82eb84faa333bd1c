#pragma once

#include "report/objects/TfrReport.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace report {

// The program's default print layout "PAGE.frf": an A4 page with a header
// (title and date), a master data band over frDBDataSet1 that shows each
// note's 标题 in bold, its child band with the note's 类别 and 日期, its
// stretched 内容 and a separator line at the band's bottom, and a footer with
// the page number and page count.
std::unique_ptr<TfrReport> MakePageTemplate();

// The template's bytes. They never change between runs: the creation and
// last-change dates are fixed.
std::vector<std::uint8_t> PageTemplateBytes();

} // namespace report
