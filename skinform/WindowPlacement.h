#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/window/WinTypes.h"

#include <vector>

namespace skinform {

// The proposed window rectangle of a move, snapped to the edges of `area`
// that it comes closer to than `distance` pixels (strictly). The right and
// bottom edges are tested after the left and top ones, so a window that fits
// both ways ends at the right and the bottom.
gfx::TRect MagneticSnap(gfx::TRect proposed, const gfx::TRect& area, int distance);

// A move snapped as MagneticSnap does to `area`, and, along an axis the
// work area left alone, to the program's other windows `others`: a side
// comes to the nearest side of another window closer than `distance`
// (strictly) — beside it or flush with it — when the two windows meet or
// overlap along the other axis. The size stays.
gfx::TRect MagneticMove(gfx::TRect proposed, const gfx::TRect& area, const std::vector<gfx::TRect>& others, int distance);

// A sizing from the edge `edge` (WMSZ_LEFT … WMSZ_BOTTOMRIGHT): only the
// dragged sides snap to the other windows' sides, as for a move, and never
// so that the window becomes smaller than `minimum`.
gfx::TRect MagneticSizing(gfx::TRect proposed, wnd::WPARAM edge, const std::vector<gfx::TRect>& others, int distance,
    gfx::TSize minimum);

// The frames of the program's windows a form may snap to: the shown,
// not minimized top-level windows other than `self` that can be activated
// (menus, hints and drop-down lists cannot).
std::vector<gfx::TRect> SnapTargets(wnd::HWND self);

// The rectangle a maximized form takes: its monitor's work area, or the whole
// monitor with `fullScreen`. When the target covers the whole monitor it
// keeps one pixel free on every side, so the desktop's edge triggers (auto-hide
// panels, hot corners) stay reachable.
gfx::TRect MaximizedBounds(const gfx::TRect& monitor, const gfx::TRect& workArea, bool fullScreen);

} // namespace skinform
