#pragma once

#include "report/objects/TfrStretcheable.h"

namespace report {

// Rich text, an add-in object: the RTF text as the rich-edit control writes it,
// kept byte for byte.
class TfrRichView : public TfrStretcheable {
public:
    ObjectKind Kind() const override { return ObjectKind::AddIn; }
    std::string ClassName() const override { return "TfrRichView"; }
    std::string NamePrefix() const override { return "Rich"; }

    void Draw(gfx::TPageCanvas& canvas) override;
    // Expands the bracketed expressions of the text, each value taking the
    // format of the text where its expression began.
    void ExpandForPrint(TfrPrintContext& context) override;
    void WriteToPage(TemplateWriter& page, TfrPrintContext& context) override;

    std::int32_t ContentHeight() override;
    // Rich text splits between its lines: a part holds at least one.
    std::int32_t MinPartHeight() override;
    std::int32_t SplitRemainder() override { return 0; }
    bool Divisible() const override { return true; }
    bool HasRemainder() const override { return !m_remainder.empty(); }
    std::int32_t RemainderHeight() override;

    void LoadFromStream(TemplateReader& reader) override;
    void SaveToStream(TemplateWriter& writer) const override;

    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::vector<std::string> ListProperties() const override;

    std::string RichText;

protected:
    void RestoreAfterPrint() override;

private:
    // The width the text is laid out in: the object's less gaps and frame.
    double TextWidth() const;
    double VerticalGaps() const;
    std::int32_t HeightOf(const std::string& rtf) const;
    // Keeps in RichText the lines that fit Height; the rest waits for the
    // next part.
    void TakePart();

    std::string m_savedRichText;
    bool m_richTextSaved { false };
    // The text of a split view not written yet, as RTF.
    std::string m_remainder;
};

} // namespace report
