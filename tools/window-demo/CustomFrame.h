#pragma once

#include "platform/window/Window.h"

namespace demo {

// Takes over a window's frame by replacing its window procedure, the way a
// skinned form does: the new procedure sizes, paints and hit-tests a frame of
// its own (4 pixels, a 26-pixel caption, rounded corners cut by a window
// region, a round close button) and passes
// everything else to the procedure it replaced, whose move and size loops then
// run on its hit-test answers.
void InstallCustomFrame(wnd::HWND hwnd);

} // namespace demo
