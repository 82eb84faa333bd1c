#include "platform/controls/TImageList.h"

#include "platform/controls/TObject.h"

#include <algorithm>

namespace ctl {

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner)
{
}

void TImageList::SetSize(int AWidth, int AHeight)
{
    if (AWidth <= 0 || AHeight <= 0)
        return;
    m_width = AWidth;
    m_height = AHeight;
    m_images.clear();
}

int TImageList::Add(const gfx::TBitmap& Picture)
{
    return AddMasked(Picture, Picture.EffectiveTransparentColor());
}

int TImageList::AddMasked(const gfx::TBitmap& Picture, gfx::TColor MaskColor)
{
    const int first = Count();
    const int count = std::max(1, Picture.Width() / m_width);
    for (int i = 0; i < count; ++i) {
        const int x = i * m_width;
        gfx::TBitmap image(m_width, m_height);
        image.Canvas().CopyRect(gfx::Rect(0, 0, m_width, m_height), Picture, gfx::Rect(x, 0, x + m_width, m_height));
        image.Transparent = Masked;
        image.TransparentColor = MaskColor;
        m_images.push_back(std::move(image));
    }
    return first;
}

void TImageList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EListError("Image index out of bounds (" + std::to_string(Index) + ")");
    m_images.erase(m_images.begin() + Index);
}

void TImageList::Clear()
{
    m_images.clear();
}

const gfx::TBitmap& TImageList::GetBitmap(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("Image index out of bounds (" + std::to_string(Index) + ")");
    return m_images[static_cast<std::size_t>(Index)];
}

void TImageList::Draw(gfx::TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (Index < 0 || Index >= Count())
        return;
    const gfx::TBitmap& image = m_images[static_cast<std::size_t>(Index)];
    if (BkColor != gfx::clNone) {
        const gfx::TBrush saved = Canvas.Brush;
        Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        Canvas.Brush.Color = BkColor;
        Canvas.FillRect(gfx::Bounds(X, Y, m_width, m_height));
        Canvas.Brush = saved;
    }
    if (Enabled) {
        Canvas.Draw(X, Y, image);
        return;
    }
    // Greyed: every pixel that is not transparent becomes the shadow colour.
    gfx::TBitmap grey = image;
    const gfx::TColor key = image.EffectiveTransparentColor();
    for (int y = 0; y < grey.Height(); ++y)
        for (int x = 0; x < grey.Width(); ++x)
            if (!image.Transparent || image.GetPixel(x, y) != key)
                grey.SetPixel(x, y, gfx::ColorToRGB(gfx::clBtnShadow));
    Canvas.Draw(X, Y, grey);
}

} // namespace ctl
