#include "skin/SkinImageBuilders.h"

#include <gtest/gtest.h>

using gfx::TBitmap;
using gfx::TColor;
using gfx::TRect;
using skin::TbsSkinGeometry;

namespace {

TBitmap DistinctPicture(int width, int height)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, gfx::RGB(x, y, 77));
    return picture;
}

TColor Source(int x, int y) { return gfx::RGB(x, y, 77); }

} // namespace

TEST(BuilderHorzSkinImage, KeepsTheEndsAndTilesTheMiddle)
{
    const TBitmap picture = DistinctPicture(40, 20);
    const TRect S { 10, 4, 25, 9 }; // 15 x 5: left 3, middle 10, right 2
    TBitmap image;
    skin::BuildHorzSkinImage(3, 2, image, 30, S, picture);
    ASSERT_EQ(image.Width(), 30);
    ASSERT_EQ(image.Height(), 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 30; ++x) {
            int sx;
            if (x < 3)
                sx = 10 + x;
            else if (x >= 28)
                sx = 25 - (30 - x);
            else
                sx = 13 + (x - 3) % 10;
            ASSERT_EQ(image.GetPixel(x, y), Source(sx, 4 + y)) << x << "," << y;
        }
    }
}

TEST(BuilderHorzSkinImage, WholePictureAsEndsLeavesNoMiddleToDivideBy)
{
    const TBitmap picture = DistinctPicture(10, 3);
    TBitmap image;
    skin::BuildHorzSkinImage(6, 4, image, 25, { 0, 0, 10, 3 }, picture);
    EXPECT_EQ(image.GetPixel(5, 1), Source(5, 1));
    EXPECT_EQ(image.GetPixel(21, 1), Source(6, 1));
    EXPECT_EQ(image.GetPixel(10, 1), gfx::clWhite);
    // Ends wider than the picture part (a negative middle) do not loop either.
    skin::BuildHorzSkinImage(8, 8, image, 25, { 0, 0, 10, 3 }, picture);
    EXPECT_EQ(image.Width(), 25);
}

TEST(BuilderHorzMiddleSkinImage, TilesFromTheLeftEdgeWhateverTheOffsets)
{
    const TBitmap picture = DistinctPicture(30, 4);
    const TRect S { 2, 0, 22, 4 }; // middle between offsets 4 and 6: x 6..16, 10 pixels
    TBitmap image;
    skin::BuildHorzMiddleSkinImage(4, 6, image, 25, S, picture);
    ASSERT_EQ(image.Width(), 25);
    for (int x = 0; x < 25; ++x)
        EXPECT_EQ(image.GetPixel(x, 2), Source(6 + x % 10, 2)) << x;
}

TEST(BuilderHorzMiddleSkinImage, OffsetsThatLeaveNoMiddlePaintNothing)
{
    const TBitmap picture = DistinctPicture(10, 3);
    TBitmap image;
    skin::BuildHorzMiddleSkinImage(5, 5, image, 30, { 0, 0, 10, 3 }, picture);
    EXPECT_EQ(image.Width(), 30);
    EXPECT_EQ(image.Height(), 3);
    EXPECT_EQ(image.GetPixel(0, 0), gfx::clWhite);
    skin::BuildHorzMiddleSkinImage(7, 7, image, 30, { 0, 0, 10, 3 }, picture);
    EXPECT_EQ(image.GetPixel(29, 2), gfx::clWhite);
}

TEST(BuilderVertSkinImage, KeepsTheEndsAndTilesTheMiddleDownwards)
{
    const TBitmap picture = DistinctPicture(8, 30);
    const TRect S { 1, 2, 6, 16 }; // 5 x 14: top 4, middle 7, bottom 3
    TBitmap image;
    skin::BuildVertSkinImage(4, 3, image, 27, S, picture);
    ASSERT_EQ(image.Width(), 5);
    ASSERT_EQ(image.Height(), 27);
    for (int y = 0; y < 27; ++y) {
        int sy;
        if (y < 4)
            sy = 2 + y;
        else if (y >= 24)
            sy = 16 - (27 - y);
        else
            sy = 6 + (y - 4) % 7;
        EXPECT_EQ(image.GetPixel(3, y), Source(4, sy)) << y;
    }
}

TEST(BuilderVertSkinImage, EmptyMiddleIsNotDividedBy)
{
    const TBitmap picture = DistinctPicture(4, 10);
    TBitmap image;
    skin::BuildVertSkinImage(5, 5, image, 30, { 0, 0, 4, 10 }, picture);
    EXPECT_EQ(image.GetPixel(0, 4), Source(0, 4));
    EXPECT_EQ(image.GetPixel(0, 25), Source(0, 5));
    EXPECT_EQ(image.GetPixel(0, 15), gfx::clWhite);
}

namespace {

// The frame geometry of the program's own skin, on a 160 x 145 picture.
const TbsSkinGeometry kFrame { { 8, 30 }, { 150, 31 }, { 6, 137 }, { 154, 139 }, { 4, 26, 156, 141 } };

} // namespace

TEST(BuilderFrameStrips, CutsTheFourStripsForTheMainWindowSize)
{
    const TBitmap picture = DistinctPicture(160, 145);
    const TRect S { 0, 0, 160, 145 };
    const TbsSkinGeometry target = skin::NewSkinGeometry(kFrame, { 160, 145 }, 746, 535);
    skin::TbsFrameStrips strips;
    skin::BuildFrameStrips(kFrame, target, picture, S, 746, 535, { true, true, true, false }, strips);

    ASSERT_EQ(strips.Top.Width(), 746);
    ASSERT_EQ(strips.Top.Height(), 26);
    ASSERT_EQ(strips.Left.Width(), 4);
    ASSERT_EQ(strips.Left.Height(), 505);
    ASSERT_EQ(strips.Right.Width(), 4);
    ASSERT_EQ(strips.Right.Height(), 505);
    ASSERT_EQ(strips.Bottom.Width(), 746);
    ASSERT_EQ(strips.Bottom.Height(), 4);

    // Top: fixed ends, the middle 8..150 stretched into 8..736.
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(strips.Top.GetPixel(x, y), Source(x, y));
        for (int x = 736; x < 746; ++x)
            ASSERT_EQ(strips.Top.GetPixel(x, y), Source(x - 586, y));
    }
    for (int x = 8; x < 736; ++x) {
        const int sx = 8 + static_cast<int>((2 * (x - 8) + 1) * 142LL / (2 * 728));
        ASSERT_EQ(strips.Top.GetPixel(x, 12), Source(sx, 12)) << x;
    }

    // Bottom (tiled): the middle 6..154 tiled from x = 0, then the ends.
    for (int x = 0; x < 746; ++x) {
        int sx;
        if (x < 6)
            sx = x;
        else if (x >= 740)
            sx = x - 586;
        else
            sx = 6 + x % 148;
        ASSERT_EQ(strips.Bottom.GetPixel(x, 2), Source(sx, 143)) << x;
    }

    // Left: rows 26..30 fixed, 30..137 stretched into 4..501, 137..141 fixed.
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(strips.Left.GetPixel(1, y), Source(1, 26 + y));
    for (int y = 501; y < 505; ++y)
        EXPECT_EQ(strips.Left.GetPixel(1, y), Source(1, 137 + y - 501));
    EXPECT_EQ(strips.Left.GetPixel(2, 4), Source(2, 30));
    EXPECT_EQ(strips.Left.GetPixel(2, 500), Source(2, 136));

    // Right: rows 26..31 fixed, 31..139 stretched, 139..141 fixed.
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(strips.Right.GetPixel(3, y), Source(159, 26 + y));
    EXPECT_EQ(strips.Right.GetPixel(0, 503), Source(156, 139));
    EXPECT_EQ(strips.Right.GetPixel(0, 504), Source(156, 140));
    EXPECT_EQ(strips.Right.GetPixel(0, 5), Source(156, 31));
}

TEST(BuilderFrameStrips, TiledSidesRepeatFromTheStripTop)
{
    const TBitmap picture = DistinctPicture(160, 145);
    const TbsSkinGeometry target = skin::NewSkinGeometry(kFrame, { 160, 145 }, 300, 400);
    skin::TbsFrameStrips strips;
    skin::BuildFrameStrips(kFrame, target, picture, { 0, 0, 160, 145 }, 300, 400, {}, strips);
    const int sideH = 400 - 26 - 4;
    ASSERT_EQ(strips.Left.Height(), sideH);
    // Tiles of 107 rows (30..137) from y = 0, then the ends drawn over them.
    EXPECT_EQ(strips.Left.GetPixel(0, 4), Source(0, 30 + 4));
    EXPECT_EQ(strips.Left.GetPixel(0, 120), Source(0, 30 + 120 % 107));
    EXPECT_EQ(strips.Left.GetPixel(0, 2), Source(0, 28)); // top end
    // Top strip tiles of 142 columns from x = 0.
    EXPECT_EQ(strips.Top.GetPixel(150, 3), Source(8 + 150 % 142, 3));
}

TEST(BuilderFrameStrips, StripsWithoutSourceKeepTheirPreviousContent)
{
    const TBitmap picture = DistinctPicture(160, 145);
    skin::TbsFrameStrips strips;
    strips.Left.SetSize(2, 2);
    strips.Left.Fill(gfx::clRed);
    // Left-bottom y equal to left-top y: the left strip has no middle.
    TbsSkinGeometry noLeft = kFrame;
    noLeft.LeftBottom.Y = noLeft.LeftTop.Y;
    const TbsSkinGeometry target = skin::NewSkinGeometry(noLeft, { 160, 145 }, 200, 200);
    skin::BuildFrameStrips(noLeft, target, picture, { 0, 0, 160, 145 }, 200, 200, {}, strips);
    EXPECT_EQ(strips.Left.Width(), 2);
    EXPECT_EQ(strips.Left.GetPixel(1, 1), gfx::clRed);
    EXPECT_EQ(strips.Top.Width(), 200);

    // An empty picture changes nothing.
    skin::TbsFrameStrips untouched;
    skin::BuildFrameStrips(kFrame, target, TBitmap {}, { 0, 0, 160, 145 }, 200, 200, {}, untouched);
    EXPECT_TRUE(untouched.Top.Empty());
}
