#pragma once

#include "platform/graphics/Geometry.h"

#include <string>

namespace gfx {
class TBitmap;
class TCanvas;
}
namespace ctl {
class TImageList;
}

namespace skinctrls {

// Where a button's glyph sits relative to its caption.
enum class TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TbsGlyphCaptionPlace {
    gfx::TPoint Glyph;
    gfx::TPoint Caption;
};

// Positions of a glyph of GlyphSize and a caption of TextSize inside R.
// Margin -1 centres both as a group; otherwise the glyph keeps Margin pixels
// from the edge named by Layout. Spacing separates glyph and caption.
TbsGlyphCaptionPlace LayoutGlyphCaption(const gfx::TRect& R, TbsButtonLayout Layout, int Margin, int Spacing,
    gfx::TSize GlyphSize, gfx::TSize TextSize);

// How a button places and offsets its glyph and caption.
struct TbsGlyphCaptionStyle {
    TbsButtonLayout Layout { TbsButtonLayout::blGlyphLeft };
    int Margin { -1 };
    int Spacing { 1 };
    // Everything moves one pixel right and down (the pressed look).
    bool Pressed { false };
};

// Caption with frame Frame (1-based) of a strip of NumGlyphs equal glyphs,
// drawn with the canvas's current font; the glyph's bottom-left pixel is
// see-through.
void DrawGlyphCaption(gfx::TCanvas& Canvas, const gfx::TRect& R, const TbsGlyphCaptionStyle& Style,
    const std::string& Caption, const gfx::TBitmap& Glyph, int NumGlyphs, int Frame);

// Caption with image Index of an image list (greyed unless Enabled). A
// missing list or an index out of range leaves the image out.
void DrawImageCaption(gfx::TCanvas& Canvas, const gfx::TRect& R, const TbsGlyphCaptionStyle& Style,
    const std::string& Caption, const ctl::TImageList* Images, int Index, bool Enabled);

} // namespace skinctrls
