#include "platform/graphics/TColor.h"

#include <array>

namespace gfx {
namespace {

// The fixed system palette: a calm, classic desktop scheme. Indexes follow the
// system colour numbers (clBtnFace = 15 …).
constexpr std::array<TColor, 31> kSystemPalette {
    RGB(200, 200, 200), // 0 scroll bar
    RGB(58, 110, 165),  // 1 desktop background
    RGB(10, 36, 106),   // 2 active caption
    RGB(128, 128, 128), // 3 inactive caption
    RGB(212, 208, 200), // 4 menu
    RGB(255, 255, 255), // 5 window
    RGB(0, 0, 0),       // 6 window frame
    RGB(0, 0, 0),       // 7 menu text
    RGB(0, 0, 0),       // 8 window text
    RGB(255, 255, 255), // 9 caption text
    RGB(212, 208, 200), // 10 active border
    RGB(212, 208, 200), // 11 inactive border
    RGB(128, 128, 128), // 12 application work space
    RGB(10, 36, 106),   // 13 highlight
    RGB(255, 255, 255), // 14 highlight text
    RGB(212, 208, 200), // 15 button face
    RGB(128, 128, 128), // 16 button shadow
    RGB(128, 128, 128), // 17 grey text
    RGB(0, 0, 0),       // 18 button text
    RGB(212, 208, 200), // 19 inactive caption text
    RGB(255, 255, 255), // 20 button highlight
    RGB(64, 64, 64),    // 21 3D dark shadow
    RGB(212, 208, 200), // 22 3D light
    RGB(0, 0, 0),       // 23 info text
    RGB(255, 255, 225), // 24 info background
    RGB(192, 192, 192), // 25 (unused)
    RGB(0, 0, 128),     // 26 hot light
    RGB(166, 202, 240), // 27 gradient active caption
    RGB(192, 192, 192), // 28 gradient inactive caption
    RGB(49, 106, 197),  // 29 menu highlight
    RGB(212, 208, 200), // 30 menu bar
};

} // namespace

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color)) {
        auto index = static_cast<std::size_t>(color & 0xFF);
        return index < kSystemPalette.size() ? kSystemPalette[index] : clBlack;
    }
    return color & 0x00FFFFFF;
}

} // namespace gfx
