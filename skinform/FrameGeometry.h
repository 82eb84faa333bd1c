#pragma once

#include "platform/graphics/Geometry.h"
#include "skin/SkinGeometry.h"

namespace skin {
struct SkinFormInfo;
}

namespace skinform {

// Where the skinned frame's parts lie for one window size, in window
// coordinates: the main picture's frame description (FORMINFO) rebuilt for a
// window of width x height.
struct TbsFrameGeometry {
    skin::TbsSkinGeometry Frame; // corner points and client rectangle
    gfx::TRect CaptionRect;
    gfx::TRect ButtonsRect;
    gfx::TPoint HitTestLT;
    gfx::TPoint HitTestRT;
    gfx::TPoint HitTestLB;
    gfx::TPoint HitTestRB;
    gfx::TRect MaskRectArea;
    bool ButtonsInLeft { false };
};

// The skin's frame description as a cut geometry of the main picture.
skin::TbsSkinGeometry SkinFrameGeometry(const skin::SkinFormInfo& info);

// The frame of a picture of `pictureSize` rebuilt for a window of width x height.
TbsFrameGeometry ComputeFrameGeometry(const skin::SkinFormInfo& info, gfx::TSize pictureSize, int width, int height);

// The client rectangle inside a window rectangle (same coordinates): the
// skinned frame's margins are those of the skin's client rectangle within its
// picture. A rectangle that would turn inside out collapses to its left/top.
gfx::TRect SkinnedClientRect(const skin::SkinFormInfo& info, gfx::TSize pictureSize, gfx::TRect window);

// The default frame (no skin): a 3-pixel border and a caption bar.
inline constexpr int kDefaultCaptionHeight = 19;
inline constexpr int kDefaultToolCaptionHeight = 15;
inline constexpr int kDefaultBorder = 3;
gfx::TRect DefaultClientRect(gfx::TRect window, int captionHeight);

} // namespace skinform
