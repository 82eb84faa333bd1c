#pragma once

#include "platform/graphics/Geometry.h"

#include <cstdint>
#include <functional>

namespace gfx {
class TCanvas;
}

namespace wnd {

using UINT = unsigned int;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

using POINT = gfx::TPoint;
using RECT = gfx::TRect;
using SIZE = gfx::TSize;

// A window handle. The value is an identifier, never a pointer to memory: a
// handle of a destroyed window stays invalid (IsWindow is false) and is not reused.
struct HWND__;
using HWND = HWND__*;

// A drawing context is a canvas on a window's part of its top-level back buffer.
using HDC = gfx::TCanvas*;

// A system cursor, by its classic identifier (IDC_ARROW …); 0 is "no cursor".
using HCURSOR = int;

// Every window has a window procedure. It can be replaced (SetWindowProc) and
// the previous one kept and called (CallWindowProc), which is how a component
// takes over a form's frame.
using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

struct MSG {
    HWND hwnd { nullptr };
    UINT message { 0 };
    WPARAM wParam { 0 };
    LPARAM lParam { 0 };
    DWORD time { 0 };
    POINT pt; // cursor position in screen coordinates when the message was queued
};

constexpr inline std::uint16_t LOWORD(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr inline std::uint16_t HIWORD(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
// Signed coordinates packed into a message parameter (negative values survive).
constexpr inline int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lp))); }
constexpr inline int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lp))); }
constexpr inline LPARAM MAKELPARAM(int lo, int hi)
{
    return static_cast<LPARAM>(static_cast<std::int32_t>((static_cast<std::uint32_t>(lo) & 0xFFFF) | ((static_cast<std::uint32_t>(hi) & 0xFFFF) << 16)));
}
constexpr inline WPARAM MAKEWPARAM(int lo, int hi) { return static_cast<WPARAM>(static_cast<std::uint32_t>(MAKELPARAM(lo, hi))); }
constexpr inline int GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return static_cast<std::int16_t>(HIWORD(wp)); }
constexpr inline unsigned GET_KEYSTATE_WPARAM(WPARAM wp) { return LOWORD(wp); }
inline POINT PointFromLParam(LPARAM lp) { return { GET_X_LPARAM(lp), GET_Y_LPARAM(lp) }; }
inline LPARAM LParamFromPoint(POINT p) { return MAKELPARAM(p.X, p.Y); }

// Pointers travel in message parameters as in the classic interface.
template <typename T>
T* FromLParam(LPARAM lp) { return reinterpret_cast<T*>(lp); }
template <typename T>
LPARAM ToLParam(T* p) { return reinterpret_cast<LPARAM>(p); }

} // namespace wnd
