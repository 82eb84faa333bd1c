#include "report/objects/TfrLineView.h"

namespace report {

void TfrLineView::Draw(gfx::TPageCanvas& canvas)
{
    // A line is one frame side of a flat or a tall rectangle.
    std::int32_t width = Width;
    std::int32_t height = Height;
    std::uint16_t sides = FrameTyp;
    if (Height < Width) {
        Height = 0;
        FrameTyp = frftTop;
    } else {
        Width = 0;
        FrameTyp = frftLeft;
    }
    ApplyScale();
    PaintFrame(canvas);
    RestoreScale();
    Width = width;
    Height = height;
    FrameTyp = sides;
}

} // namespace report
