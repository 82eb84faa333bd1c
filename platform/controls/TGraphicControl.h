#pragma once

#include "platform/controls/PaintingCanvas.h"
#include "platform/controls/TControl.h"

namespace ctl {

// A control without a window: it paints on its parent's canvas (moved to its
// top-left and clipped to its bounds) and gets its mouse input from the parent.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;

protected:
    // The canvas to draw on; valid only while Paint runs.
    gfx::TCanvas& Canvas();
    virtual void Paint();
    void PaintOnParent(gfx::TCanvas& Canvas) override;

private:
    PaintingCanvas m_painting;
};

} // namespace ctl
