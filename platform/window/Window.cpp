#include "platform/window/Window.h"

#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <cstring>

namespace wnd {

namespace {
    WNDCLASS ProcClass(WNDPROC proc)
    {
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = std::move(proc);
        wc.hCursor = IDC_ARROW;
        return wc;
    }

    void InsertTopLevel(TWindowSystem& sys, HWND hwnd, bool topmost)
    {
        auto& list = sys.topLevels;
        auto pos = list.begin();
        if (!topmost) {
            // Below every topmost window.
            pos = std::find_if(list.begin(), list.end(), [&](HWND h) {
                TWindowObject* o = sys.Find(h);
                return !o || !(o->exStyle & WS_EX_TOPMOST);
            });
        }
        list.insert(pos, hwnd);
    }

    // Cascaded default places for windows created with CW_USEDEFAULT.
    RECT DefaultPlacement(int x, int y, int width, int height)
    {
        static int cascade = 0;
        const RECT work = GetWorkArea();
        if (width == CW_USEDEFAULT || height == CW_USEDEFAULT) {
            width = work.Width() * 3 / 4;
            height = work.Height() * 3 / 4;
        }
        if (x == CW_USEDEFAULT || y == CW_USEDEFAULT) {
            const int step = 26 * (cascade++ % 8);
            x = work.Left + step;
            y = work.Top + step;
        }
        return gfx::Bounds(x, y, width, height);
    }

    HWND Create(const WNDCLASS& wc, DWORD exStyle, const std::string& windowName, DWORD style, int x, int y, int width,
        int height, HWND parent, int id, void* createParams)
    {
        auto& sys = Sys();
        const bool messageOnly = parent == HWND_MESSAGE;
        if (messageOnly)
            parent = nullptr;
        if (parent && !sys.Find(parent))
            return nullptr;
        const bool child = (style & WS_CHILD) && parent;
        if (!child)
            style &= ~WS_CHILD;

        auto object = std::make_unique<TWindowObject>();
        TWindowObject& w = *object;
        w.handle = sys.NewHandle();
        w.className = wc.lpszClassName;
        w.classStyle = wc.style;
        w.classCursor = wc.hCursor ? wc.hCursor : IDC_ARROW;
        w.background = wc.hbrBackground;
        w.proc = std::make_shared<const WNDPROC>(wc.lpfnWndProc ? wc.lpfnWndProc : WNDPROC(DefWindowProc));
        w.style = style & ~WS_VISIBLE;
        w.exStyle = exStyle;
        w.text = windowName;
        w.id = id;
        w.messageOnly = messageOnly;
        w.rect = child ? gfx::Bounds(x == CW_USEDEFAULT ? 0 : x, y == CW_USEDEFAULT ? 0 : y,
                             width == CW_USEDEFAULT ? 0 : width, height == CW_USEDEFAULT ? 0 : height)
                       : DefaultPlacement(x, y, width, height);
        w.client = gfx::Offset(DefaultClientRectForStyle(w.style, exStyle, w.rect), -w.rect.Left, -w.rect.Top);
        const HWND hwnd = w.handle;
        if (child) {
            w.parent = parent;
            sys.Get(parent).children.insert(sys.Get(parent).children.begin(), hwnd);
        } else {
            w.owner = parent;
            detail::ResizeBackBuffer(w);
            InsertTopLevel(sys, hwnd, exStyle & WS_EX_TOPMOST);
        }
        sys.windows.emplace(reinterpret_cast<std::uintptr_t>(hwnd), std::move(object));

        CREATESTRUCT cs;
        cs.lpCreateParams = createParams;
        cs.hMenu = id;
        cs.hwndParent = parent;
        cs.x = sys.Get(hwnd).rect.Left;
        cs.y = sys.Get(hwnd).rect.Top;
        cs.cx = sys.Get(hwnd).rect.Width();
        cs.cy = sys.Get(hwnd).rect.Height();
        cs.style = style;
        cs.dwExStyle = exStyle;
        cs.lpszName = windowName.c_str();
        cs.lpszClass = wc.lpszClassName.c_str();

        if (!child) {
            MINMAXINFO info = detail::QueryMinMax(hwnd);
            (void)info;
        }
        if (!detail::Send(hwnd, WM_NCCREATE, 0, ToLParam(&cs))) {
            DestroyWindow(hwnd);
            return nullptr;
        }
        detail::RecalcClient(hwnd, true);
        if (detail::Send(hwnd, WM_CREATE, 0, ToLParam(&cs)) == -1) {
            DestroyWindow(hwnd);
            return nullptr;
        }
        if (!IsWindow(hwnd))
            return nullptr;
        const RECT client = GetClientRect(hwnd);
        detail::Send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
        if (TWindowObject* o = sys.Find(hwnd)) {
            const POINT origin { o->rect.Left + o->client.Left, o->rect.Top + o->client.Top };
            detail::Send(hwnd, WM_MOVE, 0, LParamFromPoint(origin));
        }
        if ((style & WS_VISIBLE) && IsWindow(hwnd))
            ShowWindow(hwnd, child ? SW_SHOWNA : SW_SHOW);
        return IsWindow(hwnd) ? hwnd : nullptr;
    }

    void SendDestroy(HWND hwnd)
    {
        detail::Send(hwnd, WM_DESTROY, 0, 0);
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return;
        const std::vector<HWND> children = w->children;
        for (HWND c : children)
            if (Sys().Find(c))
                SendDestroy(c);
    }

    // Children first: WM_NCDESTROY, then the window leaves every list.
    void FinalRemove(HWND hwnd)
    {
        auto& sys = Sys();
        TWindowObject* w = sys.Find(hwnd);
        if (!w)
            return;
        const std::vector<HWND> children = w->children;
        for (HWND c : children)
            FinalRemove(c);
        detail::Send(hwnd, WM_NCDESTROY, 0, 0);
        w = sys.Find(hwnd);
        if (!w)
            return;
        if (w->parent) {
            if (TWindowObject* p = sys.Find(w->parent))
                std::erase(p->children, hwnd);
        } else {
            std::erase(sys.topLevels, hwnd);
            if (w->native) {
                sys.Backend().DestroyNative(hwnd);
                // A pop-up that never took the activation (a menu) may still
                // have held the display's keyboard focus; without a window
                // manager nothing hands it back, so the active window takes it.
                TWindowObject* active = sys.Find(sys.active);
                if ((w->exStyle & WS_EX_NOACTIVATE) && active && active->native)
                    sys.Backend().RaiseNative(sys.active, true);
            }
        }
        detail::PurgeWindow(hwnd);
        sys.windows.erase(reinterpret_cast<std::uintptr_t>(hwnd));
    }

    bool IsSelfOrDescendant(HWND ancestor, HWND hwnd)
    {
        return hwnd && (hwnd == ancestor || IsChild(ancestor, hwnd));
    }
}

bool RegisterClass(const WNDCLASS& wc)
{
    if (wc.lpszClassName.empty())
        return false;
    Sys().classes[wc.lpszClassName] = wc;
    return true;
}

bool UnregisterClass(const std::string& className) { return Sys().classes.erase(className) > 0; }

bool GetClassInfo(const std::string& className, WNDCLASS& wc)
{
    auto it = Sys().classes.find(className);
    if (it == Sys().classes.end())
        return false;
    wc = it->second;
    return true;
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
    int y, int width, int height, HWND parent, int id, void* createParams)
{
    WNDCLASS wc;
    if (!GetClassInfo(className, wc))
        return nullptr;
    return Create(wc, exStyle, windowName, style, x, y, width, height, parent, id, createParams);
}

HWND CreateWindowEx(DWORD exStyle, WNDPROC proc, const std::string& windowName, DWORD style, int x, int y, int width,
    int height, HWND parent, int id, void* createParams)
{
    return Create(ProcClass(std::move(proc)), exStyle, windowName, style, x, y, width, height, parent, id, createParams);
}

bool DestroyWindow(HWND hwnd)
{
    auto& sys = Sys();
    TWindowObject* w = sys.Find(hwnd);
    if (!w || w->destroying)
        return false;
    w->destroying = true;

    std::vector<HWND> owned;
    for (HWND h : sys.topLevels)
        if (TWindowObject* o = sys.Find(h); o && o->owner == hwnd)
            owned.push_back(h);
    for (HWND h : owned)
        DestroyWindow(h);

    if (IsSelfOrDescendant(hwnd, sys.capture))
        ReleaseCapture();
    if (IsSelfOrDescendant(hwnd, sys.focus))
        SetFocus(nullptr);
    if (sys.Find(hwnd) && (sys.Get(hwnd).style & WS_VISIBLE))
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (sys.active == hwnd) {
        HWND owner = sys.Get(hwnd).owner;
        detail::ActivateWindow(owner && IsWindowVisible(owner) && IsWindowEnabled(owner) ? owner : nullptr, WA_ACTIVE);
    }
    if (!sys.Find(hwnd))
        return true;
    SendDestroy(hwnd);
    FinalRemove(hwnd);
    return true;
}

bool IsWindow(HWND hwnd) { return TWindowSystem::Exists() && Sys().Find(hwnd) != nullptr; }

WNDPROC GetWindowProc(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    return w ? *w->proc : WNDPROC {};
}

WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return {};
    WNDPROC previous = *w->proc;
    w->proc = std::make_shared<const WNDPROC>(proc ? std::move(proc) : WNDPROC(DefWindowProc));
    return previous;
}

LRESULT CallWindowProc(const WNDPROC& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
}

std::intptr_t GetWindowLongPtr(HWND hwnd, int index)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<std::intptr_t>(w->style);
    case GWL_EXSTYLE:
        return static_cast<std::intptr_t>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_ID:
        return w->id;
    default:
        return 0;
    }
}

std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return 0;
    const std::intptr_t previous = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        STYLESTRUCT ss { static_cast<DWORD>(previous), static_cast<DWORD>(value) };
        detail::Send(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), ToLParam(&ss));
        w = Sys().Find(hwnd);
        if (!w)
            return previous;
        (index == GWL_STYLE ? w->style : w->exStyle) = ss.styleNew;
        detail::Send(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), ToLParam(&ss));
        break;
    }
    case GWLP_USERDATA:
        w->userData = value;
        break;
    case GWLP_ID:
        w->id = static_cast<int>(value);
        break;
    default:
        return 0;
    }
    return previous;
}

DWORD GetWindowStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }
DWORD GetWindowExStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_EXSTYLE)); }

std::string GetClassName(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    return w ? w->className : std::string {};
}

bool SetWindowText(HWND hwnd, const std::string& text)
{
    if (!IsWindow(hwnd))
        return false;
    return detail::Send(hwnd, WM_SETTEXT, 0, ToLParam(text.c_str())) != 0;
}

std::string GetWindowText(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return {};
    const auto length = static_cast<std::size_t>(detail::Send(hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::string buffer(length + 1, '\0');
    const auto copied = static_cast<std::size_t>(detail::Send(hwnd, WM_GETTEXT, buffer.size(), ToLParam(buffer.data())));
    buffer.resize(std::min(copied, length));
    return buffer;
}

HWND GetParent(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    return w->parent ? w->parent : w->owner;
}

HWND SetParent(HWND child, HWND newParent)
{
    auto& sys = Sys();
    TWindowObject* w = sys.Find(child);
    if (!w || (newParent && !sys.Find(newParent)) || newParent == child || IsChild(child, newParent))
        return nullptr;
    const HWND old = w->parent;
    const bool wasVisible = IsWindowVisible(child);
    if (wasVisible)
        detail::InvalidateParentArea(child, w->rect);
    if (old) {
        std::erase(sys.Get(old).children, child);
    } else {
        std::erase(sys.topLevels, child);
        if (w->native) {
            sys.Backend().DestroyNative(child);
            w->native = false;
        }
        w->backBuffer.reset();
    }
    if (newParent) {
        w->parent = newParent;
        w->owner = nullptr;
        w->style |= WS_CHILD;
        sys.Get(newParent).children.insert(sys.Get(newParent).children.begin(), child);
    } else {
        w->parent = nullptr;
        w->style &= ~WS_CHILD;
        detail::ResizeBackBuffer(*w);
        sys.topLevels.insert(sys.topLevels.begin(), child);
        if (w->style & WS_VISIBLE)
            detail::EnsureNative(child);
    }
    detail::InvalidateAll(child, true, true, true);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->parent;
    case GA_ROOT:
        return detail::TopLevelOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = detail::TopLevelOf(hwnd);
        while (TWindowObject* r = Sys().Find(root)) {
            if (!r->owner)
                break;
            root = r->owner;
        }
        return root;
    }
    default:
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    auto& sys = Sys();
    TWindowObject* w = sys.Find(hwnd);
    if (!w)
        return nullptr;
    const std::vector<HWND>& siblings = w->parent ? sys.Get(w->parent).children : sys.topLevels;
    auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.empty() ? nullptr : siblings.front();
    case GW_HWNDLAST:
        return siblings.empty() ? nullptr : siblings.back();
    case GW_HWNDNEXT:
        return (it == siblings.end() || it + 1 == siblings.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return (it == siblings.begin() || it == siblings.end()) ? nullptr : *(it - 1);
    case GW_OWNER:
        return w->owner;
    case GW_CHILD:
        return w->children.empty() ? nullptr : w->children.front();
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND parent)
{
    if (!parent)
        return Sys().topLevels.empty() ? nullptr : Sys().topLevels.front();
    return GetWindow(parent, GW_CHILD);
}

std::vector<HWND> GetChildWindows(HWND parent)
{
    TWindowObject* w = Sys().Find(parent);
    return w ? w->children : std::vector<HWND> {};
}

std::vector<HWND> GetTopLevelWindows()
{
    std::vector<HWND> out;
    for (HWND h : Sys().topLevels)
        if (TWindowObject* w = Sys().Find(h); w && !w->messageOnly)
            out.push_back(h);
    return out;
}

bool IsChild(HWND parent, HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    while (w && w->parent) {
        if (w->parent == parent)
            return true;
        w = Sys().Find(w->parent);
    }
    return false;
}

int GetDlgCtrlID(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    return w ? w->id : 0;
}

HWND GetDlgItem(HWND parent, int id)
{
    for (HWND c : GetChildWindows(parent))
        if (GetDlgCtrlID(c) == id)
            return c;
    return nullptr;
}

bool IsWindowVisible(HWND hwnd) { return detail::IsVisibleChain(hwnd); }

bool EnableWindow(HWND hwnd, bool enable)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        auto& sys = Sys();
        if (IsSelfOrDescendant(hwnd, sys.focus))
            SetFocus(nullptr);
        if (IsSelfOrDescendant(hwnd, sys.capture))
            ReleaseCapture();
    }
    detail::Send(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND hwnd)
{
    TWindowObject* w = Sys().Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}

bool IsIconic(HWND hwnd) { return (GetWindowStyle(hwnd) & WS_MINIMIZE) != 0; }
bool IsZoomed(HWND hwnd) { return (GetWindowStyle(hwnd) & WS_MAXIMIZE) != 0; }

bool SetProp(HWND hwnd, const std::string& name, void* data)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return false;
    w->props[name] = data;
    return true;
}

void* GetProp(HWND hwnd, const std::string& name)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

void* RemoveProp(HWND hwnd, const std::string& name)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end())
        return nullptr;
    void* data = it->second;
    w->props.erase(it);
    return data;
}

} // namespace wnd
