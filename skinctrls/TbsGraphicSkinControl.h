#pragma once

#include "skinctrls/SkinControlBase.h"

namespace skinctrls {

// The windowless twin of TbsSkinControl: paints on its parent's canvas.
class TbsGraphicSkinControl : public SkinControlBase<ctl::TGraphicControl> {
public:
    explicit TbsGraphicSkinControl(ctl::TComponent* AOwner) : SkinControlBase(AOwner) { }
};

} // namespace skinctrls
