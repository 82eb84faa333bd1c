#pragma once

#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"

#include <functional>
#include <map>
#include <vector>

// A window procedure that writes down every message it gets (optionally only
// some) and then lets the default procedure handle it, unless a handler for
// that message answers it.
struct TRecorder {
    struct Entry {
        wnd::HWND hwnd;
        wnd::UINT msg;
        wnd::WPARAM wParam;
        wnd::LPARAM lParam;
    };
    std::vector<Entry> log;
    std::vector<wnd::UINT> only; // empty: record all
    std::map<wnd::UINT, std::function<wnd::LRESULT(wnd::HWND, wnd::WPARAM, wnd::LPARAM)>> handlers;

    wnd::WNDPROC Proc()
    {
        return [this](wnd::HWND h, wnd::UINT m, wnd::WPARAM w, wnd::LPARAM l) -> wnd::LRESULT {
            if (only.empty() || std::find(only.begin(), only.end(), m) != only.end())
                log.push_back({ h, m, w, l });
            if (auto it = handlers.find(m); it != handlers.end())
                return it->second(h, w, l);
            return wnd::DefWindowProc(h, m, w, l);
        };
    }

    std::vector<wnd::UINT> Messages(wnd::HWND hwnd = nullptr) const
    {
        std::vector<wnd::UINT> out;
        for (const Entry& e : log)
            if (!hwnd || e.hwnd == hwnd)
                out.push_back(e.msg);
        return out;
    }

    int Count(wnd::UINT msg, wnd::HWND hwnd = nullptr) const
    {
        int n = 0;
        for (const Entry& e : log)
            n += e.msg == msg && (!hwnd || e.hwnd == hwnd);
        return n;
    }

    // Index of the first occurrence, or -1.
    int IndexOf(wnd::UINT msg, wnd::HWND hwnd = nullptr) const
    {
        for (std::size_t i = 0; i < log.size(); ++i)
            if (log[i].msg == msg && (!hwnd || log[i].hwnd == hwnd))
                return static_cast<int>(i);
        return -1;
    }

    void Clear() { log.clear(); }
};

inline wnd::HWND MakeFrameWindow(TRecorder& rec, int x = 100, int y = 100, int w = 300, int h = 200,
    wnd::DWORD style = wnd::WS_OVERLAPPEDWINDOW, wnd::DWORD exStyle = 0)
{
    return wnd::CreateWindowEx(exStyle, rec.Proc(), "Test", style, x, y, w, h, nullptr);
}
