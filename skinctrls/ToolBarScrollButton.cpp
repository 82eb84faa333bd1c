#include "skinctrls/ToolBarScrollButton.h"

#include "skin/SkinControlRecords.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/DefaultLook.h"

namespace skinctrls {
namespace {

const gfx::TBitmap* RecordPicture(const skin::TbsDataSkinButtonControl& Record, const skin::TbsSkinData& Data)
{
    if (Record.PictureIndex < 0 || Record.PictureIndex >= Data.ActivePictureCount())
        return nullptr;
    const gfx::TBitmap* picture = Data.ActivePicture(Record.PictureIndex);
    return picture && !picture->Empty() ? picture : nullptr;
}

// The record's image of the button's state, and the arrow's colour.
void DrawSkinned(gfx::TBitmap& Bitmap, const TbsToolBarScrollButton& Button,
    const skin::TbsDataSkinButtonControl& Record, const gfx::TBitmap& Picture, gfx::TColor& Arrow)
{
    gfx::TRect source = Record.SkinRect;
    Arrow = Record.FontColor;
    if (Button.Hot && Button.Down && !Record.DownSkinRect.IsEmpty()) {
        source = Record.DownSkinRect;
        Arrow = Record.DownFontColor;
    } else if (Button.Hot && !Record.ActiveSkinRect.IsEmpty()) {
        source = Record.ActiveSkinRect;
        Arrow = Record.ActiveFontColor;
    }
    const skin::TbsSkinGeometry points { Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint,
        Record.ClientRect };
    const int w = Bitmap.Width();
    const int h = Bitmap.Height();
    const skin::TbsSkinGeometry sized
        = skin::NewSkinGeometry(points, { Record.SkinRect.Width(), Record.SkinRect.Height() }, w, h);
    skin::BuildTiledSkinImage(points, sized, Bitmap, Picture, source, w, h, true);
}

void DrawDefault(gfx::TBitmap& Bitmap, const TbsToolBarScrollButton& Button)
{
    gfx::TColor frame = gfx::clBtnShadow;
    gfx::TColor fill = gfx::clBtnFace;
    if (Button.Hot) {
        frame = kDefaultFrameColor;
        fill = Button.Down ? kDefaultDownColor : kDefaultHotColor;
    }
    gfx::DrawFramedFill(Bitmap.Canvas(), gfx::Rect(0, 0, Bitmap.Width(), Bitmap.Height()), frame, fill);
}

} // namespace

void DrawToolBarScrollButton(gfx::TBitmap& Bitmap, const TbsToolBarScrollButton& Button,
    const skin::TbsDataSkinButtonControl* Record, const skin::TbsSkinData* Data)
{
    gfx::TColor arrow = gfx::clBtnText;
    const gfx::TBitmap* picture = Record && Data ? RecordPicture(*Record, *Data) : nullptr;
    if (picture)
        DrawSkinned(Bitmap, Button, *Record, *picture, arrow);
    else
        DrawDefault(Bitmap, Button);
    skin::DrawArrowGlyph(Bitmap.Canvas(), gfx::Rect(0, 0, Bitmap.Width(), Bitmap.Height()), arrow,
        Button.Left ? skin::TbsArrowKind::akLeft : skin::TbsArrowKind::akRight);
}

} // namespace skinctrls
