#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace gfx {

enum class TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A set of font styles: `font.Style = { TFontStyle::fsBold }`.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles)
    {
        for (TFontStyle s : styles)
            Include(s);
    }

    constexpr bool Contains(TFontStyle s) const { return (m_bits & static_cast<unsigned>(s)) != 0; }
    constexpr void Include(TFontStyle s) { m_bits |= static_cast<unsigned>(s); }
    constexpr void Exclude(TFontStyle s) { m_bits &= ~static_cast<unsigned>(s); }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr unsigned Bits() const { return m_bits; }

    friend constexpr bool operator==(const TFontStyles&, const TFontStyles&) = default;

private:
    unsigned m_bits { 0 };
};

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int GB2312_CHARSET = 134;

// Screen resolution every size conversion assumes.
inline constexpr int kScreenDpi = 96;

// A font as the program asks for it. `Name` is the face name the program uses
// ("宋体", "Tahoma", …), turned into an installed face by MapFontFamily.
// `Height` in pixels: negative is the character height (the em height without
// internal leading), positive the cell height (ascent + descent, internal
// leading included), zero the default size.
struct TFont {
    std::string Name { "MS Sans Serif" };
    int Height { -11 };
    TFontStyles Style;
    TColor Color { clWindowText };
    int CharSet { DEFAULT_CHARSET };
    // Direction of text lines in tenths of a degree, counter-clockwise
    // (900: text runs upwards). The text cell turns around its top-left corner.
    int Orientation { 0 };

    // Size in points at 96 dpi: -Height * 72 / 96 (rounded); setting it makes
    // Height a character height.
    int Size() const;
    void SetSize(int points);

    friend bool operator==(const TFont&, const TFont&) = default;
};

// Metrics of a font, in pixels, as the classic text-metric record gives them.
struct TTextMetric {
    int tmHeight { 0 }; // cell height: ascent + descent
    int tmAscent { 0 };
    int tmDescent { 0 };
    int tmInternalLeading { 0 }; // cell height minus character height
    int tmExternalLeading { 0 };
    int tmAveCharWidth { 0 };
    int tmMaxCharWidth { 0 };
    int tmWeight { 400 };
    bool tmItalic { false };
    bool tmUnderlined { false };
    bool tmStruckOut { false };
};

// The installed font family (a fontconfig family list, Latin face first, then
// a CJK face for characters the first does not have) used for a face name.
std::string MapFontFamily(const std::string& name);

// Metrics of a font (cached per name, height and style).
TTextMetric GetTextMetrics(const TFont& font);

// Width of a one-line text and the font's cell height, as TCanvas::TextExtent
// gives them, for measuring outside painting.
TSize TextExtent(const TFont& font, std::string_view text);

} // namespace gfx
