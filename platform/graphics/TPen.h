#pragma once

#include "platform/graphics/TColor.h"

namespace gfx {

// Line styles. Dashed styles apply to one-pixel pens only; a wider pen draws solid.
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How a pen (and a filled shape) combines with the pixels already there, in the
// classic order of the sixteen binary raster operations.
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor,
};

// The pen a canvas draws lines and outlines with.
struct TPen {
    TColor Color { clBlack };
    int Width { 1 };
    TPenStyle Style { TPenStyle::psSolid };
    TPenMode Mode { TPenMode::pmCopy };
};

} // namespace gfx
