#pragma once

#include "platform/graphics/TColor.h"

namespace gfx {

class TBitmap;

// Fill styles. bsSolid fills, bsClear leaves the background alone, the hatch
// styles draw 8x8 line patterns in the brush colour over a transparent background.
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The brush a canvas fills with. A solid brush also gives text its opaque
// background; a clear brush makes text transparent.
struct TBrush {
    TColor Color { clWhite };
    TBrushStyle Style { TBrushStyle::bsSolid };
    // When set, fills repeat this picture (aligned to the canvas origin)
    // instead of the colour. Not owned; must outlive its use.
    const TBitmap* Bitmap { nullptr };
};

} // namespace gfx
