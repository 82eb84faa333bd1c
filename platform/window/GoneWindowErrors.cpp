#include "platform/window/GoneWindowErrors.h"

#include <X11/Xlib.h>

namespace wnd {

namespace {
    // The handler behind each of the program's two: Xlib's (print and exit)
    // behind the outer one, SDL's behind the inner one.
    XErrorHandler g_behindOuter = nullptr;
    XErrorHandler g_behindInner = nullptr;

    int Forward(XErrorHandler next, Display* display, XErrorEvent* error)
    {
        if (error->error_code == BadWindow)
            return 0;
        return next ? next(display, error) : 0;
    }

    int OuterHandler(Display* display, XErrorEvent* error) { return Forward(g_behindOuter, display, error); }
    int InnerHandler(Display* display, XErrorEvent* error) { return Forward(g_behindInner, display, error); }

    bool IsOurs(XErrorHandler handler) { return handler == OuterHandler || handler == InnerHandler; }

    // Puts HANDLER in front; what was there becomes BEHIND unless it is one of
    // the program's own, which would make the chain a loop.
    void Install(XErrorHandler handler, XErrorHandler& behind)
    {
        const XErrorHandler previous = XSetErrorHandler(handler);
        if (!IsOurs(previous))
            behind = previous;
    }
}

void IgnoreGoneWindowErrorsBeforeVideo() { Install(OuterHandler, g_behindOuter); }

void IgnoreGoneWindowErrorsAfterVideo() { Install(InnerHandler, g_behindInner); }

} // namespace wnd
