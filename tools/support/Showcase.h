#pragma once

namespace gfx {

class TBitmap;

// Paints a picture of what the drawing layer does: text in each mapped face
// (Chinese and Latin), pixel-exact lines and shapes with a magnified view,
// raster operations, a region-clipped fill and formatted text. Used by the
// showcase tool and by the tests' snapshot.
void DrawShowcase(TBitmap& target);

} // namespace gfx
