#include "skinctrls/TbsSkinEdit.h"

namespace skinctrls {

namespace {

constexpr int kEditHeight = 20;

gfx::TFont EditFont(gfx::TFont font)
{
    font.Name = "Arial";
    font.Height = 14;
    font.Color = gfx::clWindowText;
    return font;
}

} // namespace

TbsSkinEdit::TbsSkinEdit(ctl::TComponent* AOwner) : TbsSkinCustomEdit(AOwner)
{
    SetSkinDataName("edit");
    SetDefaultFont(EditFont(Font()));
    SetDefaultHeight(kEditHeight);
}

} // namespace skinctrls
