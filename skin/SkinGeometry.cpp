#include "skin/SkinGeometry.h"

namespace skin {

TbsSkinGeometry NewSkinGeometry(const TbsSkinGeometry& skin, gfx::TSize skinSize, int width, int height)
{
    const int dx = width - skinSize.cx;
    const int dy = height - skinSize.cy;
    TbsSkinGeometry result = skin;
    result.RightTop.X += dx;
    result.LeftBottom.Y += dy;
    result.RightBottom.X += dx;
    result.RightBottom.Y += dy;
    result.ClientRect.Right += dx;
    result.ClientRect.Bottom += dy;
    return result;
}

} // namespace skin
