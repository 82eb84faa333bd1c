#pragma once

#include "report/objects/TfrView.h"

namespace report {

// Rich text, an add-in object: the RTF text as the rich-edit control writes it,
// kept byte for byte.
class TfrRichView : public TfrView {
public:
    ObjectKind Kind() const override { return ObjectKind::AddIn; }
    std::string ClassName() const override { return "TfrRichView"; }
    std::string NamePrefix() const override { return "Rich"; }

    void Draw(gfx::TPageCanvas& canvas) override;

    void LoadFromStream(TemplateReader& reader) override;
    void SaveToStream(TemplateWriter& writer) const override;

    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::vector<std::string> ListProperties() const override;

    std::string RichText;
};

} // namespace report
