#include "skinctrls/TbsSkinGroupBox.h"

namespace skinctrls {

TbsSkinGroupBox::TbsSkinGroupBox(ctl::TComponent* AOwner) : TbsSkinPanel(AOwner)
{
    SetSkinDataName("groupbox");
    SetCaptionMode(true);
}

} // namespace skinctrls
