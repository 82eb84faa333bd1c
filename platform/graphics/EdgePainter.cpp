#include "platform/graphics/EdgePainter.h"

#include "platform/graphics/TCanvas.h"

namespace gfx {
namespace {

    struct RingColors {
        TColor topLeft;
        TColor bottomRight;
    };

    RingColors ColorsOf(TEdgeRing Ring, bool Outer)
    {
        if (Ring == TEdgeRing::Raised)
            return Outer ? RingColors { cl3DLight, cl3DDkShadow } : RingColors { clBtnHighlight, clBtnShadow };
        return Outer ? RingColors { clBtnShadow, clBtnHighlight } : RingColors { cl3DDkShadow, cl3DLight };
    }

    void Ring(TCanvas& Canvas, TRect& R, TColor TopLeft, TColor BottomRight, TEdgeSides Sides)
    {
        if (Sides.Contains(TEdgeSide::Left))
            FillSolid(Canvas, Rect(R.Left, R.Top, R.Left + 1, R.Bottom), TopLeft);
        if (Sides.Contains(TEdgeSide::Top))
            FillSolid(Canvas, Rect(R.Left, R.Top, R.Right, R.Top + 1), TopLeft);
        if (Sides.Contains(TEdgeSide::Bottom))
            FillSolid(Canvas, Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), BottomRight);
        if (Sides.Contains(TEdgeSide::Right))
            FillSolid(Canvas, Rect(R.Right - 1, R.Top, R.Right, R.Bottom), BottomRight);
        if (Sides.Contains(TEdgeSide::Left))
            ++R.Left;
        if (Sides.Contains(TEdgeSide::Top))
            ++R.Top;
        if (Sides.Contains(TEdgeSide::Right))
            --R.Right;
        if (Sides.Contains(TEdgeSide::Bottom))
            --R.Bottom;
    }

} // namespace

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopLeft, TColor BottomRight, int Width, TEdgeSides Sides)
{
    const TBrush saved = Canvas.Brush;
    for (int i = 0; i < Width && !Rect.IsEmpty(); ++i)
        Ring(Canvas, Rect, TopLeft, BottomRight, Sides);
    Canvas.Brush = saved;
}

void DrawEdge(TCanvas& Canvas, TRect& Rect, TEdgeRing Outer, TEdgeRing Inner, TEdgeSides Sides)
{
    if (Outer != TEdgeRing::None) {
        const RingColors colors = ColorsOf(Outer, true);
        Frame3D(Canvas, Rect, colors.topLeft, colors.bottomRight, 1, Sides);
    }
    if (Inner != TEdgeRing::None) {
        const RingColors colors = ColorsOf(Inner, false);
        Frame3D(Canvas, Rect, colors.topLeft, colors.bottomRight, 1, Sides);
    }
}

void FillSolid(TCanvas& Canvas, const TRect& Rect, TColor Color)
{
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.FillRect(Rect);
}

void DrawFramedFill(TCanvas& Canvas, TRect Rect, TColor Frame, TColor Fill)
{
    Frame3D(Canvas, Rect, Frame, Frame);
    FillSolid(Canvas, Rect, Fill);
}

} // namespace gfx
