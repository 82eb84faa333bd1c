#pragma once

#include "platform/window/WinTypes.h"

namespace selfdrawn {

// Runs chosen menu entries once their menu has closed. A hidden window of its
// own receives the entry's number by a posted message; when it arrives, the
// handler first lets every pending message through (the menu's window is
// gone, the control has its focus back), then runs the entry if it still
// exists.
class TSeClickHandler {
public:
    // The message carrying an entry number in its second parameter.
    static constexpr wnd::UINT kClickMessage = 0x0400 + 1210;

    // Posts the entry with this number to be run later.
    static void Post(unsigned ItemId);
    // The handler's window, made on first use (again after the window system was reset).
    static wnd::HWND Handle();

private:
    static wnd::LRESULT WindowProc(wnd::HWND Hwnd, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam);
};

} // namespace selfdrawn
