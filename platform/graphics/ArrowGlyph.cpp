#include "platform/graphics/ArrowGlyph.h"

#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/TCanvas.h"

namespace gfx {

void DrawArrowGlyph(TCanvas& Canvas, TPoint Tip, TArrowDirection Direction, TColor Color)
{
    constexpr int kRows = 4;
    for (int k = 0; k < kRows; ++k) {
        switch (Direction) {
        case TArrowDirection::Up:
            FillSolid(Canvas, Rect(Tip.X - k, Tip.Y + k, Tip.X + k + 1, Tip.Y + k + 1), Color);
            break;
        case TArrowDirection::Down:
            FillSolid(Canvas, Rect(Tip.X - k, Tip.Y - k, Tip.X + k + 1, Tip.Y - k + 1), Color);
            break;
        case TArrowDirection::Left:
            FillSolid(Canvas, Rect(Tip.X + k, Tip.Y - k, Tip.X + k + 1, Tip.Y + k + 1), Color);
            break;
        case TArrowDirection::Right:
            FillSolid(Canvas, Rect(Tip.X - k, Tip.Y - k, Tip.X - k + 1, Tip.Y + k + 1), Color);
            break;
        }
    }
}

} // namespace gfx
