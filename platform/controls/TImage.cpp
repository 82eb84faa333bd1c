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
    const bool transparent = m_picture.Transparent;
    m_picture = Value;
    m_picture.Transparent = transparent || Value.Transparent;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    m_picture.Transparent = Value;
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
