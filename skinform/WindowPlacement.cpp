#include "skinform/WindowPlacement.h"

#include "platform/window/Messages.h"
#include "platform/window/Window.h"
#include "platform/window/WindowStyles.h"

#include <cstdlib>

namespace skinform {
namespace {

enum class Axis { Horizontal, Vertical };

// The sides along `axis` (left and right, or top and bottom) of the windows
// that meet or overlap `self` across it, within `distance`.
std::vector<int> SidesAlong(Axis axis, const gfx::TRect& self, const std::vector<gfx::TRect>& others, int distance)
{
    std::vector<int> sides;
    for (const gfx::TRect& r : others) {
        const bool across = axis == Axis::Horizontal
            ? r.Top < self.Bottom + distance && self.Top < r.Bottom + distance
            : r.Left < self.Right + distance && self.Left < r.Right + distance;
        if (!across)
            continue;
        if (axis == Axis::Horizontal) {
            sides.push_back(r.Left);
            sides.push_back(r.Right);
        } else {
            sides.push_back(r.Top);
            sides.push_back(r.Bottom);
        }
    }
    return sides;
}

// How far `position` moves to the nearest of `sides` closer than `distance`;
// 0 when none is.
int PullTowards(int position, const std::vector<int>& sides, int distance)
{
    int best = 0;
    int bestGap = distance;
    for (int side : sides) {
        const int gap = std::abs(side - position);
        if (gap < bestGap) {
            bestGap = gap;
            best = side - position;
        }
    }
    return best;
}

// The smaller of two pulls that are not 0 (the first when they tie).
int NearerPull(int a, int b)
{
    if (a == 0)
        return b;
    if (b == 0)
        return a;
    return std::abs(b) < std::abs(a) ? b : a;
}

bool DragsLeft(wnd::WPARAM edge)
{
    return edge == wnd::WMSZ_LEFT || edge == wnd::WMSZ_TOPLEFT || edge == wnd::WMSZ_BOTTOMLEFT;
}

bool DragsRight(wnd::WPARAM edge)
{
    return edge == wnd::WMSZ_RIGHT || edge == wnd::WMSZ_TOPRIGHT || edge == wnd::WMSZ_BOTTOMRIGHT;
}

bool DragsTop(wnd::WPARAM edge)
{
    return edge == wnd::WMSZ_TOP || edge == wnd::WMSZ_TOPLEFT || edge == wnd::WMSZ_TOPRIGHT;
}

bool DragsBottom(wnd::WPARAM edge)
{
    return edge == wnd::WMSZ_BOTTOM || edge == wnd::WMSZ_BOTTOMLEFT || edge == wnd::WMSZ_BOTTOMRIGHT;
}

} // namespace

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

gfx::TRect MagneticMove(gfx::TRect proposed, const gfx::TRect& area, const std::vector<gfx::TRect>& others, int distance)
{
    const gfx::TRect toArea = MagneticSnap(proposed, area, distance);
    const std::vector<int> columns = SidesAlong(Axis::Horizontal, proposed, others, distance);
    const std::vector<int> rows = SidesAlong(Axis::Vertical, proposed, others, distance);
    int dx = toArea.Left - proposed.Left;
    if (dx == 0)
        dx = NearerPull(PullTowards(proposed.Left, columns, distance), PullTowards(proposed.Right, columns, distance));
    int dy = toArea.Top - proposed.Top;
    if (dy == 0)
        dy = NearerPull(PullTowards(proposed.Top, rows, distance), PullTowards(proposed.Bottom, rows, distance));
    return gfx::Offset(proposed, dx, dy);
}

gfx::TRect MagneticSizing(gfx::TRect proposed, wnd::WPARAM edge, const std::vector<gfx::TRect>& others, int distance,
    gfx::TSize minimum)
{
    const std::vector<int> columns = SidesAlong(Axis::Horizontal, proposed, others, distance);
    const std::vector<int> rows = SidesAlong(Axis::Vertical, proposed, others, distance);
    gfx::TRect r = proposed;
    if (DragsLeft(edge))
        r.Left += PullTowards(r.Left, columns, distance);
    if (DragsRight(edge))
        r.Right += PullTowards(r.Right, columns, distance);
    if (DragsTop(edge))
        r.Top += PullTowards(r.Top, rows, distance);
    if (DragsBottom(edge))
        r.Bottom += PullTowards(r.Bottom, rows, distance);
    // A snap that would make the window too small is not taken.
    if (r.Width() < minimum.cx) {
        r.Left = proposed.Left;
        r.Right = proposed.Right;
    }
    if (r.Height() < minimum.cy) {
        r.Top = proposed.Top;
        r.Bottom = proposed.Bottom;
    }
    return r;
}

std::vector<gfx::TRect> SnapTargets(wnd::HWND self)
{
    std::vector<gfx::TRect> targets;
    for (wnd::HWND h : wnd::GetTopLevelWindows()) {
        if (h == self || !wnd::IsWindowVisible(h) || wnd::IsIconic(h))
            continue;
        if (wnd::GetWindowLongPtr(h, wnd::GWL_EXSTYLE) & wnd::WS_EX_NOACTIVATE)
            continue;
        targets.push_back(wnd::GetWindowRect(h));
    }
    return targets;
}

gfx::TRect MaximizedBounds(const gfx::TRect& monitor, const gfx::TRect& workArea, bool fullScreen)
{
    const gfx::TRect target = fullScreen ? monitor : workArea;
    if (target == monitor)
        return gfx::Inflate(target, -1, -1);
    return target;
}

} // namespace skinform
