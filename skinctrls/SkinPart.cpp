#include "skinctrls/SkinPart.h"

#include "skin/SkinImageBuilders.h"
#include "skin/SkinRegions.h"
#include "skin/TbsSkinData.h"

namespace skinctrls {

namespace {

const gfx::TBitmap* PictureAt(const skin::TbsSkinData& Data, int Index)
{
    if (Index < 0 || Index >= Data.ActivePictureCount())
        return nullptr;
    return Data.ActivePicture(Index);
}

// Whether a point lies in an area whose right and bottom edges are excluded.
bool InsideOpen(gfx::TPoint P, const gfx::TRect& Area)
{
    return P.X >= Area.Left && P.X < Area.Right && P.Y >= Area.Top && P.Y < Area.Bottom;
}

bool InsideClosed(gfx::TPoint P, const gfx::TRect& Area)
{
    return P.X >= Area.Left && P.X <= Area.Right && P.Y >= Area.Top && P.Y <= Area.Bottom;
}

bool RectInside(const gfx::TRect& R, const gfx::TRect& Area)
{
    return InsideOpen({ R.Left, R.Top }, Area) && InsideOpen({ R.Right, R.Bottom }, Area);
}

} // namespace

TbsSkinSizing SizingOf(const gfx::TRect& SkinRect, const skin::TbsSkinGeometry& Geometry)
{
    if (SkinRect.Width() <= 0 || SkinRect.Height() <= 0)
        return TbsSkinSizing::None;
    if (Geometry.RightBottom.X != 0 && Geometry.RightBottom.Y != 0)
        return TbsSkinSizing::NineParts;
    if (Geometry.RightTop.X != 0 || Geometry.RightTop.Y != 0)
        return TbsSkinSizing::Horizontal;
    if (Geometry.LeftBottom.X != 0 || Geometry.LeftBottom.Y != 0)
        return TbsSkinSizing::Vertical;
    return TbsSkinSizing::Fixed;
}

void TbsSkinPart::Take(const skin::TbsDataSkinControl& Record, const skin::TbsSkinData& Data)
{
    Clear();
    const auto* custom = dynamic_cast<const skin::TbsDataSkinCustomControl*>(&Record);
    if (!custom) {
        m_sizing = TbsSkinSizing::Fixed;
        return;
    }
    m_skinRect = custom->SkinRect;
    m_geometry = { custom->LTPoint, custom->RTPoint, custom->LBPoint, custom->RBPoint, custom->ClientRect };
    m_sized = m_geometry;
    m_picture = PictureAt(Data, custom->PictureIndex);
    m_mask = PictureAt(Data, custom->MaskPictureIndex);
    m_sizing = SizingOf(m_skinRect, m_geometry);
}

void TbsSkinPart::CalcSkinSize(int& Width, int& Height)
{
    const int dx = Width - SkinWidth();
    const int dy = Height - SkinHeight();
    const skin::TbsSkinGeometry& g = m_geometry;
    switch (m_sizing) {
    case TbsSkinSizing::None:
        return;
    case TbsSkinSizing::Fixed:
        Width = SkinWidth();
        Height = SkinHeight();
        m_sized.ClientRect = g.ClientRect;
        return;
    case TbsSkinSizing::NineParts:
        m_sized = skin::NewSkinGeometry(g, { SkinWidth(), SkinHeight() }, Width, Height);
        return;
    case TbsSkinSizing::Horizontal:
        Height = SkinHeight();
        m_sized.LeftTop = g.LeftTop;
        m_sized.RightTop = { g.RightTop.X + dx, g.RightTop.Y };
        m_sized.ClientRect = g.ClientRect;
        m_sized.ClientRect.Right += dx;
        return;
    case TbsSkinSizing::Vertical:
        Width = SkinWidth();
        m_sized.LeftTop = g.LeftTop;
        m_sized.LeftBottom = { g.LeftBottom.X, g.LeftBottom.Y + dy };
        m_sized.ClientRect = g.ClientRect;
        m_sized.ClientRect.Bottom += dy;
        return;
    }
}

void TbsSkinPart::DrawImage(gfx::TBitmap& Bitmap, const gfx::TRect& Source, int Width, int Height) const
{
    // A record without a usable picture draws nothing from the skin.
    if (!m_picture || m_picture->Empty())
        return;
    const skin::TbsSkinGeometry& g = m_geometry;
    switch (m_sizing) {
    case TbsSkinSizing::None:
        return;
    case TbsSkinSizing::Fixed:
        Bitmap.SetSize(Source.Width(), Source.Height());
        Bitmap.Canvas().CopyRect(gfx::Rect(0, 0, Source.Width(), Source.Height()), *m_picture, Source);
        return;
    case TbsSkinSizing::NineParts: {
        const skin::TbsSkinGeometry sized = skin::NewSkinGeometry(g, { SkinWidth(), SkinHeight() }, Width, Height);
        skin::BuildTiledSkinImage(g, sized, Bitmap, *m_picture, Source, Width, Height, true);
        return;
    }
    case TbsSkinSizing::Horizontal:
        skin::BuildHorzSkinImage(g.LeftTop.X, SkinWidth() - g.RightTop.X, Bitmap, Width, Source, *m_picture);
        return;
    case TbsSkinSizing::Vertical:
        skin::BuildVertSkinImage(g.LeftTop.Y, SkinHeight() - g.LeftBottom.Y, Bitmap, Height, Source, *m_picture);
        return;
    }
}

gfx::TRect TbsSkinPart::MapRect(const gfx::TRect& R, int Width, int Height) const
{
    const int dx = Width - SkinWidth();
    const int dy = Height - SkinHeight();
    const int sw = SkinWidth();
    const int sh = SkinHeight();
    const skin::TbsSkinGeometry& g = m_geometry;
    gfx::TRect result = R;
    switch (m_sizing) {
    case TbsSkinSizing::NineParts: {
        const gfx::TRect leftTop { 0, 0, g.LeftTop.X, g.LeftTop.Y };
        const gfx::TRect leftBottom { 0, g.LeftBottom.Y, g.LeftBottom.X, sh };
        const gfx::TRect rightTop { g.RightTop.X, 0, sw, g.RightTop.Y };
        const gfx::TRect rightBottom { g.RightBottom.X, g.RightBottom.Y, sw, sh };
        const gfx::TPoint tl { R.Left, R.Top };
        const gfx::TPoint br { R.Right, R.Bottom };
        if (RectInside(R, leftTop))
            return result;
        if (RectInside(R, rightTop))
            return gfx::Offset(result, dx, 0);
        if (RectInside(R, leftBottom))
            return gfx::Offset(result, 0, dy);
        if (RectInside(R, rightBottom))
            return gfx::Offset(result, dx, dy);
        if (InsideClosed(tl, leftTop) && InsideClosed(br, rightBottom)) {
            result.Right += dx;
            result.Bottom += dy;
        } else if (InsideClosed(tl, leftTop) && InsideClosed(br, rightTop)) {
            result.Right += dx;
        } else if (InsideClosed(tl, leftBottom) && InsideClosed(br, rightBottom)) {
            result.Right += dx;
            gfx::OffsetRect(result, 0, dy);
        } else if (InsideClosed(tl, leftTop) && InsideClosed(br, leftBottom)) {
            result.Bottom += dy;
        } else if (InsideClosed(tl, rightTop) && InsideClosed(br, rightBottom)) {
            gfx::OffsetRect(result, dx, 0);
            result.Bottom += dy;
        }
        return result;
    }
    case TbsSkinSizing::Horizontal:
        if (R.Left <= g.LeftTop.X && R.Right >= g.RightTop.X)
            result.Right += dx;
        else if (R.Left >= g.RightTop.X && R.Right > g.RightTop.X)
            gfx::OffsetRect(result, dx, 0);
        return result;
    case TbsSkinSizing::Vertical:
        if (R.Top <= g.LeftTop.Y && R.Bottom >= g.LeftBottom.Y)
            result.Bottom += dy;
        else if (R.Top >= g.LeftBottom.Y && R.Bottom > g.LeftBottom.Y)
            gfx::OffsetRect(result, 0, dy);
        return result;
    case TbsSkinSizing::Fixed:
    case TbsSkinSizing::None:
        return result;
    }
    return result;
}

std::optional<gfx::TRegion> TbsSkinPart::BuildRegion(int Width, int Height) const
{
    if (!m_mask)
        return std::nullopt;
    const gfx::TRect whole { 0, 0, m_mask->Width(), m_mask->Height() };
    const skin::TbsSkinGeometry& g = m_geometry;
    gfx::TBitmap sized;
    switch (m_sizing) {
    case TbsSkinSizing::None:
        return std::nullopt;
    case TbsSkinSizing::Fixed:
        return skin::RegionFromMask(*m_mask);
    case TbsSkinSizing::NineParts:
        return skin::BuildFrameRegion(*m_mask, g, Width, Height);
    // A control that sizes one way only takes the mask sized exactly as its
    // image: fixed ends and a tiled middle. (The frame builder would cut away
    // whole columns or rows wherever the mask's ends lie outside the record's
    // client rectangle.)
    case TbsSkinSizing::Horizontal:
        skin::BuildHorzSkinImage(g.LeftTop.X, SkinWidth() - g.RightTop.X, sized, Width, whole, *m_mask);
        break;
    case TbsSkinSizing::Vertical:
        skin::BuildVertSkinImage(g.LeftTop.Y, SkinHeight() - g.LeftBottom.Y, sized, Height, whole, *m_mask);
        break;
    }
    return skin::RegionFromMask(sized);
}

} // namespace skinctrls
