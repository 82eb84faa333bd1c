#include "platform/graphics/EdgePainter.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace wnd {

namespace {
    constexpr int kCaptionHeight = 19;
    constexpr int kToolCaptionHeight = 15;
    constexpr int kCornerGrip = 16; // how far along an edge a corner resizes both ways

    int BorderWidth(DWORD style, DWORD exStyle)
    {
        if ((style & (WS_THICKFRAME | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME))
            return 3;
        return (style & WS_BORDER) ? 1 : 0;
    }

    int CaptionHeight(DWORD style, DWORD exStyle)
    {
        if ((style & WS_CAPTION) != WS_CAPTION)
            return 0;
        return (exStyle & WS_EX_TOOLWINDOW) ? kToolCaptionHeight : kCaptionHeight;
    }

    int EdgeWidth(DWORD exStyle)
    {
        return ((exStyle & WS_EX_CLIENTEDGE) ? 2 : 0) + ((exStyle & WS_EX_STATICEDGE) ? 1 : 0);
    }

    RECT CaptionRect(const TWindowObject& w)
    {
        const int b = BorderWidth(w.style, w.exStyle);
        const int h = CaptionHeight(w.style, w.exStyle);
        return gfx::Rect(b, b, w.rect.Width() - b, b + h);
    }

    void DrawGlyph(gfx::TCanvas& c, LRESULT button, RECT r, bool maximized)
    {
        c.Pen.Color = gfx::clBtnText;
        c.Brush.Color = gfx::clBtnText;
        const int cx = r.Left + r.Width() / 2;
        const int cy = r.Top + r.Height() / 2;
        switch (button) {
        case HTCLOSE:
            for (int d = -3; d <= 3; ++d) {
                c.FillRect(gfx::Bounds(cx + d - 1, cy + d, 2, 1));
                c.FillRect(gfx::Bounds(cx - d - 1, cy + d, 2, 1));
            }
            break;
        case HTMAXBUTTON:
            if (maximized) {
                c.FrameRect(gfx::Rect(cx - 2, cy - 5, cx + 5, cy + 1));
                c.FillRect(gfx::Rect(cx - 2, cy - 4, cx + 5, cy - 3));
                c.Brush.Color = gfx::clBtnFace;
                c.FillRect(gfx::Rect(cx - 5, cy - 2, cx + 2, cy + 4));
                c.Brush.Color = gfx::clBtnText;
                c.FrameRect(gfx::Rect(cx - 5, cy - 2, cx + 2, cy + 4));
                c.FillRect(gfx::Rect(cx - 5, cy - 1, cx + 2, cy));
            } else {
                c.FrameRect(gfx::Rect(cx - 5, cy - 4, cx + 4, cy + 4));
                c.FillRect(gfx::Rect(cx - 5, cy - 3, cx + 4, cy - 2));
            }
            break;
        case HTMINBUTTON:
            c.FillRect(gfx::Rect(cx - 4, cy + 2, cx + 3, cy + 4));
            break;
        default:
            break;
        }
    }
}

RECT DefaultClientRectForStyle(DWORD style, DWORD exStyle, const RECT& windowRect)
{
    const int b = BorderWidth(style, exStyle) + EdgeWidth(exStyle);
    RECT r = windowRect;
    r.Left += b;
    r.Right -= b;
    r.Top += b + CaptionHeight(style, exStyle);
    r.Bottom -= b;
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

bool AdjustWindowRectEx(RECT& rect, DWORD style, DWORD exStyle)
{
    const int b = BorderWidth(style, exStyle) + EdgeWidth(exStyle);
    rect.Left -= b;
    rect.Right += b;
    rect.Top -= b + CaptionHeight(style, exStyle);
    rect.Bottom += b;
    return true;
}

namespace detail {

    RECT FrameButtonRect(HWND hwnd, LRESULT button)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w || CaptionHeight(w->style, w->exStyle) == 0 || !(w->style & WS_SYSMENU))
            return {};
        const RECT caption = CaptionRect(*w);
        const int bh = caption.Height() - 4;
        const int bw = bh + 2;
        const bool tool = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
        RECT close = gfx::Bounds(caption.Right - 2 - bw, caption.Top + 2, bw, bh);
        if (button == HTCLOSE)
            return close;
        if (tool || !(w->style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)))
            return {};
        RECT max = gfx::Offset(close, -bw - 2, 0);
        if (button == HTMAXBUTTON)
            return max;
        if (button == HTMINBUTTON)
            return gfx::Offset(max, -bw, 0);
        return {};
    }

    LRESULT DefaultHitTest(HWND hwnd, POINT screen)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return HTNOWHERE;
        const POINT origin = ScreenOrigin(*w);
        const POINT p { screen.X - origin.X, screen.Y - origin.Y };
        const RECT bounds = gfx::Rect(0, 0, w->rect.Width(), w->rect.Height());
        if (!bounds.Contains(p))
            return HTNOWHERE;
        if (w->client.Contains(p))
            return HTCLIENT;
        const int b = BorderWidth(w->style, w->exStyle);
        if ((w->style & WS_THICKFRAME) && !(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) {
            const bool left = p.X < b, right = p.X >= bounds.Right - b, top = p.Y < b, bottom = p.Y >= bounds.Bottom - b;
            if (left || right || top || bottom) {
                const bool nearLeft = p.X < kCornerGrip, nearRight = p.X >= bounds.Right - kCornerGrip;
                const bool nearTop = p.Y < kCornerGrip, nearBottom = p.Y >= bounds.Bottom - kCornerGrip;
                if ((top || left) && nearTop && nearLeft)
                    return HTTOPLEFT;
                if ((top || right) && nearTop && nearRight)
                    return HTTOPRIGHT;
                if ((bottom || left) && nearBottom && nearLeft)
                    return HTBOTTOMLEFT;
                if ((bottom || right) && nearBottom && nearRight)
                    return HTBOTTOMRIGHT;
                return left ? HTLEFT : right ? HTRIGHT : top ? HTTOP : HTBOTTOM;
            }
        }
        const RECT caption = CaptionRect(*w);
        if (!caption.IsEmpty() && caption.Contains(p)) {
            for (LRESULT button : { HTCLOSE, HTMAXBUTTON, HTMINBUTTON })
                if (FrameButtonRect(hwnd, button).Contains(p))
                    return button;
            return HTCAPTION;
        }
        return HTBORDER;
    }

    void PaintDefaultFrame(HWND hwnd)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w || w->client == gfx::Rect(0, 0, w->rect.Width(), w->rect.Height()))
            return;
        const DWORD style = w->style;
        const DWORD exStyle = w->exStyle;
        const bool active = w->ncActive;
        const LRESULT pressed = w->pressedFrameButton;
        const RECT client = w->client;
        const RECT bounds = gfx::Rect(0, 0, w->rect.Width(), w->rect.Height());
        const RECT caption = CaptionRect(*w);
        const std::string text = w->text;

        TWindowDC dc(hwnd, true);
        if (!dc.Valid())
            return;
        gfx::TCanvas& c = dc.Canvas();
        c.ExcludeClipRect(client);
        const int b = BorderWidth(style, exStyle);
        if (b == 1) {
            c.Brush.Color = gfx::clWindowFrame;
            c.FrameRect(bounds);
        } else if (b == 3) {
            c.Brush.Color = gfx::clBtnFace;
            c.FillRect(bounds);
            RECT edge = bounds;
            gfx::DrawEdge(c, edge, gfx::TEdgeRing::Raised, gfx::TEdgeRing::Raised);
        }
        if (exStyle & WS_EX_CLIENTEDGE) {
            RECT edge = gfx::Inflate(client, 2, 2);
            gfx::DrawEdge(c, edge, gfx::TEdgeRing::Sunken, gfx::TEdgeRing::Sunken);
        }
        if (caption.IsEmpty() || CaptionHeight(style, exStyle) == 0)
            return;
        c.Brush.Color = active ? gfx::clActiveCaption : gfx::clInactiveCaption;
        c.FillRect(caption);

        int textRight = caption.Right - 4;
        for (LRESULT button : { HTCLOSE, HTMAXBUTTON, HTMINBUTTON }) {
            RECT r = FrameButtonRect(hwnd, button);
            if (r.IsEmpty())
                continue;
            textRight = std::min(textRight, r.Left - 2);
            const bool down = pressed == button;
            c.Brush.Color = gfx::clBtnFace;
            c.FillRect(r);
            RECT face = r;
            gfx::Frame3D(c, face, down ? gfx::cl3DDkShadow : gfx::clBtnHighlight, down ? gfx::clBtnHighlight : gfx::cl3DDkShadow);
            gfx::Frame3D(c, face, down ? gfx::clBtnShadow : gfx::clBtnFace, down ? gfx::clBtnFace : gfx::clBtnShadow);
            DrawGlyph(c, button, down ? gfx::Offset(r, 1, 1) : r, (style & WS_MAXIMIZE) != 0);
        }
        if (!text.empty()) {
            c.Font.Name = "Tahoma";
            c.Font.Height = (exStyle & WS_EX_TOOLWINDOW) ? -10 : -11;
            c.Font.Style = { gfx::TFontStyle::fsBold };
            c.Font.Color = active ? gfx::clCaptionText : gfx::clInactiveCaptionText;
            c.Brush.Style = gfx::TBrushStyle::bsClear;
            RECT tr = gfx::Rect(caption.Left + 4, caption.Top, textRight, caption.Bottom);
            c.DrawText(text, tr, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_END_ELLIPSIS | gfx::DT_NOPREFIX);
            c.Brush.Style = gfx::TBrushStyle::bsSolid;
        }
    }

} // namespace detail

} // namespace wnd
