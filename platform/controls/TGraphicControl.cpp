#include "platform/controls/TGraphicControl.h"

namespace ctl {

gfx::TCanvas& TGraphicControl::Canvas()
{
    return m_painting.Get(Name());
}

void TGraphicControl::Paint()
{
}

void TGraphicControl::PaintOnParent(gfx::TCanvas& Canvas)
{
    m_painting.Run(Canvas, [this] { Paint(); });
}

} // namespace ctl
