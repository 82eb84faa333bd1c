#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "skin/SkinGeometry.h"

namespace ctl {
class TImageList;
}
namespace skin {
class TbsSkinData;
class TbsDataSkinPopupWindow;
class TbsDataSkinMenuItem;
}

namespace skinform {

// What a menu window paints with, taken from the skin once when it opens.
// Without a popup-window picture or a menu-item record the menu has the plain
// system-colour look.
struct TbsMenuLook {
    const skin::TbsDataSkinPopupWindow* Popup { nullptr };
    const gfx::TBitmap* WindowPicture { nullptr };
    const gfx::TBitmap* MaskPicture { nullptr };
    const skin::TbsDataSkinMenuItem* ItemRecord { nullptr };
    // Null when the record's picture index is out of range: items then have no image.
    const gfx::TBitmap* ItemPicture { nullptr };
    gfx::TFont Font;
    ctl::TImageList* Images { nullptr };
    int DefItemHeight { 20 };

    bool Skinned() const { return Popup && WindowPicture && ItemRecord; }
    // Width of the column of check marks and images before the captions.
    int GlyphColumn() const;
    // Where a caption starts after the text rectangle's left.
    int CaptionIndent() const;
    int ItemHeight(bool separator) const;
    // How the window picture is cut, with the items rectangle as its client.
    skin::TbsSkinGeometry WindowGeometry() const;
};

TbsMenuLook ResolveMenuLook(const skin::TbsSkinData* data, const gfx::TFont& defaultFont, bool useSkinFont,
    int defaultItemHeight, ctl::TImageList* images);

} // namespace skinform
