#include "selfdrawn/SeButtonGlyph.h"

#include "selfdrawn/SeDrawing.h"

#include <algorithm>
#include <array>

namespace selfdrawn {
namespace {

// The HSL lightness of a colour, 0..1: the mean of its largest and smallest channel.
double Lightness(gfx::TColor Color)
{
    const int r = gfx::GetRValue(Color);
    const int g = gfx::GetGValue(Color);
    const int b = gfx::GetBValue(Color);
    return (std::max({ r, g, b }) + std::min({ r, g, b })) / 510.0;
}

gfx::TColor Toned(gfx::TColor Color, TGlyphTone Tone)
{
    switch (Tone) {
    case TGlyphTone::Normal:
        break;
    case TGlyphTone::Grey: {
        const int level = Nearest(Lightness(Color) * 255);
        return gfx::RGB(level, level, level);
    }
    case TGlyphTone::DisabledGrey: {
        const int level = 160 + Nearest(Lightness(Color) * 50);
        return gfx::RGB(level, level, level);
    }
    }
    return Color;
}

constexpr int kKindGlyphSize = 18;
constexpr gfx::TColor kKindGlyphKey = gfx::RGB(255, 0, 255);

struct TKindLook {
    const char* caption;
    int modalResult;
    gfx::TColor color;
    // The symbol as a polyline on an 18 x 18 grid.
    std::array<gfx::TPoint, 4> stroke;
    int points;
};

const TKindLook& LookOf(TBitBtnKind Kind)
{
    static const TKindLook kLooks[] = {
        { "", 0, gfx::clBlack, {}, 0 },
        { "OK", 1, gfx::RGB(0, 128, 0), { { { 3, 9 }, { 7, 13 }, { 15, 4 } } }, 3 },
        { "Cancel", 2, gfx::RGB(192, 0, 0), { { { 4, 4 }, { 14, 14 } } }, 2 },
        { "&Help", 0, gfx::RGB(0, 0, 160), { { { 6, 5 }, { 12, 5 }, { 9, 10 }, { 9, 12 } } }, 4 },
        { "&Yes", 6, gfx::RGB(0, 128, 0), { { { 3, 9 }, { 7, 13 }, { 15, 4 } } }, 3 },
        { "&No", 7, gfx::RGB(192, 0, 0), { { { 4, 14 }, { 14, 4 } } }, 2 },
        { "&Close", 0, gfx::RGB(128, 96, 0), { { { 5, 3 }, { 5, 15 }, { 13, 15 }, { 13, 3 } } }, 4 },
        { "Abort", 3, gfx::RGB(192, 0, 0), { { { 4, 4 }, { 14, 4 }, { 14, 14 }, { 4, 14 } } }, 4 },
        { "&Retry", 4, gfx::RGB(0, 96, 160), { { { 14, 5 }, { 5, 5 }, { 5, 13 }, { 13, 13 } } }, 4 },
        { "&Ignore", 5, gfx::RGB(96, 96, 96), { { { 4, 9 }, { 14, 9 } } }, 2 },
        { "&All", 8, gfx::RGB(0, 128, 0), { { { 2, 9 }, { 5, 13 }, { 9, 4 } } }, 3 },
    };
    return kLooks[static_cast<int>(Kind)];
}

} // namespace

void DrawGlyphImage(gfx::TCanvas& Canvas, const gfx::TBitmap& Strip, int NumGlyphs, int Index, int X, int Y,
    TGlyphTone Tone)
{
    if (Strip.Empty() || NumGlyphs < 1)
        return;
    const int width = Strip.Width() / NumGlyphs;
    const gfx::TColor transparent = Strip.GetPixel(0, Strip.Height() - 1);
    const int left = std::clamp(Index, 0, NumGlyphs - 1) * width;
    for (int y = 0; y < Strip.Height(); ++y)
        for (int x = 0; x < width; ++x) {
            const gfx::TColor pixel = Strip.GetPixel(left + x, y);
            if (pixel != transparent)
                Canvas.Pixels(X + x, Y + y, Toned(pixel, Tone));
        }
}

gfx::TBitmap KindGlyph(TBitBtnKind Kind)
{
    const TKindLook& look = LookOf(Kind);
    if (look.points == 0)
        return {};
    gfx::TBitmap strip(2 * kKindGlyphSize, kKindGlyphSize);
    strip.Fill(kKindGlyphKey);
    gfx::TCanvas& canvas = strip.Canvas();
    canvas.Pen.Width = 2;
    const gfx::TColor colors[] = { look.color, gfx::RGB(128, 128, 128) };
    for (int image = 0; image < 2; ++image) {
        canvas.Pen.Color = colors[image];
        const int dx = image * kKindGlyphSize;
        canvas.MoveTo(look.stroke[0].X + dx, look.stroke[0].Y);
        for (int i = 1; i < look.points; ++i)
            canvas.LineTo(look.stroke[static_cast<std::size_t>(i)].X + dx, look.stroke[static_cast<std::size_t>(i)].Y);
    }
    return strip;
}

const char* KindCaption(TBitBtnKind Kind)
{
    return LookOf(Kind).caption;
}

int KindModalResult(TBitBtnKind Kind)
{
    return LookOf(Kind).modalResult;
}

} // namespace selfdrawn
