#pragma once

#include "skinctrls/SkinCustomControlBase.h"

namespace skinctrls {

// The windowless twin of TbsSkinCustomControl (no window, so no region).
class TbsGraphicSkinCustomControl : public SkinCustomControlBase<TbsGraphicSkinControl> {
public:
    explicit TbsGraphicSkinCustomControl(ctl::TComponent* AOwner) : SkinCustomControlBase(AOwner) { }
};

} // namespace skinctrls
