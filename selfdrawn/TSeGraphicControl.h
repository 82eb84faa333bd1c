#pragma once

#include "selfdrawn/SeControlBase.h"

namespace selfdrawn {

// A windowless self-drawn control, painted on its parent's surface through
// the same pipeline as TSeCustomControl but without a frame.
class TSeGraphicControl : public SeControlBase<ctl::TGraphicControl> {
public:
    using SeControlBase::SeControlBase;
};

} // namespace selfdrawn
