#pragma once

namespace ctl {
class TComponent;
}
namespace skin {
class TbsSkinData;
}

namespace app {

// Gives every skinned control owned by a window the program's skin, so the
// whole window is drawn from it. A null skin leaves the controls as they are.
void HandSkinToControls(ctl::TComponent& Owner, skin::TbsSkinData* Data);

} // namespace app
