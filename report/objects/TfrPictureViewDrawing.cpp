#include "report/objects/TfrPictureView.h"

#include "platform/graphics/IconFormat.h"
#include "platform/graphics/JpegFormat.h"
#include "platform/graphics/TPageCanvas.h"
#include "platform/io/ByteReader.h"

#include <algorithm>
#include <array>

namespace report {
namespace {

// Grey of the placeholder drawn where a picture cannot be shown.
constexpr TColor kPlaceholderColor = 0x808080;

} // namespace

std::optional<gfx::TBitmap> TfrPictureView::DecodedPicture() const
{
    try {
        switch (Graphic) {
        case GraphicKind::Bitmap: {
            gfx::TBitmap picture;
            picture.LoadFromBytes(PictureData);
            return picture;
        }
        case GraphicKind::Jpeg:
            return gfx::DecodeJpeg(PictureData);
        case GraphicKind::Icon:
            return gfx::DecodeIcon(PictureData);
        default:
            return std::nullopt;
        }
    } catch (const io::FormatError&) {
        return std::nullopt;
    }
}

gfx::TRectF TfrPictureView::PictureRect(double picture_width, double picture_height) const
{
    double left = Left, top = Top, width = Width, height = Height;
    double w = picture_width * ScaleX;
    double h = picture_height * ScaleY;
    if (Flags & picture_flags::Stretched) {
        w = width;
        h = height;
        if ((Flags & picture_flags::KeepAspect) && picture_width > 0 && picture_height > 0) {
            double ratio = std::min(width / picture_width, height / picture_height);
            w = picture_width * ratio;
            h = picture_height * ratio;
        }
    }
    if (Flags & picture_flags::Center) {
        left += (width - w) / 2;
        top += (height - h) / 2;
    }
    return { left, top, left + w, top + h };
}

void TfrPictureView::Draw(gfx::TPageCanvas& canvas)
{
    ApplyScale();
    PaintBackground(canvas);
    if (DrawMode != TfrDrawMode::FirstPass && Graphic != GraphicKind::None) {
        canvas.PushClip({ DrawLeft(), DrawTop(), DrawRight(), DrawBottom() });
        if (auto picture = DecodedPicture()) {
            canvas.Image(*picture, PictureRect(picture->Width(), picture->Height()));
        } else {
            // A metafile (or a picture that cannot be decoded): a framed cross
            // marks where it stands.
            double l = Left + 0.5, t = Top + 0.5, r = Left + Width - 0.5, b = Top + Height - 0.5;
            for (auto [x1, y1, x2, y2] : { std::array<double, 4> { l, t, r, t }, { r, t, r, b }, { r, b, l, b },
                     { l, b, l, t }, { l, t, r, b }, { l, b, r, t } })
                canvas.Line(x1, y1, x2, y2, 1, kPlaceholderColor, gfx::TPenStyle::psSolid);
        }
        canvas.PopClip();
    }
    PaintFrame(canvas);
    RestoreScale();
}

} // namespace report
