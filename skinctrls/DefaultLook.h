#pragma once

#include "platform/graphics/EdgePainter.h"

namespace skinctrls {

// The fixed colours of the look a skinned control has without a skin record:
// a navy frame around a light fill while hot and a darker fill while pressed.
// The frames and fills themselves are the shared 3-D edges of the platform.
inline constexpr gfx::TColor kDefaultFrameColor = gfx::RGB(0, 0, 128);
inline constexpr gfx::TColor kDefaultHotColor = gfx::RGB(182, 189, 210);
inline constexpr gfx::TColor kDefaultDownColor = gfx::RGB(133, 147, 181);

// A one-pixel frame on Rect: the left and top edges in Top, the right and
// bottom edges (the last column and row inside Rect) in Bottom. Rect then
// shrinks by one pixel on every side, so callers fill or frame what is left.
inline void DrawBevelFrame(gfx::TCanvas& Canvas, gfx::TRect& Rect, gfx::TColor Top, gfx::TColor Bottom)
{
    gfx::Frame3D(Canvas, Rect, Top, Bottom);
}

} // namespace skinctrls
