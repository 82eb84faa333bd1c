#pragma once

#include "platform/graphics/Geometry.h"

namespace skin {

// How one skin part is cut: the four corner points and the client rectangle,
// all relative to the top-left of the part's skin rectangle. The corner points
// split each edge into a fixed start, a middle that is stretched or tiled and a
// fixed end; the bands outside the client rectangle are the four edges.
struct TbsSkinGeometry {
    gfx::TPoint LeftTop;
    gfx::TPoint RightTop;
    gfx::TPoint LeftBottom;
    gfx::TPoint RightBottom;
    gfx::TRect ClientRect;

    friend bool operator==(const TbsSkinGeometry&, const TbsSkinGeometry&) = default;
};

// Per edge: stretch (true) or tile (false) the middle of that edge.
struct TbsStretchFlags {
    bool Left { false };
    bool Top { false };
    bool Right { false };
    bool Bottom { false };
};

// The geometry of a part of skinSize rebuilt for a target of width x height:
// the right-hand points and the client's right side move by the width change,
// the bottom points and the client's bottom by the height change.
TbsSkinGeometry NewSkinGeometry(const TbsSkinGeometry& skin, gfx::TSize skinSize, int width, int height);

} // namespace skin
