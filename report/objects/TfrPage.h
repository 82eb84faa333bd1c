#pragma once

#include "report/objects/TfrObject.h"
#include "report/objects/TfrView.h"

#include <memory>
#include <vector>

namespace report {

// Page types.
inline constexpr std::uint8_t ptReport = 0;
inline constexpr std::uint8_t ptDialog = 1;
// `Orientation`.
inline constexpr std::uint8_t poPortrait = 0;
inline constexpr std::uint8_t poLandscape = 1;
// Dialog-page `BorderStyle` and `Position`.
inline constexpr std::uint8_t bsSizeable = 2;
inline constexpr std::uint8_t bsDialog = 3;
inline constexpr std::uint8_t poDesigned = 0;
inline constexpr std::uint8_t poScreenCenter = 4;
// Paper: the printer's default bin, the code of a custom size, and A4.
inline constexpr std::int32_t kDefaultBin = -1;
inline constexpr std::int32_t kCustomPaperSize = 256;
inline constexpr std::int32_t kPaperA4 = 9;

// One template page: paper and margins for report pages, a form description
// for dialog pages, and the objects placed on it in list order.
class TfrPage : public TfrObject {
public:
    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::optional<Variant> CallMethod(std::string_view name, std::span<const Variant> arguments) override;
    std::vector<std::string> ListProperties() const override;

    // Adds an object at the end of the page's list and returns it.
    template<typename View>
    View& Add(std::unique_ptr<View> view)
    {
        View& added = *view;
        PageObjects.push_back(std::move(view));
        return added;
    }
    // The object with this name (compared without case), or null.
    TfrView* FindObject(std::string_view name) const;

    std::string Name;
    std::int32_t PaperSize { kPaperA4 };
    std::int32_t PaperWidth { 2100 };  // tenths of a millimetre
    std::int32_t PaperHeight { 2970 }; // tenths of a millimetre
    std::int32_t LeftMargin { 0 };
    std::int32_t TopMargin { 0 };
    std::int32_t RightMargin { 0 };
    std::int32_t BottomMargin { 0 };
    std::uint8_t Orientation { poPortrait };
    std::int32_t PaperBin { kDefaultBin };
    bool PrintToPrevPage { false };
    // False means the page is stretched to the printable area.
    bool MarginsUsed { true };
    std::int32_t Columns { 1 };
    std::int32_t ColumnGap { 0 };
    std::uint8_t Type { ptReport };
    std::uint8_t BorderStyle { bsDialog };
    std::string Caption { "Form" };
    TColor Color { clBtnFace };
    std::int32_t Left { 220 };
    std::int32_t Top { 120 };
    std::int32_t Width { 380 };
    std::int32_t Height { 300 };
    std::uint8_t Position { poScreenCenter };
    // The page's `OnBeforePrint` script lines.
    std::vector<std::string> Script;
    bool Visible { true };

    std::vector<std::unique_ptr<TfrView>> PageObjects;
};

} // namespace report
