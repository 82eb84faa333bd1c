#include "skin/SkinRegions.h"

#include "skin/TbsFBitmap.h"

namespace skin {

std::optional<TbsRegionData> MaskToRegionData(const gfx::TBitmap& mask, int x, int y)
{
    if (mask.Empty())
        return std::nullopt;
    const TbsFBitmap scan(mask);
    TbsRegionData data;
    data.Bounds = { x, y, x + scan.Width(), y + scan.Height() };
    for (int row = 0; row < scan.Height(); ++row) {
        int column = 0;
        while (column < scan.Width()) {
            if (!scan.IsBlack(column, row)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < scan.Width() && scan.IsBlack(column, row))
                ++column;
            data.Rects.push_back({ start + x, row + y, column + x, row + y + 1 });
        }
    }
    return data;
}

std::optional<gfx::TRegion> RegionFromMask(const gfx::TBitmap& mask)
{
    const auto data = MaskToRegionData(mask, 0, 0);
    if (!data)
        return std::nullopt;
    return gfx::TRegion::FromRects(data->Rects);
}

void BuildMaskStrips(const gfx::TBitmap& mask, const TbsSkinGeometry& maskGeometry, int width, int height,
    TbsFrameStrips& strips)
{
    const TbsSkinGeometry target = NewSkinGeometry(maskGeometry, { mask.Width(), mask.Height() }, width, height);
    BuildFrameStrips(maskGeometry, target, mask, { 0, 0, mask.Width(), mask.Height() }, width, height,
        TbsStretchFlags {}, strips);
}

gfx::TRegion FrameRegionFromStrips(const TbsFrameStrips& strips, const gfx::TRect& newArea)
{
    gfx::TRegion region(newArea);
    auto add = [&](const gfx::TBitmap& strip, int x, int y) {
        if (auto data = MaskToRegionData(strip, x, y))
            region |= gfx::TRegion::FromRects(data->Rects);
    };
    add(strips.Top, 0, 0);
    add(strips.Left, 0, newArea.Top);
    add(strips.Right, newArea.Right, newArea.Top);
    add(strips.Bottom, 0, newArea.Bottom);
    return region;
}

std::optional<gfx::TRegion> BuildFrameRegion(const gfx::TBitmap& mask, const TbsSkinGeometry& maskGeometry, int width,
    int height)
{
    if (mask.Empty())
        return std::nullopt;
    const TbsSkinGeometry target = NewSkinGeometry(maskGeometry, { mask.Width(), mask.Height() }, width, height);
    const bool tooSmall = target.RightTop.X < target.LeftTop.X || target.RightBottom.X < target.LeftBottom.X
        || target.LeftBottom.Y < target.LeftTop.Y || target.RightBottom.Y < target.RightTop.Y
        || target.ClientRect.Right < target.ClientRect.Left || target.ClientRect.Bottom < target.ClientRect.Top;
    if (tooSmall)
        return std::nullopt;
    TbsFrameStrips strips;
    BuildMaskStrips(mask, maskGeometry, width, height, strips);
    return FrameRegionFromStrips(strips, target.ClientRect);
}

} // namespace skin
