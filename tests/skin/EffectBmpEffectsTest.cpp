#include "skin/TbsEffectBmp.h"

#include <gtest/gtest.h>

using gfx::TColor;
using skin::TbsEffectBmp;

namespace {

TbsEffectBmp Solid(int width, int height, TColor color)
{
    TbsEffectBmp image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, color);
    return image;
}

} // namespace

TEST(EffectBmpEffects, LightenAndDarkenRoundHalvesToEven)
{
    TbsEffectBmp black = Solid(1, 1, gfx::RGB(0, 0, 0));
    black.Lighten(0.5);
    EXPECT_EQ(black.Pixel(0, 0), gfx::RGB(128, 128, 128));

    TbsEffectBmp white = Solid(1, 1, gfx::RGB(255, 255, 255));
    white.Darken(0.5);
    EXPECT_EQ(white.Pixel(0, 0), gfx::RGB(128, 128, 128));

    TbsEffectBmp mixed = Solid(1, 1, gfx::RGB(10, 100, 200));
    mixed.Darken(0.3); // 7, 70, 140
    EXPECT_EQ(mixed.Pixel(0, 0), gfx::RGB(7, 70, 140));
    mixed.Lighten(-1.0); // k clamped to 0: unchanged
    EXPECT_EQ(mixed.Pixel(0, 0), gfx::RGB(7, 70, 140));
}

TEST(EffectBmpEffects, ToGrayWeighsTheChannels)
{
    TbsEffectBmp green = Solid(1, 1, gfx::RGB(0, 255, 0));
    green.ToGray();
    EXPECT_EQ(green.Pixel(0, 0), gfx::RGB(150, 150, 150));
    TbsEffectBmp colour = Solid(1, 1, gfx::RGB(10, 20, 30)); // 3 + 11.8 + 3.3 = 18.1
    colour.ToGray();
    EXPECT_EQ(colour.Pixel(0, 0), gfx::RGB(18, 18, 18));
}

TEST(EffectBmpEffects, InvertColors)
{
    TbsEffectBmp image = Solid(2, 1, gfx::RGB(0, 100, 255));
    image.InvertColors();
    EXPECT_EQ(image.Pixel(1, 0), gfx::RGB(255, 155, 0));
}

TEST(EffectBmpEffects, AddNoiseOffsetsAllChannelsOfAPixelAlike)
{
    TbsEffectBmp image = Solid(40, 20, gfx::RGB(100, 120, 140));
    std::mt19937 random(1234);
    image.AddNoise(50, random);
    bool changed = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const TColor c = image.Pixel(x, y);
            const int offset = gfx::GetRValue(c) - 100;
            EXPECT_GE(offset, -25);
            EXPECT_LE(offset, 24);
            EXPECT_EQ(gfx::GetGValue(c), 120 + offset);
            EXPECT_EQ(gfx::GetBValue(c), 140 + offset);
            changed = changed || offset != 0;
        }
    }
    EXPECT_TRUE(changed);
    TbsEffectBmp edge = Solid(30, 1, gfx::RGB(250, 3, 128));
    edge.AddNoise(50, random);
    for (int x = 0; x < 30; ++x) {
        const TColor c = edge.Pixel(x, 0);
        EXPECT_LE(gfx::GetRValue(c), 255);
        EXPECT_GE(gfx::GetGValue(c), 0);
    }
}

TEST(EffectBmpEffects, QuadBlurAveragesTheFourDiagonalNeighbours)
{
    // 4 x 4 picture, red = 10 * (row * 4 + column).
    TbsEffectBmp image(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.SetPixel(x, y, gfx::RGB(10 * (y * 4 + x), 0, 0));
    image.QuadBlur(1);
    // Row 0: upper row is row 0 itself, lower row 1.
    // (1, 0): left 0, right 2: (0 + 40 + 20 + 60) / 4 = 30
    EXPECT_EQ(gfx::GetRValue(image.Pixel(1, 0)), 30);
    // (3, 0): right column is 4 - 3 = 1: (20 + 60 + 10 + 50) / 4 = 35
    EXPECT_EQ(gfx::GetRValue(image.Pixel(3, 0)), 35);
    // (0, 1): left column is 0 itself; upper row 0 is already blurred.
    // row 0 after blur: (0,0): (0 + 40 + 10 + 50) / 4 = 25; (1,0) = 30
    // (0,1): upper-left (0,0)=25, lower-left (0,2)=80, upper-right (1,0)=30, lower-right (1,2)=90 -> 56
    EXPECT_EQ(gfx::GetRValue(image.Pixel(0, 1)), 56);
}

TEST(EffectBmpEffects, QuadBlurReadsStayInsideSmallImages)
{
    // Amounts at and beyond the image size would read row or column `size`.
    for (int amount : { 1, 2, 3, 50 }) {
        TbsEffectBmp image = Solid(2, 2, gfx::RGB(40, 80, 120));
        image.QuadBlur(amount);
        EXPECT_EQ(image.Pixel(0, 0), gfx::RGB(40, 80, 120)) << amount;
        EXPECT_EQ(image.Pixel(1, 1), gfx::RGB(40, 80, 120)) << amount;
    }
    TbsEffectBmp one = Solid(1, 1, gfx::RGB(9, 9, 9));
    one.QuadBlur(1);
    EXPECT_EQ(one.Pixel(0, 0), gfx::RGB(9, 9, 9));
    one.QuadBlur(0);
}

TEST(EffectBmpEffects, InactiveEffectsUseTheFrameStrengths)
{
    TbsEffectBmp lighter = Solid(1, 1, gfx::RGB(0, 0, 0));
    lighter.ApplyInactiveEffect(skin::TbsInactiveEffect::ieBrightness);
    EXPECT_EQ(lighter.Pixel(0, 0), gfx::RGB(128, 128, 128));
    TbsEffectBmp darker = Solid(1, 1, gfx::RGB(100, 100, 100));
    darker.ApplyInactiveEffect(skin::TbsInactiveEffect::ieDarkness);
    EXPECT_EQ(darker.Pixel(0, 0), gfx::RGB(70, 70, 70));
    TbsEffectBmp inverted = Solid(1, 1, gfx::RGB(0, 0, 0));
    inverted.ApplyInactiveEffect(skin::TbsInactiveEffect::ieInvert);
    EXPECT_EQ(inverted.Pixel(0, 0), gfx::RGB(255, 255, 255));
}
