#pragma once

#include "report/objects/BandTypes.h"
#include "report/objects/TfrView.h"

namespace report {

// A band marker on a template page. Its band type is kept in `FrameTyp`; its
// `FormatText` names the dataset (data bands) or holds the group condition
// (group headers).
class TfrBandView : public TfrView {
public:
    TfrBandView();

    ObjectKind Kind() const override { return ObjectKind::Band; }
    std::string ClassName() const override { return "TfrBandView"; }
    std::string NamePrefix() const override { return "Band"; }

    // Bands and sub-report placeholders show only in a designer; on prepared
    // pages they draw nothing.
    void Draw(gfx::TPageCanvas&) override {}

    void LoadFromStream(TemplateReader& reader) override;
    void SaveToStream(TemplateWriter& writer) const override;

    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::vector<std::string> ListProperties() const override;

    std::uint16_t BandTypeCode() const { return FrameTyp; }
    void SetBandType(BandType type) { FrameTyp = static_cast<std::uint16_t>(type); }
    bool IsDataBand() const;

    std::string ChildBand;
    std::int32_t Columns { 1 };
    std::int32_t ColumnWidth { 200 };
    std::int32_t ColumnGap { 20 };
    std::int32_t NewColumnAfter { 1 };
    // The data band a group header belongs to.
    std::string Master;
};

} // namespace report
