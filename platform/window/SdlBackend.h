#pragma once

#include "platform/window/Backend.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>

struct SDL_Window;
struct SDL_Cursor;
struct SDL_SysWMmsg;
union SDL_Event;

namespace wnd {

// A real display through SDL2: each visible top-level window is an undecorated
// SDL window (pop-ups as pop-up-menu or tooltip windows) showing its back buffer.
class TSdlBackend final : public TBackend {
public:
    // nullptr when SDL's video cannot start (no display).
    static std::unique_ptr<TSdlBackend> Open();
    ~TSdlBackend() override;

    bool IsHeadless() const override { return false; }
    std::vector<MONITORINFO> Monitors() override;
    void CreateNative(HWND hwnd, const TNativeWindowParams& params) override;
    void DestroyNative(HWND hwnd) override;
    void SetNativeBounds(HWND hwnd, const RECT& bounds) override;
    void ShowNative(HWND hwnd, bool show, bool activate) override;
    void RaiseNative(HWND hwnd, bool activate) override;
    void MinimizeNative(HWND hwnd, bool minimize) override;
    void SetNativeTitle(HWND hwnd, const std::string& title) override;
    void Present(HWND hwnd, const gfx::TBitmap& pixels, const std::optional<RECT>& caretInWindow) override;
    bool SetNativeShape(HWND hwnd, const std::optional<gfx::TRegion>& region) override;
    bool SetNativeOpacity(HWND hwnd, unsigned char alpha) override;
    bool CanShowOpacity() const override { return true; }
    POINT CursorPos() override;
    void SetCursorPos(POINT p) override;
    void SetCursorShape(HCURSOR cursor) override;
    void CaptureMouse(bool capture) override;
    short AsyncKeyState(int vk) override;
    bool HasClipboardText() override;
    std::string ClipboardText() override;
    bool SetClipboardText(const std::string& text) override;
    void SetTextInputRect(const RECT& screenRect) override;
    DWORD Now() override;
    void Pump(TBackendSink& sink) override;
    bool Wait(TBackendSink& sink, int timeoutMs) override;

private:
    TSdlBackend() = default;

    struct TNative {
        SDL_Window* window { nullptr };
        // Bounds we asked for and the display has not confirmed yet: their
        // move and size events are echoes, not the desktop's doing.
        std::deque<POINT> pendingPositions;
        std::deque<SIZE> pendingSizes;
    };

    TNative* NativeOf(HWND hwnd);
    HWND WindowFromId(unsigned id);
    void HandleWindowEvent(const SDL_Event& e, TBackendSink& sink);
    void HandleEvent(const SDL_Event& e, TBackendSink& sink);
    // The display reports each pointer event with its screen position before
    // SDL passes it on relative to the window. That one is kept for the event:
    // adding the window-relative position to the window's origin goes wrong
    // while the window moves under the pointer (sizing from the left or top
    // edge), because SDL takes the new origin before the display has moved
    // the window and reported the events that came before.
    void RememberScreenPosition(const SDL_SysWMmsg& msg);
    POINT MouseEventPos(std::uint32_t windowId, int x, int y);

    std::map<HWND, TNative> m_natives;
    // The cursor as the last mouse event placed it (the display's global
    // pointer query can lag behind synthetic input).
    POINT m_cursor;
    bool m_haveCursor { false };
    std::optional<POINT> m_eventScreenPos;
    std::map<HCURSOR, SDL_Cursor*> m_cursors;
};

} // namespace wnd
