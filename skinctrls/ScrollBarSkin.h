#pragma once

#include "platform/graphics/Geometry.h"

namespace skin {
class TbsDataSkinScrollBarControl;
}

namespace skinctrls {

// What a skinned scroll bar copies from its record: where its parts lie in
// skin coordinates and the picture areas of each part's states. An empty
// pressed button falls back to the hot one; an empty hot thumb (or mark) to
// the normal one, an empty dragged one to the hot one.
struct TbsScrollBarSkin {
    gfx::TRect TrackArea;
    gfx::TRect Increase, IncreaseHot, IncreaseDown;
    gfx::TRect Decrease, DecreaseHot, DecreaseDown;
    gfx::TRect Thumb, ThumbHot, ThumbDown;
    gfx::TRect Glyph, GlyphHot, GlyphDown;
    int ThumbOffset1 { 0 };
    int ThumbOffset2 { 0 };
};
TbsScrollBarSkin ScrollBarSkinOf(const skin::TbsDataSkinScrollBarControl& Record);

} // namespace skinctrls
