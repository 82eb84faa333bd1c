#include "skinctrls/ButtonSkin.h"

#include "skin/SkinControlRecords.h"

namespace skinctrls {

TbsButtonSkinRects ButtonSkinRects(const skin::TbsDataSkinButtonControl& Record)
{
    TbsButtonSkinRects rects;
    rects.Normal = Record.SkinRect;
    rects.Hot = Record.ActiveSkinRect.IsEmpty() ? rects.Normal : Record.ActiveSkinRect;
    rects.Down = Record.DownSkinRect.IsEmpty() ? rects.Hot : Record.DownSkinRect;
    rects.Disabled = Record.DisabledSkinRect;
    return rects;
}

gfx::TFont ButtonSkinFont(const skin::TbsDataSkinButtonControl& Record, bool UseSkinFont,
    const gfx::TFont& DefaultFont, int CharSet, bool Enabled, bool Hot, bool Down)
{
    gfx::TFont font = DefaultFont;
    if (UseSkinFont) {
        font.Name = Record.FontName;
        font.Height = Record.FontHeight;
        font.Style = Record.FontStyle;
    }
    font.CharSet = CharSet;
    if (!Enabled)
        font.Color = Record.DisabledFontColor;
    else if (Hot && Down)
        font.Color = Record.DownFontColor;
    else if (Hot)
        font.Color = Record.ActiveFontColor;
    else
        font.Color = Record.FontColor;
    return font;
}

} // namespace skinctrls
