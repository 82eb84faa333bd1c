#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBitmap.h"

namespace drawskin {

// The colours of the skin: soft neutral greys, one blue accent.
namespace palette {
inline constexpr gfx::TColor Outline = gfx::RGB(138, 145, 153);
inline constexpr gfx::TColor CaptionTop = gfx::RGB(249, 250, 251);
inline constexpr gfx::TColor CaptionBottom = gfx::RGB(225, 228, 232);
inline constexpr gfx::TColor Separator = gfx::RGB(200, 205, 211);
inline constexpr gfx::TColor Border = CaptionBottom;
inline constexpr gfx::TColor Client = gfx::RGB(240, 241, 243);
inline constexpr gfx::TColor Glyph = gfx::RGB(62, 68, 76);
inline constexpr gfx::TColor GlyphInactive = gfx::RGB(158, 165, 173);
inline constexpr gfx::TColor Hot = gfx::RGB(208, 213, 219);
inline constexpr gfx::TColor Pressed = gfx::RGB(188, 195, 203);
inline constexpr gfx::TColor Accent = gfx::RGB(52, 116, 190);
inline constexpr gfx::TColor AccentDark = gfx::RGB(38, 92, 156);
inline constexpr gfx::TColor Text = gfx::RGB(36, 41, 48);
inline constexpr gfx::TColor TextInactive = gfx::RGB(138, 145, 154);
inline constexpr gfx::TColor MenuBackground = gfx::RGB(255, 255, 255);
inline constexpr gfx::TColor MenuOutline = gfx::RGB(166, 173, 182);
inline constexpr gfx::TColor MenuBand = gfx::RGB(242, 245, 249);
inline constexpr gfx::TColor MenuBandLine = gfx::RGB(224, 230, 238);
inline constexpr gfx::TColor MenuHot = gfx::RGB(222, 234, 248);
inline constexpr gfx::TColor MenuHotBorder = gfx::RGB(164, 195, 232);
inline constexpr gfx::TColor MenuHotText = gfx::RGB(20, 52, 94);
inline constexpr gfx::TColor MenuDisabledText = gfx::RGB(165, 171, 178);
inline constexpr gfx::TColor Divider = gfx::RGB(226, 230, 235);
inline constexpr gfx::TColor ScrollMarker = gfx::RGB(150, 157, 165);
inline constexpr gfx::TColor HintBackground = gfx::RGB(252, 252, 253);
} // namespace palette

// The caption colour of row y of the frame (0 is the outline).
gfx::TColor CaptionRow(int y);

// Caption buttons: one row per glyph, one column per state, each cell the
// button's size; the system-menu icon cells follow below them.
enum class ButtonGlyph { Close, Maximize, Restore, Minimize, RollUp, Unroll };
enum class ButtonState { Normal, Hot, Pressed, Inactive };

inline constexpr int kButtonWidth = 18;
inline constexpr int kButtonHeight = 17;
inline constexpr int kButtonTop = 4;       // frame row of the buttons' top
inline constexpr int kSysMenuSize = 13;
inline constexpr int kSysMenuTop = 6;      // frame row of the system-menu icon's top

gfx::TRect ButtonCell(ButtonGlyph glyph, ButtonState state);
gfx::TRect SysMenuCell(ButtonState state);

// Popup menu item picture: the normal and the hot item, then the divider.
inline constexpr gfx::TRect kMenuItemRect { 0, 0, 48, 20 };
inline constexpr gfx::TRect kMenuItemHotRect { 0, 20, 48, 40 };
inline constexpr gfx::TRect kMenuDividerRect { 0, 40, 49, 45 };
inline constexpr int kMenuItemEnd = 4;      // fixed rounded ends of the hot item
inline constexpr int kDividerLeft = 8;
inline constexpr int kDividerRight = 4;

gfx::TBitmap DrawFramePicture();        // 160 x 145, frame.bmp
// The menu window: rounded corners of this radius, cut away by its mask.
inline constexpr gfx::TSize kPopupWindowSize { 99, 63 };
inline constexpr double kPopupCornerRadius = 4;

gfx::TBitmap DrawPopupWindowPicture();  // 99 x 63, pw.bmp
gfx::TBitmap DrawPopupWindowMask();     // 99 x 63, pwmask.bmp: black where the window is
gfx::TBitmap DrawMenuItemsPicture();    // menuitems.bmp
gfx::TBitmap DrawCaptionButtonsPicture(); // active.bmp
// The hint window: rounded corners of this radius, cut away by its mask.
inline constexpr gfx::TSize kHintWindowSize { 29, 15 };
inline constexpr double kHintCornerRadius = 2;

gfx::TBitmap DrawHintWindowPicture();   // 29 x 15, hw.bmp

} // namespace drawskin
