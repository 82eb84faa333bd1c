#include "skinctrls/ScrollBarSkin.h"

#include "skin/SkinControlRecords.h"

namespace skinctrls {
namespace {

const gfx::TRect& Or(const gfx::TRect& Rect, const gfx::TRect& Fallback)
{
    return Rect.IsEmpty() ? Fallback : Rect;
}

} // namespace

TbsScrollBarSkin ScrollBarSkinOf(const skin::TbsDataSkinScrollBarControl& Record)
{
    TbsScrollBarSkin look;
    look.TrackArea = Record.TrackArea;
    look.Increase = Record.UpButtonRect;
    look.IncreaseHot = Record.ActiveUpButtonRect;
    look.IncreaseDown = Or(Record.DownUpButtonRect, look.IncreaseHot);
    look.Decrease = Record.DownButtonRect;
    look.DecreaseHot = Record.ActiveDownButtonRect;
    look.DecreaseDown = Or(Record.DownDownButtonRect, look.DecreaseHot);
    look.Thumb = Record.ThumbRect;
    look.ThumbHot = Or(Record.ActiveThumbRect, look.Thumb);
    look.ThumbDown = Or(Record.DownThumbRect, look.ThumbHot);
    look.Glyph = Record.GlyphRect;
    look.GlyphHot = Or(Record.ActiveGlyphRect, look.Glyph);
    look.GlyphDown = Or(Record.DownGlyphRect, look.GlyphHot);
    look.ThumbOffset1 = Record.ThumbOffset1;
    look.ThumbOffset2 = Record.ThumbOffset2;
    return look;
}

} // namespace skinctrls
