#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace wnd {

namespace detail {

    HWND TopLevelOf(HWND hwnd)
    {
        TWindowObject* w = Sys().Find(hwnd);
        while (w && w->parent) {
            hwnd = w->parent;
            w = Sys().Find(hwnd);
        }
        return w ? hwnd : nullptr;
    }

    POINT ScreenOrigin(const TWindowObject& w)
    {
        if (!w.parent)
            return w.rect.TopLeft();
        const TWindowObject& p = Sys().Get(w.parent);
        const POINT po = ScreenOrigin(p);
        return { po.X + p.client.Left + w.rect.Left, po.Y + p.client.Top + w.rect.Top };
    }

    RECT WindowRectInBackBuffer(HWND hwnd)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return {};
        const POINT origin = ScreenOrigin(*w);
        const POINT top = Sys().Get(TopLevelOf(hwnd)).rect.TopLeft();
        return gfx::Bounds(origin.X - top.X, origin.Y - top.Y, w->rect.Width(), w->rect.Height());
    }

    bool IsVisibleChain(HWND hwnd)
    {
        TWindowObject* w = Sys().Find(hwnd);
        while (w) {
            if (!(w->style & WS_VISIBLE))
                return false;
            if (!w->parent)
                return true;
            w = Sys().Find(w->parent);
        }
        return false;
    }

    void ResizeBackBuffer(TWindowObject& w)
    {
        const int width = std::max(0, w.rect.Width());
        const int height = std::max(0, w.rect.Height());
        if (!w.backBuffer)
            w.backBuffer = std::make_unique<gfx::TBitmap>(width, height);
        else if (w.backBuffer->Width() != width || w.backBuffer->Height() != height)
            w.backBuffer->SetSize(width, height);
    }

    void RecalcClient(HWND hwnd, bool sendCalcSize)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return;
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = w->rect;
        if (sendCalcSize) {
            Send(hwnd, WM_NCCALCSIZE, 0, ToLParam(&params));
            w = Sys().Find(hwnd);
            if (!w)
                return;
        } else {
            params.rgrc[0] = DefaultClientRectForStyle(w->style, w->exStyle, w->rect);
        }
        RECT client = gfx::Offset(params.rgrc[0], -w->rect.Left, -w->rect.Top);
        client.Left = std::clamp(client.Left, 0, std::max(0, w->rect.Width()));
        client.Top = std::clamp(client.Top, 0, std::max(0, w->rect.Height()));
        client.Right = std::clamp(client.Right, client.Left, std::max(client.Left, w->rect.Width()));
        client.Bottom = std::clamp(client.Bottom, client.Top, std::max(client.Top, w->rect.Height()));
        w->client = client;
    }

    void DefaultMinMax(HWND hwnd, MINMAXINFO& info)
    {
        TWindowObject& w = Sys().Get(hwnd);
        RECT area;
        if (w.parent) {
            area = GetClientRect(w.parent);
        } else {
            MONITORINFO mi;
            GetMonitorInfo(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), mi);
            area = mi.rcWork;
        }
        info.ptMaxPosition = area.TopLeft();
        info.ptMaxSize = { area.Width(), area.Height() };
        const RECT frame = DefaultClientRectForStyle(w.style, w.exStyle, gfx::Rect(0, 0, 1000, 1000));
        info.ptMinTrackSize = { std::max(GetSystemMetrics(SM_CXMIN), frame.Left + 1000 - frame.Right),
            frame.Top + 1000 - frame.Bottom };
        info.ptMaxTrackSize = { GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK) };
    }

    MINMAXINFO QueryMinMax(HWND hwnd)
    {
        MINMAXINFO info;
        DefaultMinMax(hwnd, info);
        Send(hwnd, WM_GETMINMAXINFO, 0, ToLParam(&info));
        return info;
    }

    // Invalidates an area of a parent's client area and of every window inside it
    // that the area touches (frames included): what a hidden or moved child uncovered.
    void InvalidateTreeArea(HWND parent, const RECT& area)
    {
        TWindowObject* p = Sys().Find(parent);
        if (!p || area.IsEmpty())
            return;
        InvalidateRect(parent, &area, true);
        for (HWND c : p->children) {
            TWindowObject* cw = Sys().Find(c);
            if (!cw || !(cw->style & WS_VISIBLE) || gfx::Intersection(cw->rect, area).IsEmpty())
                continue;
            cw->frameDirty = true;
            const RECT inChild = gfx::Offset(area, -cw->rect.Left - cw->client.Left, -cw->rect.Top - cw->client.Top);
            InvalidateTreeArea(c, inChild);
        }
    }

    void InvalidateParentArea(HWND hwnd, const RECT& rectInParent)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (w && w->parent)
            InvalidateTreeArea(w->parent, rectInParent);
    }

    void ActivateNextTopLevel(HWND leaving)
    {
        auto& sys = Sys();
        HWND next = nullptr;
        if (TWindowObject* w = sys.Find(leaving); w && w->owner && IsWindowVisible(w->owner) && !IsIconic(w->owner))
            next = w->owner;
        for (HWND h : sys.topLevels) {
            if (next)
                break;
            TWindowObject* o = sys.Find(h);
            if (h != leaving && o && (o->style & WS_VISIBLE) && !(o->style & (WS_MINIMIZE | WS_DISABLED))
                && !(o->exStyle & WS_EX_NOACTIVATE) && !o->messageOnly)
                next = h;
        }
        ActivateWindow(next, WA_ACTIVE);
    }

    HWND Descend(HWND hwnd, POINT screen, const std::vector<HWND>& excluded)
    {
        TWindowObject& w = Sys().Get(hwnd);
        const POINT origin = ScreenOrigin(w);
        const POINT inClient { screen.X - origin.X - w.client.Left, screen.Y - origin.Y - w.client.Top };
        if (!w.client.Contains({ screen.X - origin.X, screen.Y - origin.Y }))
            return hwnd;
        for (HWND c : w.children) {
            TWindowObject* cw = Sys().Find(c);
            if (!cw || !(cw->style & WS_VISIBLE) || (cw->style & WS_DISABLED) || !cw->rect.Contains(inClient))
                continue;
            if (std::find(excluded.begin(), excluded.end(), c) != excluded.end())
                continue;
            if (cw->windowRgn && !cw->windowRgn->Contains(inClient.X - cw->rect.Left, inClient.Y - cw->rect.Top))
                continue;
            return Descend(c, screen, excluded);
        }
        return hwnd;
    }

    std::pair<HWND, LRESULT> TargetAt(POINT screen, bool sendHitTest)
    {
        auto& sys = Sys();
        std::vector<HWND> excluded;
        for (HWND top : std::vector<HWND>(sys.topLevels)) {
            TWindowObject* t = sys.Find(top);
            if (!t || !(t->style & WS_VISIBLE) || (t->style & WS_MINIMIZE) || t->messageOnly || !t->rect.Contains(screen))
                continue;
            // A layered see-through window (a shadow, an overlay) lets the mouse reach what lies below.
            if ((t->exStyle & WS_EX_LAYERED) && (t->exStyle & WS_EX_TRANSPARENT))
                continue;
            if (t->windowRgn && !t->windowRgn->Contains(screen.X - t->rect.Left, screen.Y - t->rect.Top))
                continue;
            while (sys.Find(top)) {
                HWND target = Descend(top, screen, excluded);
                if (!sendHitTest)
                    return { target, HTCLIENT };
                const LRESULT hit = HitTest(target, screen);
                if (hit != HTTRANSPARENT || target == top)
                    return { target, hit == HTTRANSPARENT ? HTNOWHERE : hit };
                excluded.push_back(target);
            }
        }
        return { nullptr, HTNOWHERE };
    }

    LRESULT HitTest(HWND hwnd, POINT screen) { return Send(hwnd, WM_NCHITTEST, 0, LParamFromPoint(screen)); }

} // namespace detail

namespace {
    void Reorder(HWND hwnd, HWND insertAfter)
    {
        auto& sys = Sys();
        TWindowObject& w = sys.Get(hwnd);
        std::vector<HWND>& list = w.parent ? sys.Get(w.parent).children : sys.topLevels;
        if (insertAfter == HWND_TOPMOST)
            w.exStyle |= WS_EX_TOPMOST;
        else if (insertAfter == HWND_NOTOPMOST)
            w.exStyle &= ~WS_EX_TOPMOST;
        std::erase(list, hwnd);
        auto isTopmost = [&](HWND h) {
            TWindowObject* o = sys.Find(h);
            return o && !o->parent && (o->exStyle & WS_EX_TOPMOST);
        };
        auto pos = list.begin();
        if (insertAfter == HWND_BOTTOM) {
            pos = list.end();
        } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            if (!w.parent && !(w.exStyle & WS_EX_TOPMOST))
                pos = std::find_if_not(list.begin(), list.end(), isTopmost);
        } else {
            auto it = std::find(list.begin(), list.end(), insertAfter);
            pos = it == list.end() ? list.begin() : it + 1;
        }
        list.insert(pos, hwnd);
        if (w.parent && (w.style & WS_VISIBLE))
            detail::InvalidateAll(hwnd, true, true, true);
    }

    void SyncNative(HWND hwnd, bool show, bool hide, bool moved, bool activate)
    {
        auto& sys = Sys();
        TWindowObject* w = sys.Find(hwnd);
        if (!w || w->parent || w->messageOnly)
            return;
        if (show) {
            detail::EnsureNative(hwnd);
            sys.Backend().ShowNative(hwnd, true, activate);
        }
        if (!w->native)
            return;
        if (moved)
            sys.Backend().SetNativeBounds(hwnd, w->rect);
        if (hide)
            sys.Backend().ShowNative(hwnd, false, false);
    }
}

bool GetWindowRect(HWND hwnd, RECT& rect)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    const POINT origin = detail::ScreenOrigin(*w);
    rect = gfx::Bounds(origin.X, origin.Y, w->rect.Width(), w->rect.Height());
    return true;
}

RECT GetWindowRect(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, r);
    return r;
}

bool GetClientRect(HWND hwnd, RECT& rect)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    rect = gfx::Rect(0, 0, w->client.Width(), w->client.Height());
    return true;
}

RECT GetClientRect(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, r);
    return r;
}

RECT GetClientRectInWindow(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    return w ? w->client : RECT {};
}

RECT GetNormalRect(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return {};
    return w->normalRect ? *w->normalRect : w->rect;
}

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    auto& sys = Sys();
    TWindowObject* w = sys.Find(hwnd);
    if (!w)
        return false;
    WINDOWPOS pos { hwnd, insertAfter, x, y, width, height, flags };
    if (flags & SWP_NOMOVE) {
        pos.x = w->rect.Left;
        pos.y = w->rect.Top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = w->rect.Width();
        pos.cy = w->rect.Height();
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        detail::Send(hwnd, WM_WINDOWPOSCHANGING, 0, ToLParam(&pos));
        w = sys.Find(hwnd);
        if (!w)
            return false;
    }
    flags = pos.flags;
    const RECT oldRect = w->rect;
    const RECT newRect = gfx::Bounds(pos.x, pos.y, std::max(0, pos.cx), std::max(0, pos.cy));
    const bool moved = newRect.TopLeft() != oldRect.TopLeft();
    const bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool show = (flags & SWP_SHOWWINDOW) && !wasVisible;
    const bool hide = (flags & SWP_HIDEWINDOW) && wasVisible;
    const bool wasShown = detail::IsVisibleChain(hwnd);

    if (w->parent && wasShown && (moved || sized || hide))
        detail::InvalidateParentArea(hwnd, oldRect);
    w->rect = newRect;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        detail::RecalcClient(hwnd, true);
        w = sys.Find(hwnd);
        if (!w)
            return false;
        if (!w->parent)
            detail::ResizeBackBuffer(*w);
    }
    if (!(flags & SWP_NOZORDER))
        Reorder(hwnd, insertAfter);
    if (show)
        w->style |= WS_VISIBLE;
    if (hide)
        w->style &= ~WS_VISIBLE;

    const bool activate = !(flags & SWP_NOACTIVATE) && !(w->exStyle & WS_EX_NOACTIVATE) && !w->parent;
    SyncNative(hwnd, show, hide, moved || sized, activate);

    if (!(flags & SWP_NOREDRAW) && (show || sized || (flags & SWP_FRAMECHANGED) || (w->parent && moved)))
        detail::InvalidateAll(hwnd, true, true, true);

    if (show && activate && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED))
        detail::ActivateWindow(hwnd, WA_ACTIVE);
    if (hide) {
        if (sys.focus && (sys.focus == hwnd || IsChild(hwnd, sys.focus)))
            SetFocus(w->parent ? detail::TopLevelOf(hwnd) : nullptr);
        if (sys.active == hwnd)
            detail::ActivateNextTopLevel(hwnd);
        if (sys.capture && (sys.capture == hwnd || IsChild(hwnd, sys.capture)))
            ReleaseCapture();
    }
    if (!sys.Find(hwnd))
        return true;
    WINDOWPOS done { hwnd, insertAfter, newRect.Left, newRect.Top, newRect.Width(), newRect.Height(), flags };
    if (!moved)
        done.flags |= SWP_NOMOVE;
    if (!sized)
        done.flags |= SWP_NOSIZE;
    detail::Send(hwnd, WM_WINDOWPOSCHANGED, 0, ToLParam(&done));
    return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

namespace {
    void SendSize(HWND hwnd, WPARAM kind)
    {
        const RECT client = GetClientRect(hwnd);
        detail::Send(hwnd, WM_SIZE, kind, MAKELPARAM(client.Width(), client.Height()));
    }

    void ShowIfHidden(HWND hwnd)
    {
        if (!(GetWindowStyle(hwnd) & WS_VISIBLE)) {
            detail::Send(hwnd, WM_SHOWWINDOW, 1, 0);
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    void Maximize(HWND hwnd)
    {
        auto& sys = Sys();
        TWindowObject& w = sys.Get(hwnd);
        if (w.style & WS_MINIMIZE) {
            w.style &= ~WS_MINIMIZE;
            if (w.native)
                sys.Backend().MinimizeNative(hwnd, false);
        }
        if (!w.normalRect)
            w.normalRect = w.rect;
        w.style |= WS_MAXIMIZE;
        const MINMAXINFO info = detail::QueryMinMax(hwnd);
        ShowIfHidden(hwnd);
        SetWindowPos(hwnd, HWND_TOP, info.ptMaxPosition.X, info.ptMaxPosition.Y, info.ptMaxSize.X, info.ptMaxSize.Y,
            SWP_FRAMECHANGED | SWP_NOACTIVATE);
        detail::InvalidateAll(hwnd, true, true, true);
        if (TWindowObject* o = sys.Find(hwnd); o && !o->parent && !(o->exStyle & WS_EX_NOACTIVATE))
            detail::ActivateWindow(hwnd, WA_ACTIVE);
    }

    void Minimize(HWND hwnd, bool activateOther)
    {
        auto& sys = Sys();
        TWindowObject& w = sys.Get(hwnd);
        if (w.style & WS_MINIMIZE)
            return;
        w.restoreMaximized = (w.style & WS_MAXIMIZE) != 0;
        if (!w.normalRect)
            w.normalRect = w.rect;
        w.style = (w.style | WS_MINIMIZE) & ~WS_MAXIMIZE;
        ShowIfHidden(hwnd);
        if (TWindowObject* o = sys.Find(hwnd); o && o->native)
            sys.Backend().MinimizeNative(hwnd, true);
        if (sys.focus && (sys.focus == hwnd || IsChild(hwnd, sys.focus)))
            SetFocus(nullptr);
        if (activateOther && sys.active == hwnd)
            detail::ActivateNextTopLevel(hwnd);
        SendSize(hwnd, SIZE_MINIMIZED);
    }

    void Restore(HWND hwnd)
    {
        auto& sys = Sys();
        TWindowObject& w = sys.Get(hwnd);
        if (w.style & WS_MINIMIZE) {
            w.style &= ~WS_MINIMIZE;
            if (w.native)
                sys.Backend().MinimizeNative(hwnd, false);
            ShowIfHidden(hwnd);
            if (w.restoreMaximized) {
                w.style |= WS_MAXIMIZE;
                SendSize(hwnd, SIZE_MAXIMIZED);
            } else {
                w.normalRect.reset();
                SendSize(hwnd, SIZE_RESTORED);
            }
            detail::InvalidateAll(hwnd, true, true, true);
        } else if (w.style & WS_MAXIMIZE) {
            w.style &= ~WS_MAXIMIZE;
            const RECT normal = w.normalRect ? *w.normalRect : w.rect;
            w.normalRect.reset();
            ShowIfHidden(hwnd);
            SetWindowPos(hwnd, nullptr, normal.Left, normal.Top, normal.Width(), normal.Height(),
                SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
            detail::InvalidateAll(hwnd, true, true, true);
        } else {
            ShowIfHidden(hwnd);
        }
        if (TWindowObject* o = sys.Find(hwnd); o && !o->parent && !(o->exStyle & WS_EX_NOACTIVATE))
            detail::ActivateWindow(hwnd, WA_ACTIVE);
    }
}

bool ShowWindow(HWND hwnd, int command)
{
    auto& sys = Sys();
    TWindowObject* w = sys.Find(hwnd);
    if (!w)
        return false;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    switch (command) {
    case SW_HIDE:
        if (!wasVisible)
            return false;
        detail::Send(hwnd, WM_SHOWWINDOW, 0, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case SW_MAXIMIZE:
        Maximize(hwnd);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        Minimize(hwnd, command != SW_SHOWMINNOACTIVE);
        break;
    case SW_RESTORE:
        Restore(hwnd);
        break;
    default: {
        const bool noActivate = command == SW_SHOWNA || command == SW_SHOWNOACTIVATE || w->parent;
        if (command == SW_SHOWNORMAL && (w->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
            Restore(hwnd);
            break;
        }
        if (!wasVisible) {
            detail::Send(hwnd, WM_SHOWWINDOW, 1, 0);
            if (!sys.Find(hwnd))
                return false;
            SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | (noActivate ? SWP_NOACTIVATE | SWP_NOZORDER : 0));
        } else if (!noActivate && !(w->exStyle & WS_EX_NOACTIVATE)) {
            detail::ActivateWindow(hwnd, WA_ACTIVE);
        }
        break;
    }
    }
    return wasVisible;
}

bool ScreenToClient(HWND hwnd, POINT& point)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    const POINT origin = detail::ScreenOrigin(*w);
    point.X -= origin.X + w->client.Left;
    point.Y -= origin.Y + w->client.Top;
    return true;
}

bool ClientToScreen(HWND hwnd, POINT& point)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    const POINT origin = detail::ScreenOrigin(*w);
    point.X += origin.X + w->client.Left;
    point.Y += origin.Y + w->client.Top;
    return true;
}

void MapWindowPoints(HWND from, HWND to, POINT* points, int count)
{
    for (int i = 0; i < count; ++i) {
        if (from)
            ClientToScreen(from, points[i]);
        if (to)
            ScreenToClient(to, points[i]);
    }
}

RECT MapRect(HWND from, HWND to, RECT rect)
{
    POINT corners[2] = { rect.TopLeft(), rect.BottomRight() };
    MapWindowPoints(from, to, corners, 2);
    return gfx::Rect(corners[0].X, corners[0].Y, corners[1].X, corners[1].Y);
}

HWND WindowFromPoint(POINT screenPoint) { return detail::TargetAt(screenPoint, true).first; }

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint)
{
    TWindowObject* p = Sys().Find(parent);
    if (!p)
        return nullptr;
    for (HWND c : p->children) {
        TWindowObject* cw = Sys().Find(c);
        if (cw && cw->rect.Contains(clientPoint)
            && (!cw->windowRgn || cw->windowRgn->Contains(clientPoint.X - cw->rect.Left, clientPoint.Y - cw->rect.Top)))
            return c;
    }
    return gfx::Rect(0, 0, p->client.Width(), p->client.Height()).Contains(clientPoint) ? parent : nullptr;
}

} // namespace wnd
