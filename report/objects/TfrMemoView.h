#pragma once

#include "report/objects/MemoLayout.h"
#include "report/objects/TfrStretcheable.h"

#include "platform/graphics/TFont.h"

#include <array>
#include <functional>
#include <optional>

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
class TfrMemoView : public TfrStretcheable {
public:
    TfrMemoView();

    ObjectKind Kind() const override { return ObjectKind::Memo; }
    std::string ClassName() const override { return "TfrMemoView"; }
    std::string NamePrefix() const override { return "Memo"; }

    void LoadFromStream(TemplateReader& reader) override;
    void SaveToStream(TemplateWriter& writer) const override;

    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::optional<Variant> CallMethod(std::string_view name, std::span<const Variant> arguments) override;
    std::vector<std::string> ListProperties() const override;

    void Draw(gfx::TPageCanvas& canvas) override;
    void ExpandForPrint(TfrPrintContext& context) override;
    void WriteToPage(TemplateWriter& page, TfrPrintContext& context) override;

    std::int32_t ContentHeight() override;
    // CALCHEIGHT: the height the memo needs for the record the build stands
    // on. Before the memo is expanded for its showing (a band script asks),
    // its text is expanded only to be measured; what it prints is untouched.
    std::int32_t CalcHeight(TfrExpressionEngine& engine);
    std::int32_t MinPartHeight() override;
    std::int32_t SplitRemainder() override;

    // The drawing font: the memo's font at its size × 96 / 72 pixels.
    gfx::TFont DrawFont(double scale = 1.0) const;
    // Height of one line: the font's pixel height plus LineSpacing.
    double LineHeight(double scale = 1.0) const;
    // The lines the expanded text breaks into at the memo's width (PrintMemo,
    // or Memo when nothing is expanded yet).
    std::vector<MemoLine> LayoutLines(double scale = 1.0) const;
    // A memo splits between its lines.
    bool Divisible() const override { return true; }
    // Lines of a split memo not written yet; empty when all were written.
    bool HasRemainder() const override { return !m_remainder.empty(); }
    std::int32_t RemainderHeight() override;

    MemoFont Font;
    std::int32_t Alignment { frtaLeft };
    MemoHighlight HighlightAttr;
    std::string HighlightCondition;
    std::int32_t LineSpacing { 2 };
    std::int32_t CharSpacing { 0 };

protected:
    void RestoreAfterPrint() override;

private:
    // What a layout depends on besides the text.
    struct MemoLayoutKey {
        std::string FontName;
        int FontHeight { 0 };
        unsigned FontStyle { 0 };
        double CharExtra { 0 };
        double Width { 0 };
        bool WordWrap { false };
        bool WordBreak { false };
        bool operator==(const MemoLayoutKey&) const = default;
    };
    // The last layout and what it was made from. A build measures a memo's
    // height and then draws or splits the same text at the same width, so
    // the lines are broken once for both.
    struct CachedLayout {
        MemoLayoutKey Key;
        std::vector<std::string> Text;
        std::vector<MemoLine> Lines;
    };

    // LayoutLines without the copy; valid until the next layout.
    const std::vector<MemoLine>& Layout(double scale = 1.0) const;
    const std::vector<std::string>& ShownText() const;
    void DrawLines(gfx::TPageCanvas& canvas, const std::vector<MemoLine>& lines);
    // Draws a justified line word by word, spreading `free_space` over its
    // blanks; `place` draws a piece at an offset along the line.
    void DrawJustified(std::string_view text, double free_space,
        const std::function<void(double, std::string_view)>& place) const;
    void ApplyAutoWidth();
    void TakePart();

    // The text written last, for `Suppress`.
    std::string m_lastPrinted;
    // Lines of a split memo left for the next part, each already a drawn line.
    std::vector<std::string> m_remainder;
    // Font and fill to put back after a highlighted object is written.
    MemoFont m_savedFont;
    TColor m_savedFill { clTransparent };
    // Left, Width and Height before AutoWidth changed them.
    std::array<std::int32_t, 3> m_savedSize {};
    bool m_highlighted { false };
    mutable std::optional<CachedLayout> m_layout;
};

} // namespace report
