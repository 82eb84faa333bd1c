#include "TestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace gfx {
namespace {

using test::CountOther;
using test::Picture;

TBitmap Blank(int w, int h, TColor color = clWhite)
{
    TBitmap bmp(w, h);
    bmp.Fill(color);
    return bmp;
}

// Long rows take a vector fill, short ones a plain loop: both must stop at
// the rectangle's edges and write the same opaque pixels, at any alignment.
TEST(CanvasFill, RowsOfEveryLengthFillExactlyTheirRectangle)
{
    for (int width : { 1, 63, 64, 65, 1001 }) {
        for (int left : { 0, 1, 3 }) {
            TBitmap bmp = Blank(left + width + 2, 3);
            TCanvas& c = bmp.Canvas();
            c.Brush.Color = RGB(12, 34, 56);
            c.FillRect(Rect(left, 1, left + width, 2));
            const Pixel filled = ColorToPixel(RGB(12, 34, 56)) | 0xFF000000u;
            int wrong = 0;
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < bmp.Width(); ++x) {
                    const bool inside = y == 1 && x >= left && x < left + width;
                    const Pixel want = inside ? filled : ColorToPixel(clWhite) | 0xFF000000u;
                    wrong += (bmp.ScanLine(y)[x] | (inside ? 0u : 0xFF000000u)) != want;
                }
            EXPECT_EQ(wrong, 0) << "width " << width << " at " << left;
        }
    }
}

TEST(CanvasLines, LineToStopsBeforeItsEndPoint)
{
    TBitmap bmp = Blank(8, 3);
    TCanvas& c = bmp.Canvas();
    c.MoveTo(1, 1);
    c.LineTo(6, 1);
    EXPECT_EQ(Picture(bmp, clBlack), "........\n"
                                     ".#####..\n"
                                     "........\n");
    EXPECT_EQ(c.PenPos, Point(6, 1));
}

TEST(CanvasLines, DiagonalAndSteepLinesArePixelExact)
{
    TBitmap bmp = Blank(5, 5);
    TCanvas& c = bmp.Canvas();
    c.MoveTo(0, 0);
    c.LineTo(4, 4);
    c.MoveTo(4, 0);
    c.LineTo(4, 2);
    EXPECT_EQ(Picture(bmp, clBlack), "#...#\n"
                                     ".#..#\n"
                                     "..#..\n"
                                     "...#.\n"
                                     ".....\n");
}

TEST(CanvasLines, PolylineConnectsPoints)
{
    TBitmap bmp = Blank(5, 4);
    std::array<TPoint, 3> points { Point(0, 0), Point(3, 0), Point(3, 3) };
    bmp.Canvas().Polyline(points);
    EXPECT_EQ(Picture(bmp, clBlack), "####.\n"
                                     "...#.\n"
                                     "...#.\n"
                                     ".....\n");
}

TEST(CanvasLines, DottedPenAlternatesThreePixels)
{
    TBitmap bmp = Blank(14, 1);
    TCanvas& c = bmp.Canvas();
    c.Pen.Style = TPenStyle::psDot;
    c.Brush.Style = TBrushStyle::bsClear;
    c.MoveTo(0, 0);
    c.LineTo(14, 0);
    EXPECT_EQ(Picture(bmp, clBlack), "###...###...##\n");

    // With an opaque brush the gaps take the brush colour.
    bmp.Fill(clWhite);
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = clRed;
    c.MoveTo(0, 0);
    c.LineTo(7, 0);
    EXPECT_EQ(Picture(bmp, clRed), "...###........\n");
}

TEST(CanvasLines, WidePenCoversItsWidth)
{
    TBitmap bmp = Blank(12, 7);
    TCanvas& c = bmp.Canvas();
    c.Pen.Width = 3;
    c.MoveTo(2, 3);
    c.LineTo(9, 3);
    EXPECT_EQ(CountOther(bmp, Rect(2, 2, 10, 5), clBlack), 0);
    EXPECT_EQ(bmp.GetPixel(5, 1), clWhite);
    EXPECT_EQ(bmp.GetPixel(5, 5), clWhite);
}

TEST(CanvasShapes, RectangleCoversLeftToRightMinusOne)
{
    TBitmap bmp = Blank(8, 6, clRed);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clWhite;
    c.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Picture(bmp, clBlack), "........\n"
                                     ".#####..\n"
                                     ".#...#..\n"
                                     ".#...#..\n"
                                     ".#####..\n"
                                     "........\n");
    EXPECT_EQ(CountOther(bmp, Rect(2, 2, 5, 4), clWhite), 0);
}

TEST(CanvasShapes, RectangleWithoutPenFillsOnePixelLess)
{
    TBitmap bmp = Blank(6, 5);
    TCanvas& c = bmp.Canvas();
    c.Pen.Style = TPenStyle::psClear;
    c.Brush.Color = clBlue;
    c.Rectangle(1, 1, 5, 4);
    EXPECT_EQ(Picture(bmp, clBlue), "......\n"
                                    ".###..\n"
                                    ".###..\n"
                                    "......\n"
                                    "......\n");
}

TEST(CanvasShapes, FillRectAndFrameRectUseTheBrush)
{
    TBitmap bmp = Blank(6, 5);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clGreen;
    c.FillRect(Rect(1, 1, 3, 3));
    EXPECT_EQ(CountOther(bmp, Rect(1, 1, 3, 3), clGreen), 0);
    EXPECT_EQ(CountOther(bmp, Rect(0, 0, 6, 5), clWhite), 4);
    bmp.Fill(clWhite);
    c.FrameRect(Rect(1, 1, 5, 4));
    EXPECT_EQ(Picture(bmp, clGreen), "......\n"
                                     ".####.\n"
                                     ".#..#.\n"
                                     ".####.\n"
                                     "......\n");
}

TEST(CanvasShapes, EllipseStaysInItsBoxTouchesEachSideAndIsSymmetric)
{
    TBitmap bmp = Blank(14, 12);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clRed;
    c.Ellipse(2, 1, 12, 10);
    EXPECT_EQ(test::Painted(bmp, clWhite), Rect(2, 1, 12, 10));
    for (int y = 1; y < 10; ++y) {
        for (int x = 2; x < 12; ++x) {
            EXPECT_EQ(bmp.GetPixel(x, y), bmp.GetPixel(13 - x, y)) << x << "," << y;
            EXPECT_EQ(bmp.GetPixel(x, y), bmp.GetPixel(x, 10 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(bmp.GetPixel(7, 5), clRed);
    EXPECT_EQ(bmp.GetPixel(2, 5), clBlack);
    EXPECT_EQ(bmp.GetPixel(2, 1), clWhite);
}

TEST(CanvasShapes, EllipseFillMatchesTheEllipticRegion)
{
    TBitmap bmp = Blank(20, 16);
    TCanvas& c = bmp.Canvas();
    c.Pen.Color = clRed;
    c.Brush.Color = clRed;
    c.Ellipse(1, 2, 19, 15);
    TRegion region = TRegion::FromEllipse(Rect(1, 2, 19, 15));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(bmp.GetPixel(x, y) == clRed, region.Contains(x, y)) << x << "," << y;
    }
}

TEST(CanvasShapes, RoundRectCutsItsCorners)
{
    TBitmap bmp = Blank(20, 12);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clYellow;
    c.RoundRect(0, 0, 20, 12, 8, 8);
    EXPECT_EQ(bmp.GetPixel(0, 0), clWhite);
    EXPECT_EQ(bmp.GetPixel(19, 11), clWhite);
    EXPECT_EQ(bmp.GetPixel(10, 0), clBlack);
    EXPECT_EQ(bmp.GetPixel(0, 6), clBlack);
    EXPECT_EQ(bmp.GetPixel(19, 6), clBlack);
    EXPECT_EQ(bmp.GetPixel(10, 6), clYellow);
}

TEST(CanvasShapes, PolygonFillsInsideAndOutlines)
{
    TBitmap bmp = Blank(8, 8);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clBlue;
    std::array<TPoint, 4> square { Point(1, 1), Point(6, 1), Point(6, 6), Point(1, 6) };
    c.Polygon(square);
    EXPECT_EQ(Picture(bmp, clBlack), "........\n"
                                     ".######.\n"
                                     ".#....#.\n"
                                     ".#....#.\n"
                                     ".#....#.\n"
                                     ".#....#.\n"
                                     ".######.\n"
                                     "........\n");
    EXPECT_EQ(CountOther(bmp, Rect(2, 2, 6, 6), clBlue), 0);
}

TEST(CanvasShapes, HatchBrushLeavesItsGaps)
{
    TBitmap bmp = Blank(16, 16);
    TCanvas& c = bmp.Canvas();
    c.Brush.Style = TBrushStyle::bsHorizontal;
    c.Brush.Color = clRed;
    c.FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(CountOther(bmp, Rect(0, 0, 16, 1), clRed), 0);
    EXPECT_EQ(CountOther(bmp, Rect(0, 1, 16, 8), clWhite), 0);
    EXPECT_EQ(CountOther(bmp, Rect(0, 8, 16, 9), clRed), 0);
    bmp.Fill(clWhite);
    c.Brush.Style = TBrushStyle::bsDiagCross;
    c.FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(bmp.GetPixel(3, 3), clRed);
    EXPECT_EQ(bmp.GetPixel(5, 3), clRed);
    EXPECT_EQ(bmp.GetPixel(4, 3), clWhite);
}

TEST(CanvasShapes, WidePenFrameIsCentredOnTheOutline)
{
    TBitmap bmp = Blank(20, 20);
    TCanvas& c = bmp.Canvas();
    c.Pen.Width = 3;
    c.Brush.Color = clRed;
    c.Rectangle(5, 5, 15, 15);
    EXPECT_EQ(test::Painted(bmp, clWhite), Rect(4, 4, 16, 16));
    EXPECT_EQ(CountOther(bmp, Rect(4, 4, 16, 7), clBlack), 0);
    EXPECT_EQ(CountOther(bmp, Rect(7, 7, 13, 13), clRed), 0);
    // Inside-frame pens keep the frame within the rectangle.
    bmp.Fill(clWhite);
    c.Pen.Style = TPenStyle::psInsideFrame;
    c.Rectangle(5, 5, 15, 15);
    EXPECT_EQ(test::Painted(bmp, clWhite), Rect(5, 5, 15, 15));
    EXPECT_EQ(CountOther(bmp, Rect(8, 8, 12, 12), clRed), 0);
}

TEST(CanvasShapes, NoneColourPaintsNothing)
{
    TBitmap bmp = Blank(10, 10);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clNone;
    c.Pen.Color = clNone;
    c.FillRect(Rect(0, 0, 10, 10));
    c.Rectangle(1, 1, 9, 9);
    c.MoveTo(0, 0);
    c.LineTo(9, 9);
    EXPECT_EQ(CountOther(bmp, Rect(0, 0, 10, 10), clWhite), 0);
}

TEST(CanvasShapes, PatternBrushRepeatsFromTheOrigin)
{
    TBitmap tile(2, 1);
    tile.SetPixel(0, 0, clRed);
    tile.SetPixel(1, 0, clBlue);
    TBitmap bmp = Blank(6, 2);
    TCanvas& c = bmp.Canvas();
    c.Brush.Bitmap = &tile;
    c.SetOrigin(Point(1, 0));
    c.FillRect(Rect(-1, 0, 5, 2));
    EXPECT_EQ(Picture(bmp, clRed), ".#.#.#\n.#.#.#\n");
    c.Brush.Bitmap = nullptr;
}

TEST(CanvasModes, XorDrawnTwiceRestoresThePicture)
{
    TBitmap bmp(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x)
            bmp.SetPixel(x, y, RGB(x * 6, y * 8, (x * y) % 256));
    }
    TBitmap original = bmp;
    TCanvas& c = bmp.Canvas();
    c.Pen.Mode = TPenMode::pmXor;
    c.Pen.Color = RGB(206, 216, 255);
    c.Brush.Color = RGB(17, 99, 200);
    std::array<TPoint, 5> star { Point(20, 1), Point(28, 28), Point(2, 10), Point(38, 10), Point(12, 28) };
    auto draw = [&] {
        c.MoveTo(0, 0);
        c.LineTo(39, 29);
        c.Rectangle(3, 3, 30, 20);
        c.Ellipse(5, 2, 35, 27);
        c.RoundRect(1, 1, 39, 29, 9, 7);
        c.Polygon(star);
        c.Pen.Width = 4;
        c.MoveTo(2, 25);
        c.LineTo(37, 4);
        c.Pen.Width = 1;
        c.Pen.Style = TPenStyle::psDot;
        c.Brush.Style = TBrushStyle::bsClear;
        c.Rectangle(6, 6, 33, 24);
        c.Pen.Style = TPenStyle::psSolid;
        c.Brush.Style = TBrushStyle::bsSolid;
        c.DrawFocusRect(Rect(4, 4, 36, 26));
    };
    draw();
    EXPECT_FALSE(bmp == original);
    draw();
    EXPECT_TRUE(bmp == original);
}

TEST(CanvasModes, NotModeInvertsAndNopLeavesAlone)
{
    TBitmap bmp = Blank(4, 1, RGB(10, 20, 30));
    TCanvas& c = bmp.Canvas();
    c.Pen.Mode = TPenMode::pmNot;
    c.MoveTo(0, 0);
    c.LineTo(2, 0);
    c.Pen.Mode = TPenMode::pmNop;
    c.MoveTo(2, 0);
    c.LineTo(4, 0);
    EXPECT_EQ(bmp.GetPixel(0, 0), RGB(245, 235, 225));
    EXPECT_EQ(bmp.GetPixel(3, 0), RGB(10, 20, 30));
}

TEST(CanvasClipping, RegionAndOriginLimitAndMoveDrawing)
{
    TBitmap bmp = Blank(20, 20);
    TCanvas& c = bmp.Canvas();
    c.SetClipRegion(TRegion(Rect(5, 5, 10, 10)) | TRegion(Rect(12, 0, 14, 20)));
    c.Brush.Color = clRed;
    c.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(CountOther(bmp, Rect(5, 5, 10, 10), clRed), 0);
    EXPECT_EQ(CountOther(bmp, Rect(12, 0, 14, 20), clRed), 0);
    EXPECT_EQ(CountOther(bmp, Rect(0, 0, 20, 20), clWhite), 25 + 40);

    bmp.Fill(clWhite);
    c.ClearClipRegion();
    c.SetOrigin(Point(10, 12));
    c.FillRect(Rect(0, 0, 2, 2));
    c.Pixels(-10, -12, clBlue);
    EXPECT_EQ(test::Painted(bmp, clWhite), Rect(0, 0, 12, 14));
    EXPECT_EQ(CountOther(bmp, Rect(10, 12, 12, 14), clRed), 0);
    EXPECT_EQ(bmp.GetPixel(0, 0), clBlue);
    EXPECT_EQ(c.Pixels(0, 0), clRed);

    // Clip rectangles given in logical coordinates follow the origin.
    c.IntersectClipRect(Rect(0, 0, 3, 3));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 3, 3));
    EXPECT_EQ(c.ClipRegion()->BoundingBox(), Rect(10, 12, 13, 15));
    c.ExcludeClipRect(Rect(0, 0, 3, 1));
    bmp.Fill(clWhite);
    c.FillRect(Rect(-5, -5, 10, 10));
    EXPECT_EQ(test::Painted(bmp, clWhite), Rect(10, 13, 13, 15));
}

TEST(CanvasPixels, OutsideTheBitmapIsIgnored)
{
    TBitmap bmp = Blank(3, 3);
    TCanvas& c = bmp.Canvas();
    c.Pixels(-1, 0, clRed);
    c.Pixels(3, 3, clRed);
    c.MoveTo(-100, -100);
    c.LineTo(100, 100);
    c.Ellipse(-50, -50, 50, 50);
    EXPECT_EQ(bmp.GetPixel(1, 1), clWhite); // inside the ellipse's fill
    EXPECT_EQ(c.Pixels(-1, 0), clBlack);
}

TEST(CanvasPixels, DrawingOnAnEmptyBitmapDoesNothing)
{
    TBitmap empty;
    TCanvas& c = empty.Canvas();
    c.FillRect(Rect(0, 0, 10, 10));
    c.Ellipse(0, 0, 10, 10);
    c.TextOut(0, 0, "笔记");
    TRect r = Rect(0, 0, 10, 10);
    c.DrawText("笔记", r, DT_CENTER);
    c.BitBlt(0, 0, 5, 5, Blank(5, 5), 0, 0);
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(c.ClipRect(), TRect {});
}

TEST(CanvasOwnership, BitmapCopiesDoNotShareTheCanvas)
{
    TBitmap a = Blank(4, 4);
    a.Canvas().Brush.Color = clRed;
    TBitmap b = a;
    b.Canvas().FillRect(Rect(0, 0, 4, 4)); // b's own canvas: white brush
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    a.Canvas().FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(a.GetPixel(0, 0), clRed);
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    // After a resize the canvas draws into the new pixels.
    a.SetSize(8, 8);
    a.Canvas().FillRect(Rect(0, 0, 8, 8));
    EXPECT_EQ(a.GetPixel(7, 7), clRed);
}

} // namespace
} // namespace gfx
