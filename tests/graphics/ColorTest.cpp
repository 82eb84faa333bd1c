#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

TEST(SystemColors, ResolveThroughTheFixedPalette)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(10, 36, 106));
    // An index beyond the palette is black; a plain colour loses its high byte.
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x800000FF)), clBlack);
    EXPECT_EQ(ColorToRGB(0x02123456), 0x00123456);
}

TEST(SystemColors, DrawingResolvesThem)
{
    TBitmap bmp(4, 4);
    bmp.Canvas().Brush.Color = clBtnFace;
    bmp.Canvas().FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(bmp.GetPixel(1, 1), RGB(212, 208, 200));
    bmp.Canvas().Pen.Color = clHighlight;
    bmp.Canvas().MoveTo(0, 0);
    bmp.Canvas().LineTo(4, 0);
    EXPECT_EQ(bmp.GetPixel(3, 0), RGB(10, 36, 106));
    EXPECT_EQ(bmp.ScanLine(0)[0], 0xFF0A246Au);
}

} // namespace
} // namespace gfx
