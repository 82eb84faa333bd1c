#include "platform/window/HeadlessHarness.h"

#include "platform/window/HeadlessBackend.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"
#include "platform/window/WindowSystem.h"

#include <cstdlib>
#include <filesystem>

namespace wnd {

namespace {
    std::vector<MONITORINFO> DefaultMonitors()
    {
        MONITORINFO m;
        m.rcMonitor = gfx::Rect(0, 0, 1024, 768);
        m.rcWork = gfx::Rect(0, 0, 1024, 728);
        m.primary = true;
        return { m };
    }

    TRawInput Mouse(TRawInputKind kind, int x, int y, TMouseButton button = TMouseButton::mbLeft)
    {
        TRawInput in;
        in.kind = kind;
        in.pos = { x, y };
        in.button = button;
        return in;
    }
}

THeadlessHarness::THeadlessHarness()
    : THeadlessHarness(DefaultMonitors())
{
}

THeadlessHarness::THeadlessHarness(std::vector<MONITORINFO> monitors)
{
    auto backend = std::make_unique<THeadlessBackend>(std::move(monitors), true);
    m_backend = backend.get();
    TWindowSystem::Reset(std::move(backend));
}

THeadlessHarness::~THeadlessHarness()
{
    // The procedures of windows still alive may belong to objects the test has
    // already destroyed: the windows go without calling them.
    for (auto& [id, w] : Sys().windows)
        w->proc = std::make_shared<const WNDPROC>(DefWindowProc);
    TWindowSystem::Reset(nullptr);
}

void THeadlessHarness::Queue(const TRawInput& input) { m_backend->QueueInput(input); }

void THeadlessHarness::ProcessMessages() { wnd::ProcessMessages(); }

void THeadlessHarness::MoveMouse(int x, int y)
{
    Queue(Mouse(TRawInputKind::MouseMove, x, y));
    ProcessMessages();
}

void THeadlessHarness::MouseDown(int x, int y, TMouseButton button)
{
    Queue(Mouse(TRawInputKind::MouseMove, x, y));
    Queue(Mouse(TRawInputKind::ButtonDown, x, y, button));
    ProcessMessages();
}

void THeadlessHarness::MouseUp(int x, int y, TMouseButton button)
{
    Queue(Mouse(TRawInputKind::ButtonUp, x, y, button));
    ProcessMessages();
}

void THeadlessHarness::Click(int x, int y, TMouseButton button)
{
    Queue(Mouse(TRawInputKind::MouseMove, x, y));
    Queue(Mouse(TRawInputKind::ButtonDown, x, y, button));
    Queue(Mouse(TRawInputKind::ButtonUp, x, y, button));
    ProcessMessages();
}

void THeadlessHarness::DoubleClick(int x, int y)
{
    Queue(Mouse(TRawInputKind::MouseMove, x, y));
    for (int i = 0; i < 2; ++i) {
        Queue(Mouse(TRawInputKind::ButtonDown, x, y));
        Queue(Mouse(TRawInputKind::ButtonUp, x, y));
    }
    ProcessMessages();
}

void THeadlessHarness::Drag(POINT from, POINT to, int steps)
{
    Queue(Mouse(TRawInputKind::MouseMove, from.X, from.Y));
    Queue(Mouse(TRawInputKind::ButtonDown, from.X, from.Y));
    steps = std::max(1, steps);
    for (int i = 1; i <= steps; ++i) {
        const int x = from.X + (to.X - from.X) * i / steps;
        const int y = from.Y + (to.Y - from.Y) * i / steps;
        Queue(Mouse(TRawInputKind::MouseMove, x, y));
    }
    Queue(Mouse(TRawInputKind::ButtonUp, to.X, to.Y));
    ProcessMessages();
}

void THeadlessHarness::Wheel(int x, int y, int delta)
{
    TRawInput in = Mouse(TRawInputKind::Wheel, x, y);
    in.wheelDelta = delta;
    Queue(in);
    ProcessMessages();
}

void THeadlessHarness::KeyDown(int vk)
{
    TRawInput in;
    in.kind = TRawInputKind::KeyDown;
    in.vk = vk;
    Queue(in);
    ProcessMessages();
}

void THeadlessHarness::KeyUp(int vk)
{
    TRawInput in;
    in.kind = TRawInputKind::KeyUp;
    in.vk = vk;
    Queue(in);
    ProcessMessages();
}

void THeadlessHarness::PressKey(int vk)
{
    KeyDown(vk);
    KeyUp(vk);
}

void THeadlessHarness::TypeText(const std::string& utf8)
{
    TRawInput in;
    in.kind = TRawInputKind::Text;
    in.text = utf8;
    Queue(in);
    ProcessMessages();
}

void THeadlessHarness::Compose(const std::string& utf8, int cursor)
{
    TRawInput in;
    in.kind = TRawInputKind::Composition;
    in.text = utf8;
    in.cursor = cursor;
    Queue(in);
    ProcessMessages();
}

void THeadlessHarness::CommitComposition(const std::string& utf8) { TypeText(utf8); }

void THeadlessHarness::AdvanceTime(int ms)
{
    const DWORD target = m_backend->Now() + static_cast<DWORD>(std::max(0, ms));
    ProcessMessages();
    for (;;) {
        const DWORD now = m_backend->Now();
        const int next = detail::MillisecondsToNextTimer(now);
        const int left = static_cast<int>(target - now);
        if (next < 0 || next > left) {
            m_backend->Advance(left);
            ProcessMessages();
            return;
        }
        m_backend->Advance(next);
        ProcessMessages();
    }
}

DWORD THeadlessHarness::Now() const { return m_backend->Now(); }

void THeadlessHarness::SetIdleHandler(std::function<bool()> handler) { m_backend->SetIdleHandler(std::move(handler)); }

gfx::TBitmap THeadlessHarness::Capture(HWND hwnd) const { return CaptureWindow(hwnd); }

std::string THeadlessHarness::SaveSnapshot(HWND hwnd, const std::string& name) const
{
    const char* dir = std::getenv("VELTRIN_SNAPSHOT_DIR");
    const std::filesystem::path folder = dir && *dir ? std::filesystem::path(dir) : std::filesystem::temp_directory_path() / "veltrin-snapshots";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / (name + ".png")).string();
    CaptureWindow(hwnd).SaveToPngFile(path);
    return path;
}

} // namespace wnd
