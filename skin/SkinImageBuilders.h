#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBitmap.h"
#include "skin/SkinGeometry.h"

namespace gfx {
class TCanvas;
}

namespace skin {

// The image builders cut a part out of a skin picture (its skin rectangle S)
// and rebuild it at the size a surface needs. Each first sets the target to its
// size; they keep no state. `skin` is the part's own geometry, `target` the
// geometry for the new size (NewSkinGeometry).
//
// A tiled middle whose source length is zero or negative, and a client area
// without width or height, are left unpainted instead of being divided by.

// Nine-part image of width x height: fixed corners, edge middles stretched or
// tiled by the flags, the client area tiled when fillClient. Nothing is painted
// when the picture is empty or the corner points span nothing.
void BuildSkinImage(const TbsSkinGeometry& skin, const TbsSkinGeometry& target, gfx::TBitmap& image,
    const gfx::TBitmap& picture, const gfx::TRect& skinRect, int width, int height, bool fillClient,
    TbsStretchFlags stretch);

// BuildSkinImage with every edge middle tiled.
void BuildTiledSkinImage(const TbsSkinGeometry& skin, const TbsSkinGeometry& target, gfx::TBitmap& image,
    const gfx::TBitmap& picture, const gfx::TRect& skinRect, int width, int height, bool fillClient);

// A row of the skin rectangle's height: fixed left and right parts, tiled middle.
void BuildHorzSkinImage(int leftWidth, int rightWidth, gfx::TBitmap& image, int width, const gfx::TRect& skinRect,
    const gfx::TBitmap& picture);

// A row of the skin rectangle's height covered from x = 0 with tiles of the
// middle between the two offsets; no end parts.
void BuildHorzMiddleSkinImage(int leftOffset, int rightOffset, gfx::TBitmap& image, int width,
    const gfx::TRect& skinRect, const gfx::TBitmap& picture);

// A column of the skin rectangle's width: fixed top and bottom parts, tiled middle.
void BuildVertSkinImage(int topHeight, int bottomHeight, gfx::TBitmap& image, int height, const gfx::TRect& skinRect,
    const gfx::TBitmap& picture);

// The four frame strips of a skinned form: the top strip is drawn at (0, 0),
// the left one below it, the right one at the right edge below it and the
// bottom one at the bottom. A strip whose source has no pixels to give keeps
// its previous size and content.
struct TbsFrameStrips {
    gfx::TBitmap Top;
    gfx::TBitmap Left;
    gfx::TBitmap Right;
    gfx::TBitmap Bottom;
};

void BuildFrameStrips(const TbsSkinGeometry& skin, const TbsSkinGeometry& target, const gfx::TBitmap& picture,
    const gfx::TRect& skinRect, int width, int height, TbsStretchFlags stretch, TbsFrameStrips& strips);

// Draws the frame-th (1-based) of count equal pieces of a horizontal strip at
// (x, y), the colour of the piece's bottom-left pixel being see-through.
// Nothing is drawn for an empty strip or a frame outside 1..count.
void DrawStripFrame(gfx::TCanvas& canvas, int x, int y, int frame, int count, const gfx::TBitmap& strip);

} // namespace skin
