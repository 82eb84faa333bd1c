#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBitmap.h"

namespace drawskin {

// Where each skinned control's images lie in controls.bmp. The records of
// skin.ini name these rectangles; the points and client rectangles of the
// records are relative to the first (normal) rectangle of each control.
namespace controls {

inline constexpr gfx::TSize kPictureSize { 300, 245 };

// Push button, 69 x 25, nine parts: rounded corners, a face that is one
// colour down its tiled middle rows. Its mask (buttonmask.bmp) cuts the
// rounded corners out of the window.
inline constexpr gfx::TRect kButton { 0, 0, 69, 25 };
inline constexpr gfx::TRect kButtonHot { 70, 0, 139, 25 };
inline constexpr gfx::TRect kButtonDown { 140, 0, 209, 25 };
inline constexpr gfx::TRect kButtonDisabled { 210, 0, 279, 25 };
inline constexpr int kButtonEnd = 5;  // fixed corner size

// Tool button, 30 x 25: flat on the tool bar until hovered.
inline constexpr gfx::TRect kToolButton { 0, 26, 30, 51 };
inline constexpr gfx::TRect kToolButtonHot { 31, 26, 61, 51 };
inline constexpr gfx::TRect kToolButtonDown { 62, 26, 92, 51 };
inline constexpr int kToolButtonEnd = 4;

// The tool bar's scroll buttons, 12 x 25, nine parts.
inline constexpr gfx::TRect kResizeButton { 93, 26, 105, 51 };
inline constexpr gfx::TRect kResizeButtonHot { 106, 26, 118, 51 };
inline constexpr gfx::TRect kResizeButtonDown { 119, 26, 131, 51 };

// Tool bar, panel, group box and memo frames, nine parts each.
inline constexpr gfx::TRect kToolPanel { 0, 52, 40, 92 };
inline constexpr gfx::TRect kPanel { 41, 52, 81, 92 };
inline constexpr gfx::TRect kGroupBox { 82, 52, 142, 112 };
inline constexpr int kGroupCaptionHeight = 22;
inline constexpr gfx::TRect kMemo { 143, 52, 183, 92 };
inline constexpr gfx::TRect kMemoActive { 184, 52, 224, 92 };
inline constexpr int kCorner = 4;

// The check box of a panel's caption band, 13 x 13.
inline constexpr gfx::TRect kCheckBox { 225, 52, 238, 65 };
inline constexpr gfx::TRect kUncheckBox { 239, 52, 252, 65 };

// Text boxes, three parts across: the tool bar's box keeps two rows of the
// bar above and below its field.
inline constexpr gfx::TRect kToolEdit { 0, 113, 40, 138 };
inline constexpr gfx::TRect kToolEditActive { 41, 113, 81, 138 };
inline constexpr gfx::TRect kEdit { 82, 113, 122, 133 };
inline constexpr gfx::TRect kEditActive { 123, 113, 163, 133 };
inline constexpr gfx::TRect kButtonEdit { 164, 113, 214, 133 };
inline constexpr gfx::TRect kButtonEditActive { 215, 113, 265, 133 };
// The button of a button edit: its place in the record and its faces.
inline constexpr gfx::TRect kEditButtonPlace { 32, 2, 48, 18 };
inline constexpr gfx::TRect kEditButtonHot { 164, 134, 180, 150 };
inline constexpr gfx::TRect kEditButtonDown { 181, 134, 197, 150 };
inline constexpr gfx::TRect kEditButtonDisabled { 198, 134, 214, 150 };
inline constexpr int kEditEnd = 4;

// Scroll bars: the whole bar (decrease button, track, increase button),
// then the faces of the hot and pressed buttons, the thumbs and their grips.
inline constexpr int kBarWidth = 19;
inline constexpr int kArrowLength = 17;
inline constexpr gfx::TRect kVScrollBar { 0, 151, 19, 211 };
inline constexpr gfx::TRect kHScrollBar { 20, 151, 80, 170 };
inline constexpr gfx::TRect kBothHScrollBar { 20, 171, 99, 190 };
inline constexpr gfx::TRect kVIncreaseHot { 100, 151, 119, 168 };
inline constexpr gfx::TRect kVIncreaseDown { 120, 151, 139, 168 };
inline constexpr gfx::TRect kVDecreaseHot { 140, 151, 159, 168 };
inline constexpr gfx::TRect kVDecreaseDown { 160, 151, 179, 168 };
inline constexpr gfx::TRect kHIncreaseHot { 100, 171, 117, 190 };
inline constexpr gfx::TRect kHIncreaseDown { 118, 171, 135, 190 };
inline constexpr gfx::TRect kHDecreaseHot { 136, 171, 153, 190 };
inline constexpr gfx::TRect kHDecreaseDown { 154, 171, 171, 190 };
inline constexpr gfx::TRect kVThumb { 180, 151, 195, 175 };
inline constexpr gfx::TRect kVThumbHot { 196, 151, 211, 175 };
inline constexpr gfx::TRect kVThumbDown { 212, 151, 227, 175 };
inline constexpr gfx::TRect kVGrip { 228, 151, 235, 156 };
inline constexpr gfx::TRect kVGripHot { 236, 151, 243, 156 };
inline constexpr gfx::TRect kVGripDown { 244, 151, 251, 156 };
inline constexpr gfx::TRect kHThumb { 180, 176, 204, 191 };
inline constexpr gfx::TRect kHThumbHot { 205, 176, 229, 191 };
inline constexpr gfx::TRect kHThumbDown { 230, 176, 254, 191 };
inline constexpr gfx::TRect kHGrip { 255, 176, 260, 183 };
inline constexpr gfx::TRect kHGripHot { 261, 176, 266, 183 };
inline constexpr gfx::TRect kHGripDown { 267, 176, 272, 183 };
inline constexpr int kThumbEnd = 4;

// Splitters, three parts along the bar.
inline constexpr gfx::TRect kVSplitter { 0, 212, 9, 242 };
inline constexpr gfx::TRect kHSplitter { 11, 212, 41, 221 };
inline constexpr int kSplitterEnd = 5;

} // namespace controls

gfx::TBitmap DrawControlsPicture();     // controls.bmp
gfx::TBitmap DrawButtonMask();          // buttonmask.bmp, the button's size
gfx::TBitmap DrawGroupBoxMask();        // groupboxmask.bmp, the group box's size
gfx::TBitmap DrawHintWindowMask();      // hwmask.bmp, the hint window's size

} // namespace drawskin
