#include "platform/controls/TCustomControl.h"

namespace ctl {

gfx::TCanvas& TCustomControl::Canvas()
{
    return m_painting.Get(Name());
}

void TCustomControl::Paint()
{
}

void TCustomControl::PaintWindow(gfx::TCanvas& Canvas)
{
    m_painting.Run(Canvas, [this] { Paint(); });
}

} // namespace ctl
