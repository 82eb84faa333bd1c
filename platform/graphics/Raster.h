#pragma once

#include "platform/graphics/RasterOp.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TPen.h"

// Row loops that combine pixels: the binary modes of pens and brushes and the
// ternary raster operations of blits. Results other than a plain copy are
// opaque (alpha 255).
namespace gfx::raster {

// dst[i] = mode(color, dst[i]) for count pixels.
void ModeRow(Pixel* dst, int count, Pixel color, TPenMode mode);
// As ModeRow, for the pixels whose bit is set in an 8-bit pattern repeating
// every 8 pixels; `phase` is the pattern bit of dst[0].
void ModeRowMasked(Pixel* dst, int count, Pixel color, TPenMode mode, unsigned pattern, int phase);
// dst[i] = mode(pattern[i], dst[i]).
void ModeRowFrom(Pixel* dst, const Pixel* pattern, int count, TPenMode mode);

// dst[i] = rop(pattern[i], src[i], dst[i]). `pattern` may be null when the
// operation does not use it; `src` may be null when it does not use the source.
void RopRow(Pixel* dst, const Pixel* src, const Pixel* pattern, int count, TRasterOp rop);
bool RopUsesSource(TRasterOp rop);
bool RopUsesPattern(TRasterOp rop);

} // namespace gfx::raster
