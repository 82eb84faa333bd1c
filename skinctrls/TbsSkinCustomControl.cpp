#include "skinctrls/TbsSkinCustomControl.h"

#include "platform/window/Painting.h"

namespace skinctrls {

void TbsSkinCustomControl::UpdateSkinRegion()
{
    std::optional<gfx::TRegion> region;
    if (SkinIndex() != -1)
        region = SkinPart().BuildRegion(Width(), Height());
    if (!region) {
        if (m_hasRegion && HandleAllocated())
            wnd::SetWindowRgn(Handle(), std::nullopt, true);
        m_hasRegion = false;
        return;
    }
    if (HandleAllocated()) {
        wnd::SetWindowRgn(Handle(), std::move(region), true);
        m_hasRegion = true;
    }
}

} // namespace skinctrls
