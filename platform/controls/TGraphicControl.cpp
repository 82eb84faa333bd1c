#include "platform/controls/TGraphicControl.h"

namespace ctl {

gfx::TCanvas& TGraphicControl::Canvas()
{
    if (!m_canvas)
        throw EComponentError("Canvas used outside painting (" + Name() + ")");
    return *m_canvas;
}

void TGraphicControl::Paint()
{
}

void TGraphicControl::PaintOnParent(gfx::TCanvas& Canvas)
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
