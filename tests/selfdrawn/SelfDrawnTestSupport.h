#pragma once

#include "tests/controls/Headless.h"

#include "platform/controls/TForm.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/VirtualKeys.h"

#include <memory>

// A shown form for self-drawn controls, and pixel reads of a control's window.
class SelfDrawnTest : public HeadlessTest {
protected:
    SelfDrawnTest()
    {
        form->SetClientSize(420, 300);
        form->Show();
    }

    gfx::TColor PixelOf(const ctl::TWinControl& c, int x, int y)
    {
        Harness.ProcessMessages();
        return Harness.Capture(c.Handle()).GetPixel(x, y);
    }
    static gfx::TColor Sys(gfx::TColor c) { return gfx::ColorToRGB(c); }

    void Ctrl(int vk)
    {
        Harness.KeyDown(wnd::VK_CONTROL);
        Harness.PressKey(vk);
        Harness.KeyUp(wnd::VK_CONTROL);
    }
    void Shift(int vk)
    {
        Harness.KeyDown(wnd::VK_SHIFT);
        Harness.PressKey(vk);
        Harness.KeyUp(wnd::VK_SHIFT);
    }

    std::unique_ptr<ctl::TForm> form { std::make_unique<ctl::TForm>(nullptr) };
};
