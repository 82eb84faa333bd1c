#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"

namespace gfx {

class TCanvas;

enum class TArrowDirection { Up, Down, Left, Right };

// The small solid triangle of scroll and drop-down buttons: four rows (or
// columns) of 1, 3, 5 and 7 pixels, the single pixel at Tip pointing in
// Direction. Painted with a solid brush in Color, which stays selected.
void DrawArrowGlyph(TCanvas& Canvas, TPoint Tip, TArrowDirection Direction, TColor Color);

} // namespace gfx
