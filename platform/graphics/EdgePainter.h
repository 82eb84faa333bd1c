#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"

#include <initializer_list>

namespace gfx {

class TCanvas;

enum class TEdgeSide : unsigned { Left = 1, Top = 2, Right = 4, Bottom = 8 };

// The sides of a rectangle an edge is painted on.
class TEdgeSides {
public:
    constexpr TEdgeSides() = default;
    constexpr TEdgeSides(std::initializer_list<TEdgeSide> sides)
    {
        for (TEdgeSide s : sides)
            Include(s);
    }
    static constexpr TEdgeSides All() { return { TEdgeSide::Left, TEdgeSide::Top, TEdgeSide::Right, TEdgeSide::Bottom }; }
    constexpr bool Contains(TEdgeSide s) const { return (m_bits & static_cast<unsigned>(s)) != 0; }
    constexpr void Include(TEdgeSide s) { m_bits |= static_cast<unsigned>(s); }
    friend constexpr bool operator==(const TEdgeSides&, const TEdgeSides&) = default;

private:
    unsigned m_bits { 0 };
};

// Whether one ring of a classic edge stands out of the surface or is cut into it.
enum class TEdgeRing { None, Raised, Sunken };

// The classic 3-D look that the window frame and every family of controls
// share. A ring is one pixel wide: the left and top sides in the top-left
// colour, then the bottom and right sides over the whole length in the
// bottom-right colour, so that colour owns the top-right and bottom-left
// corners. The rings are painted with the brush, which Frame3D and DrawEdge
// leave as they found it.

// Width rings in two colours on the named sides. Rect shrinks by one pixel
// on each painted side per ring; painting stops once Rect is empty.
void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopLeft, TColor BottomRight, int Width = 1,
    TEdgeSides Sides = TEdgeSides::All());

// An edge of up to two rings in the system colours, outer ring first. Raised:
// 3-D light over 3-D dark shadow outside, button highlight over button shadow
// inside. Sunken: button shadow over button highlight outside, 3-D dark
// shadow over 3-D light inside. Rect becomes the inside.
void DrawEdge(TCanvas& Canvas, TRect& Rect, TEdgeRing Outer, TEdgeRing Inner, TEdgeSides Sides = TEdgeSides::All());

// Rect filled with Color through a solid brush, which stays selected.
void FillSolid(TCanvas& Canvas, const TRect& Rect, TColor Color);
// A one-pixel frame of one colour with the inside filled with another.
void DrawFramedFill(TCanvas& Canvas, TRect Rect, TColor Frame, TColor Fill);

} // namespace gfx
