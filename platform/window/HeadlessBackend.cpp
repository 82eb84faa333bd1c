#include "platform/window/HeadlessBackend.h"

#include <chrono>
#include <thread>

namespace wnd {

THeadlessBackend::THeadlessBackend(std::vector<MONITORINFO> monitors, bool manualClock)
    : m_monitors(std::move(monitors))
    , m_manual(manualClock)
{
}

DWORD THeadlessBackend::Now()
{
    if (m_manual)
        return m_now;
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now() - start).count()) + 1000;
}

void THeadlessBackend::Pump(TBackendSink& sink)
{
    while (!m_pending.empty()) {
        TRawInput input = std::move(m_pending.front());
        m_pending.pop_front();
        if (input.kind != TRawInputKind::Text && input.kind != TRawInputKind::Composition
            && input.kind != TRawInputKind::CompositionEnd && input.kind != TRawInputKind::KeyDown
            && input.kind != TRawInputKind::KeyUp)
            m_cursor = input.pos;
        sink.RawInput(input);
    }
}

bool THeadlessBackend::Wait(TBackendSink& sink, int timeoutMs)
{
    if (!m_pending.empty()) {
        Pump(sink);
        return true;
    }
    if (timeoutMs >= 0) {
        if (m_manual)
            m_now += static_cast<DWORD>(timeoutMs);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
        return true;
    }
    if (m_idle && m_idle()) {
        Pump(sink);
        return true;
    }
    return false;
}

} // namespace wnd
