#pragma once

#include "report/objects/TfrView.h"

namespace report {

// Font styles as templates, scripts and highlight attributes count them.
inline constexpr std::uint16_t fsItalic = 1;
inline constexpr std::uint16_t fsBold = 2;
inline constexpr std::uint16_t fsUnderline = 4;
inline constexpr std::uint16_t fsStrikeOut = 8;

struct MemoFont {
    std::string Name { "Arial" };
    std::int32_t Size { 10 }; // points
    std::uint16_t Style { 0 };
    TColor Color { clBlack };
    std::uint8_t Charset { kDefaultCharset };
};

// What a memo changes to when its `HighlightCondition` holds.
struct MemoHighlight {
    std::uint16_t FontStyle { fsBold };
    TColor FontColor { clBlack };
    TColor FillColor { clWhite };
};

// A text object: lines with bracketed expressions, drawn in one font.
class TfrMemoView : public TfrView {
public:
    TfrMemoView();

    ObjectKind Kind() const override { return ObjectKind::Memo; }
    std::string ClassName() const override { return "TfrMemoView"; }
    std::string NamePrefix() const override { return "Memo"; }

    void LoadFromStream(TemplateReader& reader) override;
    void SaveToStream(TemplateWriter& writer) const override;

    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::vector<std::string> ListProperties() const override;

    MemoFont Font;
    std::int32_t Alignment { frtaLeft };
    MemoHighlight HighlightAttr;
    std::string HighlightCondition;
    std::int32_t LineSpacing { 2 };
    std::int32_t CharSpacing { 0 };
};

} // namespace report
