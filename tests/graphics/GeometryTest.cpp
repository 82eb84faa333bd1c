#include "platform/graphics/Geometry.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

TEST(Geometry, RectangleCoversLeftTopButNotRightBottom)
{
    TRect r = Rect(2, 3, 5, 7);
    EXPECT_EQ(r.Width(), 3);
    EXPECT_EQ(r.Height(), 4);
    EXPECT_TRUE(PtInRect(r, Point(2, 3)));
    EXPECT_TRUE(PtInRect(r, Point(4, 6)));
    EXPECT_FALSE(PtInRect(r, Point(5, 6)));
    EXPECT_FALSE(PtInRect(r, Point(4, 7)));
    EXPECT_EQ(Bounds(2, 3, 3, 4), r);
}

TEST(Geometry, OffsetAndInflateMoveSides)
{
    TRect r = Rect(0, 0, 10, 10);
    OffsetRect(r, 5, -2);
    EXPECT_EQ(r, Rect(5, -2, 15, 8));
    InflateRect(r, -2, 1);
    EXPECT_EQ(r, Rect(7, -3, 13, 9));
    EXPECT_TRUE(Inflate(Rect(0, 0, 4, 4), -2, -2).IsEmpty());
}

TEST(Geometry, IntersectAndUnion)
{
    TRect out;
    EXPECT_TRUE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(out, Rect(5, 5, 10, 10));
    EXPECT_FALSE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));
    EXPECT_EQ(out, TRect {});
    EXPECT_TRUE(UnionRect(out, Rect(0, 0, 2, 2), Rect(5, 5, 6, 7)));
    EXPECT_EQ(out, Rect(0, 0, 6, 7));
    EXPECT_TRUE(UnionRect(out, TRect {}, Rect(1, 1, 2, 2)));
    EXPECT_EQ(out, Rect(1, 1, 2, 2));
}

} // namespace
} // namespace gfx
