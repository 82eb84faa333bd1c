#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/window/WinTypes.h"

namespace skin {

// The screen area a window belongs to, for maximizing and for placing menus:
// with more than one monitor, the monitor nearest the window; otherwise the
// desktop. workArea leaves out panels and task bars.
gfx::TRect GetMonitorArea(wnd::HWND window, bool workArea);

// True when the display can show a window with a constant alpha (on X11 this
// needs a compositing window manager; the display is asked, not assumed).
bool LayeredWindowsAvailable();

// Sets the constant alpha (0..255) of a layered window when the display can
// show it; otherwise nothing happens.
void SetWindowAlpha(wnd::HWND window, unsigned char alpha);

} // namespace skin
