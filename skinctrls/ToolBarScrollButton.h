#pragma once

#include "platform/graphics/TBitmap.h"

namespace skin {
class TbsSkinData;
class TbsDataSkinButtonControl;
}

namespace skinctrls {

// One of the two small buttons that scroll a tool bar's buttons, drawn into
// a bitmap of its size. Hot is the pointer over it; Down is hot and pressed,
// or hot while the bar scrolls on hover. With the skin's button record
// ("resizebutton") it is the record's nine-part image of the state (a state
// without a picture shows the one before it); without one, the default look.
// The arrow points left or right.
struct TbsToolBarScrollButton {
    bool Left { true };
    bool Hot { false };
    bool Down { false };
};
void DrawToolBarScrollButton(gfx::TBitmap& Bitmap, const TbsToolBarScrollButton& Button,
    const skin::TbsDataSkinButtonControl* Record, const skin::TbsSkinData* Data);

} // namespace skinctrls
