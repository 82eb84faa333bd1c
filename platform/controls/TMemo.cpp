#include "platform/controls/TMemo.h"

namespace ctl {

TMemo::TMemo(TComponent* AOwner) : TCustomMemo(AOwner)
{
    TControl::SetBounds(0, 0, 185, 89);
}

} // namespace ctl
