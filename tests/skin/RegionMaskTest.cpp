#include "skin/SkinRegions.h"

#include <gtest/gtest.h>

#include <cstring>

using gfx::TBitmap;
using gfx::TRect;

namespace {

// A mask from rows of text: '#' is black, anything else white.
TBitmap Mask(std::initializer_list<const char*> rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(std::strlen(*rows.begin()));
    TBitmap mask(width, height);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x)
            mask.SetPixel(x, y, row[x] == '#' ? gfx::clBlack : gfx::clWhite);
        ++y;
    }
    return mask;
}

} // namespace

TEST(RegionMaskData, BlackWhiteBlackGivesTwoRectangles)
{
    const auto data = skin::MaskToRegionData(Mask({ "#.#" }), 0, 0);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->Bounds, (TRect { 0, 0, 3, 1 }));
    ASSERT_EQ(data->Rects.size(), 2u);
    EXPECT_EQ(data->Rects[0], (TRect { 0, 0, 1, 1 }));
    EXPECT_EQ(data->Rects[1], (TRect { 2, 0, 3, 1 }));
}

TEST(RegionMaskData, RunsRowByRowOffsetByThePosition)
{
    const TBitmap mask = Mask({
        "..##.",
        "#####",
        ".....",
        "#.#.#",
    });
    const auto data = skin::MaskToRegionData(mask, 10, 20);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->Bounds, (TRect { 10, 20, 15, 24 }));
    const std::vector<TRect> expected {
        { 12, 20, 14, 21 },
        { 10, 21, 15, 22 },
        { 10, 23, 11, 24 },
        { 12, 23, 13, 24 },
        { 14, 23, 15, 24 },
    };
    EXPECT_EQ(data->Rects, expected);
}

TEST(RegionMaskData, OnlyPureBlackCounts)
{
    TBitmap mask(3, 1);
    mask.SetPixel(0, 0, gfx::RGB(0, 0, 1));
    mask.SetPixel(1, 0, gfx::RGB(0, 0, 0));
    mask.SetPixel(2, 0, gfx::RGB(1, 0, 0));
    const auto data = skin::MaskToRegionData(mask, 0, 0);
    ASSERT_EQ(data->Rects.size(), 1u);
    EXPECT_EQ(data->Rects[0], (TRect { 1, 0, 2, 1 }));
}

TEST(RegionMaskData, EmptyMaskGivesNoDataAndNoRegion)
{
    EXPECT_FALSE(skin::MaskToRegionData(TBitmap {}, 0, 0));
    EXPECT_FALSE(skin::RegionFromMask(TBitmap {}));
    const auto white = skin::RegionFromMask(Mask({ "...", "..." }));
    ASSERT_TRUE(white);
    EXPECT_TRUE(white->Empty());
}

TEST(RegionMaskData, KeepsEveryRunOfALargeMask)
{
    // A 300 x 100 checkerboard has 15000 single-pixel runs; none may be lost.
    TBitmap mask(300, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            mask.SetPixel(x, y, (x + y) % 2 == 0 ? gfx::clBlack : gfx::clWhite);
    const auto data = skin::MaskToRegionData(mask, 0, 0);
    EXPECT_EQ(data->Rects.size(), 15000u);
    const auto region = skin::RegionFromMask(mask);
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->Contains(299, 99) == ((299 + 99) % 2 == 0));
    EXPECT_TRUE(region->Contains(298, 99) == ((298 + 99) % 2 == 0));
    EXPECT_TRUE(region->Contains(0, 0));
}

TEST(RegionFrame, MaskCornersGrowAroundTheSolidMiddle)
{
    // A 8 x 6 mask with cut corners; the solid middle is (2, 2, 6, 4) and the
    // corner points sit on its corners.
    const TBitmap mask = Mask({
        ".######.",
        "########",
        "########",
        "########",
        "########",
        ".######.",
    });
    const skin::TbsSkinGeometry geometry { { 2, 2 }, { 6, 2 }, { 2, 4 }, { 6, 4 }, { 2, 2, 6, 4 } };
    const auto region = skin::BuildFrameRegion(mask, geometry, 20, 10);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->BoundingBox(), (TRect { 0, 0, 20, 10 }));
    EXPECT_FALSE(region->Contains(0, 0));
    EXPECT_FALSE(region->Contains(19, 0));
    EXPECT_FALSE(region->Contains(0, 9));
    EXPECT_FALSE(region->Contains(19, 9));
    EXPECT_TRUE(region->Contains(1, 0));
    EXPECT_TRUE(region->Contains(18, 9));
    EXPECT_TRUE(region->Contains(10, 5)); // the new solid middle (2, 2, 18, 8)
    EXPECT_TRUE(region->Contains(0, 5));  // left strip, tiled
}

TEST(RegionFrame, TargetSmallerThanTheFixedPartsHasNoRegion)
{
    const TBitmap mask = Mask({ "####", "####", "####", "####" });
    const skin::TbsSkinGeometry geometry { { 1, 1 }, { 3, 1 }, { 1, 3 }, { 3, 3 }, { 1, 1, 3, 3 } };
    EXPECT_FALSE(skin::BuildFrameRegion(mask, geometry, 1, 10));
    EXPECT_FALSE(skin::BuildFrameRegion(mask, geometry, 10, 1));
    EXPECT_FALSE(skin::BuildFrameRegion(TBitmap {}, geometry, 10, 10));
    const auto same = skin::BuildFrameRegion(mask, geometry, 4, 4);
    ASSERT_TRUE(same);
    EXPECT_EQ(*same, *skin::RegionFromMask(mask));
}
