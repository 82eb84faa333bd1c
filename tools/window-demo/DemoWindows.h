#pragma once

#include "platform/window/Window.h"

#include <string>

namespace demo {

// The demo's two windows; the program ends when both are closed.
struct TDemo {
    wnd::HWND plain { nullptr };
    wnd::HWND custom { nullptr };
    int open { 0 };
    std::string snapshotDir; // empty: no snapshots
};

TDemo& Demo();

// A window with the plain frame of the default window procedure.
wnd::HWND CreatePlainWindow(int x, int y, int width, int height);
// A window whose frame the procedure installed by InstallCustomFrame draws.
wnd::HWND CreateCustomWindow(int x, int y, int width, int height);

// One line on stdout: "STATE <name> x=.. y=.. w=.. h=.. state=normal|maximized|minimized".
void ReportState(wnd::HWND hwnd);
std::string NameOf(wnd::HWND hwnd);
// Writes the window, frame included, to <snapshotDir>/window-demo-<name>-<event>.png
// once the pending painting is done.
void RequestSnapshot(wnd::HWND hwnd, const std::string& event);
// The shared handling of both windows' client areas and state reports.
wnd::LRESULT ClientProc(wnd::HWND hwnd, wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam);

} // namespace demo
