#pragma once

#include "platform/window/WinTypes.h"

#include <vector>

namespace wnd {

// A display: its whole area and its work area (without panels and task bars),
// in screen coordinates.
struct MONITORINFO {
    RECT rcMonitor;
    RECT rcWork;
    bool primary { false };
};
using HMONITOR = int; // index into EnumDisplayMonitors, 0 the primary

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;

std::vector<MONITORINFO> EnumDisplayMonitors();
HMONITOR MonitorFromPoint(POINT point, DWORD flags = MONITOR_DEFAULTTONEAREST);
HMONITOR MonitorFromRect(const RECT& rect, DWORD flags = MONITOR_DEFAULTTONEAREST);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags = MONITOR_DEFAULTTONEAREST); // -1 for none
bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info);
// Work area of the primary monitor.
RECT GetWorkArea();

// System metrics (classic indexes).
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CYVTHUMB = 9;
inline constexpr int SM_CXHTHUMB = 10;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXMIN = 28;
inline constexpr int SM_CYMIN = 29;
inline constexpr int SM_CXSIZE = 30;
inline constexpr int SM_CYSIZE = 31;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
inline constexpr int SM_CYSMCAPTION = 51;
inline constexpr int SM_CXMAXTRACK = 59;
inline constexpr int SM_CYMAXTRACK = 60;
inline constexpr int SM_CMONITORS = 80;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;
int GetSystemMetrics(int index);

// System parameters the controls use.
UINT GetDoubleClickTime(); // ms between the clicks of a double click
bool SetDoubleClickTime(UINT ms);
int GetKeyboardDelay(); // the keyboard delay setting, 0 (shortest) .. 3
int GetKeyboardSpeed(); // the keyboard repeat-rate setting, 0 (slowest) .. 31
int GetWheelScrollLines(); // lines per wheel notch; 0 means the wheel does not scroll
bool SetWheelScrollLines(int lines);

} // namespace wnd
