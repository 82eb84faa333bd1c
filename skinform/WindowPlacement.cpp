#include "skinform/WindowPlacement.h"

#include <cstdlib>

namespace skinform {

gfx::TRect MagneticSnap(gfx::TRect proposed, const gfx::TRect& area, int distance)
{
    const int width = proposed.Width();
    const int height = proposed.Height();
    int left = proposed.Left;
    int top = proposed.Top;
    if (std::abs(left - area.Left) < distance)
        left = area.Left;
    if (std::abs(top - area.Top) < distance)
        top = area.Top;
    if (std::abs(left + width - area.Right) < distance)
        left = area.Right - width;
    if (std::abs(top + height - area.Bottom) < distance)
        top = area.Bottom - height;
    return gfx::Bounds(left, top, width, height);
}

gfx::TRect MaximizedBounds(const gfx::TRect& monitor, const gfx::TRect& workArea, bool fullScreen)
{
    const gfx::TRect target = fullScreen ? monitor : workArea;
    if (target == monitor)
        return gfx::Inflate(target, -1, -1);
    return target;
}

} // namespace skinform
