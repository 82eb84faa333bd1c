#include "platform/window/WindowSystem.h"

#include "platform/window/HeadlessBackend.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/SdlBackend.h"

#include <cstdlib>
#include <stdexcept>

namespace wnd {

namespace {
    std::unique_ptr<TWindowSystem>& Slot()
    {
        static std::unique_ptr<TWindowSystem> system;
        return system;
    }

    // A real display when there is one and SDL can open it, else headless on the real clock.
    std::unique_ptr<TBackend> ChooseBackend()
    {
        const bool haveDisplay = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
        if (haveDisplay) {
            if (auto sdl = TSdlBackend::Open())
                return sdl;
        }
        return std::make_unique<THeadlessBackend>(std::vector<MONITORINFO> {}, false);
    }
}

TWindowSystem::TWindowSystem(std::unique_ptr<TBackend> backend)
    : m_backend(std::move(backend))
{
    cursorPos = m_backend->CursorPos();
}

TWindowSystem::~TWindowSystem() = default;

TWindowSystem& TWindowSystem::Instance()
{
    auto& slot = Slot();
    if (!slot)
        slot = std::make_unique<TWindowSystem>(ChooseBackend());
    return *slot;
}

bool TWindowSystem::Exists() { return Slot() != nullptr; }

void TWindowSystem::Reset(std::unique_ptr<TBackend> backend)
{
    auto& slot = Slot();
    if (slot) {
        // Destroy every window through the normal path so their procedures see WM_DESTROY.
        while (!slot->topLevels.empty())
            DestroyWindow(slot->topLevels.front());
        std::vector<HWND> rest;
        for (auto& [id, w] : slot->windows)
            rest.push_back(w->handle);
        for (HWND h : rest)
            DestroyWindow(h);
    }
    slot.reset();
    if (backend)
        slot = std::make_unique<TWindowSystem>(std::move(backend));
}

TWindowObject* TWindowSystem::Find(HWND hwnd)
{
    auto it = windows.find(reinterpret_cast<std::uintptr_t>(hwnd));
    return it == windows.end() ? nullptr : it->second.get();
}

TWindowObject& TWindowSystem::Get(HWND hwnd)
{
    if (TWindowObject* w = Find(hwnd))
        return *w;
    throw std::invalid_argument("invalid window handle");
}

HWND TWindowSystem::NewHandle() { return reinterpret_cast<HWND>(m_nextHandle++); }

void TWindowSystem::RawInput(const TRawInput& input)
{
    // Consecutive moves collapse into the latest one, as a display's queue does.
    if (input.kind == TRawInputKind::MouseMove && !queue.empty() && queue.back().raw
        && queue.back().input.kind == TRawInputKind::MouseMove) {
        queue.back().input = input;
        return;
    }
    TQueueEntry entry;
    entry.seq = nextSeq++;
    entry.raw = true;
    entry.input = input;
    entry.msg.time = m_backend->Now();
    entry.msg.pt = input.pos;
    queue.push_back(std::move(entry));
}

void TWindowSystem::NativeCloseRequested(HWND hwnd)
{
    if (Find(hwnd))
        PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TWindowSystem::NativeFocusChanged(HWND hwnd, bool gained)
{
    TWindowObject* w = Find(hwnd);
    if (!w)
        return;
    if (gained) {
        if (active != hwnd && !(w->exStyle & WS_EX_NOACTIVATE) && IsWindowEnabled(hwnd))
            detail::ActivateWindow(hwnd, WA_ACTIVE);
    } else if (active == hwnd) {
        detail::ActivateWindow(nullptr, WA_INACTIVE);
    }
}

void TWindowSystem::NativeExposed(HWND hwnd)
{
    if (TWindowObject* w = Find(hwnd))
        w->presentDirty = true;
}

void TWindowSystem::NativeMoved(HWND hwnd, POINT topLeft)
{
    TWindowObject* w = Find(hwnd);
    if (!w || (w->rect.Left == topLeft.X && w->rect.Top == topLeft.Y))
        return;
    SetWindowPos(hwnd, nullptr, topLeft.X, topLeft.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindowSystem::NativeResized(HWND hwnd, SIZE size)
{
    TWindowObject* w = Find(hwnd);
    if (!w || (w->rect.Width() == size.cx && w->rect.Height() == size.cy))
        return;
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindowSystem::NativeMinimized(HWND hwnd, bool minimized)
{
    TWindowObject* w = Find(hwnd);
    if (!w || minimized == ((w->style & WS_MINIMIZE) != 0))
        return;
    ShowWindow(hwnd, minimized ? SW_SHOWMINNOACTIVE : SW_RESTORE);
}

} // namespace wnd
