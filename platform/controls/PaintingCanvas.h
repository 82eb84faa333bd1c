#pragma once

#include "platform/controls/TObject.h"
#include "platform/graphics/TCanvas.h"

#include <string>

namespace ctl {

// The canvas a self-painting control draws on. It is there only while the
// control's Paint runs, so drawing at any other time is caught as an error.
class PaintingCanvas {
public:
    // The canvas of the paint in progress; ControlName names the control in the error.
    gfx::TCanvas& Get(const std::string& ControlName) const
    {
        if (!m_canvas)
            throw EComponentError("Canvas used outside painting (" + ControlName + ")");
        return *m_canvas;
    }

    // Runs Paint with Canvas as the canvas; afterwards there is none again,
    // also when Paint throws.
    template <class PaintFunction>
    void Run(gfx::TCanvas& Canvas, PaintFunction&& Paint)
    {
        struct Clear {
            gfx::TCanvas*& canvas;
            ~Clear() { canvas = nullptr; }
        } clear { m_canvas };
        m_canvas = &Canvas;
        Paint();
    }

private:
    gfx::TCanvas* m_canvas { nullptr };
};

} // namespace ctl
