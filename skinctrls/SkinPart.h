#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"
#include "skin/SkinGeometry.h"

#include <optional>

namespace skin {
class TbsSkinData;
class TbsDataSkinControl;
}

namespace skinctrls {

// How a control's skin image follows the control's size.
enum class TbsSkinSizing {
    None = -1,       // no image (the skin rectangle has no area)
    Fixed = 0,       // the control takes the skin rectangle's size
    NineParts = 1,   // fixed corners, tiled edges and client area
    Horizontal = 2,  // fixed ends left and right, tiled middle; skin height
    Vertical = 3,    // fixed ends top and bottom, tiled middle; skin width
};

// The part of a skin record that draws a control: the record's geometry (as
// read, relative to the skin rectangle), the same geometry moved to the
// control's current size, the picture and mask it comes from and how it
// sizes. Shared by the windowed and the windowless skinned controls.
class TbsSkinPart {
public:
    // Copies the geometry of a custom-control record; a record without corner
    // points gives Fixed sizing and no picture.
    void Take(const skin::TbsDataSkinControl& Record, const skin::TbsSkinData& Data);
    void Clear() { *this = TbsSkinPart(); }

    // Adapts a requested size to the sizing and moves the sized geometry to it.
    void CalcSkinSize(int& Width, int& Height);

    // The skin image of the source rectangle Source (a rectangle of the same
    // size as the skin rectangle) for a control of Width x Height; the bitmap
    // takes the skin rectangle's size for Fixed sizing.
    void DrawImage(gfx::TBitmap& Bitmap, const gfx::TRect& Source, int Width, int Height) const;

    // A rectangle in skin coordinates moved to the control size.
    gfx::TRect MapRect(const gfx::TRect& Rect, int Width, int Height) const;

    // The window region of the mask for the control size; nothing without a mask.
    std::optional<gfx::TRegion> BuildRegion(int Width, int Height) const;

    TbsSkinSizing Sizing() const { return m_sizing; }
    const gfx::TBitmap* Picture() const { return m_picture; }
    const gfx::TBitmap* Mask() const { return m_mask; }
    const gfx::TRect& SkinRect() const { return m_skinRect; }
    int SkinWidth() const { return m_skinRect.Width(); }
    int SkinHeight() const { return m_skinRect.Height(); }
    // Record geometry, relative to the skin rectangle's top-left.
    const skin::TbsSkinGeometry& Geometry() const { return m_geometry; }
    // The same geometry moved to the control's current size.
    const skin::TbsSkinGeometry& Sized() const { return m_sized; }
    void SetSizedClientRect(const gfx::TRect& Rect) { m_sized.ClientRect = Rect; }

private:
    gfx::TRect m_skinRect;
    skin::TbsSkinGeometry m_geometry;
    skin::TbsSkinGeometry m_sized;
    const gfx::TBitmap* m_picture { nullptr };
    const gfx::TBitmap* m_mask { nullptr };
    TbsSkinSizing m_sizing { TbsSkinSizing::None };
};

// The sizing a custom-control record asks for by its skin rectangle and points.
TbsSkinSizing SizingOf(const gfx::TRect& SkinRect, const skin::TbsSkinGeometry& Geometry);

} // namespace skinctrls
