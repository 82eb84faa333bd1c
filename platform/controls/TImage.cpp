#include "platform/controls/TImage.h"

namespace ctl {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner)
{
    m_captureMouse = false;
    m_opaque = false;
    TControl::SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(const gfx::TBitmap& Value)
{
    m_picture = Value;
    Invalidate();
}

void TImage::SetStretch(bool Value)
{
    m_stretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    m_center = Value;
    Invalidate();
}

void TImage::Paint()
{
    if (m_picture.Empty())
        return;
    gfx::TCanvas& canvas = Canvas();
    if (m_stretch) {
        canvas.StretchDraw(ClientRect(), m_picture);
    } else if (m_center) {
        canvas.Draw((Width() - m_picture.Width()) / 2, (Height() - m_picture.Height()) / 2, m_picture);
    } else {
        canvas.Draw(0, 0, m_picture);
    }
}

} // namespace ctl
