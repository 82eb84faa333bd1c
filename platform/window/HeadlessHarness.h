#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/window/Backend.h"
#include "platform/window/Input.h"

#include <functional>
#include <string>
#include <vector>

namespace wnd {

class THeadlessBackend;

// Drives the window system without a display, for tests: while it lives, the
// window system runs headless (windows exist, get messages and paint into their
// back buffers) on a clock that moves only when told to or when a loop would
// otherwise wait for the next timer. Its input methods queue synthetic input as
// a display would deliver it and then handle all pending messages. Destroying
// the harness destroys every window still there, with the default window
// procedure only (the test's own procedures may be gone by then).
class THeadlessHarness {
public:
    // One monitor of 1024 x 768 whose work area leaves 40 pixels for a task bar.
    THeadlessHarness();
    explicit THeadlessHarness(std::vector<MONITORINFO> monitors);
    ~THeadlessHarness();
    THeadlessHarness(const THeadlessHarness&) = delete;
    THeadlessHarness& operator=(const THeadlessHarness&) = delete;

    // --- input (screen coordinates), each followed by ProcessMessages --------
    void MoveMouse(int x, int y);
    void MouseDown(int x, int y, TMouseButton button = TMouseButton::mbLeft);
    void MouseUp(int x, int y, TMouseButton button = TMouseButton::mbLeft);
    void Click(int x, int y, TMouseButton button = TMouseButton::mbLeft);
    void DoubleClick(int x, int y);
    // Press at `from`, move in `steps` steps to `to`, release: queued as a
    // whole first, so loops that start on the press (move, size) see the rest.
    void Drag(POINT from, POINT to, int steps = 4);
    void Wheel(int x, int y, int delta);
    void KeyDown(int vk);
    void KeyUp(int vk);
    void PressKey(int vk); // down and up
    void TypeText(const std::string& utf8);
    // Input method: composing text, then the result committed.
    void Compose(const std::string& utf8, int cursor);
    void CommitComposition(const std::string& utf8);

    // Queues input without handling it (for scripts that a nested loop reads).
    void Queue(const TRawInput& input);
    void ProcessMessages();

    // Moves the clock by ms, handling the timers that fall due on the way, in order.
    void AdvanceTime(int ms);
    DWORD Now() const;

    // Called when a loop would wait forever; it may queue input or post
    // messages and returns false when it has nothing more to give.
    void SetIdleHandler(std::function<bool()> handler);

    // Pixels of a window, frame included.
    gfx::TBitmap Capture(HWND hwnd) const;
    // Writes them as PNG to $VELTRIN_SNAPSHOT_DIR/<name>.png (a folder in the
    // temporary directory without the variable) and returns the path.
    std::string SaveSnapshot(HWND hwnd, const std::string& name) const;

private:
    THeadlessBackend* m_backend;
};

} // namespace wnd
