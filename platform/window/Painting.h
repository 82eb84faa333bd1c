#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"
#include "platform/window/Messages.h"

#include <optional>

namespace wnd {

// Each top-level window paints into a back buffer the size of its window rectangle,
// frame included; child windows paint into their top-level window's back buffer
// and are clipped by their parents, by the siblings above them and by window
// regions. The back buffer is presented on the display when the message loop
// goes idle.

// Adds a rectangle (client coordinates; nullptr: the whole client area) to the
// window's update region. With erase, WM_ERASEBKGND comes before WM_PAINT.
bool InvalidateRect(HWND hwnd, const RECT* rect, bool erase);
bool InvalidateRgn(HWND hwnd, const gfx::TRegion* region, bool erase);
bool ValidateRect(HWND hwnd, const RECT* rect);
bool ValidateRgn(HWND hwnd, const gfx::TRegion* region);
// The update region (client coordinates); false when there is none.
bool GetUpdateRect(HWND hwnd, RECT& rect);
gfx::TRegion GetUpdateRgn(HWND hwnd);
// Sends WM_PAINT (and WM_NCPAINT for a pending frame) at once when the window has something to paint.
bool UpdateWindow(HWND hwnd);
// RDW_INVALIDATE / RDW_VALIDATE with RDW_ERASE, RDW_FRAME (the non-client area:
// WM_NCPAINT follows), RDW_ALLCHILDREN / RDW_NOCHILDREN, RDW_UPDATENOW, RDW_ERASENOW.
bool RedrawWindow(HWND hwnd, const RECT* rect, const gfx::TRegion* region, UINT flags);

struct PAINTSTRUCT {
    HDC hdc { nullptr };
    bool fErase { false }; // true when WM_ERASEBKGND did not erase
    RECT rcPaint; // bounding box of the update region (client coordinates)
};
// Starts painting: sends WM_NCPAINT when the frame is pending and WM_ERASEBKGND
// when erasing was asked for, validates the window and returns a canvas with
// its origin at the client area's top-left and clipped to the update region
// and to the window's visible part. The canvas lives until EndPaint.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps);
bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps);

// A canvas on the client area (GetDC) or the whole window, frame included
// (GetWindowDC), clipped to the visible part. Released by ReleaseDC; while it
// is held, drawing lands in the back buffer and is presented when the loop goes idle.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
bool ReleaseDC(HWND hwnd, HDC dc);

// Scope guards for the three.
class TPaintDC {
public:
    explicit TPaintDC(HWND hwnd) : m_hwnd(hwnd) { BeginPaint(hwnd, m_ps); }
    ~TPaintDC() { EndPaint(m_hwnd, m_ps); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    gfx::TCanvas& Canvas() { return *m_ps.hdc; }
    const PAINTSTRUCT& Info() const { return m_ps; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps;
};

class TWindowDC {
public:
    // whole: the window with its frame (GetWindowDC), else the client area (GetDC).
    explicit TWindowDC(HWND hwnd, bool whole = false) : m_hwnd(hwnd), m_dc(whole ? GetWindowDC(hwnd) : GetDC(hwnd)) { }
    ~TWindowDC() { ReleaseDC(m_hwnd, m_dc); }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    bool Valid() const { return m_dc != nullptr; }
    gfx::TCanvas& Canvas() { return *m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// Window region (window coordinates): only its pixels belong to the window —
// painting outside is clipped, hit testing passes through, and the display's
// window is shaped to it where the display allows. nullopt removes it.
bool SetWindowRgn(HWND hwnd, std::optional<gfx::TRegion> region, bool redraw);
std::optional<gfx::TRegion> GetWindowRgn(HWND hwnd);

// Per-window alpha of a layered (WS_EX_LAYERED) top-level window, 0..255.
bool SetLayeredWindowAttributes(HWND hwnd, gfx::TColor key, unsigned char alpha, DWORD flags);
unsigned char GetWindowAlpha(HWND hwnd);
bool LayeredWindowsAvailable();

// The back buffer of a window's top-level window, and the window's rectangle in it.
const gfx::TBitmap* GetBackBuffer(HWND hwnd);
RECT GetRectInBackBuffer(HWND hwnd);
// A copy of a window's pixels, frame included (for a child: its part of the back buffer).
gfx::TBitmap CaptureWindow(HWND hwnd);

} // namespace wnd
