#pragma once

// Internal state of the window system; not for use outside platform/window.

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wnd {

struct TWindowObject {
    HWND handle { nullptr };
    std::string className;
    UINT classStyle { 0 };
    HCURSOR classCursor { 0 };
    gfx::TColor background { gfx::clNone };
    std::shared_ptr<const WNDPROC> proc;

    DWORD style { 0 };
    DWORD exStyle { 0 };
    HWND parent { nullptr }; // children only
    HWND owner { nullptr }; // top-level windows only
    bool messageOnly { false };
    std::vector<HWND> children; // z-order, top first

    RECT rect; // parent client coordinates (child) or screen coordinates (top-level)
    RECT client; // client rectangle relative to the window's top-left corner
    std::optional<RECT> normalRect; // kept while maximized or minimized
    bool restoreMaximized { false }; // minimized from the maximized state

    std::string text;
    int id { 0 };
    std::intptr_t userData { 0 };
    std::map<std::string, void*> props;
    bool destroying { false };

    // painting (update region in client coordinates)
    gfx::TRegion update;
    bool erase { false };
    bool frameDirty { false };
    bool redraw { true };
    bool ncActive { false }; // the frame is drawn active (last WM_NCACTIVATE)
    LRESULT pressedFrameButton { 0 }; // caption button held down (HTCLOSE …), drawn pushed
    bool beganPaint { false };
    std::optional<gfx::TRegion> windowRgn;
    std::unique_ptr<gfx::TCanvas> paintCanvas;
    std::vector<std::unique_ptr<gfx::TCanvas>> dcs;

    // top-level windows
    std::unique_ptr<gfx::TBitmap> backBuffer;
    bool presentDirty { false };
    bool native { false };
    unsigned char alpha { 255 };

    bool IsChild() const { return parent != nullptr; }
};

struct TQueueEntry {
    std::uint64_t seq { 0 };
    bool raw { false };
    MSG msg;
    TRawInput input;
};

struct TTimer {
    HWND hwnd { nullptr };
    WPARAM id { 0 };
    UINT interval { 0 };
    DWORD due { 0 };
    std::uint64_t order { 0 };
};

struct TCaret {
    HWND owner { nullptr };
    int width { 1 };
    int height { 0 };
    POINT pos;
    int hideCount { 1 };
    bool blinkOn { true };
    DWORD lastBlink { 0 };
};

struct TComposition {
    HWND hwnd { nullptr };
    std::string text;
    std::string result;
    int cursor { 0 };
    bool active { false };
};

class TWindowSystem final : public TBackendSink {
public:
    explicit TWindowSystem(std::unique_ptr<TBackend> backend);
    ~TWindowSystem() override;

    static TWindowSystem& Instance();
    // Replaces the window system (all windows destroyed) with one on this backend.
    static void Reset(std::unique_ptr<TBackend> backend);
    static bool Exists();

    TWindowObject* Find(HWND hwnd);
    TWindowObject& Get(HWND hwnd); // throws std::invalid_argument for an invalid handle
    HWND NewHandle();

    TBackend& Backend() { return *m_backend; }

    // TBackendSink
    void RawInput(const TRawInput& input) override;
    void NativeCloseRequested(HWND hwnd) override;
    void NativeFocusChanged(HWND hwnd, bool gained) override;
    void NativeExposed(HWND hwnd) override;
    void NativeMoved(HWND hwnd, POINT topLeft) override;
    void NativeResized(HWND hwnd, SIZE size) override;
    void NativeMinimized(HWND hwnd, bool minimized) override;

    std::map<std::uintptr_t, std::unique_ptr<TWindowObject>> windows;
    std::vector<HWND> topLevels; // z-order, top first
    std::map<std::string, WNDCLASS> classes;
    std::deque<TQueueEntry> queue;
    std::uint64_t nextSeq { 1 };
    std::vector<TTimer> timers;
    std::uint64_t timerOrder { 0 };
    bool quitPending { false };
    int quitCode { 0 };
    MSG lastMessage;
    std::uint64_t lastSeq { 0 }; // queue position of the last message taken
    int dispatchDepth { 0 }; // dispatched messages whose handlers are running
    std::vector<MSG> postWhenHandlersReturn;
    DWORD lastPresent { 0 };

    HWND focus { nullptr };
    HWND active { nullptr };
    HWND capture { nullptr };
    HWND trackLeave { nullptr };
    bool trackNonClient { false };
    HWND lastMouseWindow { nullptr };
    LRESULT lastMouseHit { HTNOWHERE };
    HCURSOR cursor { 32512 };
    POINT cursorPos;
    unsigned mouseButtons { 0 }; // MK_* of the buttons held
    short keyState[256] {};
    bool altAlone { false }; // Alt went down and nothing else was pressed since

    // double clicks
    DWORD lastClickTime { 0 };
    HWND lastClickWindow { nullptr };
    UINT lastClickMessage { 0 };
    POINT lastClickPos;
    bool lastClickWasDouble { false };

    TCaret caret;
    TComposition composition;
    UINT doubleClickTime { 500 };
    int wheelScrollLines { 3 };
    std::string headlessClipboard;

private:
    std::unique_ptr<TBackend> m_backend;
    std::uintptr_t m_nextHandle { 0x10 };
};

// Shortcut used across the implementation.
inline TWindowSystem& Sys() { return TWindowSystem::Instance(); }

// Internal operations shared between the implementation files.
namespace detail {
    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND TopLevelOf(HWND hwnd);
    POINT ScreenOrigin(const TWindowObject& w); // window's top-left corner on the screen
    RECT WindowRectInBackBuffer(HWND hwnd);
    gfx::TRegion VisibleRegion(HWND hwnd, bool clientOnly); // back-buffer coordinates
    bool IsVisibleChain(HWND hwnd);
    void MarkPresent(HWND hwnd);
    void PresentAll();
    void InvalidateAll(HWND hwnd, bool erase, bool frame, bool children);
    void InvalidateParentArea(HWND hwnd, const RECT& rectInParent);
    void RecalcClient(HWND hwnd, bool sendCalcSize);
    void ResizeBackBuffer(TWindowObject& w);
    void PurgeWindow(HWND hwnd);
    void ActivateWindow(HWND hwnd, unsigned how);
    void DefaultMinMax(HWND hwnd, MINMAXINFO& info);
    MINMAXINFO QueryMinMax(HWND hwnd);
    // Turns the queued input with this sequence number into the messages it stands for, in its place.
    void TranslateRaw(std::uint64_t seq);
    void InsertMessages(std::uint64_t afterSeq, const std::vector<MSG>& messages);
    LRESULT HitTest(HWND hwnd, POINT screen);
    // The deepest window at a screen point and its hit-test answer (WM_NCHITTEST sent when asked).
    std::pair<HWND, LRESULT> TargetAt(POINT screen, bool sendHitTest);
    void ActivateNextTopLevel(HWND leaving);
    void RunSizeMoveLoop(HWND hwnd, WPARAM command);
    void TrackFrameButton(HWND hwnd, LRESULT hit);
    void PaintDefaultFrame(HWND hwnd);
    // The default frame's caption buttons (window coordinates), empty when the style has none.
    RECT FrameButtonRect(HWND hwnd, LRESULT button);
    LRESULT DefaultHitTest(HWND hwnd, POINT screen);
    void EnsureNative(HWND hwnd);
    void CaretBlink();
    std::optional<RECT> CaretRectInWindow(HWND topLevel);
    void DropTimers(HWND hwnd);
    std::optional<TTimer> DueTimer(HWND filter, DWORD now);
    int MillisecondsToNextTimer(DWORD now);
    void RestartTimer(HWND hwnd, WPARAM id, DWORD now);
    void ReleaseWindowCanvases(TWindowObject& w);
} // namespace detail

} // namespace wnd
