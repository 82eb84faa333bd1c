#include "app/SkinnedControls.h"

#include "platform/controls/TComponent.h"
#include "skin/SkinnedControl.h"

namespace app {

void HandSkinToControls(ctl::TComponent& Owner, skin::TbsSkinData* Data)
{
    if (!Data)
        return;
    for (int i = 0; i < Owner.ComponentCount(); ++i)
        if (auto* control = dynamic_cast<skin::SkinnedControl*>(Owner.Components(i)))
            control->SetSkinData(Data);
}

} // namespace app
