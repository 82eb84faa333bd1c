#include "platform/graphics/ArrowGlyph.h"
#include "platform/graphics/EdgePainter.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

#include <string>

namespace gfx {
namespace {

constexpr TColor kPaper = RGB(255, 255, 255);
constexpr TColor kLight = RGB(200, 0, 0);
constexpr TColor kDark = RGB(0, 0, 200);

TBitmap Paper(int w, int h)
{
    TBitmap bmp(w, h);
    bmp.Fill(kPaper);
    return bmp;
}

// One character per pixel: 'L' light, 'D' dark, '.' paper, '?' anything else.
std::string Picture(const TBitmap& bmp)
{
    std::string out;
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
            const TColor c = bmp.GetPixel(x, y);
            out += c == kLight ? 'L' : c == kDark ? 'D' : c == kPaper ? '.' : '?';
        }
        out += '\n';
    }
    return out;
}

TEST(Frame3D, BottomRightColourOwnsTheTopRightAndBottomLeftCorners)
{
    TBitmap bmp = Paper(5, 4);
    TRect r = Rect(0, 0, 5, 4);
    Frame3D(bmp.Canvas(), r, kLight, kDark);
    EXPECT_EQ(Picture(bmp), "LLLLD\n"
                            "L...D\n"
                            "L...D\n"
                            "DDDDD\n");
    EXPECT_EQ(r, Rect(1, 1, 4, 3));
}

TEST(Frame3D, EachRingOfAWideFrameLiesInsideThePreviousOne)
{
    TBitmap bmp = Paper(6, 6);
    TRect r = Rect(0, 0, 6, 6);
    Frame3D(bmp.Canvas(), r, kLight, kDark, 2);
    EXPECT_EQ(Picture(bmp), "LLLLLD\n"
                            "LLLLDD\n"
                            "LL..DD\n"
                            "LL..DD\n"
                            "LDDDDD\n"
                            "DDDDDD\n");
    EXPECT_EQ(r, Rect(2, 2, 4, 4));
}

TEST(Frame3D, SideFlagsPaintAndShrinkOnlyTheNamedSides)
{
    TBitmap topLeft = Paper(4, 3);
    TRect r = Rect(0, 0, 4, 3);
    Frame3D(topLeft.Canvas(), r, kLight, kDark, 1, { TEdgeSide::Left, TEdgeSide::Top });
    EXPECT_EQ(Picture(topLeft), "LLLL\n"
                                "L...\n"
                                "L...\n");
    EXPECT_EQ(r, Rect(1, 1, 4, 3));

    TBitmap bottomRight = Paper(4, 3);
    r = Rect(0, 0, 4, 3);
    Frame3D(bottomRight.Canvas(), r, kLight, kDark, 1, { TEdgeSide::Right, TEdgeSide::Bottom });
    EXPECT_EQ(Picture(bottomRight), "...D\n"
                                    "...D\n"
                                    "DDDD\n");
    EXPECT_EQ(r, Rect(0, 0, 3, 2));

    TBitmap leftOnly = Paper(3, 3);
    r = Rect(0, 0, 3, 3);
    Frame3D(leftOnly.Canvas(), r, kLight, kDark, 2, { TEdgeSide::Left });
    EXPECT_EQ(Picture(leftOnly), "LL.\n"
                                 "LL.\n"
                                 "LL.\n");
    EXPECT_EQ(r, Rect(2, 0, 3, 3));
}

TEST(Frame3D, OnePixelRectanglesTakeTheBottomRightColourAndStayInside)
{
    TBitmap column = Paper(3, 4);
    TRect r = Rect(1, 0, 2, 4);
    Frame3D(column.Canvas(), r, kLight, kDark);
    EXPECT_EQ(Picture(column), ".D.\n"
                               ".D.\n"
                               ".D.\n"
                               ".D.\n");
    EXPECT_TRUE(r.IsEmpty());

    TBitmap row = Paper(4, 3);
    r = Rect(0, 1, 4, 2);
    Frame3D(row.Canvas(), r, kLight, kDark);
    EXPECT_EQ(Picture(row), "....\n"
                            "DDDD\n"
                            "....\n");

    TBitmap dot = Paper(3, 3);
    r = Rect(1, 1, 2, 2);
    Frame3D(dot.Canvas(), r, kLight, kDark, 3);
    EXPECT_EQ(Picture(dot), "...\n"
                            ".D.\n"
                            "...\n");
}

TEST(Frame3D, EmptyRectanglesPaintNothingAndStopTheRings)
{
    TBitmap bmp = Paper(4, 4);
    for (TRect empty : { Rect(1, 1, 1, 3), Rect(1, 1, 3, 1), Rect(3, 3, 1, 1) }) {
        const TRect before = empty;
        Frame3D(bmp.Canvas(), empty, kLight, kDark, 2);
        EXPECT_EQ(empty, before);
    }
    EXPECT_EQ(Picture(bmp), "....\n"
                            "....\n"
                            "....\n"
                            "....\n");

    // Two rings fill a 4 x 4 square; the rings asked for beyond them neither
    // paint nor move the rectangle past itself.
    TRect r = Rect(0, 0, 4, 4);
    Frame3D(bmp.Canvas(), r, kLight, kDark, 5);
    EXPECT_EQ(r, Rect(2, 2, 2, 2));
    EXPECT_EQ(Picture(bmp).find('.'), std::string::npos);
}

TEST(Frame3D, LeavesTheBrushAsItFoundIt)
{
    TBitmap bmp = Paper(4, 4);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = RGB(1, 2, 3);
    c.Brush.Style = TBrushStyle::bsClear;
    TRect r = Rect(0, 0, 4, 4);
    Frame3D(c, r, kLight, kDark);
    EXPECT_EQ(c.Brush.Color, RGB(1, 2, 3));
    EXPECT_EQ(c.Brush.Style, TBrushStyle::bsClear);
}

// The colours of the four corners of each ring of a two-ring edge on a 6 x 6 square.
struct EdgeCorners {
    TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

EdgeCorners PaintEdge(TEdgeRing Outer, TEdgeRing Inner, TRect* Inside = nullptr)
{
    TBitmap bmp = Paper(6, 6);
    TRect r = Rect(0, 0, 6, 6);
    DrawEdge(bmp.Canvas(), r, Outer, Inner);
    if (Inside)
        *Inside = r;
    return { bmp.GetPixel(0, 0), bmp.GetPixel(5, 5), bmp.GetPixel(1, 1), bmp.GetPixel(4, 4) };
}

TEST(DrawEdge, RaisedRingsAreLitTopLeftAndSunkenRingsBottomRight)
{
    TRect inside;
    const EdgeCorners raised = PaintEdge(TEdgeRing::Raised, TEdgeRing::Raised, &inside);
    EXPECT_EQ(raised.outerTopLeft, ColorToRGB(cl3DLight));
    EXPECT_EQ(raised.outerBottomRight, ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(raised.innerTopLeft, ColorToRGB(clBtnHighlight));
    EXPECT_EQ(raised.innerBottomRight, ColorToRGB(clBtnShadow));
    EXPECT_EQ(inside, Rect(2, 2, 4, 4));

    const EdgeCorners sunken = PaintEdge(TEdgeRing::Sunken, TEdgeRing::Sunken);
    EXPECT_EQ(sunken.outerTopLeft, ColorToRGB(clBtnShadow));
    EXPECT_EQ(sunken.outerBottomRight, ColorToRGB(clBtnHighlight));
    EXPECT_EQ(sunken.innerTopLeft, ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(sunken.innerBottomRight, ColorToRGB(cl3DLight));
}

TEST(DrawEdge, AMissingRingLeavesItsPlaceToTheOther)
{
    TRect inside;
    const EdgeCorners innerOnly = PaintEdge(TEdgeRing::None, TEdgeRing::Raised, &inside);
    EXPECT_EQ(innerOnly.outerTopLeft, ColorToRGB(clBtnHighlight));
    EXPECT_EQ(innerOnly.outerBottomRight, ColorToRGB(clBtnShadow));
    EXPECT_EQ(innerOnly.innerTopLeft, kPaper);
    EXPECT_EQ(inside, Rect(1, 1, 5, 5));

    const EdgeCorners outerOnly = PaintEdge(TEdgeRing::Sunken, TEdgeRing::None, &inside);
    EXPECT_EQ(outerOnly.outerTopLeft, ColorToRGB(clBtnShadow));
    EXPECT_EQ(outerOnly.innerBottomRight, kPaper);
    EXPECT_EQ(inside, Rect(1, 1, 5, 5));
}

TEST(DrawFramedFill, FramesInOneColourAndFillsTheInsideWithTheOther)
{
    TBitmap bmp = Paper(4, 4);
    DrawFramedFill(bmp.Canvas(), Rect(0, 0, 4, 4), kDark, kLight);
    EXPECT_EQ(Picture(bmp), "DDDD\n"
                            "DLLD\n"
                            "DLLD\n"
                            "DDDD\n");
}

TEST(DrawArrowGlyph, TheTipPixelPointsTheWayAndTheBaseIsSevenWide)
{
    const auto arrow = [](TArrowDirection direction, TPoint tip) {
        TBitmap bmp = Paper(9, 9);
        DrawArrowGlyph(bmp.Canvas(), tip, direction, kDark);
        return Picture(bmp);
    };
    EXPECT_EQ(arrow(TArrowDirection::Down, Point(4, 5)), ".........\n"
                                                         ".........\n"
                                                         ".DDDDDDD.\n"
                                                         "..DDDDD..\n"
                                                         "...DDD...\n"
                                                         "....D....\n"
                                                         ".........\n"
                                                         ".........\n"
                                                         ".........\n");
    EXPECT_EQ(arrow(TArrowDirection::Up, Point(4, 3)), ".........\n"
                                                       ".........\n"
                                                       ".........\n"
                                                       "....D....\n"
                                                       "...DDD...\n"
                                                       "..DDDDD..\n"
                                                       ".DDDDDDD.\n"
                                                       ".........\n"
                                                       ".........\n");
    EXPECT_EQ(arrow(TArrowDirection::Left, Point(3, 4)), ".........\n"
                                                         "......D..\n"
                                                         ".....DD..\n"
                                                         "....DDD..\n"
                                                         "...DDDD..\n"
                                                         "....DDD..\n"
                                                         ".....DD..\n"
                                                         "......D..\n"
                                                         ".........\n");
    EXPECT_EQ(arrow(TArrowDirection::Right, Point(5, 4)), ".........\n"
                                                          "..D......\n"
                                                          "..DD.....\n"
                                                          "..DDD....\n"
                                                          "..DDDD...\n"
                                                          "..DDD....\n"
                                                          "..DD.....\n"
                                                          "..D......\n"
                                                          ".........\n");
}

} // namespace
} // namespace gfx
