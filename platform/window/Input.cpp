#include "platform/window/Input.h"

#include "platform/window/MessageLoop.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include "platform/text/Utf8.h"

#include <algorithm>
#include <cstdlib>

namespace wnd {

namespace {
    unsigned MouseKeyFlags()
    {
        auto& sys = Sys();
        unsigned flags = sys.mouseButtons;
        if (sys.keyState[VK_SHIFT] & 0x8000)
            flags |= MK_SHIFT;
        if (sys.keyState[VK_CONTROL] & 0x8000)
            flags |= MK_CONTROL;
        return flags;
    }

    unsigned ButtonFlag(TMouseButton b)
    {
        return b == TMouseButton::mbLeft ? MK_LBUTTON : b == TMouseButton::mbRight ? MK_RBUTTON : MK_MBUTTON;
    }

    UINT ButtonMessage(TMouseButton b, bool down, bool client)
    {
        const UINT base = client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
        const UINT index = b == TMouseButton::mbLeft ? 0 : b == TMouseButton::mbRight ? 3 : 6;
        return base + index + (down ? 0 : 1);
    }

    MSG MakeMsg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD time, POINT pt)
    {
        MSG m;
        m.hwnd = hwnd;
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        m.time = time;
        m.pt = pt;
        return m;
    }

    HWND KeyboardTarget()
    {
        auto& sys = Sys();
        if (sys.focus && sys.Find(sys.focus))
            return sys.focus;
        return sys.Find(sys.active) ? sys.active : nullptr;
    }

    void SetKey(int vk, bool down)
    {
        auto& state = Sys().keyState[vk & 0xFF];
        if (down && !(state & 0x8000))
            state ^= 1;
        state = static_cast<short>(down ? (state | 0x8000) : (state & 0x0001));
    }

    void UpdateKeyState(int vk, bool down)
    {
        SetKey(vk, down);
        if (vk == VK_LSHIFT || vk == VK_RSHIFT)
            SetKey(VK_SHIFT, down);
        if (vk == VK_LCONTROL || vk == VK_RCONTROL)
            SetKey(VK_CONTROL, down);
        if (vk == VK_LMENU || vk == VK_RMENU)
            SetKey(VK_MENU, down);
    }

    void LeaveIfNeeded(HWND target, LRESULT hit, std::vector<MSG>& out, DWORD time, POINT pt)
    {
        auto& sys = Sys();
        if (!sys.trackLeave)
            return;
        const bool inPart = target == sys.trackLeave && (sys.trackNonClient ? hit != HTCLIENT : hit == HTCLIENT);
        if (inPart)
            return;
        out.push_back(MakeMsg(sys.trackLeave, sys.trackNonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0, time, pt));
        sys.trackLeave = nullptr;
    }

    // A press becomes a double click when it repeats the last one in time and place.
    UINT DoubleClick(HWND target, UINT message, bool client, DWORD time, POINT pt)
    {
        auto& sys = Sys();
        const bool isDouble = !sys.lastClickWasDouble && sys.lastClickWindow == target && sys.lastClickMessage == message
            && time - sys.lastClickTime <= sys.doubleClickTime
            && std::abs(pt.X - sys.lastClickPos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2
            && std::abs(pt.Y - sys.lastClickPos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        sys.lastClickWindow = target;
        sys.lastClickMessage = message;
        sys.lastClickTime = time;
        sys.lastClickPos = pt;
        sys.lastClickWasDouble = isDouble;
        TWindowObject* w = sys.Find(target);
        if (!isDouble || (client && !(w->classStyle & CS_DBLCLKS)))
            return message;
        return message + 2; // WM_xBUTTONDBLCLK follows WM_xBUTTONDOWN by two
    }

    void TranslateMouse(const TRawInput& in, DWORD time, std::vector<MSG>& out)
    {
        auto& sys = Sys();
        sys.cursorPos = in.pos;
        if (in.kind == TRawInputKind::ButtonDown) {
            sys.mouseButtons |= ButtonFlag(in.button);
            sys.altAlone = false;
        }
        else if (in.kind == TRawInputKind::ButtonUp)
            sys.mouseButtons &= ~ButtonFlag(in.button);
        const int vk = in.button == TMouseButton::mbLeft ? VK_LBUTTON : in.button == TMouseButton::mbRight ? VK_RBUTTON : VK_MBUTTON;
        if (in.kind == TRawInputKind::ButtonDown || in.kind == TRawInputKind::ButtonUp)
            UpdateKeyState(vk, in.kind == TRawInputKind::ButtonDown);

        if (in.kind == TRawInputKind::Wheel) {
            if (HWND target = KeyboardTarget())
                out.push_back(MakeMsg(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(MouseKeyFlags()), in.wheelDelta),
                    LParamFromPoint(in.pos), time, in.pos));
            return;
        }

        HWND target = sys.capture;
        LRESULT hit = HTCLIENT;
        if (!target)
            std::tie(target, hit) = detail::TargetAt(in.pos, true);
        LeaveIfNeeded(target, hit, out, time, in.pos);
        sys.lastMouseWindow = target;
        sys.lastMouseHit = hit;
        if (!target || !sys.Find(target))
            return;
        const HWND top = detail::TopLevelOf(target);
        if (!sys.capture && !IsWindowEnabled(top))
            return; // a disabled window (the owner of a modal dialog) takes no mouse input

        const bool down = in.kind == TRawInputKind::ButtonDown;
        const bool client = hit == HTCLIENT;
        UINT message = in.kind == TRawInputKind::MouseMove ? (client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE)
                                                           : ButtonMessage(in.button, down, client);
        if (!sys.capture) {
            if (down && top != sys.active) {
                TWindowObject* t = sys.Find(top);
                if (t && !(t->exStyle & WS_EX_NOACTIVATE)) {
                    const LRESULT how = detail::Send(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
                    if (how != MA_NOACTIVATE && how != MA_NOACTIVATEANDEAT)
                        detail::ActivateWindow(top, WA_CLICKACTIVE);
                    if (how == MA_ACTIVATEANDEAT || how == MA_NOACTIVATEANDEAT)
                        return;
                }
            }
            if (!sys.Find(target))
                return;
            detail::Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
            if (!sys.Find(target))
                return;
        }
        if (down)
            message = DoubleClick(target, message, client, time, in.pos);
        if (client) {
            POINT p = in.pos;
            ScreenToClient(target, p);
            out.push_back(MakeMsg(target, message, MouseKeyFlags(), LParamFromPoint(p), time, in.pos));
        } else {
            out.push_back(MakeMsg(target, message, static_cast<WPARAM>(hit), LParamFromPoint(in.pos), time, in.pos));
        }
    }

    void TranslateKey(const TRawInput& in, DWORD time, std::vector<MSG>& out)
    {
        auto& sys = Sys();
        const bool down = in.kind == TRawInputKind::KeyDown;
        UpdateKeyState(in.vk, down);
        if (down && !in.repeat)
            sys.altAlone = in.vk == VK_MENU || in.vk == VK_LMENU || in.vk == VK_RMENU;
        HWND target = KeyboardTarget();
        if (!target)
            return;
        int vk = in.vk;
        if (vk == VK_LSHIFT || vk == VK_RSHIFT)
            vk = VK_SHIFT;
        else if (vk == VK_LCONTROL || vk == VK_RCONTROL)
            vk = VK_CONTROL;
        else if (vk == VK_LMENU || vk == VK_RMENU)
            vk = VK_MENU;
        const bool alt = (sys.keyState[VK_MENU] & 0x8000) != 0;
        const bool ctrl = (sys.keyState[VK_CONTROL] & 0x8000) != 0;
        const bool system = (alt && !ctrl) || vk == VK_F10 || vk == VK_MENU;
        const UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
        LPARAM lParam = 1;
        if (alt)
            lParam |= LPARAM(1) << 29;
        if (in.repeat || !down)
            lParam |= LPARAM(1) << 30;
        if (!down)
            lParam |= static_cast<LPARAM>(1u << 31);
        out.push_back(MakeMsg(target, message, static_cast<WPARAM>(vk), lParam, time, sys.cursorPos));
    }

    void TranslateText(const TRawInput& in, DWORD time, std::vector<MSG>& out)
    {
        auto& sys = Sys();
        HWND target = KeyboardTarget();
        if (!target)
            return;
        TComposition& comp = sys.composition;
        if (comp.active && in.kind == TRawInputKind::Text) {
            comp.result = in.text;
            comp.text.clear();
            comp.active = false;
            out.push_back(MakeMsg(target, WM_IME_COMPOSITION, 0, GCS_RESULTSTR, time, sys.cursorPos));
            out.push_back(MakeMsg(target, WM_IME_ENDCOMPOSITION, 0, 0, time, sys.cursorPos));
            return;
        }
        if (in.kind == TRawInputKind::Text) {
            // One WM_CHAR per character; a stray byte types nothing.
            for (std::size_t i = 0; i < in.text.size();) {
                const text::Utf8Char c = text::DecodeUtf8(in.text, i);
                if (c.Valid)
                    out.push_back(MakeMsg(target, WM_CHAR, c.CodePoint, 1, time, sys.cursorPos));
                i += c.Length;
            }
            return;
        }
        const bool ending = in.kind == TRawInputKind::CompositionEnd || in.text.empty();
        if (ending) {
            if (comp.active) {
                comp.active = false;
                comp.text.clear();
                out.push_back(MakeMsg(target, WM_IME_ENDCOMPOSITION, 0, 0, time, sys.cursorPos));
            }
            return;
        }
        if (!comp.active) {
            comp.active = true;
            comp.hwnd = target;
            out.push_back(MakeMsg(target, WM_IME_STARTCOMPOSITION, 0, 0, time, sys.cursorPos));
        }
        comp.text = in.text;
        comp.cursor = in.cursor;
        out.push_back(MakeMsg(target, WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_CURSORPOS, time, sys.cursorPos));
    }
}

namespace detail {

    void TranslateRaw(std::uint64_t seq)
    {
        auto& queue = Sys().queue;
        auto it = std::find_if(queue.begin(), queue.end(), [&](const TQueueEntry& e) { return e.seq == seq && e.raw; });
        if (it == queue.end())
            return;
        const TRawInput input = it->input;
        const DWORD time = it->msg.time;
        queue.erase(it);
        std::vector<MSG> out;
        switch (input.kind) {
        case TRawInputKind::MouseMove:
        case TRawInputKind::ButtonDown:
        case TRawInputKind::ButtonUp:
        case TRawInputKind::Wheel:
            TranslateMouse(input, time, out);
            break;
        case TRawInputKind::KeyDown:
        case TRawInputKind::KeyUp:
            TranslateKey(input, time, out);
            break;
        case TRawInputKind::Text:
        case TRawInputKind::Composition:
        case TRawInputKind::CompositionEnd:
            TranslateText(input, time, out);
            break;
        }
        // Messages take the place of the input they came from.
        InsertMessages(seq, out);
    }

    void ActivateWindow(HWND hwnd, unsigned how)
    {
        auto& sys = Sys();
        const HWND old = sys.active;
        if (hwnd == old)
            return;
        if (hwnd && !sys.Find(hwnd))
            return;
        sys.active = hwnd;
        // The program as a whole gains or loses the activation: every top-level window hears it.
        if (!old || !hwnd) {
            for (HWND top : std::vector<HWND>(sys.topLevels))
                if (TWindowObject* t = sys.Find(top); t && !t->messageOnly)
                    detail::Send(top, WM_ACTIVATEAPP, hwnd ? 1 : 0, 0);
            if (sys.active != hwnd)
                return;
        }
        if (sys.Find(old)) {
            detail::Send(old, WM_NCACTIVATE, 0, 0);
            detail::Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0), reinterpret_cast<LPARAM>(hwnd));
        }
        if (!hwnd || sys.active != hwnd || !sys.Find(hwnd)) {
            if (!sys.active && sys.focus)
                SetFocus(nullptr);
            return;
        }
        auto& list = sys.topLevels;
        std::erase(list, hwnd);
        const bool topmost = (sys.Get(hwnd).exStyle & WS_EX_TOPMOST) != 0;
        auto pos = topmost ? list.begin() : std::find_if(list.begin(), list.end(), [&](HWND h) {
            TWindowObject* o = sys.Find(h);
            return !o || !(o->exStyle & WS_EX_TOPMOST);
        });
        list.insert(pos, hwnd);
        if (sys.Get(hwnd).native)
            sys.Backend().RaiseNative(hwnd, true);
        detail::Send(hwnd, WM_NCACTIVATE, 1, 0);
        if (sys.active == hwnd)
            detail::Send(hwnd, WM_ACTIVATE, MAKEWPARAM(static_cast<int>(how), IsIconic(hwnd) ? 1 : 0),
                reinterpret_cast<LPARAM>(old));
    }

    void MarkPresent(HWND hwnd)
    {
        if (TWindowObject* top = Sys().Find(TopLevelOf(hwnd)))
            top->presentDirty = true;
    }

    void CaretBlink()
    {
        auto& sys = Sys();
        TCaret& caret = sys.caret;
        if (!caret.owner || caret.hideCount > 0)
            return;
        const DWORD now = sys.Backend().Now();
        if (now - caret.lastBlink >= GetCaretBlinkTime()) {
            caret.blinkOn = !caret.blinkOn;
            caret.lastBlink = now;
            MarkPresent(caret.owner);
        }
    }

    std::optional<RECT> CaretRectInWindow(HWND topLevel)
    {
        auto& sys = Sys();
        const TCaret& caret = sys.caret;
        if (!caret.owner || caret.hideCount > 0 || !caret.blinkOn || TopLevelOf(caret.owner) != topLevel)
            return std::nullopt;
        const TWindowObject& w = sys.Get(caret.owner);
        const RECT inBuffer = WindowRectInBackBuffer(caret.owner);
        RECT r = gfx::Bounds(inBuffer.Left + w.client.Left + caret.pos.X, inBuffer.Top + w.client.Top + caret.pos.Y,
            caret.width, caret.height);
        const RECT clientInBuffer = gfx::Offset(w.client, inBuffer.Left, inBuffer.Top);
        r = gfx::Intersection(r, clientInBuffer);
        if (r.IsEmpty())
            return std::nullopt;
        return r;
    }

} // namespace detail

HWND SetFocus(HWND hwnd)
{
    auto& sys = Sys();
    if (hwnd && (!sys.Find(hwnd) || !IsWindowEnabled(hwnd)))
        return nullptr;
    HWND old = sys.focus;
    if (hwnd == old)
        return old;
    if (hwnd) {
        const HWND top = detail::TopLevelOf(hwnd);
        if (top != sys.active && !(sys.Get(top).exStyle & WS_EX_NOACTIVATE))
            detail::ActivateWindow(top, WA_ACTIVE);
        if (!sys.Find(hwnd))
            return nullptr;
        old = sys.focus;
        if (old == hwnd)
            return old;
    }
    if (sys.composition.active) {
        sys.composition = TComposition {};
        if (sys.Find(old))
            detail::Send(old, WM_IME_ENDCOMPOSITION, 0, 0);
    }
    sys.focus = hwnd;
    if (sys.Find(old))
        detail::Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && sys.focus == hwnd && sys.Find(hwnd))
        detail::Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() { return Sys().focus; }

HWND SetActiveWindow(HWND hwnd)
{
    const HWND old = Sys().active;
    detail::ActivateWindow(hwnd ? detail::TopLevelOf(hwnd) : nullptr, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow() { return Sys().active; }

bool SetForegroundWindow(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return false;
    SetActiveWindow(hwnd);
    return true;
}

HWND GetForegroundWindow() { return Sys().active; }

HWND SetCapture(HWND hwnd)
{
    auto& sys = Sys();
    const HWND old = sys.capture;
    if (hwnd == old || (hwnd && !sys.Find(hwnd)))
        return old;
    sys.capture = hwnd;
    sys.Backend().CaptureMouse(hwnd != nullptr);
    if (sys.Find(old))
        detail::Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

bool ReleaseCapture()
{
    auto& sys = Sys();
    const HWND old = sys.capture;
    if (!old)
        return true;
    sys.capture = nullptr;
    sys.Backend().CaptureMouse(false);
    if (sys.Find(old))
        detail::Send(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() { return Sys().capture; }

bool TrackMouseEvent(const TRACKMOUSEEVENT& tme)
{
    auto& sys = Sys();
    if (tme.dwFlags & TME_CANCEL) {
        if (sys.trackLeave == tme.hwndTrack)
            sys.trackLeave = nullptr;
        return true;
    }
    if (!(tme.dwFlags & TME_LEAVE) || !sys.Find(tme.hwndTrack))
        return false;
    const bool nonClient = (tme.dwFlags & TME_NONCLIENT) != 0;
    const bool inside = sys.lastMouseWindow == tme.hwndTrack && (nonClient ? sys.lastMouseHit != HTCLIENT : sys.lastMouseHit == HTCLIENT);
    if (!inside) {
        PostMessage(tme.hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return true;
    }
    sys.trackLeave = tme.hwndTrack;
    sys.trackNonClient = nonClient;
    return true;
}

short GetKeyState(int vk)
{
    auto& sys = Sys();
    if (vk == VK_LBUTTON)
        return (sys.mouseButtons & MK_LBUTTON) ? short(0x8000) : 0;
    if (vk == VK_RBUTTON)
        return (sys.mouseButtons & MK_RBUTTON) ? short(0x8000) : 0;
    if (vk == VK_MBUTTON)
        return (sys.mouseButtons & MK_MBUTTON) ? short(0x8000) : 0;
    return sys.keyState[vk & 0xFF];
}

short GetAsyncKeyState(int vk)
{
    const short fromDisplay = Sys().Backend().AsyncKeyState(vk);
    return static_cast<short>(fromDisplay | (GetKeyState(vk) & 0x8000));
}

HCURSOR LoadCursor(HCURSOR id) { return id; }

HCURSOR SetCursor(HCURSOR cursor)
{
    auto& sys = Sys();
    const HCURSOR old = sys.cursor;
    if (cursor != old) {
        sys.cursor = cursor;
        sys.Backend().SetCursorShape(cursor);
    }
    return old;
}

HCURSOR GetCursor() { return Sys().cursor; }

bool GetCursorPos(POINT& point)
{
    point = Sys().Backend().CursorPos();
    return true;
}

POINT GetCursorPos() { return Sys().Backend().CursorPos(); }

bool SetCursorPos(int x, int y)
{
    Sys().Backend().SetCursorPos({ x, y });
    return true;
}

int GetCursorHeightBelowHotSpot(HCURSOR cursor)
{
    switch (cursor) {
    case IDC_ARROW:
    case IDC_APPSTARTING:
        return 20; // the arrow's hot spot is its tip, its image 21 rows tall
    case IDC_IBEAM:
        return 9;
    case IDC_HAND:
        return 21;
    default:
        return 10; // centred cursors
    }
}

bool CreateCaret(HWND hwnd, int width, int height)
{
    auto& sys = Sys();
    if (!sys.Find(hwnd))
        return false;
    DestroyCaret();
    sys.caret = TCaret {};
    sys.caret.owner = hwnd;
    sys.caret.width = width > 0 ? width : 1;
    sys.caret.height = height;
    return true;
}

bool DestroyCaret()
{
    auto& sys = Sys();
    if (!sys.caret.owner)
        return false;
    detail::MarkPresent(sys.caret.owner);
    sys.caret = TCaret {};
    return true;
}

bool SetCaretPos(int x, int y)
{
    auto& sys = Sys();
    TCaret& caret = sys.caret;
    if (!caret.owner)
        return false;
    caret.pos = { x, y };
    caret.blinkOn = true;
    caret.lastBlink = sys.Backend().Now();
    detail::MarkPresent(caret.owner);
    ImmSetCompositionWindow(caret.owner, gfx::Bounds(x, y, caret.width, caret.height));
    return true;
}

bool GetCaretPos(POINT& point)
{
    if (!Sys().caret.owner)
        return false;
    point = Sys().caret.pos;
    return true;
}

bool ShowCaret(HWND hwnd)
{
    auto& sys = Sys();
    TCaret& caret = sys.caret;
    if (!caret.owner || (hwnd && hwnd != caret.owner) || caret.hideCount == 0)
        return false;
    if (--caret.hideCount == 0) {
        caret.blinkOn = true;
        caret.lastBlink = sys.Backend().Now();
        detail::MarkPresent(caret.owner);
    }
    return true;
}

bool HideCaret(HWND hwnd)
{
    TCaret& caret = Sys().caret;
    if (!caret.owner || (hwnd && hwnd != caret.owner))
        return false;
    ++caret.hideCount;
    detail::MarkPresent(caret.owner);
    return true;
}

UINT GetCaretBlinkTime() { return 530; }

std::string ImmGetCompositionString(HWND, LPARAM which)
{
    const TComposition& comp = Sys().composition;
    return (which & GCS_RESULTSTR) ? comp.result : comp.text;
}

int ImmGetCompositionCursor(HWND) { return Sys().composition.cursor; }

bool ImmSetCompositionWindow(HWND hwnd, const RECT& caretRect)
{
    if (!IsWindow(hwnd))
        return false;
    Sys().Backend().SetTextInputRect(MapRect(hwnd, nullptr, caretRect));
    return true;
}

} // namespace wnd
