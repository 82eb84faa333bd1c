#include "platform/window/Painting.h"

#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace wnd {

namespace {
    RECT ClientArea(const TWindowObject& w) { return gfx::Rect(0, 0, w.client.Width(), w.client.Height()); }

    gfx::TRegion RegionInBuffer(const TWindowObject& w, const RECT& windowInBuffer)
    {
        gfx::TRegion r(windowInBuffer);
        if (w.windowRgn) {
            gfx::TRegion shape = *w.windowRgn;
            shape.Offset(windowInBuffer.Left, windowInBuffer.Top);
            r &= shape;
        }
        return r;
    }

    std::unique_ptr<gfx::TCanvas> MakeCanvas(HWND hwnd, bool clientOnly)
    {
        auto& sys = Sys();
        TWindowObject* top = sys.Find(detail::TopLevelOf(hwnd));
        TWindowObject* w = sys.Find(hwnd);
        if (!top || !w)
            return nullptr;
        detail::ResizeBackBuffer(*top);
        auto canvas = std::make_unique<gfx::TCanvas>(*top->backBuffer);
        const RECT inBuffer = detail::WindowRectInBackBuffer(hwnd);
        canvas->SetOrigin(clientOnly ? POINT { inBuffer.Left + w->client.Left, inBuffer.Top + w->client.Top } : inBuffer.TopLeft());
        canvas->SetClipRegion(detail::VisibleRegion(hwnd, clientOnly));
        return canvas;
    }

    void InvalidateChildren(HWND hwnd, bool erase, bool frame)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return;
        for (HWND c : w->children)
            detail::InvalidateAll(c, erase, frame, true);
    }

    void UpdateTree(HWND hwnd)
    {
        UpdateWindow(hwnd);
        for (HWND c : GetChildWindows(hwnd))
            UpdateTree(c);
    }
}

namespace detail {

    gfx::TRegion VisibleRegion(HWND hwnd, bool clientOnly)
    {
        auto& sys = Sys();
        TWindowObject* w = sys.Find(hwnd);
        if (!w || !IsVisibleChain(hwnd))
            return {};
        const RECT inBuffer = WindowRectInBackBuffer(hwnd);
        gfx::TRegion region = RegionInBuffer(*w, inBuffer);
        if (clientOnly) {
            region &= gfx::TRegion(gfx::Offset(w->client, inBuffer.Left, inBuffer.Top));
            const POINT clientOrigin { inBuffer.Left + w->client.Left, inBuffer.Top + w->client.Top };
            for (HWND c : w->children) {
                TWindowObject* cw = sys.Find(c);
                if (cw && (cw->style & WS_VISIBLE))
                    region -= RegionInBuffer(*cw, gfx::Offset(cw->rect, clientOrigin.X, clientOrigin.Y));
            }
        }
        HWND child = hwnd;
        while (TWindowObject* cw = sys.Find(child)) {
            if (!cw->parent)
                break;
            TWindowObject& p = sys.Get(cw->parent);
            const RECT parentInBuffer = WindowRectInBackBuffer(cw->parent);
            region &= gfx::TRegion(gfx::Offset(p.client, parentInBuffer.Left, parentInBuffer.Top));
            region &= RegionInBuffer(p, parentInBuffer);
            const POINT clientOrigin { parentInBuffer.Left + p.client.Left, parentInBuffer.Top + p.client.Top };
            for (HWND sibling : p.children) {
                if (sibling == child)
                    break;
                TWindowObject* sw = sys.Find(sibling);
                if (sw && (sw->style & WS_VISIBLE))
                    region -= RegionInBuffer(*sw, gfx::Offset(sw->rect, clientOrigin.X, clientOrigin.Y));
            }
            child = cw->parent;
        }
        return region;
    }

    void InvalidateAll(HWND hwnd, bool erase, bool frame, bool children)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return;
        w->update = gfx::TRegion(ClientArea(*w));
        w->erase = w->erase || erase;
        if (frame && w->client != gfx::Rect(0, 0, w->rect.Width(), w->rect.Height()))
            w->frameDirty = true;
        if (children)
            InvalidateChildren(hwnd, erase, frame);
    }

    void PresentAll()
    {
        auto& sys = Sys();
        sys.lastPresent = sys.Backend().Now();
        for (HWND h : sys.topLevels) {
            TWindowObject* w = sys.Find(h);
            if (!w || !w->presentDirty)
                continue;
            w->presentDirty = false;
            if (w->native && (w->style & WS_VISIBLE) && !(w->style & WS_MINIMIZE) && w->backBuffer)
                sys.Backend().Present(h, *w->backBuffer, CaretRectInWindow(h));
        }
    }

    void EnsureNative(HWND hwnd)
    {
        auto& sys = Sys();
        TWindowObject* w = sys.Find(hwnd);
        if (!w || w->native || w->parent || w->messageOnly)
            return;
        TNativeWindowParams params;
        params.bounds = w->rect;
        params.title = w->text;
        params.skipTaskbar = (w->exStyle & WS_EX_TOOLWINDOW) != 0 || w->owner != nullptr;
        if (TWindowObject* owner = sys.Find(TopLevelOf(w->owner)); owner && owner->native)
            params.owner = owner->handle;
        if (w->style & WS_POPUP) {
            if (w->exStyle & WS_EX_TOOLWINDOW)
                params.kind = TNativeKind::nkPopup;
            else if (w->exStyle & WS_EX_NOACTIVATE)
                params.kind = TNativeKind::nkTooltip;
        }
        sys.Backend().CreateNative(hwnd, params);
        w->native = true;
        w->presentDirty = true;
        if (w->windowRgn)
            sys.Backend().SetNativeShape(hwnd, w->windowRgn);
        if ((w->exStyle & WS_EX_LAYERED) && w->alpha != 255)
            sys.Backend().SetNativeOpacity(hwnd, w->alpha);
    }

    void ReleaseWindowCanvases(TWindowObject& w)
    {
        w.paintCanvas.reset();
        w.dcs.clear();
    }

    void PurgeWindow(HWND hwnd)
    {
        auto& sys = Sys();
        std::erase_if(sys.queue, [&](const TQueueEntry& e) { return !e.raw && e.msg.hwnd == hwnd; });
        DropTimers(hwnd);
        for (HWND* h : { &sys.focus, &sys.active, &sys.capture, &sys.trackLeave, &sys.lastMouseWindow, &sys.lastClickWindow })
            if (*h == hwnd)
                *h = nullptr;
        if (sys.caret.owner == hwnd)
            sys.caret = TCaret {};
        if (sys.composition.hwnd == hwnd)
            sys.composition = TComposition {};
        if (TWindowObject* w = sys.Find(hwnd))
            ReleaseWindowCanvases(*w);
    }

} // namespace detail

bool InvalidateRect(HWND hwnd, const RECT* rect, bool erase)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    const RECT area = rect ? gfx::Intersection(*rect, ClientArea(*w)) : ClientArea(*w);
    if (!area.IsEmpty())
        w->update |= gfx::TRegion(area);
    w->erase = w->erase || erase;
    return true;
}

bool InvalidateRgn(HWND hwnd, const gfx::TRegion* region, bool erase)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    if (!region)
        return InvalidateRect(hwnd, nullptr, erase);
    w->update |= *region & gfx::TRegion(ClientArea(*w));
    w->erase = w->erase || erase;
    return true;
}

bool ValidateRect(HWND hwnd, const RECT* rect)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    if (!rect) {
        w->update.Clear();
        w->erase = false;
    } else {
        w->update -= gfx::TRegion(*rect);
    }
    return true;
}

bool ValidateRgn(HWND hwnd, const gfx::TRegion* region)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    if (!region)
        return ValidateRect(hwnd, nullptr);
    w->update -= *region;
    return true;
}

bool GetUpdateRect(HWND hwnd, RECT& rect)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w || w->update.Empty()) {
        rect = {};
        return false;
    }
    rect = w->update.BoundingBox();
    return true;
}

gfx::TRegion GetUpdateRgn(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    return w ? w->update : gfx::TRegion {};
}

bool UpdateWindow(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    if (!IsWindowVisible(hwnd) || !w->redraw)
        return true;
    if (w->frameDirty && w->update.Empty()) {
        w->frameDirty = false;
        detail::Send(hwnd, WM_NCPAINT, 1, 0);
        return true;
    }
    if (w->update.Empty())
        return true;
    MSG paint;
    paint.hwnd = hwnd;
    paint.message = WM_PAINT;
    DispatchMessage(paint);
    return true;
}

bool RedrawWindow(HWND hwnd, const RECT* rect, const gfx::TRegion* region, UINT flags)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    const bool erase = (flags & RDW_ERASE) != 0;
    if (flags & RDW_INVALIDATE) {
        if (region)
            InvalidateRgn(hwnd, region, erase);
        else
            InvalidateRect(hwnd, rect, erase);
        if (flags & RDW_FRAME)
            w->frameDirty = true;
        if (flags & RDW_ALLCHILDREN)
            InvalidateChildren(hwnd, erase, (flags & RDW_FRAME) != 0);
    }
    if (flags & RDW_VALIDATE) {
        if (region)
            ValidateRgn(hwnd, region);
        else
            ValidateRect(hwnd, rect);
        if (flags & RDW_NOFRAME)
            w->frameDirty = false;
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        if (flags & RDW_ALLCHILDREN)
            UpdateTree(hwnd);
        else
            UpdateWindow(hwnd);
    }
    return true;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps)
{
    ps = PAINTSTRUCT {};
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    w->beganPaint = true;
    if (w->frameDirty) {
        w->frameDirty = false;
        detail::Send(hwnd, WM_NCPAINT, 1, 0);
        w = Sys().Find(hwnd);
        if (!w)
            return nullptr;
    }
    gfx::TRegion update = w->update;
    const bool erase = w->erase;
    w->update.Clear();
    w->erase = false;

    auto canvas = MakeCanvas(hwnd, true);
    if (!canvas)
        return nullptr;
    const RECT inBuffer = detail::WindowRectInBackBuffer(hwnd);
    gfx::TRegion clip = update;
    clip.Offset(inBuffer.Left + w->client.Left, inBuffer.Top + w->client.Top);
    clip &= *canvas->ClipRegion();
    canvas->SetClipRegion(clip);
    ps.rcPaint = update.BoundingBox();
    ps.hdc = canvas.get();
    w->paintCanvas = std::move(canvas);
    if (erase)
        ps.fErase = detail::Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps.hdc), 0) == 0;
    detail::MarkPresent(hwnd);
    return ps.hdc;
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT&)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    w->paintCanvas.reset();
    detail::MarkPresent(hwnd);
    return true;
}

HDC GetDC(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    auto canvas = MakeCanvas(hwnd, true);
    HDC dc = canvas.get();
    w->dcs.push_back(std::move(canvas));
    return dc;
}

HDC GetWindowDC(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    auto canvas = MakeCanvas(hwnd, false);
    HDC dc = canvas.get();
    w->dcs.push_back(std::move(canvas));
    return dc;
}

bool ReleaseDC(HWND hwnd, HDC dc)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w || !dc)
        return false;
    const auto removed = std::erase_if(w->dcs, [&](const std::unique_ptr<gfx::TCanvas>& c) { return c.get() == dc; });
    detail::MarkPresent(hwnd);
    return removed > 0;
}

bool SetWindowRgn(HWND hwnd, std::optional<gfx::TRegion> region, bool redraw)
{
    auto& sys = Sys();
    TWindowObject* w = sys.Find(hwnd);
    if (!w)
        return false;
    const bool shown = IsWindowVisible(hwnd);
    w->windowRgn = std::move(region);
    if (!w->parent && w->native) {
        sys.Backend().SetNativeShape(hwnd, w->windowRgn);
        w->presentDirty = true;
    }
    if (redraw && shown) {
        detail::InvalidateParentArea(hwnd, w->rect);
        detail::InvalidateAll(hwnd, true, true, true);
    }
    return true;
}

std::optional<gfx::TRegion> GetWindowRgn(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    return w ? w->windowRgn : std::nullopt;
}

bool SetLayeredWindowAttributes(HWND hwnd, gfx::TColor, unsigned char alpha, DWORD flags)
{
    auto& sys = Sys();
    TWindowObject* w = sys.Find(hwnd);
    if (!w || w->parent || !(w->exStyle & WS_EX_LAYERED))
        return false;
    if (flags & LWA_ALPHA) {
        w->alpha = alpha;
        if (w->native)
            sys.Backend().SetNativeOpacity(hwnd, alpha);
    }
    return true;
}

unsigned char GetWindowAlpha(HWND hwnd)
{
    TWindowObject* w = Sys().Find(detail::TopLevelOf(hwnd));
    return w && (w->exStyle & WS_EX_LAYERED) ? w->alpha : 255;
}

bool LayeredWindowsAvailable() { return Sys().Backend().CanShowOpacity(); }

const gfx::TBitmap* GetBackBuffer(HWND hwnd)
{
    TWindowObject* top = Sys().Find(detail::TopLevelOf(hwnd));
    return top ? top->backBuffer.get() : nullptr;
}

RECT GetRectInBackBuffer(HWND hwnd) { return detail::WindowRectInBackBuffer(hwnd); }

gfx::TBitmap CaptureWindow(HWND hwnd)
{
    const gfx::TBitmap* buffer = GetBackBuffer(hwnd);
    if (!buffer)
        return {};
    const RECT r = gfx::Intersection(GetRectInBackBuffer(hwnd), gfx::Rect(0, 0, buffer->Width(), buffer->Height()));
    gfx::TBitmap out(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        std::copy_n(buffer->ScanLine(r.Top + y) + r.Left, r.Width(), out.ScanLine(y));
    out.PixelFormat = gfx::TPixelFormat::pf24bit;
    return out;
}

} // namespace wnd
