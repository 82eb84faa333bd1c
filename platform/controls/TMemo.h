#pragma once

#include "platform/controls/TCustomMemo.h"

namespace ctl {

// The multi-line text box as forms place it.
class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* AOwner);
};

} // namespace ctl
