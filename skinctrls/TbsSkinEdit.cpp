#include "skinctrls/TbsSkinEdit.h"

#include "platform/graphics/TCanvas.h"
#include "skinctrls/DefaultLook.h"

namespace skinctrls {

TbsSkinEdit::TbsSkinEdit(ctl::TComponent* AOwner) : ctl::TEdit(AOwner)
{
    gfx::TFont font = Font();
    font.Name = "Arial";
    font.Height = 14;
    SetFont(font);
    SetBounds(0, 0, 121, 20);
}

void TbsSkinEdit::PaintFrame(gfx::TCanvas& Canvas)
{
    gfx::TRect r = ClientRect();
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Enabled() ? gfx::clWhite : gfx::clBtnFace;
    Canvas.FillRect(r);
    DrawBevelFrame(Canvas, r, gfx::clBtnShadow, gfx::clBtnShadow);
    DrawBevelFrame(Canvas, r, gfx::clBtnFace, gfx::clBtnFace);
}

} // namespace skinctrls
