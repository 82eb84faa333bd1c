#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

#include <array>

namespace gfx {
namespace {

int Area(const TRegion& r)
{
    int area = 0;
    for (const TRect& rect : r.Rects())
        area += rect.Width() * rect.Height();
    return area;
}

TEST(Region, AlgebraOfTwoOverlappingRectangles)
{
    TRegion a(Rect(0, 0, 10, 10));
    TRegion b(Rect(5, 5, 15, 15));
    EXPECT_EQ(Area(a | b), 175);
    EXPECT_EQ((a & b), TRegion(Rect(5, 5, 10, 10)));
    EXPECT_EQ(Area(a - b), 75);
    EXPECT_FALSE((a - b).Contains(7, 7));
    EXPECT_TRUE((a - b).Contains(2, 7));
    EXPECT_EQ(Area(a ^ b), 150);
    EXPECT_FALSE((a ^ b).Contains(6, 6));
    EXPECT_TRUE((a ^ b).Contains(12, 12));
    EXPECT_EQ((a ^ b), (a | b) - (a & b));
    EXPECT_EQ(TRegion::Combine(a, b, TCombineMode::RGN_DIFF), a - b);
    EXPECT_EQ(TRegion::Combine(a, b, TCombineMode::RGN_COPY), a);
    EXPECT_EQ((a | b).BoundingBox(), Rect(0, 0, 15, 15));
}

TEST(Region, EqualityIsAboutPixelsNotConstruction)
{
    std::array<TRect, 2> halves { Rect(0, 0, 5, 4), Rect(5, 0, 10, 4) };
    EXPECT_EQ(TRegion::FromRects(halves), TRegion(Rect(0, 0, 10, 4)));
    EXPECT_NE(TRegion(Rect(0, 0, 10, 4)), TRegion(Rect(0, 0, 10, 5)));
    TRegion emptied = TRegion(Rect(3, 3, 5, 5)) - TRegion(Rect(0, 0, 9, 9));
    EXPECT_TRUE(emptied.Empty());
    EXPECT_EQ(emptied, TRegion());
    EXPECT_EQ(emptied.BoundingBox(), TRect {});
}

TEST(Region, OffsetContainsAndRectangleQueries)
{
    TRegion r(Rect(0, 0, 4, 4));
    r.Offset(10, 20);
    EXPECT_TRUE(r.Contains(10, 20));
    EXPECT_TRUE(r.Contains(Point(13, 23)));
    EXPECT_FALSE(r.Contains(14, 23));
    EXPECT_TRUE(r.ContainsRect(Rect(11, 21, 14, 24)));
    EXPECT_FALSE(r.ContainsRect(Rect(11, 21, 15, 24)));
    EXPECT_TRUE(r.Intersects(Rect(0, 0, 11, 21)));
    EXPECT_FALSE(r.Intersects(Rect(0, 0, 10, 20)));
}

TEST(Region, CopiesAreIndependent)
{
    TRegion a(Rect(0, 0, 2, 2));
    TRegion b = a;
    b |= TRegion(Rect(5, 5, 6, 6));
    EXPECT_EQ(a.RectCount(), 1);
    EXPECT_EQ(b.RectCount(), 2);
    TRegion moved = std::move(b);
    EXPECT_EQ(moved.RectCount(), 2);
    a = moved;
    EXPECT_EQ(a, moved);
}

TEST(RegionFromMask, BlackRunsBecomeRectangles)
{
    TBitmap mask(3, 1);
    mask.SetPixel(0, 0, clBlack);
    mask.SetPixel(1, 0, clWhite);
    mask.SetPixel(2, 0, clBlack);
    TRegion r = TRegion::FromMask(mask);
    std::vector<TRect> expected { Rect(0, 0, 1, 1), Rect(2, 0, 3, 1) };
    EXPECT_EQ(r.Rects(), expected);
    r = TRegion::FromMask(mask, 5, 7);
    expected = { Rect(5, 7, 6, 8), Rect(7, 7, 8, 8) };
    EXPECT_EQ(r.Rects(), expected);
}

TEST(RegionFromMask, OnlyPureBlackCountsWhateverTheAlpha)
{
    TBitmap mask(4, 2);
    mask.Fill(clBlack);
    mask.SetPixel(1, 0, RGB(1, 0, 0));
    mask.SetPixel(2, 1, RGB(0, 0, 1));
    mask.ScanLine(1)[0] = 0x00000000u; // black with zero alpha is still black
    TRegion r = TRegion::FromMask(mask);
    EXPECT_TRUE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(1, 0));
    EXPECT_TRUE(r.Contains(0, 1));
    EXPECT_FALSE(r.Contains(2, 1));
    EXPECT_EQ(Area(r), 6);
    EXPECT_TRUE(TRegion::FromMask(TBitmap()).Empty());
}

TEST(Region, ShapesMatchTheirBoxes)
{
    TRegion e = TRegion::FromEllipse(Rect(0, 0, 20, 10));
    EXPECT_EQ(e.BoundingBox(), Rect(0, 0, 20, 10));
    EXPECT_FALSE(e.Contains(0, 0));
    EXPECT_TRUE(e.Contains(10, 5));
    TRegion rr = TRegion::FromRoundRect(Rect(0, 0, 20, 10), 6, 6);
    EXPECT_EQ(rr.BoundingBox(), Rect(0, 0, 20, 10));
    EXPECT_FALSE(rr.Contains(0, 0));
    EXPECT_TRUE(rr.Contains(3, 0));
    EXPECT_TRUE(rr.Contains(0, 5));
    std::array<TPoint, 3> triangle { Point(0, 0), Point(10, 0), Point(0, 10) };
    TRegion t = TRegion::FromPolygon(triangle);
    EXPECT_TRUE(t.Contains(0, 0));
    EXPECT_TRUE(t.Contains(4, 4));
    EXPECT_FALSE(t.Contains(5, 5));
    EXPECT_EQ(Area(t), 45);
}

} // namespace
} // namespace gfx
