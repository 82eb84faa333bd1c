#include "platform/controls/THintWindow.h"

#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kTextInset = 2;

} // namespace

THintWindow::THintWindow()
{
    Font.Name = "宋体";
    Font.Height = 12;
    Font.Color = gfx::clInfoText;
}

THintWindow::~THintWindow()
{
    if (m_handle && wnd::IsWindow(m_handle))
        wnd::DestroyWindow(m_handle);
}

void THintWindow::EnsureHandle()
{
    if (m_handle && wnd::IsWindow(m_handle))
        return;
    m_handle = wnd::CreateWindowEx(
        wnd::WS_EX_TOOLWINDOW | wnd::WS_EX_TOPMOST | wnd::WS_EX_NOACTIVATE,
        [this](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) { return WindowProc(h, msg, wp, lp); },
        "", wnd::WS_POPUP, 0, 0, 0, 0, nullptr);
}

bool THintWindow::Visible() const
{
    return m_handle && wnd::IsWindow(m_handle) && wnd::IsWindowVisible(m_handle);
}

gfx::TSize THintWindow::MeasureText(const std::string& Text) const
{
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    canvas.Font = Font;
    gfx::TRect r = gfx::Rect(0, 0, 0, 0);
    canvas.DrawText(Text, r, gfx::DT_CALCRECT | gfx::DT_NOPREFIX);
    return { r.Width(), r.Height() };
}

gfx::TRect THintWindow::CalcHintRect(int, const std::string& Hint)
{
    const gfx::TSize text = MeasureText(Hint);
    return gfx::Rect(0, 0, text.cx + 2 * kTextInset, text.cy + 2 * kTextInset);
}

void THintWindow::ActivateHint(gfx::TRect Rect, const std::string& Hint)
{
    m_caption = Hint;
    ShowAt(KeepInside(Rect, WorkAreaAt(Rect.TopLeft())));
}

void THintWindow::ShowAt(const gfx::TRect& Rect)
{
    EnsureHandle();
    // The window's text is the hint's, as the desktop sees it too.
    wnd::SetWindowText(m_handle, m_caption);
    wnd::SetWindowPos(m_handle, wnd::HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
        wnd::SWP_NOACTIVATE | wnd::SWP_SHOWWINDOW);
    wnd::InvalidateRect(m_handle, nullptr, false);
}

void THintWindow::ReleaseHandle()
{
    if (Visible())
        wnd::ShowWindow(m_handle, wnd::SW_HIDE);
}

void THintWindow::Paint(gfx::TCanvas& Canvas)
{
    const gfx::TRect whole = wnd::GetClientRect(m_handle);
    gfx::DrawFramedFill(Canvas, whole, gfx::clWindowFrame, gfx::clInfoBk);
    Canvas.Font = Font;
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    gfx::TRect text = gfx::Inflate(whole, -kTextInset, -kTextInset);
    Canvas.DrawText(m_caption, text, gfx::DT_NOPREFIX);
}

wnd::LRESULT THintWindow::WindowProc(wnd::HWND Hwnd, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    switch (Msg) {
    case wnd::WM_MOUSEACTIVATE:
        return wnd::MA_NOACTIVATE;
    case wnd::WM_ERASEBKGND:
        return 1;
    case wnd::WM_NCPAINT:
        return 0;
    case wnd::WM_PAINT: {
        wnd::TPaintDC dc(Hwnd);
        const gfx::TRect whole = wnd::GetClientRect(Hwnd);
        if (whole.Width() <= 0 || whole.Height() <= 0)
            return 0;
        gfx::TBitmap bitmap(whole.Width(), whole.Height());
        Paint(bitmap.Canvas());
        dc.Canvas().Draw(0, 0, bitmap);
        return 0;
    }
    default:
        return wnd::DefWindowProc(Hwnd, Msg, WParam, LParam);
    }
}

gfx::TRect KeepInside(gfx::TRect Rect, const gfx::TRect& WorkArea)
{
    const int dx = Rect.Right > WorkArea.Right ? WorkArea.Right - Rect.Right : 0;
    const int dy = Rect.Bottom > WorkArea.Bottom ? WorkArea.Bottom - Rect.Bottom : 0;
    Rect = gfx::Offset(Rect, dx, dy);
    return gfx::Offset(Rect, std::max(0, WorkArea.Left - Rect.Left), std::max(0, WorkArea.Top - Rect.Top));
}

gfx::TRect WorkAreaAt(gfx::TPoint Point)
{
    wnd::MONITORINFO info;
    if (wnd::GetMonitorInfo(wnd::MonitorFromPoint(Point), info))
        return info.rcWork;
    return wnd::GetWorkArea();
}

gfx::TPoint HintAnchorBelowPointer(gfx::TPoint Pointer)
{
    // The pointer's image cannot be read here: the system's cursor height stands for it.
    return { Pointer.X, Pointer.Y + wnd::GetSystemMetrics(wnd::SM_CYCURSOR) };
}

} // namespace ctl
