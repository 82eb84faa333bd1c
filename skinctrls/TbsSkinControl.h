#pragma once

#include "skinctrls/SkinControlBase.h"

namespace skinctrls {

// A windowed skinned control. Its background is never erased first: the
// whole control is drawn in one copy.
class TbsSkinControl : public SkinControlBase<ctl::TCustomControl> {
public:
    explicit TbsSkinControl(ctl::TComponent* AOwner) : SkinControlBase(AOwner) { }

protected:
    bool EraseBackground(gfx::TCanvas&) override { return true; }
};

} // namespace skinctrls
