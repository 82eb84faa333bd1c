#include "CustomFrame.h"

#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"

#include <map>

namespace demo {

using namespace wnd;

namespace {
    constexpr int kBorder = 4;
    constexpr int kCaption = 26;
    constexpr gfx::TColor kFrameColor = gfx::RGB(32, 96, 112);
    constexpr gfx::TColor kFrameLight = gfx::RGB(96, 168, 184);
    constexpr gfx::TColor kCloseColor = gfx::RGB(208, 64, 48);

    struct TFrameState {
        WNDPROC previous;
        bool closePressed { false };
        bool closeTracking { false };
    };

    std::map<HWND, TFrameState>& States()
    {
        static std::map<HWND, TFrameState> states;
        return states;
    }

    RECT CloseButton(HWND hwnd)
    {
        const RECT wr = GetWindowRect(hwnd);
        return gfx::Bounds(wr.Width() - kBorder - 22, kBorder + 3, 18, 18);
    }

    POINT InWindow(HWND hwnd, POINT screen)
    {
        const RECT wr = GetWindowRect(hwnd);
        return { screen.X - wr.Left, screen.Y - wr.Top };
    }

    LRESULT HitTest(HWND hwnd, POINT screen)
    {
        const RECT wr = GetWindowRect(hwnd);
        const POINT p = InWindow(hwnd, screen);
        const int w = wr.Width(), h = wr.Height();
        if (!gfx::Rect(0, 0, w, h).Contains(p))
            return HTNOWHERE;
        if (CloseButton(hwnd).Contains(p))
            return HTOBJECT; // the frame's own object: no system loop
        if (!IsZoomed(hwnd)) {
            const bool left = p.X < kBorder, right = p.X >= w - kBorder;
            const bool top = p.Y < kBorder, bottom = p.Y >= h - kBorder;
            if (top && left)
                return HTTOPLEFT;
            if (top && right)
                return HTTOPRIGHT;
            if (bottom && left)
                return HTBOTTOMLEFT;
            if (bottom && right)
                return HTBOTTOMRIGHT;
            if (left)
                return HTLEFT;
            if (right)
                return HTRIGHT;
            if (top)
                return HTTOP;
            if (bottom)
                return HTBOTTOM;
        }
        if (p.Y < kBorder + kCaption)
            return HTCAPTION;
        return gfx::Rect(kBorder, kBorder + kCaption, w - kBorder, h - kBorder).Contains(p) ? HTCLIENT : HTBORDER;
    }

    void PaintFrame(HWND hwnd, const TFrameState& state)
    {
        TWindowDC dc(hwnd, true);
        if (!dc.Valid())
            return;
        gfx::TCanvas& c = dc.Canvas();
        const RECT wr = GetWindowRect(hwnd);
        const RECT bounds = gfx::Rect(0, 0, wr.Width(), wr.Height());
        c.ExcludeClipRect(GetClientRectInWindow(hwnd));
        const bool active = GetActiveWindow() == hwnd;
        c.Brush.Color = active ? kFrameColor : gfx::clGray;
        c.FillRect(bounds);
        c.Brush.Color = kFrameLight;
        c.FrameRect(bounds);
        c.Font.Name = "Arial";
        c.Font.Height = -13;
        c.Font.Style = { gfx::TFontStyle::fsBold, gfx::TFontStyle::fsItalic };
        c.Font.Color = gfx::clWhite;
        c.Brush.Style = gfx::TBrushStyle::bsClear;
        RECT text = gfx::Rect(kBorder + 8, kBorder, bounds.Right - 40, kBorder + kCaption);
        c.DrawText(GetWindowText(hwnd), text, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_END_ELLIPSIS);
        c.Brush.Style = gfx::TBrushStyle::bsSolid;
        RECT close = CloseButton(hwnd);
        c.Pen.Color = gfx::clWhite;
        c.Brush.Color = state.closePressed ? gfx::clMaroon : kCloseColor;
        c.Ellipse(close);
        c.Pen.Width = 2;
        c.MoveTo(close.Left + 5, close.Top + 5);
        c.LineTo(close.Right - 6, close.Bottom - 6);
        c.MoveTo(close.Right - 6, close.Top + 5);
        c.LineTo(close.Left + 5, close.Bottom - 6);
    }

    void RepaintFrame(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); }

    // Rounded corners: the window region, which also shapes the display's window.
    void UpdateRegion(HWND hwnd)
    {
        const RECT wr = GetWindowRect(hwnd);
        SetWindowRgn(hwnd, gfx::TRegion::FromRoundRect(gfx::Rect(0, 0, wr.Width(), wr.Height()), 16, 16), true);
    }

    LRESULT FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        TFrameState& state = States()[hwnd];
        const WNDPROC previous = state.previous;
        switch (msg) {
        case WM_NCCALCSIZE: {
            auto* p = FromLParam<NCCALCSIZE_PARAMS>(lParam);
            p->rgrc[0] = gfx::Rect(p->rgrc[0].Left + kBorder, p->rgrc[0].Top + kBorder + kCaption,
                p->rgrc[0].Right - kBorder, p->rgrc[0].Bottom - kBorder);
            return 0;
        }
        case WM_NCHITTEST:
            return HitTest(hwnd, PointFromLParam(lParam));
        case WM_NCPAINT:
            PaintFrame(hwnd, state);
            return 0;
        case WM_NCACTIVATE:
            RepaintFrame(hwnd);
            return 1;
        case WM_NCLBUTTONDOWN:
            if (static_cast<LRESULT>(wParam) == HTOBJECT) {
                state.closePressed = state.closeTracking = true;
                SetCapture(hwnd);
                RepaintFrame(hwnd);
                return 0;
            }
            break;
        case WM_NCLBUTTONDBLCLK:
            if (static_cast<LRESULT>(wParam) == HTCAPTION) {
                SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
                return 0;
            }
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            if (state.closeTracking) {
                const bool over = CloseButton(hwnd).Contains(InWindow(hwnd, GetMessagePos()));
                if (msg == WM_LBUTTONUP) {
                    state.closeTracking = state.closePressed = false;
                    ReleaseCapture();
                    RepaintFrame(hwnd);
                    if (over)
                        SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
                } else if (over != state.closePressed) {
                    state.closePressed = over;
                    RepaintFrame(hwnd);
                }
                return 0;
            }
            break;
        case WM_SIZE: {
            const LRESULT result = CallWindowProc(previous, hwnd, msg, wParam, lParam);
            UpdateRegion(hwnd);
            return result;
        }
        case WM_NCDESTROY: {
            const LRESULT result = CallWindowProc(previous, hwnd, msg, wParam, lParam);
            States().erase(hwnd);
            return result;
        }
        default:
            break;
        }
        return CallWindowProc(previous, hwnd, msg, wParam, lParam);
    }
}

void InstallCustomFrame(HWND hwnd)
{
    States()[hwnd].previous = SetWindowProc(hwnd, FrameProc);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateRegion(hwnd);
}

} // namespace demo
