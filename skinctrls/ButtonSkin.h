#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TFont.h"

namespace skin {
class TbsDataSkinButtonControl;
}

namespace skinctrls {

// The source rectangles of a button record's states: an empty hot rectangle
// falls back to the normal one, an empty pressed one to the hot one.
struct TbsButtonSkinRects {
    gfx::TRect Normal;
    gfx::TRect Hot;
    gfx::TRect Down;
    gfx::TRect Disabled;
};
TbsButtonSkinRects ButtonSkinRects(const skin::TbsDataSkinButtonControl& Record);

// The caption font of a button record: the record's name, height and style
// when UseSkinFont, else DefaultFont; colour by state.
gfx::TFont ButtonSkinFont(const skin::TbsDataSkinButtonControl& Record, bool UseSkinFont,
    const gfx::TFont& DefaultFont, int CharSet, bool Enabled, bool Hot, bool Down);

} // namespace skinctrls
