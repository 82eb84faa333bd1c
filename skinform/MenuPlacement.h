#pragma once

#include "platform/graphics/Geometry.h"

namespace skinform {

// Where a menu window opens relative to its anchor rectangle.
enum class TMenuOpening { Down, Up, SubMenu };

// The top-left corner of a menu window of `size` opening at `anchor` (screen
// coordinates) inside the work area. A menu opens below (or above) its anchor
// and starts at its left; when it does not fit it is moved to the other side
// and then opens right of the anchor (left of it when there is no room). A
// submenu opens right of its item with its first item level with it. A
// scrolling menu (as tall as the work area) starts at the work area's top.
// The result never lies past any edge of the work area. `itemsTop` is the
// distance from the window's top to its first item.
gfx::TPoint PlaceMenuWindow(const gfx::TRect& anchor, gfx::TSize size, const gfx::TRect& workArea,
    TMenuOpening opening, bool scrolling, int itemsTop);

} // namespace skinform
