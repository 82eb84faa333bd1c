#pragma once

#include "report/objects/TfrView.h"

namespace report {

// A placeholder that stands, during a build, for another page of the report.
class TfrSubReportView : public TfrView {
public:
    ObjectKind Kind() const override { return ObjectKind::SubReport; }
    std::string ClassName() const override { return "TfrSubReportView"; }
    std::string NamePrefix() const override { return "SubReport"; }

    // Bands and sub-report placeholders show only in a designer; on prepared
    // pages they draw nothing.
    void Draw(gfx::TPageCanvas&) override {}

    void LoadFromStream(TemplateReader& reader) override;
    void SaveToStream(TemplateWriter& writer) const override;

    // Zero-based index of the page holding the sub-report's layout.
    std::int32_t SubPage { 0 };
};

} // namespace report
