#pragma once

#include "skinctrls/TbsSkinPanel.h"

namespace skinctrls {

// A skinned panel that starts in caption mode: a framed box with its caption
// in a band across the top.
class TbsSkinGroupBox : public TbsSkinPanel {
public:
    explicit TbsSkinGroupBox(ctl::TComponent* AOwner);
};

} // namespace skinctrls
