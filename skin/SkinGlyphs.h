#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"

namespace gfx {
class TCanvas;
}

namespace skin {

// The built-in caption and menu glyphs, drawn in one colour at an origin
// (x, y). Lines leave out their end point; rectangles are one-pixel outlines
// unless filled. The canvas's pen and brush are left as they were.
void DrawCloseGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
void DrawMinimizeGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
void DrawMaximizeGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
void DrawRestoreGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
void DrawSmallBarGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
void DrawTriangleDownGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
void DrawTriangleUpGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
void DrawSquareGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
// The check mark of a checked menu entry (10 x 10 from the origin).
void DrawCheckGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
// The dot of a checked radio entry (a filled disc of 6 pixels inside 10 x 10).
void DrawRadioDotGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);

enum class TbsArrowKind { akLeft = 1, akRight = 2, akUp = 3, akDown = 4 };

// A small solid arrow (4 pixels deep, 7 across) centred in the rectangle.
void DrawArrowGlyph(gfx::TCanvas& canvas, const gfx::TRect& rect, gfx::TColor color, TbsArrowKind kind);

} // namespace skin
