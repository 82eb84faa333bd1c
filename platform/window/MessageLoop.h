#pragma once

#include "platform/window/Messages.h"
#include "platform/window/WindowStyles.h"

namespace wnd {

// Calls the window procedure at once and returns its result (nested sends are
// fine: everything runs on the one user-interface thread). 0 for an invalid handle.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Appends a message to the queue. A nullptr window posts a thread message.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);

// Takes the next message, waiting for one: posted messages and input in the
// order they arrived, then WM_QUIT, then WM_PAINT for windows with an update
// region, then WM_TIMER for due timers. A hwnd filter takes only that window's
// messages; a range filter (min..max, both 0 for all) only those numbers.
// Returns false for WM_QUIT.
bool GetMessage(MSG& msg, HWND hwnd = nullptr, UINT filterMin = 0, UINT filterMax = 0);
// Like GetMessage without waiting; PM_NOREMOVE leaves the message in the queue.
bool PeekMessage(MSG& msg, HWND hwnd = nullptr, UINT filterMin = 0, UINT filterMax = 0, UINT removeFlags = PM_REMOVE);
// Blocks until a message is available. Headless, with nothing that could ever
// arrive (no posted message, no timer, no harness idle handler), it throws
// std::logic_error instead of hanging.
void WaitMessage();
// Turns key-downs of keys that type a control character (Enter, Backspace,
// Tab, Esc, Ctrl+letter) into WM_CHAR, placed next in the queue. Printable
// characters arrive as WM_CHAR from the text input (and the input method).
bool TranslateMessage(const MSG& msg);
// Calls the window procedure of msg.hwnd. After a WM_PAINT whose handler did
// not validate the window, the window is validated, so paint never repeats forever.
LRESULT DispatchMessage(const MSG& msg);

// How many dispatched messages are being handled right now: 1 inside a
// handler called by a message loop, more when a handler runs a loop of its
// own (ProcessMessages, a modal dialog, a menu) that dispatches again.
int DispatchDepth();
// Posts the message once every handler running now has returned (at once
// when none runs). Work that would pull an object from under a running
// handler, such as freeing a form, waits this way.
void PostWhenHandlersReturn(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

// "Process pending messages": handles every message that is available now
// (posted, input, paint, due timers) and returns; re-posts WM_QUIT when it meets it.
void ProcessMessages();
// The standard loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Time (milliseconds of the system clock) and cursor position of the last
// message taken from the queue.
DWORD GetMessageTime();
POINT GetMessagePos();
// Milliseconds since the window system started (the clock messages and timers use).
DWORD GetTickCount();

} // namespace wnd
