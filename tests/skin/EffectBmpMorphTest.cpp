#include "skin/TbsEffectBmp.h"

#include "platform/graphics/TCanvas.h"

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

// Column x carries its number in red, so moved columns are easy to follow.
TbsEffectBmp Columns(int width, int height, int blue)
{
    TbsEffectBmp image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, gfx::RGB(x, y, blue));
    return image;
}

} // namespace

TEST(EffectBmpLayout, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(TbsEffectBmp(1, 1).RowBytes(), 4);
    EXPECT_EQ(TbsEffectBmp(5, 1).RowBytes(), 16);
    EXPECT_EQ(TbsEffectBmp(8, 1).RowBytes(), 24);
    gfx::TBitmap bitmap(3, 2);
    bitmap.SetPixel(2, 1, gfx::RGB(10, 20, 30));
    TbsEffectBmp copy(bitmap);
    const std::uint8_t* p = copy.Row(1) + 6;
    EXPECT_EQ(p[0], 30); // blue first
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 10);
    EXPECT_EQ(copy.ToBitmap(), bitmap);
}

TEST(EffectBmpLayout, DrawToCopiesUnscaledAndClips)
{
    const TbsEffectBmp image = Columns(4, 3, 9);
    gfx::TBitmap target(5, 5);
    image.DrawTo(target, 2, 3);
    EXPECT_EQ(target.GetPixel(2, 3), gfx::RGB(0, 0, 9));
    EXPECT_EQ(target.GetPixel(4, 4), gfx::RGB(2, 1, 9));
    EXPECT_EQ(target.GetPixel(1, 3), gfx::clWhite);

    // Onto a canvas, clipped by its clip rectangle.
    gfx::TBitmap onCanvas(5, 5);
    gfx::TCanvas canvas(onCanvas);
    canvas.IntersectClipRect({ 0, 0, 4, 3 });
    image.DrawTo(canvas, 1, 1);
    EXPECT_EQ(onCanvas.GetPixel(1, 1), gfx::RGB(0, 0, 9));
    EXPECT_EQ(onCanvas.GetPixel(3, 2), gfx::RGB(2, 1, 9));
    EXPECT_EQ(onCanvas.GetPixel(4, 3), gfx::clWhite);

    // The canvas origin moves it: logical (0, 0) is device (1, 1), and the
    // last pixel lands on the target's last row and column but one.
    gfx::TBitmap moved(5, 5);
    gfx::TCanvas movedCanvas(moved);
    movedCanvas.SetOrigin({ 1, 1 });
    image.DrawTo(movedCanvas, 0, 0);
    EXPECT_EQ(moved.GetPixel(1, 1), gfx::RGB(0, 0, 9));
    EXPECT_EQ(moved.GetPixel(4, 3), gfx::RGB(3, 2, 9));
    EXPECT_EQ(moved.GetPixel(0, 0), gfx::clWhite);
    EXPECT_EQ(moved.GetPixel(1, 4), gfx::clWhite);
}

TEST(EffectBmpMorph, BlendWithRoundsHalvesToEvenAndClampsK)
{
    TbsEffectBmp normal = Solid(2, 2, gfx::RGB(0, 10, 255));
    const TbsEffectBmp active = Solid(2, 2, gfx::RGB(255, 11, 0));
    normal.BlendWith(active, 0.5);
    // 127.5 -> 128, 10.5 -> 10, 127.5 -> 128
    EXPECT_EQ(normal.Pixel(1, 1), gfx::RGB(128, 10, 128));

    TbsEffectBmp clamped = Solid(2, 2, gfx::RGB(0, 0, 0));
    clamped.BlendWith(active, 7.0);
    EXPECT_EQ(clamped.Pixel(0, 0), gfx::RGB(255, 11, 0));
}

TEST(EffectBmpMorph, DifferentSizesChangeNothing)
{
    const TbsEffectBmp active = Solid(3, 2, gfx::clWhite);
    TbsEffectBmp normal = Solid(2, 2, gfx::clBlack);
    for (auto kind : { skin::TbsMorphKind::mkDefault, skin::TbsMorphKind::mkGradient, skin::TbsMorphKind::mkLeftGradient,
             skin::TbsMorphKind::mkRightGradient, skin::TbsMorphKind::mkLeftSlide, skin::TbsMorphKind::mkRightSlide,
             skin::TbsMorphKind::mkPush })
        normal.Morph(active, kind, 0.6);
    EXPECT_EQ(normal.Pixel(0, 0), gfx::clBlack);
    EXPECT_EQ(normal.Pixel(1, 1), gfx::clBlack);
}

TEST(EffectBmpMorph, BlendFromLeftShowsTheActiveColumnZeroAtOnce)
{
    TbsEffectBmp normal = Solid(10, 2, gfx::RGB(0, 0, 0));
    const TbsEffectBmp active = Solid(10, 2, gfx::RGB(200, 200, 200));
    normal.BlendFromLeft(active, 0.0); // a = 1
    EXPECT_EQ(normal.Pixel(0, 0), gfx::RGB(200, 200, 200));
    EXPECT_EQ(normal.Pixel(1, 0), gfx::RGB(0, 0, 0));

    TbsEffectBmp half = Solid(10, 2, gfx::RGB(0, 0, 0));
    half.BlendFromLeft(active, 0.4); // a = 4, weights 0, .25, .5, .75, 1
    EXPECT_EQ(half.Pixel(1, 1), gfx::RGB(150, 150, 150));
    EXPECT_EQ(half.Pixel(2, 1), gfx::RGB(100, 100, 100));
    EXPECT_EQ(half.Pixel(4, 1), gfx::RGB(0, 0, 0));
}

TEST(EffectBmpMorph, BlendFromRightGradesFromTheRightEdge)
{
    TbsEffectBmp normal = Solid(10, 1, gfx::RGB(0, 0, 0));
    const TbsEffectBmp active = Solid(10, 1, gfx::RGB(100, 100, 100));
    normal.BlendFromRight(active, 0.4); // a = 6, step 1/4
    EXPECT_EQ(normal.Pixel(9, 0), gfx::RGB(100, 100, 100));
    EXPECT_EQ(normal.Pixel(8, 0), gfx::RGB(75, 75, 75));
    EXPECT_EQ(normal.Pixel(6, 0), gfx::RGB(25, 25, 25));
    EXPECT_EQ(normal.Pixel(5, 0), gfx::RGB(0, 0, 0));
}

TEST(EffectBmpMorph, BlendFromCentreWorksOnColumnsOrRows)
{
    // Wide: a = 4, b = 3, step 1/3, columns 3..7 active.
    TbsEffectBmp wide = Solid(10, 2, gfx::RGB(0, 0, 0));
    const TbsEffectBmp active = Solid(10, 2, gfx::RGB(90, 90, 90));
    wide.BlendFromCentre(active, 0.4);
    EXPECT_EQ(wide.Pixel(3, 0), gfx::RGB(90, 90, 90));
    EXPECT_EQ(wide.Pixel(7, 0), gfx::RGB(90, 90, 90));
    EXPECT_EQ(wide.Pixel(2, 0), gfx::RGB(60, 60, 60));
    EXPECT_EQ(wide.Pixel(8, 1), gfx::RGB(60, 60, 60));
    EXPECT_EQ(wide.Pixel(0, 0), gfx::RGB(0, 0, 0));

    // Tall: a = 4, b = (10 - 1 - 4) div 2 = 2, step 1/2, rows 3..7 active.
    TbsEffectBmp tall = Solid(2, 10, gfx::RGB(0, 0, 0));
    const TbsEffectBmp tallActive = Solid(2, 10, gfx::RGB(90, 90, 90));
    tall.BlendFromCentre(tallActive, 0.4);
    EXPECT_EQ(tall.Pixel(0, 5), gfx::RGB(90, 90, 90));
    EXPECT_EQ(tall.Pixel(1, 2), gfx::RGB(45, 45, 45));
    EXPECT_EQ(tall.Pixel(1, 1), gfx::RGB(0, 0, 0));
    EXPECT_EQ(tall.Pixel(0, 8), gfx::RGB(45, 45, 45));
}

TEST(EffectBmpMorph, SlidesMoveWholeActiveColumnsIn)
{
    const TbsEffectBmp active = Columns(10, 2, 200);
    TbsEffectBmp left = Columns(10, 2, 0);
    left.SlideFromLeft(active, 0.3); // b = 3
    EXPECT_EQ(left.Pixel(0, 1), gfx::RGB(7, 1, 200));
    EXPECT_EQ(left.Pixel(2, 1), gfx::RGB(9, 1, 200));
    EXPECT_EQ(left.Pixel(3, 1), gfx::RGB(3, 1, 0));

    TbsEffectBmp right = Columns(10, 2, 0);
    right.SlideFromRight(active, 0.3);
    EXPECT_EQ(right.Pixel(7, 0), gfx::RGB(0, 0, 200));
    EXPECT_EQ(right.Pixel(9, 0), gfx::RGB(2, 0, 200));
    EXPECT_EQ(right.Pixel(6, 0), gfx::RGB(6, 0, 0));

    // k = 0 still slides one column; k = 1 stops one short of the whole image.
    const TbsEffectBmp row = Columns(10, 1, 200);
    TbsEffectBmp start = Columns(10, 1, 0);
    start.SlideFromLeft(row, 0.0);
    EXPECT_EQ(start.Pixel(0, 0), gfx::RGB(9, 0, 200));
    EXPECT_EQ(start.Pixel(1, 0), gfx::RGB(1, 0, 0));
    TbsEffectBmp end = Columns(10, 1, 0);
    end.SlideFromLeft(row, 1.0);
    EXPECT_EQ(end.Pixel(8, 0), gfx::RGB(9, 0, 200));
    EXPECT_EQ(end.Pixel(9, 0), gfx::RGB(9, 0, 0));
}

TEST(EffectBmpMorph, PushShiftsTheNormalImageRight)
{
    const TbsEffectBmp active = Columns(6, 1, 200);
    TbsEffectBmp start = Columns(6, 1, 0);
    start.PushFromLeft(active, 0.0);
    EXPECT_EQ(start.Pixel(0, 0), gfx::RGB(5, 0, 200));
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(start.Pixel(x, 0), gfx::RGB(x - 1, 0, 0)) << x;

    TbsEffectBmp half = Columns(6, 1, 0);
    half.PushFromLeft(active, 0.5); // a = 3
    EXPECT_EQ(half.Pixel(0, 0), gfx::RGB(2, 0, 200));
    EXPECT_EQ(half.Pixel(3, 0), gfx::RGB(5, 0, 200));
    EXPECT_EQ(half.Pixel(4, 0), gfx::RGB(0, 0, 0));
    EXPECT_EQ(half.Pixel(5, 0), gfx::RGB(1, 0, 0));
}

TEST(EffectBmpMorph, OnePixelWideImagesDoNotFail)
{
    const TbsEffectBmp active = Solid(1, 3, gfx::clWhite);
    for (auto kind : { skin::TbsMorphKind::mkGradient, skin::TbsMorphKind::mkLeftGradient,
             skin::TbsMorphKind::mkRightGradient, skin::TbsMorphKind::mkLeftSlide, skin::TbsMorphKind::mkRightSlide,
             skin::TbsMorphKind::mkPush }) {
        TbsEffectBmp normal = Solid(1, 3, gfx::clBlack);
        normal.Morph(active, kind, 0.5);
        EXPECT_EQ(normal.Width(), 1);
    }
    TbsEffectBmp empty(0, 0);
    empty.Morph(TbsEffectBmp(0, 0), skin::TbsMorphKind::mkPush, 0.5);
    empty.QuadBlur(1);
}
