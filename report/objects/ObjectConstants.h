#pragma once

#include <cstdint>

namespace report {

// Colours of report objects: 0x00BBGGRR, or 0x800000nn for a system colour.
using TColor = std::int32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clTransparent = 0x1FFFFFFF;
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);

// The `ObjectKind` of an object record; add-in classes are found by class name.
enum class ObjectKind : std::uint8_t {
    Memo = 0,
    Picture = 1,
    Band = 2,
    SubReport = 3,
    Line = 4,
    AddIn = 10,
};

// Frame sides kept in `FrameTyp`.
inline constexpr std::uint16_t frftNone = 0;
inline constexpr std::uint16_t frftRight = 1;
inline constexpr std::uint16_t frftBottom = 2;
inline constexpr std::uint16_t frftLeft = 4;
inline constexpr std::uint16_t frftTop = 8;

// Pen styles of `FrameStyle`; psDouble draws a double line.
inline constexpr std::uint16_t psSolid = 0;
inline constexpr std::uint16_t psDash = 1;
inline constexpr std::uint16_t psDot = 2;
inline constexpr std::uint16_t psDashDot = 3;
inline constexpr std::uint16_t psDashDotDot = 4;
inline constexpr std::uint16_t psDouble = 5;

// `BandAlign`: where an object sits in its band during a build.
inline constexpr std::uint8_t baNone = 0;
inline constexpr std::uint8_t baLeft = 1;
inline constexpr std::uint8_t baRight = 2;
inline constexpr std::uint8_t baCenter = 3;
inline constexpr std::uint8_t baWidth = 4;
inline constexpr std::uint8_t baBottom = 5;
inline constexpr std::uint8_t baTop = 6;
inline constexpr std::uint8_t baRest = 7;

// `Alignment` of memo text: a horizontal value plus rotation and vertical bits.
inline constexpr std::int32_t frtaLeft = 0;
inline constexpr std::int32_t frtaRight = 1;
inline constexpr std::int32_t frtaCenter = 2;
inline constexpr std::int32_t frtaJustify = 3;
inline constexpr std::int32_t frtaVertical = 4;
inline constexpr std::int32_t frtaMiddle = 8;
inline constexpr std::int32_t frtaDown = 16;

// `Flags` bits. Bit 1 is `Stretched` for every kind.
namespace memo_flags {
inline constexpr std::uint16_t Stretched = 1;
inline constexpr std::uint16_t WordWrap = 2;
inline constexpr std::uint16_t WordBreak = 4;
inline constexpr std::uint16_t AutoWidth = 8;
inline constexpr std::uint16_t TextOnly = 16;
inline constexpr std::uint16_t Suppress = 32;
inline constexpr std::uint16_t HideZeros = 64;
inline constexpr std::uint16_t Underlines = 128;
inline constexpr std::uint16_t RTLReading = 256;
} // namespace memo_flags

namespace band_flags {
inline constexpr std::uint16_t Stretched = 1;
inline constexpr std::uint16_t FormNewPage = 2;
inline constexpr std::uint16_t PrintIfSubsetEmpty = 4;
inline constexpr std::uint16_t Breaked = 8;
inline constexpr std::uint16_t OnFirstPage = 16;
inline constexpr std::uint16_t OnLastPage = 32;
inline constexpr std::uint16_t RepeatHeader = 64;
inline constexpr std::uint16_t PrintChildIfInvisible = 128;
} // namespace band_flags

namespace picture_flags {
inline constexpr std::uint16_t Stretched = 1;
inline constexpr std::uint16_t Center = 2;
inline constexpr std::uint16_t KeepAspect = 4;
} // namespace picture_flags

// An object with this bit is told about every memo output during a build.
inline constexpr std::uint16_t kNotifyFlag = 0x8000;

// How a picture loaded from a database field is decoded.
inline constexpr std::uint8_t btBMP = 0;
inline constexpr std::uint8_t btJPG = 1;
inline constexpr std::uint8_t btICO = 2;
inline constexpr std::uint8_t btWMF = 3;

// Display format code: category in bits 24-27, kind in 16-23, decimals in
// 8-15, the decimal separator in 0-7. New objects show text with 2 decimals
// and the system separator (a point in this program's locale).
inline constexpr std::int32_t kDefaultFormatCode = (2 << 8) | '.';

// Character set of report fonts when a template does not say: the simplified
// Chinese set that matches the program's GBK text.
inline constexpr std::uint8_t kDefaultCharset = 134;

} // namespace report
