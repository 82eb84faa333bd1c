#pragma once

#include "platform/graphics/Geometry.h"

namespace skinform {

// The proposed window rectangle of a move, snapped to the edges of `area`
// that it comes closer to than `distance` pixels (strictly). The right and
// bottom edges are tested after the left and top ones, so a window that fits
// both ways ends at the right and the bottom.
gfx::TRect MagneticSnap(gfx::TRect proposed, const gfx::TRect& area, int distance);

// The rectangle a maximized form takes: its monitor's work area, or the whole
// monitor with `fullScreen`. When the target covers the whole monitor it
// keeps one pixel free on every side, so the desktop's edge triggers (auto-hide
// panels, hot corners) stay reachable.
gfx::TRect MaximizedBounds(const gfx::TRect& monitor, const gfx::TRect& workArea, bool fullScreen);

} // namespace skinform
