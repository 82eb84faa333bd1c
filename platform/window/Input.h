#pragma once

#include "platform/window/Messages.h"
#include "platform/window/VirtualKeys.h"

#include <string>

namespace wnd {

// Keyboard focus. SetFocus sends WM_KILLFOCUS to the old and WM_SETFOCUS to the
// new window and activates the new one's top-level window; returns the old focus.
HWND SetFocus(HWND hwnd);
HWND GetFocus();

// Activation of top-level windows: WM_NCACTIVATE and WM_ACTIVATE (WA_INACTIVE)
// to the old, WM_NCACTIVATE and WM_ACTIVATE to the new window; the default
// handling of WM_ACTIVATE gives the focus to the window. Windows with
// WS_EX_NOACTIVATE are never activated by a click.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// Mouse capture: every mouse message goes to the capturing window as a client
// message. Changing it sends WM_CAPTURECHANGED to the window that loses it.
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

// Mouse-leave tracking: one WM_MOUSELEAVE (WM_NCMOUSELEAVE with TME_NONCLIENT)
// when the cursor leaves the window's client area (whole window); then off.
inline constexpr DWORD TME_HOVER = 0x00000001;
inline constexpr DWORD TME_LEAVE = 0x00000002;
inline constexpr DWORD TME_NONCLIENT = 0x00000010;
inline constexpr DWORD TME_CANCEL = 0x80000000;
struct TRACKMOUSEEVENT {
    DWORD dwFlags { 0 };
    HWND hwndTrack { nullptr };
    DWORD dwHoverTime { 0 };
};
bool TrackMouseEvent(const TRACKMOUSEEVENT& tme);

// Key state as of the last message taken from the queue: bit 15 down, bit 0 toggled.
short GetKeyState(int vk);
// Key state now.
short GetAsyncKeyState(int vk);

// Cursors (the classic system cursor identifiers).
inline constexpr HCURSOR IDC_ARROW = 32512;
inline constexpr HCURSOR IDC_IBEAM = 32513;
inline constexpr HCURSOR IDC_WAIT = 32514;
inline constexpr HCURSOR IDC_CROSS = 32515;
inline constexpr HCURSOR IDC_UPARROW = 32516;
inline constexpr HCURSOR IDC_SIZENWSE = 32642;
inline constexpr HCURSOR IDC_SIZENESW = 32643;
inline constexpr HCURSOR IDC_SIZEWE = 32644;
inline constexpr HCURSOR IDC_SIZENS = 32645;
inline constexpr HCURSOR IDC_SIZEALL = 32646;
inline constexpr HCURSOR IDC_NO = 32648;
inline constexpr HCURSOR IDC_HAND = 32649;
inline constexpr HCURSOR IDC_APPSTARTING = 32650;
HCURSOR LoadCursor(HCURSOR id);
HCURSOR SetCursor(HCURSOR cursor); // returns the previous cursor
HCURSOR GetCursor();
bool GetCursorPos(POINT& point);
POINT GetCursorPos();
bool SetCursorPos(int x, int y);
// Height of the part of a cursor's image below its hot spot (where a hint goes).
int GetCursorHeightBelowHotSpot(HCURSOR cursor);

// The caret: one per program, owned by a window, drawn over the window's
// pixels when it is presented (it never touches the back buffer).
bool CreateCaret(HWND hwnd, int width, int height); // width 0: the thinnest (1 pixel)
bool DestroyCaret();
bool SetCaretPos(int x, int y); // client coordinates of the owner
bool GetCaretPos(POINT& point);
bool ShowCaret(HWND hwnd);
bool HideCaret(HWND hwnd);
UINT GetCaretBlinkTime();

// Input method. Text typed through the desktop's input method arrives as
// WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION (GCS_COMPSTR while composing,
// GCS_RESULTSTR with the result) and WM_IME_ENDCOMPOSITION; the default
// handling of a result turns it into one WM_CHAR per character (wParam: the
// Unicode code point). Plain typed text arrives as WM_CHAR directly.
std::string ImmGetCompositionString(HWND hwnd, LPARAM which); // GCS_COMPSTR or GCS_RESULTSTR, UTF-8
int ImmGetCompositionCursor(HWND hwnd);
// Where the input method shows its candidate window (client coordinates of hwnd).
bool ImmSetCompositionWindow(HWND hwnd, const RECT& caretRect);

} // namespace wnd
