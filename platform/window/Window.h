#pragma once

#include "platform/graphics/TColor.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowStyles.h"

#include <string>
#include <vector>

namespace wnd {

// A window class: the procedure and defaults shared by the windows made from it.
struct WNDCLASS {
    UINT style { 0 }; // CS_*
    WNDPROC lpfnWndProc; // empty: DefWindowProc
    HCURSOR hCursor { 0 }; // cursor over the client area (IDC_ARROW when 0)
    gfx::TColor hbrBackground { gfx::clNone }; // WM_ERASEBKGND fill; clNone erases nothing
    std::string lpszClassName;
};

// Registers (or replaces) a class by name. False for an empty name.
bool RegisterClass(const WNDCLASS& wc);
bool UnregisterClass(const std::string& className);
bool GetClassInfo(const std::string& className, WNDCLASS& wc);

// Creates a window of a registered class. Top-level windows take screen
// coordinates, children (WS_CHILD with a parent) their parent's client
// coordinates; a top-level window with a parent has it as owner. Sends
// WM_GETMINMAXINFO (top-level), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE
// and WM_MOVE, then shows the window when WS_VISIBLE is set. Returns nullptr
// when the class is unknown or WM_NCCREATE / WM_CREATE refuse.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
    int y, int width, int height, HWND parent, int id = 0, void* createParams = nullptr);
// The same with a window procedure instead of a class (class style CS_DBLCLKS,
// arrow cursor, no background).
HWND CreateWindowEx(DWORD exStyle, WNDPROC proc, const std::string& windowName, DWORD style, int x, int y, int width,
    int height, HWND parent, int id = 0, void* createParams = nullptr);

// Destroys owned windows, then the window: hides it, sends WM_DESTROY (window
// first, then its children) and WM_NCDESTROY (children first); the handle is
// invalid afterwards. Focus, capture and activation move away from it.
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);

// The standard behaviour of a window: plain frame and caption, hit testing,
// the move and size loops, system commands, close, erase, paint.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The window procedure and its replacement. SetWindowProc returns the previous
// procedure, which the new one keeps and calls for what it does not handle.
WNDPROC GetWindowProc(HWND hwnd);
WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc);
LRESULT CallWindowProc(const WNDPROC& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// GWL_STYLE, GWL_EXSTYLE (with WM_STYLECHANGING/WM_STYLECHANGED; a changed
// frame needs SetWindowPos(SWP_FRAMECHANGED)), GWLP_USERDATA, GWLP_ID.
std::intptr_t GetWindowLongPtr(HWND hwnd, int index);
std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value);
// Style bits as stored.
DWORD GetWindowStyle(HWND hwnd);
DWORD GetWindowExStyle(HWND hwnd);

std::string GetClassName(HWND hwnd);
// Text through WM_SETTEXT / WM_GETTEXT, so a window procedure can intercept it.
bool SetWindowText(HWND hwnd, const std::string& text);
std::string GetWindowText(HWND hwnd);

// Relations. GetParent returns the parent of a child and the owner of a
// top-level window; z-order lists run from the top.
HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND parent); // nullptr parent: top-level windows
std::vector<HWND> GetChildWindows(HWND parent); // direct children, top first
std::vector<HWND> GetTopLevelWindows(); // top first
bool IsChild(HWND parent, HWND hwnd);
int GetDlgCtrlID(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);

// State.
bool ShowWindow(HWND hwnd, int command);
bool IsWindowVisible(HWND hwnd); // the window and all its ancestors visible
bool EnableWindow(HWND hwnd, bool enable); // returns whether it was disabled before
bool IsWindowEnabled(HWND hwnd);
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);

// Geometry. Window rectangles are in screen coordinates; client rectangles
// start at (0, 0).
bool GetWindowRect(HWND hwnd, RECT& rect);
bool GetClientRect(HWND hwnd, RECT& rect);
RECT GetWindowRect(HWND hwnd);
RECT GetClientRect(HWND hwnd);
// The client rectangle relative to the window's top-left corner (the frame sizes).
RECT GetClientRectInWindow(HWND hwnd);
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint = true);
bool BringWindowToTop(HWND hwnd);
// The rectangle of the window in its normal (not maximized, not minimized) state.
RECT GetNormalRect(HWND hwnd);

bool ScreenToClient(HWND hwnd, POINT& point);
bool ClientToScreen(HWND hwnd, POINT& point);
// Maps points between windows' client areas (nullptr: the screen).
void MapWindowPoints(HWND from, HWND to, POINT* points, int count);
RECT MapRect(HWND from, HWND to, RECT rect);

// The deepest visible, enabled window at a screen point (window regions and
// HTTRANSPARENT respected).
HWND WindowFromPoint(POINT screenPoint);
// The direct child (or the parent itself) under a point in parent client coordinates.
HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);

// Window properties by name (a component keeps its object on a window).
bool SetProp(HWND hwnd, const std::string& name, void* data);
void* GetProp(HWND hwnd, const std::string& name);
void* RemoveProp(HWND hwnd, const std::string& name);

// Frame metrics of the default frame for a style (before WM_NCCALCSIZE is
// answered otherwise): the client rectangle inside a window rectangle.
RECT DefaultClientRectForStyle(DWORD style, DWORD exStyle, const RECT& windowRect);
// The window rectangle a client rectangle of the given size needs with the default frame.
bool AdjustWindowRectEx(RECT& rect, DWORD style, DWORD exStyle);

} // namespace wnd
