#pragma once

#include "../controls/Headless.h"

#include "platform/controls/TForm.h"
#include "platform/window/Window.h"

#include <memory>

// A shown form for skinned-control tests, with pixel access in control coordinates.
class SkinFormTest : public HeadlessTest {
protected:
    SkinFormTest()
    {
        form->SetBorderStyle(ctl::TFormBorderStyle::bsNone);
        form->SetBounds(10, 10, 400, 200);
    }

    void ShowForm()
    {
        form->Show();
        Harness.ProcessMessages();
    }

    // The colour of pixel (x, y) of a control's client area as shown.
    gfx::TColor PixelOf(const ctl::TControl& c, int x, int y)
    {
        Harness.ProcessMessages();
        const gfx::TBitmap pixels = Harness.Capture(form->Handle());
        const gfx::TPoint client = wnd::GetClientRectInWindow(form->Handle()).TopLeft();
        const gfx::TPoint origin = form->ScreenToClient(c.ClientToScreen({ x, y }));
        return pixels.GetPixel(client.X + origin.X, client.Y + origin.Y);
    }

    void Snapshot(const std::string& name) { Harness.SaveSnapshot(form->Handle(), name); }

    std::unique_ptr<ctl::TForm> form { std::make_unique<ctl::TForm>(nullptr) };
};

inline gfx::TColor Rgb(gfx::TColor c) { return gfx::ColorToRGB(c); }
