#pragma once

#include "platform/window/WinTypes.h"

namespace skinform {

// The skinned form's window timers on its form's window.
inline constexpr wnd::WPARAM kAlphaTimerId = 1; // fade-in when shown, 1 ms
inline constexpr wnd::WPARAM kHoverTimerId = 0x5B01; // caption buttons under the cursor
inline constexpr wnd::WPARAM kMorphTimerId = 0x5B02; // caption button fades
inline constexpr wnd::UINT kAlphaInterval = 1;
inline constexpr wnd::UINT kHoverInterval = 50;
inline constexpr wnd::UINT kMorphInterval = 20;
// Per fade tick: a full fade takes five ticks.
inline constexpr double kMorphStep = 0.2;
// Per alpha tick of the fade-in.
inline constexpr int kAlphaStep = 5;

} // namespace skinform
