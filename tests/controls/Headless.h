#pragma once

#include "platform/controls/TApplication.h"
#include "platform/window/HeadlessHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A headless window system for form tests. Exceptions that reach the message
// loop are collected instead of being shown in an error box.
class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest()
    {
        ctl::Application->Initialize();
        ctl::Application->OnException = [this](ctl::TObject*, const std::exception& e) { Errors.push_back(e.what()); };
    }
    ~HeadlessTest() override { ctl::Application->OnException = nullptr; }

    // The screen point at (x, y) of a control's client area.
    static gfx::TPoint At(const ctl::TControl& c, int x, int y) { return c.ClientToScreen({ x, y }); }
    static gfx::TPoint Middle(const ctl::TControl& c) { return At(c, c.Width() / 2, c.Height() / 2); }

    void Click(gfx::TPoint p) { Harness.Click(p.X, p.Y); }

    // Queues a click for a loop that is about to wait (a modal form).
    void QueueClick(gfx::TPoint p)
    {
        wnd::TRawInput move;
        move.kind = wnd::TRawInputKind::MouseMove;
        move.pos = p;
        Harness.Queue(move);
        wnd::TRawInput down = move;
        down.kind = wnd::TRawInputKind::ButtonDown;
        Harness.Queue(down);
        wnd::TRawInput up = move;
        up.kind = wnd::TRawInputKind::ButtonUp;
        Harness.Queue(up);
    }
    void QueueKey(int vk)
    {
        wnd::TRawInput down;
        down.kind = wnd::TRawInputKind::KeyDown;
        down.vk = vk;
        Harness.Queue(down);
        wnd::TRawInput up = down;
        up.kind = wnd::TRawInputKind::KeyUp;
        Harness.Queue(up);
    }
    // Runs `action` once, the first time a loop would wait.
    void WhenIdle(std::function<void()> action)
    {
        Harness.SetIdleHandler([this, action, done = false]() mutable {
            if (done)
                return false;
            done = true;
            action();
            return true;
        });
    }

    wnd::THeadlessHarness Harness;
    std::vector<std::string> Errors;
};
