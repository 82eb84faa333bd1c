#include "skin/SkinImageBuilders.h"

#include <gtest/gtest.h>

using gfx::TBitmap;
using gfx::TColor;
using gfx::TRect;
using skin::TbsSkinGeometry;
using skin::TbsStretchFlags;

namespace {

// Every pixel of the picture has its own colour, so a pixel copied from the
// wrong place shows at once: red is x, green is y.
TBitmap DistinctPicture(int width, int height)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, gfx::RGB(x, y, 77));
    return picture;
}

TColor Source(int x, int y) { return gfx::RGB(x, y, 77); }

// A part whose corner points sit on the client corners: every target pixel
// then maps to the source independently in x and y.
TbsSkinGeometry BoxGeometry(int left, int top, int right, int bottom)
{
    return { { left, top }, { right, top }, { left, bottom }, { right, bottom }, { left, top, right, bottom } };
}

// Expected source offset along one axis for a tiled box of `size` with fixed
// parts [0, lo) and [hi, size), rebuilt at `target`.
int TiledAxis(int t, int lo, int hi, int size, int target)
{
    const int delta = target - size;
    if (t < lo)
        return t;
    if (t >= hi + delta)
        return t - delta;
    return lo + (t - lo) % (hi - lo);
}

} // namespace

TEST(BuilderSkinImage, ReproducesTheSkinRectangleAtItsOwnSize)
{
    const TBitmap picture = DistinctPicture(60, 50);
    const TRect S { 7, 5, 47, 35 }; // 40 x 30 inside a larger picture
    const TbsSkinGeometry skin { { 6, 4 }, { 31, 5 }, { 5, 24 }, { 33, 26 }, { 3, 2, 36, 27 } };
    const TbsSkinGeometry target = skin::NewSkinGeometry(skin, { 40, 30 }, 40, 30);
    ASSERT_EQ(target, skin);
    TBitmap image;
    skin::BuildTiledSkinImage(skin, target, image, picture, S, 40, 30, true);
    ASSERT_EQ(image.Width(), 40);
    ASSERT_EQ(image.Height(), 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(image.GetPixel(x, y), Source(S.Left + x, S.Top + y)) << x << "," << y;
}

TEST(BuilderSkinImage, TiledBoxPlacesEveryPixelAtLargerAndSmallerSizes)
{
    const TBitmap picture = DistinctPicture(40, 36);
    const TRect S { 2, 3, 32, 27 }; // 30 x 24
    const TbsSkinGeometry skin = BoxGeometry(4, 5, 25, 19);
    for (auto [W, H] : { std::pair { 97, 61 }, std::pair { 30, 24 }, std::pair { 20, 14 } }) {
        const TbsSkinGeometry target = skin::NewSkinGeometry(skin, { 30, 24 }, W, H);
        TBitmap image;
        skin::BuildTiledSkinImage(skin, target, image, picture, S, W, H, true);
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                const int sx = TiledAxis(x, 4, 25, 30, W);
                const int sy = TiledAxis(y, 5, 19, 24, H);
                ASSERT_EQ(image.GetPixel(x, y), Source(S.Left + sx, S.Top + sy)) << W << "x" << H << " at " << x << "," << y;
            }
        }
    }
}

TEST(BuilderSkinImage, TopEdgeTilesAreCutAtTheRightCornerPoint)
{
    // A 10-pixel top middle (x 5..15) tiled into 25 pixels: 10, 10 and 5.
    const TBitmap picture = DistinctPicture(20, 12);
    const TRect S { 0, 0, 20, 12 };
    const TbsSkinGeometry skin = BoxGeometry(5, 3, 15, 9);
    const TbsSkinGeometry target = skin::NewSkinGeometry(skin, { 20, 12 }, 35, 12);
    TBitmap image;
    skin::BuildTiledSkinImage(skin, target, image, picture, S, 35, 12, false);
    for (int x = 5; x < 30; ++x)
        EXPECT_EQ(image.GetPixel(x, 1), Source(5 + (x - 5) % 10, 1)) << x;
    // The right corner piece starts where the middle ends.
    EXPECT_EQ(image.GetPixel(30, 1), Source(15, 1));
    // Without fillClient the client stays unpainted.
    EXPECT_EQ(image.GetPixel(20, 5), gfx::clWhite);
}

TEST(BuilderSkinImage, StretchedEdgesScaleTheirMiddle)
{
    const TBitmap picture = DistinctPicture(20, 20);
    const TRect S { 0, 0, 20, 20 };
    const TbsSkinGeometry skin = BoxGeometry(5, 5, 15, 15);
    // Twice the middle in both directions: 10 -> 20 pixels.
    const TbsSkinGeometry target = skin::NewSkinGeometry(skin, { 20, 20 }, 30, 30);
    TBitmap image;
    skin::BuildSkinImage(skin, target, image, picture, S, 30, 30, false, TbsStretchFlags { true, true, true, true });
    for (int t = 0; t < 20; ++t) {
        EXPECT_EQ(image.GetPixel(5 + t, 2), Source(5 + t / 2, 2)) << "top " << t;
        EXPECT_EQ(image.GetPixel(5 + t, 27), Source(5 + t / 2, 17)) << "bottom " << t;
        EXPECT_EQ(image.GetPixel(1, 5 + t), Source(1, 5 + t / 2)) << "left " << t;
        EXPECT_EQ(image.GetPixel(28, 5 + t), Source(18, 5 + t / 2)) << "right " << t;
    }
    EXPECT_EQ(image.GetPixel(29, 29), Source(19, 19));
}

TEST(BuilderSkinImage, CornerPiecesFollowTheirOwnCornerPoints)
{
    // Corner points away from the client corners: the eight fixed pieces take
    // the bands between the client and each corner point.
    const TBitmap picture = DistinctPicture(30, 30);
    const TRect S { 0, 0, 30, 30 };
    const TbsSkinGeometry skin { { 8, 9 }, { 20, 7 }, { 6, 22 }, { 23, 21 }, { 4, 5, 26, 25 } };
    const TbsSkinGeometry target = skin::NewSkinGeometry(skin, { 30, 30 }, 50, 45);
    TBitmap image;
    skin::BuildTiledSkinImage(skin, target, image, picture, S, 50, 45, false);
    EXPECT_EQ(image.GetPixel(7, 4), Source(7, 4));         // top-left, left of LT.x
    EXPECT_EQ(image.GetPixel(3, 8), Source(3, 8));         // left edge above LT.y
    EXPECT_EQ(image.GetPixel(40, 4), Source(20, 4));       // top-right piece from RT.x
    EXPECT_EQ(image.GetPixel(47, 6), Source(27, 6));       // right edge above RT.y
    EXPECT_EQ(image.GetPixel(2, 37), Source(2, 22));       // bottom-left below LB.y
    EXPECT_EQ(image.GetPixel(5, 42), Source(5, 27));       // bottom band left of LB.x
    EXPECT_EQ(image.GetPixel(43, 42), Source(23, 27));     // bottom-right from RB.x
    EXPECT_EQ(image.GetPixel(47, 36), Source(27, 21));     // right edge below RB.y
    EXPECT_EQ(image.GetPixel(8 + 12 + 3, 2), Source(8 + 3, 2)); // second top tile
}

TEST(BuilderSkinImage, DegenerateGeometryLeavesTheImageSizedAndUnpainted)
{
    const TBitmap picture = DistinctPicture(20, 20);
    const TRect S { 0, 0, 20, 20 };
    TBitmap image;
    // Right-bottom x equal to left-top x: nothing to cut.
    TbsSkinGeometry flat { { 5, 5 }, { 15, 5 }, { 5, 15 }, { 5, 15 }, { 5, 5, 15, 15 } };
    skin::BuildTiledSkinImage(flat, skin::NewSkinGeometry(flat, { 20, 20 }, 40, 30), image, picture, S, 40, 30, true);
    EXPECT_EQ(image.Width(), 40);
    EXPECT_EQ(image.Height(), 30);
    EXPECT_EQ(image.GetPixel(0, 0), gfx::clWhite);

    // An empty picture.
    const TbsSkinGeometry box = BoxGeometry(5, 5, 15, 15);
    skin::BuildTiledSkinImage(box, skin::NewSkinGeometry(box, { 20, 20 }, 40, 30), image, TBitmap {}, S, 40, 30, true);
    EXPECT_EQ(image.GetPixel(0, 0), gfx::clWhite);

    // A negative target size becomes an empty image.
    skin::BuildTiledSkinImage(box, skin::NewSkinGeometry(box, { 20, 20 }, -4, 30), image, picture, S, -4, 30, true);
    EXPECT_TRUE(image.Empty());
}

TEST(BuilderSkinImage, ZeroLengthMiddlesAndClientAreSkippedNotDividedBy)
{
    const TBitmap picture = DistinctPicture(20, 20);
    const TRect S { 0, 0, 20, 20 };
    // The top middle (LT.x = RT.x), the left middle (LT.y = LB.y) and the
    // client (zero width) have no source pixels; the rest is still built.
    const TbsSkinGeometry skin { { 6, 7 }, { 6, 5 }, { 4, 7 }, { 16, 15 }, { 6, 5, 6, 15 } };
    const TbsSkinGeometry target = skin::NewSkinGeometry(skin, { 20, 20 }, 60, 50);
    TBitmap image;
    skin::BuildTiledSkinImage(skin, target, image, picture, S, 60, 50, true);
    EXPECT_EQ(image.GetPixel(0, 0), Source(0, 0));
    EXPECT_EQ(image.GetPixel(59, 49), Source(19, 19));
    EXPECT_EQ(image.GetPixel(30, 2), gfx::clWhite); // the top middle that had nothing to tile

    // Corner points in the wrong order give middles of negative length.
    const TbsSkinGeometry crossed { { 14, 14 }, { 6, 14 }, { 14, 6 }, { 6, 6 }, { 4, 4, 16, 16 } };
    skin::BuildSkinImage(crossed, skin::NewSkinGeometry(crossed, { 20, 20 }, 50, 50), image, picture, S, 50, 50, true,
        TbsStretchFlags { true, true, true, true });
    EXPECT_EQ(image.Width(), 50);
    EXPECT_EQ(image.GetPixel(0, 0), Source(0, 0));
}
