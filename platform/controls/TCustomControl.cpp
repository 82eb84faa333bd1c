#include "platform/controls/TCustomControl.h"

namespace ctl {

gfx::TCanvas& TCustomControl::Canvas()
{
    if (!m_canvas)
        throw EComponentError("Canvas used outside painting (" + Name() + ")");
    return *m_canvas;
}

void TCustomControl::Paint()
{
}

void TCustomControl::PaintWindow(gfx::TCanvas& Canvas)
{
    m_canvas = &Canvas;
    try {
        Paint();
    } catch (...) {
        m_canvas = nullptr;
        throw;
    }
    m_canvas = nullptr;
}

} // namespace ctl
