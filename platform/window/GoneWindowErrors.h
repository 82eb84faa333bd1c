#pragma once

namespace wnd {

// Requests the display had queued for a window that is gone by the time they
// arrive (a closed menu, a clipboard requester that went away, the window SDL
// sends its wake-up message to) are refused as BadWindow; that is no reason to
// end the program. Xlib's own handler prints such an error and exits, so the
// program puts a handler in front that drops BadWindow and passes every other
// error on.
//
// SDL puts a handler of its own in front of whatever it finds when its video
// starts, and puts that one back when its video ends, just before it closes
// the display connection, which delivers every error still on the way. So the
// program's handler goes in twice: once before SDL's video starts, so that it
// is what SDL finds and later restores, and once after, in front of SDL's.
// Both are safe to call again when the video is started anew.
void IgnoreGoneWindowErrorsBeforeVideo();
void IgnoreGoneWindowErrorsAfterVideo();

} // namespace wnd
