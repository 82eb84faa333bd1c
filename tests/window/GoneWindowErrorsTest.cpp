// X errors about windows that are gone must not end the program, before,
// during or after the life of its display connection; other X errors still
// reach Xlib's handler. These tests need the X display to themselves (they
// take the clipboard), so they run only where VELTRIN_DISPLAY_TESTS is set:
// the window_display_tests entry of ctest, which holds the display lock.

#include "platform/window/SdlBackend.h"

#include <gtest/gtest.h>

// After gtest: Xlib's macros (None, Bool, Status) would break its templates.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

using namespace wnd;

namespace {

bool DisplayTestsWanted() { return std::getenv("VELTRIN_DISPLAY_TESTS") != nullptr && std::getenv("DISPLAY") != nullptr; }

// The id of a window that existed on the display and is gone now.
Window GoneWindow(Display* display)
{
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XDestroyWindow(display, window);
    XSync(display, False);
    return window;
}

// A client message to WINDOW, which the server refuses with BadWindow when
// the window is gone; the refusal comes back later, whenever the connection is
// next read (at the latest when it is closed).
void SendTo(Display* display, Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "VELTRIN_PROBE", False);
    event.xclient.format = 32;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// The window system on the display, or the process ends with status 2.
std::unique_ptr<TSdlBackend> OpenOrExit()
{
    auto backend = TSdlBackend::Open();
    if (!backend)
        std::exit(2);
    return backend;
}

// The display connection SDL's video uses, found through a hidden window.
Display* SdlDisplay()
{
    SDL_Window* probe = SDL_CreateWindow("probe", 0, 0, 10, 10, SDL_WINDOW_HIDDEN);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(probe, &info) || info.subsystem != SDL_SYSWM_X11)
        std::exit(3);
    SDL_DestroyWindow(probe);
    return info.info.x11.display;
}

void PumpFor(std::chrono::milliseconds duration)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        SDL_PumpEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Asks the clipboard's owner for its text as UTF-8, to be put on WINDOW.
void RequestClipboard(Display* display, Window window)
{
    XConvertSelection(display, XInternAtom(display, "CLIPBOARD", False), XInternAtom(display, "UTF8_STRING", False),
        XInternAtom(display, "VELTRIN_PASTE", False), window, CurrentTime);
    XFlush(display);
}

// The clipboard text as a live requester gets it from the owner ("" when no
// answer comes within two seconds), while the owner's events are pumped.
std::string ClipboardAsRequesterSeesIt(Display* display)
{
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    RequestClipboard(display, window);
    std::string text;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
        SDL_PumpEvents();
        XEvent event;
        if (XCheckTypedWindowEvent(display, window, SelectionNotify, &event)) {
            if (event.xselection.property != None) {
                Atom type;
                int format;
                unsigned long count, rest;
                unsigned char* data = nullptr;
                XGetWindowProperty(display, window, event.xselection.property, 0, 1 << 16, True, AnyPropertyType, &type,
                    &format, &count, &rest, &data);
                if (data)
                    text.assign(reinterpret_cast<const char*>(data), count);
                XFree(data);
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    XDestroyWindow(display, window);
    return text;
}

// Each of these ends the process with 0 when the BadWindow it causes was let go.

// A message to a gone window sent on SDL's own connection while it runs.
void BadWindowWhileRunning()
{
    auto backend = OpenOrExit();
    Display* display = SdlDisplay();
    SendTo(display, GoneWindow(display));
    PumpFor(std::chrono::milliseconds(50));
    backend.reset();
    std::exit(0);
}

void BadWindowDeliveredAtShutdown()
{
    auto backend = OpenOrExit();
    // A connection closed after the video ended, as SDL closes its own: its
    // error is delivered by the handler SDL put back.
    Display* other = XOpenDisplay(nullptr);
    const Window gone = GoneWindow(other);
    backend.reset();
    SendTo(other, gone);
    XCloseDisplay(other);
    std::exit(0);
}

// The clipboard's owner answers a requester whose window is gone before the
// answer arrives; the program goes on, still answers live requesters, and
// ends cleanly right after answering the last gone one.
void ClipboardRequesterGone()
{
    auto backend = OpenOrExit();
    if (!backend->SetClipboardText("kept text 笔记"))
        std::exit(2);
    Display* requester = XOpenDisplay(nullptr);
    const Window gone = XCreateSimpleWindow(requester, DefaultRootWindow(requester), 0, 0, 1, 1, 0, 0, 0);
    RequestClipboard(requester, gone);
    XDestroyWindow(requester, gone);
    XSync(requester, False);
    PumpFor(std::chrono::milliseconds(100));
    if (ClipboardAsRequesterSeesIt(requester) != "kept text 笔记")
        std::exit(4);
    const Window goneAgain = XCreateSimpleWindow(requester, DefaultRootWindow(requester), 0, 0, 1, 1, 0, 0, 0);
    RequestClipboard(requester, goneAgain);
    XDestroyWindow(requester, goneAgain);
    XSync(requester, False);
    SDL_PumpEvents();
    backend.reset();
    XCloseDisplay(requester);
    std::exit(0);
}

// Any other error still ends the program the way Xlib ends it (exit status
// 1), even with the video started a second time in the same process.
void OtherErrorAfterRestart()
{
    OpenOrExit().reset();
    auto backend = OpenOrExit();
    Display* display = SdlDisplay();
    SendTo(display, GoneWindow(display));
    XSync(display, False);
    XFreePixmap(display, GoneWindow(display)); // no such pixmap: BadPixmap
    XSync(display, False);
    std::exit(0);
}

} // namespace

TEST(GoneWindowErrors, BadWindowNeverEndsTheProgram)
{
    if (!DisplayTestsWanted())
        GTEST_SKIP() << "needs VELTRIN_DISPLAY_TESTS and an X display";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(BadWindowWhileRunning(), testing::ExitedWithCode(0), "") << "while the video runs";
    EXPECT_EXIT(BadWindowDeliveredAtShutdown(), testing::ExitedWithCode(0), "") << "after the video ended";
    EXPECT_EXIT(ClipboardRequesterGone(), testing::ExitedWithCode(0), "") << "answering a clipboard requester that is gone";
}

TEST(GoneWindowErrors, OtherErrorsStillReachXlib)
{
    if (!DisplayTestsWanted())
        GTEST_SKIP() << "needs VELTRIN_DISPLAY_TESTS and an X display";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(OtherErrorAfterRestart(), testing::ExitedWithCode(1), "BadPixmap");
}
