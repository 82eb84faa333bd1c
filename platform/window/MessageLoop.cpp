#include "platform/window/MessageLoop.h"

#include "platform/window/Input.h"
#include "platform/window/Painting.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <stdexcept>

namespace wnd {

namespace detail {

    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w)
            return 0;
        // Keep the procedure alive even if it replaces itself or destroys the window.
        const std::shared_ptr<const WNDPROC> proc = w->proc;
        return (*proc)(hwnd, msg, wParam, lParam);
    }

    void InsertMessages(std::uint64_t afterSeq, const std::vector<MSG>& messages)
    {
        auto& queue = Sys().queue;
        auto pos = std::find_if(queue.begin(), queue.end(), [&](const TQueueEntry& e) { return e.seq > afterSeq; });
        std::vector<TQueueEntry> entries;
        for (const MSG& m : messages) {
            TQueueEntry e;
            e.seq = afterSeq;
            e.msg = m;
            entries.push_back(e);
        }
        queue.insert(pos, entries.begin(), entries.end());
    }

} // namespace detail

namespace {
    constexpr DWORD kNoTimerLimit = 0;

    bool InRange(UINT message, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (message >= lo && message <= hi); }

    bool Matches(const MSG& m, HWND filter, UINT lo, UINT hi)
    {
        if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd))
            return false;
        return InRange(m.message, lo, hi);
    }

    HWND FindPaintable(HWND hwnd, HWND filter)
    {
        TWindowObject* w = Sys().Find(hwnd);
        if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE) || w->messageOnly)
            return nullptr;
        const bool wanted = !filter || hwnd == filter || IsChild(filter, hwnd);
        if (wanted && w->redraw && (!w->update.Empty() || w->frameDirty))
            return hwnd;
        for (HWND c : std::vector<HWND>(w->children))
            if (HWND found = FindPaintable(c, filter))
                return found;
        return nullptr;
    }

    HWND NextPaintWindow(HWND filter)
    {
        for (HWND top : std::vector<HWND>(Sys().topLevels))
            if (HWND found = FindPaintable(top, filter))
                return found;
        return nullptr;
    }

    bool Fetch(MSG& out, HWND filter, UINT lo, UINT hi, bool remove, DWORD timerLimit)
    {
        auto& sys = Sys();
        sys.Backend().Pump(sys);
        for (std::size_t i = 0; i < sys.queue.size();) {
            if (sys.queue[i].raw) {
                detail::TranslateRaw(sys.queue[i].seq);
                continue;
            }
            const MSG m = sys.queue[i].msg;
            const std::uint64_t seq = sys.queue[i].seq;
            if (m.hwnd && !sys.Find(m.hwnd)) {
                sys.queue.erase(sys.queue.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            if (Matches(m, filter, lo, hi)) {
                if (remove)
                    sys.queue.erase(sys.queue.begin() + static_cast<std::ptrdiff_t>(i));
                out = m;
                sys.lastMessage = m;
                sys.lastSeq = seq;
                return true;
            }
            ++i;
        }
        if (sys.quitPending && !filter) {
            out = MSG {};
            out.message = WM_QUIT;
            out.wParam = static_cast<WPARAM>(sys.quitCode);
            out.time = sys.Backend().Now();
            if (remove)
                sys.quitPending = false;
            return true;
        }
        if (InRange(WM_PAINT, lo, hi) || InRange(WM_NCPAINT, lo, hi)) {
            while (HWND p = NextPaintWindow(filter)) {
                TWindowObject& w = sys.Get(p);
                if (w.update.Empty()) {
                    // Only the frame is pending: paint it here, no WM_PAINT needed.
                    w.frameDirty = false;
                    detail::Send(p, WM_NCPAINT, 1, 0);
                    continue;
                }
                if (!InRange(WM_PAINT, lo, hi))
                    break;
                out = MSG {};
                out.hwnd = p;
                out.message = WM_PAINT;
                out.time = sys.Backend().Now();
                out.pt = sys.cursorPos;
                sys.lastMessage = out;
                return true;
            }
        }
        if (InRange(WM_TIMER, lo, hi)) {
            const DWORD now = sys.Backend().Now();
            auto timer = detail::DueTimer(filter, now);
            if (timer && (timerLimit == kNoTimerLimit || static_cast<int>(timer->due - timerLimit) <= 0)) {
                out = MSG {};
                out.hwnd = timer->hwnd;
                out.message = WM_TIMER;
                out.wParam = timer->id;
                out.time = now;
                out.pt = sys.cursorPos;
                if (remove)
                    detail::RestartTimer(timer->hwnd, timer->id, now);
                sys.lastMessage = out;
                return true;
            }
        }
        return false;
    }

    int WaitTimeout()
    {
        auto& sys = Sys();
        const DWORD now = sys.Backend().Now();
        int timeout = detail::MillisecondsToNextTimer(now);
        if (sys.caret.owner && sys.caret.hideCount == 0) {
            const int blink = std::max(0, static_cast<int>(sys.caret.lastBlink + GetCaretBlinkTime() - now));
            timeout = timeout < 0 ? blink : std::min(timeout, blink);
        }
        return timeout;
    }
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return detail::Send(hwnd, msg, wParam, lParam); }

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto& sys = Sys();
    if (hwnd && !sys.Find(hwnd))
        return false;
    TQueueEntry e;
    e.seq = sys.nextSeq++;
    e.msg.hwnd = hwnd;
    e.msg.message = msg;
    e.msg.wParam = wParam;
    e.msg.lParam = lParam;
    e.msg.time = sys.Backend().Now();
    e.msg.pt = sys.cursorPos;
    sys.queue.push_back(e);
    return true;
}

void PostQuitMessage(int exitCode)
{
    Sys().quitPending = true;
    Sys().quitCode = exitCode;
}

bool GetMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    // A loop that never runs dry (a stream of input or timers) still shows its painting.
    constexpr DWORD kPresentInterval = 16;
    auto& sys = Sys();
    if (sys.Backend().Now() - sys.lastPresent >= kPresentInterval)
        detail::PresentAll();
    for (;;) {
        if (Fetch(msg, hwnd, filterMin, filterMax, true, kNoTimerLimit))
            return msg.message != WM_QUIT;
        WaitMessage();
    }
}

bool PeekMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    return Fetch(msg, hwnd, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0, kNoTimerLimit);
}

void WaitMessage()
{
    auto& sys = Sys();
    detail::CaretBlink();
    detail::PresentAll();
    MSG probe;
    if (Fetch(probe, nullptr, 0, 0, false, kNoTimerLimit))
        return;
    if (!sys.Backend().Wait(sys, WaitTimeout()))
        throw std::logic_error("message loop waits for input that can never arrive (headless, no timers)");
    detail::CaretBlink();
}

bool TranslateMessage(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    unsigned ch = 0;
    switch (msg.wParam) {
    case VK_RETURN:
        ch = 13;
        break;
    case VK_BACK:
        ch = 8;
        break;
    case VK_TAB:
        ch = 9;
        break;
    case VK_ESCAPE:
        ch = 27;
        break;
    default:
        if (ctrl && !alt && msg.wParam >= 'A' && msg.wParam <= 'Z')
            ch = static_cast<unsigned>(msg.wParam - 'A' + 1);
        break;
    }
    if (ch == 0)
        return false;
    MSG charMsg = msg;
    charMsg.message = msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    charMsg.wParam = ch;
    detail::InsertMessages(Sys().lastSeq, { charMsg });
    return true;
}

namespace {

    // Counts a dispatched message's handler as running while it is in scope;
    // when the outermost one returns, the messages held back for it are posted.
    class TDispatchScope {
    public:
        TDispatchScope() { ++Sys().dispatchDepth; }
        ~TDispatchScope()
        {
            auto& sys = Sys();
            if (--sys.dispatchDepth > 0)
                return;
            const std::vector<MSG> held = std::move(sys.postWhenHandlersReturn);
            sys.postWhenHandlersReturn.clear();
            for (const MSG& m : held)
                PostMessage(m.hwnd, m.message, m.wParam, m.lParam);
        }
        TDispatchScope(const TDispatchScope&) = delete;
        TDispatchScope& operator=(const TDispatchScope&) = delete;
    };

} // namespace

int DispatchDepth() { return Sys().dispatchDepth; }

void PostWhenHandlersReturn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto& sys = Sys();
    if (sys.dispatchDepth == 0) {
        PostMessage(hwnd, msg, wParam, lParam);
        return;
    }
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    sys.postWhenHandlersReturn.push_back(m);
}

LRESULT DispatchMessage(const MSG& msg)
{
    if (!msg.hwnd)
        return 0;
    TDispatchScope scope;
    if (msg.message != WM_PAINT)
        return detail::Send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    TWindowObject* w = Sys().Find(msg.hwnd);
    if (!w)
        return 0;
    w->beganPaint = false;
    const LRESULT result = detail::Send(msg.hwnd, WM_PAINT, 0, 0);
    if (TWindowObject* after = Sys().Find(msg.hwnd); after && !after->beganPaint) {
        after->update.Clear();
        after->erase = false;
    }
    return result;
}

void ProcessMessages()
{
    auto& sys = Sys();
    const DWORD start = sys.Backend().Now();
    MSG msg;
    while (Fetch(msg, nullptr, 0, 0, true, start == kNoTimerLimit ? 1 : start)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    detail::CaretBlink();
    detail::PresentAll();
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessage(msg)) {
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    return static_cast<int>(msg.wParam);
}

DWORD GetMessageTime() { return Sys().lastMessage.time; }
POINT GetMessagePos() { return Sys().lastMessage.pt; }
DWORD GetTickCount() { return Sys().Backend().Now(); }

} // namespace wnd
