#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/WinTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace wnd {

// Input as a display delivers it, in screen coordinates, before the window
// system decides which window gets it and as which message.
enum class TRawInputKind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Text, Composition, CompositionEnd };

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TRawInput {
    TRawInputKind kind { TRawInputKind::MouseMove };
    POINT pos; // screen coordinates (mouse kinds)
    TMouseButton button { TMouseButton::mbLeft };
    int wheelDelta { 0 }; // multiples of WHEEL_DELTA, positive away from the user
    int vk { 0 };
    bool repeat { false };
    std::string text; // UTF-8 (Text: typed text or a composition result; Composition: the text being composed)
    int cursor { 0 }; // Composition: cursor position in code points
};

// How a native top-level window behaves on the display.
enum class TNativeKind { nkNormal, nkPopup, nkTooltip };

struct TNativeWindowParams {
    RECT bounds; // screen coordinates
    TNativeKind kind { TNativeKind::nkNormal };
    bool skipTaskbar { false };
    std::string title;
    // The owner's top-level window, which the desktop keeps this one above (may be none).
    HWND owner { nullptr };
};

// What a display backend reports back to the window system.
class TBackendSink {
public:
    virtual ~TBackendSink() = default;
    virtual void RawInput(const TRawInput& input) = 0;
    // The desktop asked to close the window (e.g. from its task bar).
    virtual void NativeCloseRequested(HWND hwnd) = 0;
    virtual void NativeFocusChanged(HWND hwnd, bool gained) = 0;
    // The display lost the window's pixels; present the back buffer again.
    virtual void NativeExposed(HWND hwnd) = 0;
    // The desktop moved, resized, minimized or restored the window itself.
    virtual void NativeMoved(HWND hwnd, POINT topLeft) = 0;
    virtual void NativeResized(HWND hwnd, SIZE size) = 0;
    virtual void NativeMinimized(HWND hwnd, bool minimized) = 0;
};

// A display: real windows for the top-level windows, their input, the
// clipboard and the monitors.
class TBackend {
public:
    virtual ~TBackend() = default;

    virtual bool IsHeadless() const = 0;
    virtual std::vector<MONITORINFO> Monitors() = 0;

    virtual void CreateNative(HWND hwnd, const TNativeWindowParams& params) = 0;
    virtual void DestroyNative(HWND hwnd) = 0;
    virtual void SetNativeBounds(HWND hwnd, const RECT& bounds) = 0;
    virtual void ShowNative(HWND hwnd, bool show, bool activate) = 0;
    virtual void RaiseNative(HWND hwnd, bool activate) = 0;
    virtual void MinimizeNative(HWND hwnd, bool minimize) = 0;
    virtual void SetNativeTitle(HWND hwnd, const std::string& title) = 0;
    // Shows the pixels; the caret (screen rectangle, when visible) is drawn inverted over them.
    virtual void Present(HWND hwnd, const gfx::TBitmap& pixels, const std::optional<RECT>& caretInWindow) = 0;
    // Shapes the native window to a region (window coordinates); false when the display cannot.
    virtual bool SetNativeShape(HWND hwnd, const std::optional<gfx::TRegion>& region) = 0;
    // Opacity 0..255; false when the display cannot show it.
    virtual bool SetNativeOpacity(HWND hwnd, unsigned char alpha) = 0;
    virtual bool CanShowOpacity() const = 0;

    virtual POINT CursorPos() = 0;
    virtual void SetCursorPos(POINT p) = 0;
    virtual void SetCursorShape(HCURSOR cursor) = 0;
    virtual void CaptureMouse(bool capture) = 0;
    virtual short AsyncKeyState(int vk) = 0;

    virtual bool HasClipboardText() = 0;
    virtual std::string ClipboardText() = 0;
    virtual bool SetClipboardText(const std::string& text) = 0;
    virtual void SetTextInputRect(const RECT& screenRect) = 0;

    // Milliseconds of the clock that messages and timers use.
    virtual DWORD Now() = 0;
    // Moves whatever the display has delivered into the sink.
    virtual void Pump(TBackendSink& sink) = 0;
    // Waits until input may have arrived or `timeoutMs` passed (-1: no limit).
    // Returns false when nothing could ever arrive (a headless display with no
    // time limit and nothing scripted).
    virtual bool Wait(TBackendSink& sink, int timeoutMs) = 0;
};

} // namespace wnd
