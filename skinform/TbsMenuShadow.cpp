#include "skinform/TbsMenuShadow.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"
#include "platform/window/Painting.h"
#include "platform/window/Window.h"
#include "skin/SkinMonitor.h"

namespace skinform {
namespace {

    // Mid grey: soft when see-through, and still calm where the display shows it solid.
    constexpr gfx::TColor kShadowColor = gfx::RGB(128, 128, 128);

} // namespace

TbsMenuShadow::TbsMenuShadow(wnd::HWND owner)
{
    m_handle = wnd::CreateWindowEx(
        wnd::WS_EX_TOOLWINDOW | wnd::WS_EX_TOPMOST | wnd::WS_EX_NOACTIVATE | wnd::WS_EX_LAYERED
            | wnd::WS_EX_TRANSPARENT,
        [this](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) -> wnd::LRESULT {
            switch (msg) {
            case wnd::WM_NCHITTEST:
                return wnd::HTTRANSPARENT;
            case wnd::WM_MOUSEACTIVATE:
                return wnd::MA_NOACTIVATE;
            case wnd::WM_ERASEBKGND:
                return 1;
            case wnd::WM_PAINT: {
                wnd::TPaintDC dc(h);
                dc.Canvas().Brush.Color = kShadowColor;
                dc.Canvas().FillRect({ 0, 0, m_size.cx, m_size.cy });
                return 0;
            }
            default:
                return wnd::DefWindowProc(h, msg, wp, lp);
            }
        },
        "", wnd::WS_POPUP, 0, 0, 0, 0, owner);
}

TbsMenuShadow::~TbsMenuShadow()
{
    if (m_handle)
        wnd::DestroyWindow(m_handle);
}

void TbsMenuShadow::ShowFor(const gfx::TRect& menu)
{
    m_size = { menu.Width(), menu.Height() };
    // Only the band outside the menu belongs to the shadow window.
    const gfx::TRegion band = gfx::TRegion::Combine(gfx::TRegion(gfx::TRect { 0, 0, m_size.cx, m_size.cy }),
        gfx::TRegion(gfx::TRect { 0, 0, m_size.cx - kDepth, m_size.cy - kDepth }), gfx::TCombineMode::RGN_DIFF);
    wnd::SetWindowRgn(m_handle, band, false);
    skin::SetWindowAlpha(m_handle, kAlpha);
    wnd::SetWindowPos(m_handle, wnd::HWND_TOPMOST, menu.Left + kDepth, menu.Top + kDepth, m_size.cx, m_size.cy,
        wnd::SWP_NOACTIVATE | wnd::SWP_SHOWWINDOW);
}

} // namespace skinform
