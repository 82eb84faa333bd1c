#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace wnd {

namespace {
    // The proposed rectangle for the cursor moved by (dx, dy) from where the
    // loop started, the dragged edges kept within the tracking sizes.
    RECT SizedRect(RECT r, WPARAM edge, int dx, int dy, const MINMAXINFO& mm)
    {
        const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
        const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
        const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
        const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
        if (left)
            r.Left = std::clamp(r.Left + dx, r.Right - mm.ptMaxTrackSize.X, r.Right - mm.ptMinTrackSize.X);
        if (right)
            r.Right = std::clamp(r.Right + dx, r.Left + mm.ptMinTrackSize.X, r.Left + mm.ptMaxTrackSize.X);
        if (top)
            r.Top = std::clamp(r.Top + dy, r.Bottom - mm.ptMaxTrackSize.Y, r.Bottom - mm.ptMinTrackSize.Y);
        if (bottom)
            r.Bottom = std::clamp(r.Bottom + dy, r.Top + mm.ptMinTrackSize.Y, r.Top + mm.ptMaxTrackSize.Y);
        return r;
    }

    bool IsMouseMessage(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; }
    bool IsKeyMessage(UINT m) { return m >= WM_KEYDOWN && m <= WM_SYSCHAR; }

    void RepaintFrameNow(HWND hwnd)
    {
        if (TWindowObject* w = Sys().Find(hwnd)) {
            w->frameDirty = false;
            detail::Send(hwnd, WM_NCPAINT, 1, 0);
        }
    }
}

namespace detail {

    void RunSizeMoveLoop(HWND hwnd, WPARAM command)
    {
        if (!IsWindow(hwnd) || IsZoomed(hwnd) || IsIconic(hwnd))
            return;
        const bool moving = (command & 0xFFF0) == SC_MOVE;
        const WPARAM edge = command & 0x000F;
        if (!moving && (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT))
            return;
        const POINT start = GetMessagePos();
        const RECT startRect = Sys().Get(hwnd).rect;
        const MINMAXINFO mm = QueryMinMax(hwnd);
        RECT current = startRect;

        Send(hwnd, WM_ENTERSIZEMOVE, 0, 0);
        SetCapture(hwnd);
        MSG msg;
        for (;;) {
            if (!IsWindow(hwnd) || GetCapture() != hwnd)
                break;
            if (!GetMessage(msg)) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            // The release ends the loop at its own position: a display may
            // deliver it without the last move before it.
            const bool release = msg.hwnd == hwnd && msg.message == WM_LBUTTONUP;
            if (msg.hwnd == hwnd && (msg.message == WM_MOUSEMOVE || release)) {
                const int dx = msg.pt.X - start.X;
                const int dy = msg.pt.Y - start.Y;
                RECT proposed;
                if (moving) {
                    proposed = gfx::Offset(startRect, dx, dy);
                    Send(hwnd, WM_MOVING, 0, ToLParam(&proposed));
                } else {
                    proposed = SizedRect(startRect, edge, dx, dy, mm);
                    Send(hwnd, WM_SIZING, edge, ToLParam(&proposed));
                }
                if (proposed != current && IsWindow(hwnd)) {
                    SetWindowPos(hwnd, nullptr, proposed.Left, proposed.Top, proposed.Width(), proposed.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
                    current = proposed;
                }
                if (release)
                    break;
                continue;
            }
            if (msg.message == WM_KEYDOWN && msg.wParam == static_cast<WPARAM>(VK_ESCAPE)) {
                SetWindowPos(hwnd, nullptr, startRect.Left, startRect.Top, startRect.Width(), startRect.Height(),
                    SWP_NOZORDER | SWP_NOACTIVATE);
                break;
            }
            if (IsMouseMessage(msg.message) || IsKeyMessage(msg.message))
                continue;
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
        if (GetCapture() == hwnd)
            ReleaseCapture();
        Send(hwnd, WM_EXITSIZEMOVE, 0, 0);
    }

    void TrackFrameButton(HWND hwnd, LRESULT hit)
    {
        const RECT button = FrameButtonRect(hwnd, hit);
        if (button.IsEmpty())
            return;
        auto inside = [&](POINT screen) {
            const RECT wr = GetWindowRect(hwnd);
            return button.Contains({ screen.X - wr.Left, screen.Y - wr.Top });
        };
        Sys().Get(hwnd).pressedFrameButton = hit;
        RepaintFrameNow(hwnd);
        SetCapture(hwnd);
        bool released = false;
        bool over = true;
        MSG msg;
        while (IsWindow(hwnd) && GetCapture() == hwnd) {
            if (!GetMessage(msg)) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (msg.hwnd == hwnd && (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)) {
                over = inside(msg.pt);
                if (msg.message == WM_LBUTTONUP) {
                    released = true;
                    break;
                }
                TWindowObject& w = Sys().Get(hwnd);
                if ((w.pressedFrameButton == hit) != over) {
                    w.pressedFrameButton = over ? hit : 0;
                    RepaintFrameNow(hwnd);
                }
                continue;
            }
            if (IsMouseMessage(msg.message))
                continue;
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
        if (!IsWindow(hwnd))
            return;
        if (GetCapture() == hwnd)
            ReleaseCapture();
        Sys().Get(hwnd).pressedFrameButton = 0;
        RepaintFrameNow(hwnd);
        if (!released || !over)
            return;
        WPARAM command = SC_CLOSE;
        if (hit == HTMINBUTTON)
            command = IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE;
        else if (hit == HTMAXBUTTON)
            command = IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
        Send(hwnd, WM_SYSCOMMAND, command, LParamFromPoint(msg.pt));
    }

} // namespace detail

} // namespace wnd
