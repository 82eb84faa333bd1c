#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include "platform/text/Utf8.h"

#include <algorithm>
#include <cstring>

namespace wnd {

namespace {
    HCURSOR CursorForHit(LRESULT hit)
    {
        switch (hit) {
        case HTLEFT:
        case HTRIGHT:
            return IDC_SIZEWE;
        case HTTOP:
        case HTBOTTOM:
            return IDC_SIZENS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            return IDC_SIZENWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            return IDC_SIZENESW;
        default:
            return IDC_ARROW;
        }
    }

    LRESULT OnSetCursor(HWND hwnd, TWindowObject& w, WPARAM wParam, LPARAM lParam)
    {
        if (w.parent && detail::Send(w.parent, WM_SETCURSOR, wParam, lParam))
            return 1;
        if (reinterpret_cast<HWND>(wParam) != hwnd)
            return 0; // a child's area: the child decides
        TWindowObject* self = Sys().Find(hwnd);
        if (!self)
            return 0;
        const auto hit = static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
        SetCursor(hit == HTCLIENT ? self->classCursor : CursorForHit(hit));
        return 1;
    }

    LRESULT OnWindowPosChanged(HWND hwnd, const WINDOWPOS& pos)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return 0;
        if (!(pos.flags & SWP_NOMOVE)) {
            const POINT origin { w->rect.Left + w->client.Left, w->rect.Top + w->client.Top };
            detail::Send(hwnd, WM_MOVE, 0, LParamFromPoint(origin));
        }
        w = Sys().Find(hwnd);
        if (w && (!(pos.flags & SWP_NOSIZE) || (pos.flags & SWP_FRAMECHANGED))) {
            const WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
            detail::Send(hwnd, WM_SIZE, kind, MAKELPARAM(w->client.Width(), w->client.Height()));
        }
        return 0;
    }

    LRESULT OnSysCommand(HWND hwnd, WPARAM wParam)
    {
        switch (wParam & 0xFFF0) {
        case SC_MOVE:
        case SC_SIZE:
            detail::RunSizeMoveLoop(hwnd, wParam);
            return 0;
        case SC_MINIMIZE:
            ShowWindow(hwnd, SW_MINIMIZE);
            return 0;
        case SC_MAXIMIZE:
            ShowWindow(hwnd, SW_MAXIMIZE);
            return 0;
        case SC_RESTORE:
            ShowWindow(hwnd, SW_RESTORE);
            return 0;
        case SC_CLOSE:
            detail::Send(hwnd, WM_CLOSE, 0, 0);
            return 0;
        default:
            return 0;
        }
    }

    LRESULT OnNcLButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam)
    {
        const auto code = static_cast<LRESULT>(hit);
        if (code == HTCAPTION)
            return detail::Send(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
        if (code >= HTLEFT && code <= HTBOTTOMRIGHT)
            return detail::Send(hwnd, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(code - HTLEFT + 1), lParam);
        if (code == HTCLOSE || code == HTMAXBUTTON || code == HTMINBUTTON)
            detail::TrackFrameButton(hwnd, code);
        return 0;
    }

    LRESULT OnGetText(const TWindowObject& w, WPARAM size, LPARAM buffer)
    {
        if (size == 0 || !buffer)
            return 0;
        const std::size_t n = std::min<std::size_t>(w.text.size(), size - 1);
        char* out = FromLParam<char>(buffer);
        std::memcpy(out, w.text.data(), n);
        out[n] = '\0';
        return static_cast<LRESULT>(n);
    }

    LRESULT OnImeComposition(HWND hwnd, LPARAM flags)
    {
        if (!(flags & GCS_RESULTSTR))
            return 0;
        const std::string result = ImmGetCompositionString(hwnd, GCS_RESULTSTR);
        std::vector<MSG> chars;
        MSG m;
        m.hwnd = hwnd;
        m.message = WM_CHAR;
        m.lParam = 1;
        m.time = GetMessageTime();
        m.pt = GetMessagePos();
        for (char32_t c : text::Utf8ToUtf32(result)) {
            m.wParam = c;
            chars.push_back(m);
        }
        detail::InsertMessages(Sys().lastSeq, chars);
        return 0;
    }
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWindowObject* w = Sys().Find(hwnd);
    if (!w)
        return 0;
    switch (msg) {
    case WM_NCCREATE:
        return 1;
    case WM_NCCALCSIZE: {
        auto* params = FromLParam<NCCALCSIZE_PARAMS>(lParam);
        params->rgrc[0] = DefaultClientRectForStyle(w->style, w->exStyle, params->rgrc[0]);
        return 0;
    }
    case WM_NCHITTEST:
        return detail::DefaultHitTest(hwnd, PointFromLParam(lParam));
    case WM_NCPAINT:
        detail::PaintDefaultFrame(hwnd);
        return 0;
    case WM_NCACTIVATE:
        w->ncActive = wParam != 0;
        w->frameDirty = true;
        return 1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            const HWND focus = GetFocus();
            if (focus != hwnd && !IsChild(hwnd, focus))
                SetFocus(hwnd);
        }
        return 0;
    case WM_MOUSEACTIVATE:
        if (w->parent) {
            if (LRESULT r = detail::Send(w->parent, WM_MOUSEACTIVATE, wParam, lParam))
                return r;
        }
        return MA_ACTIVATE;
    case WM_SETCURSOR:
        return OnSetCursor(hwnd, *w, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return OnNcLButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        if (static_cast<LRESULT>(wParam) == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
            detail::Send(hwnd, WM_SYSCOMMAND, ((w->style & (WS_MAXIMIZE | WS_MINIMIZE)) ? SC_RESTORE : SC_MAXIMIZE), lParam);
        return 0;
    case WM_SYSCOMMAND:
        return OnSysCommand(hwnd, wParam);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_F4) && (GetKeyState(VK_MENU) & 0x8000))
            PostMessage(detail::TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        else if (wParam == static_cast<WPARAM>(VK_SPACE) && (GetKeyState(VK_MENU) & 0x8000))
            detail::Send(detail::TopLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, ' '); // Alt+Space: the window menu
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (wParam == static_cast<WPARAM>(VK_APPS) || (wParam == static_cast<WPARAM>(VK_F10) && shift))
            detail::Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(-1, -1));
        else if (msg == WM_SYSKEYUP && ((wParam == static_cast<WPARAM>(VK_MENU) && Sys().altAlone) || wParam == static_cast<WPARAM>(VK_F10)))
            detail::Send(detail::TopLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0); // Alt or F10 alone: the menu key
        return 0;
    }
    case WM_RBUTTONUP: {
        POINT p = PointFromLParam(lParam);
        ClientToScreen(hwnd, p);
        detail::Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), LParamFromPoint(p));
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        return w->parent ? detail::Send(w->parent, msg, wParam, lParam) : 0;
    case WM_ERASEBKGND: {
        if (w->background == gfx::clNone || !wParam)
            return 0;
        auto* canvas = reinterpret_cast<gfx::TCanvas*>(wParam);
        canvas->Brush.Color = w->background;
        canvas->Brush.Style = gfx::TBrushStyle::bsSolid;
        canvas->FillRect(gfx::Rect(0, 0, w->client.Width(), w->client.Height()));
        return 1;
    }
    case WM_PAINT: {
        TPaintDC paint(hwnd);
        return 0;
    }
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(hwnd, *FromLParam<WINDOWPOS>(lParam));
    case WM_SETTEXT:
        w->text = lParam ? FromLParam<const char>(lParam) : "";
        if ((w->style & WS_CAPTION) == WS_CAPTION)
            w->frameDirty = true;
        if (!w->parent && w->native)
            Sys().Backend().SetNativeTitle(hwnd, w->text);
        return 1;
    case WM_GETTEXT:
        return OnGetText(*w, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_IME_COMPOSITION:
        return OnImeComposition(hwnd, lParam);
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_SETREDRAW:
        w->redraw = wParam != 0;
        return 0;
    default:
        return 0;
    }
}

} // namespace wnd
