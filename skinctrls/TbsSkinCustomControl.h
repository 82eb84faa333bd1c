#pragma once

#include "skinctrls/SkinCustomControlBase.h"

namespace skinctrls {

// A skinned windowed control whose window takes the shape of the record's
// mask when the record has one.
class TbsSkinCustomControl : public SkinCustomControlBase<TbsSkinControl> {
public:
    explicit TbsSkinCustomControl(ctl::TComponent* AOwner) : SkinCustomControlBase(AOwner) { }

protected:
    void UpdateSkinRegion() override;

private:
    bool m_hasRegion { false };
};

} // namespace skinctrls
