#pragma once

#include "platform/controls/PaintingCanvas.h"
#include "platform/controls/TWinControl.h"

namespace ctl {

// A windowed control that draws itself: Paint runs for every paint request
// with Canvas set to the window's canvas (font and brush colour already the
// control's); the background has been filled with Color before.
class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    // The canvas to draw on; valid only while Paint runs.
    gfx::TCanvas& Canvas();
    virtual void Paint();
    void PaintWindow(gfx::TCanvas& Canvas) override;

private:
    PaintingCanvas m_painting;
};

} // namespace ctl
