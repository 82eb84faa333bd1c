#include "TestSupport.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

// A 2 x 2 picture: red, green / blue, yellow.
TBitmap Quad()
{
    TBitmap bmp(2, 2);
    bmp.SetPixel(0, 0, clRed);
    bmp.SetPixel(1, 0, clLime);
    bmp.SetPixel(0, 1, clBlue);
    bmp.SetPixel(1, 1, clYellow);
    return bmp;
}

TEST(StretchDraw, EnlargesEveryPixelIntoABlockFillingTheRectExactly)
{
    TBitmap target(10, 10);
    target.Fill(clWhite);
    target.Canvas().StretchDraw(Rect(2, 3, 6, 7), Quad());
    EXPECT_EQ(test::Painted(target, clWhite), Rect(2, 3, 6, 7));
    EXPECT_EQ(test::CountOther(target, Rect(2, 3, 4, 5), clRed), 0);
    EXPECT_EQ(test::CountOther(target, Rect(4, 3, 6, 5), clLime), 0);
    EXPECT_EQ(test::CountOther(target, Rect(2, 5, 4, 7), clBlue), 0);
    EXPECT_EQ(test::CountOther(target, Rect(4, 5, 6, 7), clYellow), 0);
}

TEST(StretchDraw, ShrinksToTheRectAndOddSizesStayInside)
{
    TBitmap source(9, 6);
    source.Fill(clNavy);
    TBitmap target(12, 12);
    target.Fill(clWhite);
    target.Canvas().StretchDraw(Rect(1, 1, 4, 3), source);
    EXPECT_EQ(test::Painted(target, clWhite), Rect(1, 1, 4, 3));
    target.Fill(clWhite);
    target.Canvas().StretchDraw(Rect(0, 0, 7, 11), Quad());
    EXPECT_EQ(test::Painted(target, clWhite), Rect(0, 0, 7, 11));
    EXPECT_EQ(target.GetPixel(3, 5), clRed);   // 3 * 2 / 7 = 0, 5 * 2 / 11 = 0
    EXPECT_EQ(target.GetPixel(4, 6), clYellow); // 4 * 2 / 7 = 1, 6 * 2 / 11 = 1
}

TEST(CopyRect, CopiesTheSourceRectangleToTheDestination)
{
    TBitmap source(8, 8);
    source.Fill(clWhite);
    source.SetPixel(3, 4, clRed);
    source.SetPixel(5, 6, clBlue);
    TBitmap target(10, 10);
    target.Fill(clBlack);
    target.Canvas().CopyRect(Rect(1, 1, 4, 4), source, Rect(3, 4, 6, 7));
    EXPECT_EQ(target.GetPixel(1, 1), clRed);
    EXPECT_EQ(target.GetPixel(3, 3), clBlue);
    EXPECT_EQ(target.GetPixel(2, 2), clWhite);
    EXPECT_EQ(target.GetPixel(4, 4), clBlack);
    EXPECT_EQ(test::CountOther(target, Rect(0, 0, 10, 10), clBlack), 9);
}

TEST(CopyRect, CopyModeInvertTwiceRestores)
{
    TBitmap target(6, 6);
    target.Fill(RGB(1, 2, 3));
    TBitmap original = target;
    TCanvas& c = target.Canvas();
    c.CopyMode = SRCINVERT;
    c.CopyRect(Rect(1, 1, 5, 5), Quad(), Rect(0, 0, 2, 2));
    EXPECT_EQ(target.GetPixel(1, 1), RGB(254, 2, 3));
    c.CopyRect(Rect(1, 1, 5, 5), Quad(), Rect(0, 0, 2, 2));
    EXPECT_TRUE(target == original);
}

TEST(BitBlt, RasterOperationsCombineSourceAndDestination)
{
    TBitmap source(1, 1);
    source.SetPixel(0, 0, RGB(0xF0, 0x0F, 0x55));
    TBitmap target(1, 1);
    auto blit = [&](TRasterOp rop) {
        target.SetPixel(0, 0, RGB(0xCC, 0xCC, 0x0F));
        target.Canvas().BitBlt(0, 0, 1, 1, source, 0, 0, rop);
        return target.GetPixel(0, 0);
    };
    EXPECT_EQ(blit(SRCCOPY), RGB(0xF0, 0x0F, 0x55));
    EXPECT_EQ(blit(SRCAND), RGB(0xC0, 0x0C, 0x05));
    EXPECT_EQ(blit(SRCPAINT), RGB(0xFC, 0xCF, 0x5F));
    EXPECT_EQ(blit(SRCINVERT), RGB(0x3C, 0xC3, 0x5A));
    EXPECT_EQ(blit(DSTINVERT), RGB(0x33, 0x33, 0xF0));
    EXPECT_EQ(blit(NOTSRCCOPY), RGB(0x0F, 0xF0, 0xAA));
    EXPECT_EQ(blit(SRCERASE), RGB(0x30, 0x03, 0x50));
    EXPECT_EQ(blit(MERGEPAINT), RGB(0xCF, 0xFC, 0xAF));
    EXPECT_EQ(blit(BLACKNESS), clBlack);
    EXPECT_EQ(blit(WHITENESS), clWhite);
    target.Canvas().Brush.Color = RGB(0x0F, 0, 0xFF);
    EXPECT_EQ(blit(MERGECOPY), RGB(0x00, 0x00, 0x55));
    // DSPDxax: where a source bit is set the pattern shows, elsewhere the destination.
    EXPECT_EQ(blit(0x00E20746), RGB(0x0C, 0xC0, 0x5F));
}

TEST(BitBlt, PartlyOutsideSourceAndTargetIsClipped)
{
    TBitmap source = Quad();
    TBitmap target(3, 3);
    target.Fill(clWhite);
    target.Canvas().BitBlt(-1, 1, 4, 4, source, 0, -1, SRCCOPY);
    // Destination (0, 2) shows source (1, 0); source row -1 does not exist.
    EXPECT_EQ(target.GetPixel(0, 2), clLime);
    EXPECT_EQ(target.GetPixel(0, 1), clWhite);
    EXPECT_EQ(test::CountOther(target, Rect(0, 0, 3, 3), clWhite), 1);
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsTheOriginal)
{
    TBitmap bmp(5, 1);
    for (int x = 0; x < 5; ++x)
        bmp.SetPixel(x, 0, RGB(x, 0, 0));
    bmp.Canvas().BitBlt(1, 0, 4, 1, bmp, 0, 0, SRCCOPY);
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(bmp.GetPixel(x, 0), RGB(x - 1, 0, 0));
}

TEST(StretchBlt, NegativeWidthMirrors)
{
    TBitmap target(2, 2);
    target.Canvas().StretchBlt(2, 0, -2, 2, Quad(), 0, 0, 2, 2);
    EXPECT_EQ(target.GetPixel(0, 0), clLime);
    EXPECT_EQ(target.GetPixel(1, 0), clRed);
    EXPECT_EQ(target.GetPixel(0, 1), clYellow);
}

TEST(PatBlt, FillsWithTheBrushOrInverts)
{
    TBitmap target(4, 4);
    target.Fill(clWhite);
    TCanvas& c = target.Canvas();
    c.Brush.Color = clRed;
    c.PatBlt(0, 0, 2, 4, PATCOPY);
    c.PatBlt(0, 0, 4, 2, DSTINVERT);
    EXPECT_EQ(target.GetPixel(0, 0), clAqua);
    EXPECT_EQ(target.GetPixel(3, 0), clBlack);
    EXPECT_EQ(target.GetPixel(0, 3), clRed);
    EXPECT_EQ(target.GetPixel(3, 3), clWhite);
}

TEST(TransparentDraw, LeavesTheKeyColourOut)
{
    TBitmap sprite(3, 1);
    sprite.SetPixel(0, 0, clFuchsia);
    sprite.SetPixel(1, 0, clRed);
    sprite.SetPixel(2, 0, clFuchsia);
    TBitmap target(3, 1);
    target.Fill(clWhite);
    target.Canvas().TransparentBlt(0, 0, 3, 1, sprite, 0, 0, 3, 1, clFuchsia);
    EXPECT_EQ(test::Picture(target, clWhite), "#.#\n");
    EXPECT_EQ(target.GetPixel(1, 0), clRed);

    // Draw of a Transparent picture: by default its bottom-left colour is the key.
    target.Fill(clWhite);
    sprite.Transparent = true;
    target.Canvas().Draw(0, 0, sprite);
    EXPECT_EQ(test::Picture(target, clWhite), "#.#\n");
    sprite.TransparentColor = clRed;
    target.Canvas().Draw(0, 0, sprite);
    EXPECT_EQ(test::Picture(target, clFuchsia), "#.#\n");

    TBitmap wide(6, 2);
    wide.Fill(clWhite);
    sprite.TransparentColor = clNone;
    wide.Canvas().StretchDraw(Rect(0, 0, 6, 2), sprite);
    EXPECT_EQ(test::Picture(wide, clRed), "..##..\n..##..\n");
    EXPECT_EQ(test::CountOther(wide, Rect(0, 0, 6, 2), clWhite), 4);
}

// Every way of copying a picture places it at logical coordinates: moved by
// the canvas origin, and clipped by a clip rectangle given after the origin.
TEST(CanvasOrigin, EveryPictureCopyFollowsTheOriginAndItsClip)
{
    const TPoint origin = Point(5, 7);
    const TRect expected = Rect(6, 8, 8, 10); // logical (1, 1) .. (3, 3)
    auto check = [&](const char* what, auto&& copy) {
        TBitmap target(20, 20);
        target.Fill(clWhite);
        target.Canvas().SetOrigin(origin);
        copy(target.Canvas());
        EXPECT_EQ(test::Painted(target, clWhite), expected) << what;
        EXPECT_EQ(target.GetPixel(6, 8), clRed) << what;
        EXPECT_EQ(target.GetPixel(7, 9), clYellow) << what;

        // A clip given in logical coordinates keeps only logical column 1.
        target.Fill(clWhite);
        target.Canvas().IntersectClipRect(Rect(0, 0, 2, 20));
        copy(target.Canvas());
        EXPECT_EQ(test::Painted(target, clWhite), Rect(6, 8, 7, 10)) << what;
    };
    const TBitmap quad = Quad();
    TBitmap keyed = Quad();
    keyed.SetPixel(1, 0, clFuchsia);
    keyed.Transparent = true;
    keyed.TransparentColor = clFuchsia;
    TBitmap big(4, 4);
    big.Canvas().StretchDraw(Rect(0, 0, 4, 4), quad);

    check("Draw", [&](TCanvas& c) { c.Draw(1, 1, quad); });
    check("StretchDraw", [&](TCanvas& c) { c.StretchDraw(Rect(1, 1, 3, 3), big); });
    check("CopyRect", [&](TCanvas& c) { c.CopyRect(Rect(1, 1, 3, 3), quad, Rect(0, 0, 2, 2)); });
    check("BitBlt", [&](TCanvas& c) { c.BitBlt(1, 1, 2, 2, quad, 0, 0, SRCCOPY); });
    check("StretchBlt", [&](TCanvas& c) { c.StretchBlt(1, 1, 2, 2, big, 0, 0, 4, 4, SRCCOPY); });
    check("TransparentBlt", [&](TCanvas& c) { c.TransparentBlt(1, 1, 2, 2, big, 0, 0, 4, 4, clFuchsia); });

    // A transparent picture drawn under an origin leaves its key colour out there.
    TBitmap target(20, 20);
    target.Fill(clWhite);
    target.Canvas().SetOrigin(origin);
    target.Canvas().Draw(1, 1, keyed);
    EXPECT_EQ(target.GetPixel(6, 8), clRed);
    EXPECT_EQ(target.GetPixel(7, 8), clWhite);
    EXPECT_EQ(target.GetPixel(7, 9), clYellow);
}

} // namespace
} // namespace gfx
