#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinImageBuilders.h"

#include <optional>
#include <vector>

namespace skin {

// The black pixels of a mask as rectangles: one per horizontal run of pure
// black pixels, listed row by row, left to right, offset by the mask's position.
// Every run is kept, however many there are.
struct TbsRegionData {
    gfx::TRect Bounds;
    std::vector<gfx::TRect> Rects;
};

// Nothing for an empty mask.
std::optional<TbsRegionData> MaskToRegionData(const gfx::TBitmap& mask, int x, int y);

// A window region made of the black pixels of the whole mask; no region for an
// empty mask (a mask without black pixels gives an empty region).
std::optional<gfx::TRegion> RegionFromMask(const gfx::TBitmap& mask);

// The four strips of a mask cut like the frame strips, always tiled, with the
// geometry's client rectangle as the mask's solid middle.
void BuildMaskStrips(const gfx::TBitmap& mask, const TbsSkinGeometry& maskGeometry, int width, int height,
    TbsFrameStrips& strips);

// The solid middle plus the black pixels of the strips placed around it: the
// top strip at (0, 0), the left one below it, the right one right of the
// middle and the bottom one below the middle.
gfx::TRegion FrameRegionFromStrips(const TbsFrameStrips& strips, const gfx::TRect& newArea);

// The region of a masked part at a target size; no region when the mask is
// empty or the target is smaller than the fixed parts of the mask.
std::optional<gfx::TRegion> BuildFrameRegion(const gfx::TBitmap& mask, const TbsSkinGeometry& maskGeometry,
    int width, int height);

} // namespace skin
