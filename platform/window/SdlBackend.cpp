#include "platform/window/SdlBackend.h"

#include "platform/window/GoneWindowErrors.h"
#include "platform/window/Input.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace wnd {

namespace {
    int VirtualKey(SDL_Keycode key)
    {
        if (key >= SDLK_a && key <= SDLK_z)
            return 'A' + (key - SDLK_a);
        if (key >= SDLK_0 && key <= SDLK_9)
            return '0' + (key - SDLK_0);
        if (key >= SDLK_F1 && key <= SDLK_F12)
            return VK_F1 + (key - SDLK_F1);
        if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
            return VK_NUMPAD0 + 1 + (key - SDLK_KP_1);
        switch (key) {
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_END: return VK_END;
        case SDLK_HOME: return VK_HOME;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_INSERT: return VK_INSERT;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_LSHIFT: return VK_LSHIFT;
        case SDLK_RSHIFT: return VK_RSHIFT;
        case SDLK_LCTRL: return VK_LCONTROL;
        case SDLK_RCTRL: return VK_RCONTROL;
        case SDLK_LALT: return VK_LMENU;
        case SDLK_RALT: return VK_RMENU;
        case SDLK_LGUI: return VK_LWIN;
        case SDLK_RGUI: return VK_RWIN;
        case SDLK_APPLICATION: return VK_APPS;
        case SDLK_CAPSLOCK: return VK_CAPITAL;
        case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
        case SDLK_SCROLLLOCK: return VK_SCROLL;
        case SDLK_PAUSE: return VK_PAUSE;
        case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
        case SDLK_KP_0: return VK_NUMPAD0;
        case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
        case SDLK_KP_PLUS: return VK_ADD;
        case SDLK_KP_MINUS: return VK_SUBTRACT;
        case SDLK_KP_PERIOD: return VK_DECIMAL;
        case SDLK_KP_DIVIDE: return VK_DIVIDE;
        case SDLK_SEMICOLON: return VK_OEM_1;
        case SDLK_EQUALS: return VK_OEM_PLUS;
        case SDLK_COMMA: return VK_OEM_COMMA;
        case SDLK_MINUS: return VK_OEM_MINUS;
        case SDLK_PERIOD: return VK_OEM_PERIOD;
        case SDLK_SLASH: return VK_OEM_2;
        case SDLK_BACKQUOTE: return VK_OEM_3;
        case SDLK_LEFTBRACKET: return VK_OEM_4;
        case SDLK_BACKSLASH: return VK_OEM_5;
        case SDLK_RIGHTBRACKET: return VK_OEM_6;
        case SDLK_QUOTE: return VK_OEM_7;
        default: return 0;
        }
    }

    SDL_SystemCursor SystemCursor(HCURSOR cursor)
    {
        switch (cursor) {
        case IDC_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
        case IDC_WAIT: return SDL_SYSTEM_CURSOR_WAIT;
        case IDC_APPSTARTING: return SDL_SYSTEM_CURSOR_WAITARROW;
        case IDC_CROSS: return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case IDC_SIZENWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
        case IDC_SIZENESW: return SDL_SYSTEM_CURSOR_SIZENESW;
        case IDC_SIZEWE: return SDL_SYSTEM_CURSOR_SIZEWE;
        case IDC_SIZENS: return SDL_SYSTEM_CURSOR_SIZENS;
        case IDC_SIZEALL: return SDL_SYSTEM_CURSOR_SIZEALL;
        case IDC_NO: return SDL_SYSTEM_CURSOR_NO;
        case IDC_HAND: return SDL_SYSTEM_CURSOR_HAND;
        default: return SDL_SYSTEM_CURSOR_ARROW;
        }
    }

    TMouseButton Button(Uint8 b)
    {
        return b == SDL_BUTTON_RIGHT ? TMouseButton::mbRight : b == SDL_BUTTON_MIDDLE ? TMouseButton::mbMiddle : TMouseButton::mbLeft;
    }

    // A window-relative event position on the screen, through the window's
    // position as SDL last knew it.
    POINT OnScreen(Uint32 windowId, int x, int y)
    {
        int wx = 0, wy = 0;
        if (SDL_Window* w = SDL_GetWindowFromID(windowId))
            SDL_GetWindowPosition(w, &wx, &wy);
        return { wx + x, wy + y };
    }

    // SDL's video on a display the user sees. When no display can be opened
    // SDL falls back to drawing off screen, where the program's windows
    // would live unseen: that counts as failing.
    bool StartDisplayVideo()
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            return false;
        const char* driver = SDL_GetCurrentVideoDriver();
        if (driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0))
            return true;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }

    // Far outside every window: where the cursor counts as being once it left them all.
    constexpr POINT kOutside { -30000, -30000 };

    template <typename T>
    bool ConsumeEcho(std::deque<T>& pending, const T& value)
    {
        auto it = std::find(pending.begin(), pending.end(), value);
        if (it == pending.end())
            return false;
        pending.erase(pending.begin(), it + 1);
        return true;
    }
}

std::unique_ptr<TSdlBackend> TSdlBackend::Open()
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // termination signals keep their usual meaning
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
    // Every window is painted in memory; its picture goes to the display as
    // shared-memory images, without starting a GL driver for each window.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    IgnoreGoneWindowErrorsBeforeVideo();
    // A display busy with other clients can refuse a connection for a moment:
    // a few more tries over two seconds before giving up on it.
    constexpr int kTries = 5;
    for (int attempt = 1; !StartDisplayVideo(); ++attempt) {
        if (attempt == kTries)
            return nullptr;
        SDL_Delay(500);
    }
    IgnoreGoneWindowErrorsAfterVideo();
    SDL_StartTextInput();
    return std::unique_ptr<TSdlBackend>(new TSdlBackend());
}

TSdlBackend::~TSdlBackend()
{
    for (auto& [hwnd, native] : m_natives)
        SDL_DestroyWindow(native.window);
    for (auto& [id, cursor] : m_cursors)
        SDL_FreeCursor(cursor);
    SDL_StopTextInput();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit(); // also lets go of SDL's desktop-bus connection (input method)
}

std::vector<MONITORINFO> TSdlBackend::Monitors()
{
    std::vector<MONITORINFO> out;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect bounds, usable;
        if (SDL_GetDisplayBounds(i, &bounds) != 0)
            continue;
        if (SDL_GetDisplayUsableBounds(i, &usable) != 0)
            usable = bounds;
        MONITORINFO m;
        m.rcMonitor = gfx::Bounds(bounds.x, bounds.y, bounds.w, bounds.h);
        m.rcWork = gfx::Bounds(usable.x, usable.y, usable.w, usable.h);
        m.primary = i == 0;
        out.push_back(m);
    }
    return out;
}

TSdlBackend::TNative* TSdlBackend::NativeOf(HWND hwnd)
{
    auto it = m_natives.find(hwnd);
    return it == m_natives.end() ? nullptr : &it->second;
}

HWND TSdlBackend::WindowFromId(unsigned id)
{
    SDL_Window* window = SDL_GetWindowFromID(id);
    for (auto& [hwnd, native] : m_natives)
        if (native.window == window)
            return hwnd;
    return nullptr;
}

void TSdlBackend::CreateNative(HWND hwnd, const TNativeWindowParams& params)
{
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (params.kind == TNativeKind::nkPopup)
        flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    else if (params.kind == TNativeKind::nkTooltip)
        flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR;
    else if (params.skipTaskbar)
        flags |= SDL_WINDOW_SKIP_TASKBAR;
    const RECT& b = params.bounds;
    SDL_Window* window = SDL_CreateWindow(params.title.c_str(), b.Left, b.Top, std::max(1, b.Width()),
        std::max(1, b.Height()), flags);
    if (!window)
        return;
    m_natives[hwnd].window = window;
    if (TNative* owner = NativeOf(params.owner); owner && params.kind == TNativeKind::nkNormal)
        SDL_SetWindowModalFor(window, owner->window); // a transient window of its owner

}

void TSdlBackend::DestroyNative(HWND hwnd)
{
    if (TNative* n = NativeOf(hwnd)) {
        SDL_DestroyWindow(n->window);
        m_natives.erase(hwnd);
    }
}

void TSdlBackend::SetNativeBounds(HWND hwnd, const RECT& bounds)
{
    TNative* n = NativeOf(hwnd);
    if (!n)
        return;
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(n->window, &x, &y);
    SDL_GetWindowSize(n->window, &w, &h);
    if (x != bounds.Left || y != bounds.Top) {
        n->pendingPositions.push_back(bounds.TopLeft());
        if (n->pendingPositions.size() > 64)
            n->pendingPositions.pop_front();
        SDL_SetWindowPosition(n->window, bounds.Left, bounds.Top);
    }
    const SIZE size { std::max(1, bounds.Width()), std::max(1, bounds.Height()) };
    if (w != size.cx || h != size.cy) {
        n->pendingSizes.push_back(size);
        if (n->pendingSizes.size() > 64)
            n->pendingSizes.pop_front();
        SDL_SetWindowSize(n->window, size.cx, size.cy);
    }
}

void TSdlBackend::ShowNative(HWND hwnd, bool show, bool activate)
{
    TNative* n = NativeOf(hwnd);
    if (!n)
        return;
    if (!show) {
        SDL_HideWindow(n->window);
        return;
    }
    SDL_ShowWindow(n->window);
    if (activate)
        SDL_RaiseWindow(n->window);
}

void TSdlBackend::RaiseNative(HWND hwnd, bool activate)
{
    TNative* n = NativeOf(hwnd);
    if (!n)
        return;
    SDL_RaiseWindow(n->window);
    // Without a window manager nothing hands the keyboard on when a window
    // (a closed modal box, say) goes away, so an activated window takes it.
    if (activate)
        SDL_SetWindowInputFocus(n->window);
}

void TSdlBackend::MinimizeNative(HWND hwnd, bool minimize)
{
    TNative* n = NativeOf(hwnd);
    if (!n)
        return;
    if (minimize)
        SDL_MinimizeWindow(n->window);
    else
        SDL_RestoreWindow(n->window);
}

void TSdlBackend::SetNativeTitle(HWND hwnd, const std::string& title)
{
    if (TNative* n = NativeOf(hwnd))
        SDL_SetWindowTitle(n->window, title.c_str());
}

void TSdlBackend::Present(HWND hwnd, const gfx::TBitmap& pixels, const std::optional<RECT>& caret)
{
    TNative* n = NativeOf(hwnd);
    if (!n || pixels.Empty())
        return;
    SDL_Surface* target = SDL_GetWindowSurface(n->window);
    if (!target)
        return;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<gfx::Pixel*>(pixels.Bits()), pixels.Width(),
        pixels.Height(), 32, pixels.StrideBytes(), SDL_PIXELFORMAT_ARGB8888);
    if (!source)
        return;
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    if (caret && target->format->BytesPerPixel == 4 && SDL_LockSurface(target) == 0) {
        const RECT r = gfx::Intersection(*caret, gfx::Rect(0, 0, target->w, target->h));
        for (int y = r.Top; y < r.Bottom; ++y) {
            auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) + y * target->pitch);
            for (int x = r.Left; x < r.Right; ++x)
                row[x] ^= 0x00FFFFFF;
        }
        SDL_UnlockSurface(target);
    }
    SDL_UpdateWindowSurface(n->window);
}

bool TSdlBackend::SetNativeShape(HWND hwnd, const std::optional<gfx::TRegion>& region)
{
    // SDL shapes only windows created shaped; ours are plain, so the X window
    // underneath is shaped directly with the X Shape extension.
    TNative* n = NativeOf(hwnd);
    if (!n)
        return !region.has_value();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(n->window, &info) || info.subsystem != SDL_SYSWM_X11)
        return !region.has_value();
    Display* display = info.info.x11.display;
    int eventBase = 0, errorBase = 0;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase))
        return !region.has_value();
    const Window window = info.info.x11.window;
    if (!region) {
        XShapeCombineMask(display, window, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> rects;
        for (const gfx::TRect& r : region->Rects())
            rects.push_back({ static_cast<short>(r.Left), static_cast<short>(r.Top),
                static_cast<unsigned short>(r.Width()), static_cast<unsigned short>(r.Height()) });
        XShapeCombineRectangles(display, window, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()),
            ShapeSet, YXBanded);
    }
    XFlush(display);
    return true;
}

bool TSdlBackend::SetNativeOpacity(HWND hwnd, unsigned char alpha)
{
    TNative* n = NativeOf(hwnd);
    return n && SDL_SetWindowOpacity(n->window, static_cast<float>(alpha) / 255.0f) == 0;
}

POINT TSdlBackend::CursorPos()
{
    if (!m_haveCursor) {
        // Before the first mouse event only the display's global state is known.
        SDL_GetGlobalMouseState(&m_cursor.X, &m_cursor.Y);
    }
    return m_cursor;
}

void TSdlBackend::SetCursorPos(POINT p)
{
    SDL_WarpMouseGlobal(p.X, p.Y);
    m_cursor = p;
}

void TSdlBackend::SetCursorShape(HCURSOR cursor)
{
    if (cursor == 0) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    SDL_Cursor*& sdlCursor = m_cursors[cursor];
    if (!sdlCursor)
        sdlCursor = SDL_CreateSystemCursor(SystemCursor(cursor));
    if (sdlCursor)
        SDL_SetCursor(sdlCursor);
}

void TSdlBackend::CaptureMouse(bool capture) { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

short TSdlBackend::AsyncKeyState(int vk)
{
    const Uint32 buttons = SDL_GetGlobalMouseState(nullptr, nullptr);
    const SDL_Keymod mods = SDL_GetModState();
    bool down = false;
    switch (vk) {
    case VK_LBUTTON: down = buttons & SDL_BUTTON(SDL_BUTTON_LEFT); break;
    case VK_RBUTTON: down = buttons & SDL_BUTTON(SDL_BUTTON_RIGHT); break;
    case VK_MBUTTON: down = buttons & SDL_BUTTON(SDL_BUTTON_MIDDLE); break;
    case VK_SHIFT: down = mods & KMOD_SHIFT; break;
    case VK_CONTROL: down = mods & KMOD_CTRL; break;
    case VK_MENU: down = mods & KMOD_ALT; break;
    default: break;
    }
    return down ? static_cast<short>(0x8000) : 0;
}

bool TSdlBackend::HasClipboardText() { return SDL_HasClipboardText() == SDL_TRUE; }

std::string TSdlBackend::ClipboardText()
{
    char* text = SDL_GetClipboardText();
    std::string out = text ? text : "";
    SDL_free(text);
    return out;
}

bool TSdlBackend::SetClipboardText(const std::string& text) { return SDL_SetClipboardText(text.c_str()) == 0; }

void TSdlBackend::SetTextInputRect(const RECT& screenRect)
{
    SDL_Window* focus = SDL_GetKeyboardFocus();
    int x = 0, y = 0;
    if (focus)
        SDL_GetWindowPosition(focus, &x, &y);
    SDL_Rect r { screenRect.Left - x, screenRect.Top - y, screenRect.Width(), screenRect.Height() };
    SDL_SetTextInputRect(&r);
}

DWORD TSdlBackend::Now() { return SDL_GetTicks(); }

void TSdlBackend::HandleWindowEvent(const SDL_Event& e, TBackendSink& sink)
{
    const HWND hwnd = WindowFromId(e.window.windowID);
    TNative* n = NativeOf(hwnd);
    if (!n)
        return;
    switch (e.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        sink.NativeCloseRequested(hwnd);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        // Only the latest focus counts: older gains are echoes of our own raising.
        if (SDL_GetKeyboardFocus() == n->window)
            sink.NativeFocusChanged(hwnd, true);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        if (!SDL_GetKeyboardFocus())
            sink.NativeFocusChanged(hwnd, false);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        sink.NativeExposed(hwnd);
        break;
    case SDL_WINDOWEVENT_MOVED:
        if (!ConsumeEcho(n->pendingPositions, POINT { e.window.data1, e.window.data2 }))
            sink.NativeMoved(hwnd, { e.window.data1, e.window.data2 });
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (!ConsumeEcho(n->pendingSizes, SIZE { e.window.data1, e.window.data2 }))
            sink.NativeResized(hwnd, { e.window.data1, e.window.data2 });
        sink.NativeExposed(hwnd);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        sink.NativeMinimized(hwnd, true);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        sink.NativeMinimized(hwnd, false);
        sink.NativeExposed(hwnd);
        break;
    case SDL_WINDOWEVENT_LEAVE:
        // The cursor left the display's window; while a button is held the
        // display keeps sending its moves, so only a free cursor has gone.
        if (SDL_GetMouseState(nullptr, nullptr) == 0) {
            TRawInput in;
            in.kind = TRawInputKind::MouseMove;
            in.pos = kOutside;
            sink.RawInput(in);
        }
        break;
    default:
        break;
    }
}

void TSdlBackend::HandleEvent(const SDL_Event& e, TBackendSink& sink)
{
    TRawInput in;
    switch (e.type) {
    case SDL_WINDOWEVENT:
        HandleWindowEvent(e, sink);
        return;
    case SDL_MOUSEMOTION:
        in.kind = TRawInputKind::MouseMove;
        in.pos = m_cursor = OnScreen(e.motion.windowID, e.motion.x, e.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        in.kind = e.type == SDL_MOUSEBUTTONDOWN ? TRawInputKind::ButtonDown : TRawInputKind::ButtonUp;
        in.button = Button(e.button.button);
        in.pos = m_cursor = OnScreen(e.button.windowID, e.button.x, e.button.y);
        break;
    case SDL_MOUSEWHEEL:
        in.kind = TRawInputKind::Wheel;
        in.pos = m_cursor;
        in.wheelDelta = (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y) * 120;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        in.kind = e.type == SDL_KEYDOWN ? TRawInputKind::KeyDown : TRawInputKind::KeyUp;
        in.vk = VirtualKey(e.key.keysym.sym);
        in.repeat = e.key.repeat != 0;
        if (in.vk == 0)
            return;
        break;
    case SDL_TEXTINPUT:
        in.kind = TRawInputKind::Text;
        in.text = e.text.text;
        break;
    case SDL_TEXTEDITING:
        in.kind = e.edit.text[0] ? TRawInputKind::Composition : TRawInputKind::CompositionEnd;
        in.text = e.edit.text;
        in.cursor = e.edit.start;
        break;
    default:
        return;
    }
    sink.RawInput(in);
}

void TSdlBackend::Pump(TBackendSink& sink)
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_MOUSEMOTION || e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP)
            m_haveCursor = true;
        HandleEvent(e, sink);
    }
}

bool TSdlBackend::Wait(TBackendSink& sink, int timeoutMs)
{
    if (timeoutMs < 0)
        SDL_WaitEvent(nullptr);
    else
        SDL_WaitEventTimeout(nullptr, timeoutMs);
    Pump(sink);
    return true;
}

} // namespace wnd
