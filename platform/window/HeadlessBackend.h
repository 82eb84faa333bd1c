#pragma once

#include "platform/window/Backend.h"

#include <deque>
#include <functional>

namespace wnd {

// A display that is not there: native windows are remembered but not shown,
// input comes from a script (THeadlessHarness) and time from a manual clock
// (or the real one).
class THeadlessBackend final : public TBackend {
public:
    explicit THeadlessBackend(std::vector<MONITORINFO> monitors, bool manualClock);

    void QueueInput(const TRawInput& input) { m_pending.push_back(input); }
    void Advance(int ms) { m_now += static_cast<DWORD>(ms); }
    void SetIdleHandler(std::function<bool()> handler) { m_idle = std::move(handler); }
    bool ManualClock() const { return m_manual; }

    bool IsHeadless() const override { return true; }
    std::vector<MONITORINFO> Monitors() override { return m_monitors; }
    void CreateNative(HWND, const TNativeWindowParams&) override { }
    void DestroyNative(HWND) override { }
    void SetNativeBounds(HWND, const RECT&) override { }
    void ShowNative(HWND, bool, bool) override { }
    void RaiseNative(HWND, bool) override { }
    void MinimizeNative(HWND, bool) override { }
    void SetNativeTitle(HWND, const std::string&) override { }
    void Present(HWND, const gfx::TBitmap&, const std::optional<RECT>&) override { }
    bool SetNativeShape(HWND, const std::optional<gfx::TRegion>&) override { return true; }
    bool SetNativeOpacity(HWND, unsigned char) override { return true; }
    bool CanShowOpacity() const override { return true; }
    POINT CursorPos() override { return m_cursor; }
    void SetCursorPos(POINT p) override { m_cursor = p; }
    void SetCursorShape(HCURSOR) override { }
    void CaptureMouse(bool) override { }
    short AsyncKeyState(int) override { return 0; }
    bool HasClipboardText() override { return !m_clipboard.empty(); }
    std::string ClipboardText() override { return m_clipboard; }
    bool SetClipboardText(const std::string& text) override
    {
        m_clipboard = text;
        return true;
    }
    void SetTextInputRect(const RECT&) override { }
    DWORD Now() override;
    void Pump(TBackendSink& sink) override;
    bool Wait(TBackendSink& sink, int timeoutMs) override;

private:
    std::vector<MONITORINFO> m_monitors;
    bool m_manual;
    DWORD m_now { 1000 };
    POINT m_cursor;
    std::string m_clipboard;
    std::deque<TRawInput> m_pending;
    std::function<bool()> m_idle;
};

} // namespace wnd
