#include "skinform/MenuPlacement.h"

#include <algorithm>

namespace skinform {
namespace {

    bool InUpperHalf(int y, const gfx::TRect& area) { return y - area.Top < area.Height() / 2; }

    struct Vertical {
        int Y { 0 };
        bool Moved { false };
    };

    Vertical PlaceVertically(const gfx::TRect& a, int h, const gfx::TRect& wa, TMenuOpening opening, int itemsTop)
    {
        switch (opening) {
        case TMenuOpening::SubMenu:
            if (a.Top - itemsTop + h <= wa.Bottom)
                return { a.Top - itemsTop };
            if (!InUpperHalf(a.Top, wa))
                return { std::max(wa.Top, a.Bottom + itemsTop - h) };
            return { wa.Bottom - h };
        case TMenuOpening::Up:
            if (a.Top - h >= wa.Top)
                return { a.Top - h };
            if (InUpperHalf(a.Top, wa))
                return { std::min(a.Bottom, wa.Bottom - h), true };
            return { wa.Top, true };
        case TMenuOpening::Down:
            break;
        }
        if (a.Bottom + h <= wa.Bottom)
            return { a.Bottom };
        if (InUpperHalf(a.Top, wa))
            return { wa.Bottom - h, true };
        return { std::max(wa.Top, a.Top - h), true };
    }

    // Past the right edge the window is pulled left, and the left edge wins
    // over the right one for a window wider than the work area.
    int ClampInto(int pos, int length, int low, int high) { return std::max(low, std::min(pos, high - length)); }

} // namespace

gfx::TPoint PlaceMenuWindow(const gfx::TRect& anchor, gfx::TSize size, const gfx::TRect& workArea,
    TMenuOpening opening, bool scrolling, int itemsTop)
{
    Vertical v = scrolling ? Vertical { workArea.Top } : PlaceVertically(anchor, size.cy, workArea, opening, itemsTop);
    int x = anchor.Left;
    if (opening == TMenuOpening::SubMenu || scrolling || v.Moved) {
        if (anchor.Right + size.cx + 1 <= workArea.Right)
            x = anchor.Right + 1;
        else
            x = anchor.Left - size.cx - 1;
    }
    return { ClampInto(x, size.cx, workArea.Left, workArea.Right),
        ClampInto(v.Y, size.cy, workArea.Top, workArea.Bottom) };
}

} // namespace skinform
