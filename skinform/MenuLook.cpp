#include "skinform/MenuLook.h"

#include "platform/controls/TImageList.h"
#include "skin/TbsSkinData.h"

namespace skinform {

int TbsMenuLook::GlyphColumn() const { return Images ? Images->Width() + 5 : 19; }

int TbsMenuLook::CaptionIndent() const { return Images ? GlyphColumn() : 16; }

int TbsMenuLook::ItemHeight(bool separator) const
{
    if (Skinned())
        return separator ? ItemRecord->DividerRect.Height() : ItemRecord->SkinRect.Height();
    return separator ? 4 : DefItemHeight;
}

skin::TbsSkinGeometry TbsMenuLook::WindowGeometry() const
{
    return { Popup->LTPoint, Popup->RTPoint, Popup->LBPoint, Popup->RBPoint, Popup->ItemsRect };
}

TbsMenuLook ResolveMenuLook(const skin::TbsSkinData* data, const gfx::TFont& defaultFont, bool useSkinFont,
    int defaultItemHeight, ctl::TImageList* images)
{
    TbsMenuLook look;
    look.Font = defaultFont;
    look.Images = images;
    look.DefItemHeight = defaultItemHeight;
    if (!data || data->IsEmpty())
        return look;
    const skin::TbsDataSkinPopupWindow& popup = data->PopupWindow();
    if (popup.WindowPictureIndex != -1) {
        look.Popup = &popup;
        look.WindowPicture = data->ActivePicture(popup.WindowPictureIndex);
        look.MaskPicture = data->ActivePicture(popup.MaskPictureIndex);
    }
    for (const auto& object : data->SkinObjects()) {
        if (object->Kind() == skin::SkinObjectKind::MenuItem) {
            look.ItemRecord = static_cast<const skin::TbsDataSkinMenuItem*>(object.get());
            look.ItemPicture = data->ActivePicture(look.ItemRecord->ActivePictureIndex);
            break;
        }
    }
    if (look.Skinned() && useSkinFont) {
        look.Font.Name = look.ItemRecord->FontName;
        look.Font.Height = look.ItemRecord->FontHeight;
        look.Font.Style = look.ItemRecord->FontStyle;
    }
    return look;
}

} // namespace skinform
