#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using gfx::TBitmap;
using gfx::TCanvas;

namespace {

// The glyph drawn at (2, 2) on a white 16 x 14 bitmap, as rows of text
// ('#' painted, '.' white), with the origin's offset removed.
std::vector<std::string> Picture(const std::function<void(TCanvas&)>& draw, int width = 16, int height = 14)
{
    TBitmap bitmap(width, height);
    bitmap.Fill(gfx::clWhite);
    TCanvas canvas(bitmap);
    draw(canvas);
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += bitmap.GetPixel(x, y) == gfx::clWhite ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(GlyphCaption, CloseIsTwoPixelWideCross)
{
    const auto rows = Picture([](TCanvas& c) { skin::DrawCloseGlyph(c, 2, 2, gfx::clBlack); });
    const std::vector<std::string> expected {
        "................",
        "................",
        "................",
        "...##.....##....",
        "....##...##.....",
        ".....##.##......",
        "......###.......",
        "......###.......",
        ".....##.##......",
        "....##...##.....",
        "...##.....##....",
        "................",
        "................",
        "................",
    };
    EXPECT_EQ(rows, expected);
}

TEST(GlyphCaption, MaximizeAndRestoreOutlines)
{
    const auto max = Picture([](TCanvas& c) { skin::DrawMaximizeGlyph(c, 2, 2, gfx::clBlack); });
    EXPECT_EQ(max[2], "..###########...");
    EXPECT_EQ(max[3], "..###########...");
    EXPECT_EQ(max[4], "..#.........#...");
    EXPECT_EQ(max[11], "..###########...");
    EXPECT_EQ(max[12], "................");

    const auto restore = Picture([](TCanvas& c) { skin::DrawRestoreGlyph(c, 2, 2, gfx::clBlack); });
    EXPECT_EQ(restore[2], "....########....");
    EXPECT_EQ(restore[4], "....#......#....");
    EXPECT_EQ(restore[6], "..#######..#....");
    EXPECT_EQ(restore[7], "..##########....");
    EXPECT_EQ(restore[8], "..#.....#.......");
    EXPECT_EQ(restore[11], "..#######.......");
}

TEST(GlyphCaption, MinimizeBarTrianglesAndSquare)
{
    const auto min = Picture([](TCanvas& c) { skin::DrawMinimizeGlyph(c, 2, 2, gfx::clBlack); });
    EXPECT_EQ(min[10], "...########.....");
    EXPECT_EQ(min[11], "...########.....");
    EXPECT_EQ(min[9], "................");

    const auto bar = Picture([](TCanvas& c) { skin::DrawSmallBarGlyph(c, 2, 2, gfx::clBlack); });
    EXPECT_EQ(bar[5], "...########.....");
    EXPECT_EQ(bar[6], "...#......#.....");
    EXPECT_EQ(bar[7], "...########.....");

    const auto down = Picture([](TCanvas& c) { skin::DrawTriangleDownGlyph(c, 2, 2, gfx::clBlack); });
    EXPECT_EQ(down[4], "...########.....");
    EXPECT_EQ(down[7], "......##........");
    EXPECT_EQ(down[8], "................");

    const auto up = Picture([](TCanvas& c) { skin::DrawTriangleUpGlyph(c, 2, 2, gfx::clBlack); });
    EXPECT_EQ(up[8], "...########.....");
    EXPECT_EQ(up[5], "......##........");

    const auto square = Picture([](TCanvas& c) { skin::DrawSquareGlyph(c, 2, 2, gfx::clBlack); });
    EXPECT_EQ(square[4], "....#####.......");
    EXPECT_EQ(square[8], "....#####.......");
    EXPECT_EQ(square[9], "................");
}

TEST(GlyphCaption, GlyphsKeepTheCanvasTools)
{
    TBitmap bitmap(16, 16);
    TCanvas canvas(bitmap);
    canvas.Pen.Color = gfx::clRed;
    canvas.Brush.Color = gfx::clBlue;
    skin::DrawMaximizeGlyph(canvas, 0, 0, gfx::clGreen);
    skin::DrawCloseGlyph(canvas, 0, 0, gfx::clGreen);
    EXPECT_EQ(canvas.Pen.Color, gfx::clRed);
    EXPECT_EQ(canvas.Brush.Color, gfx::clBlue);
}

TEST(GlyphArrow, ArrowsPointAwayFromTheirWideSide)
{
    // Rectangle (0, 0, 12, 12): centre (6, 6).
    const auto left = Picture([](TCanvas& c) { skin::DrawArrowGlyph(c, { 0, 0, 12, 12 }, gfx::clBlack, skin::TbsArrowKind::akLeft); });
    EXPECT_EQ(left[3], ".......#........");
    EXPECT_EQ(left[6], "....####........");
    EXPECT_EQ(left[9], ".......#........");

    const auto right = Picture([](TCanvas& c) { skin::DrawArrowGlyph(c, { 0, 0, 12, 12 }, gfx::clBlack, skin::TbsArrowKind::akRight); });
    EXPECT_EQ(right[3], ".....#..........");
    EXPECT_EQ(right[6], ".....####.......");

    const auto up = Picture([](TCanvas& c) { skin::DrawArrowGlyph(c, { 0, 0, 12, 12 }, gfx::clBlack, skin::TbsArrowKind::akUp); });
    EXPECT_EQ(up[4], "......#.........");
    EXPECT_EQ(up[7], "...#######......");
    EXPECT_EQ(up[8], "................");

    const auto down = Picture([](TCanvas& c) { skin::DrawArrowGlyph(c, { 0, 0, 12, 12 }, gfx::clBlack, skin::TbsArrowKind::akDown); });
    EXPECT_EQ(down[5], "...#######......");
    EXPECT_EQ(down[8], "......#.........");
}

TEST(GlyphStripFrame, DrawsOnePieceWithItsBottomLeftColourSeeThrough)
{
    // Three pieces of 4 x 2; the key colour is green, painted pixels red.
    TBitmap strip(12, 2);
    strip.Fill(gfx::clLime);
    strip.SetPixel(5, 0, gfx::clRed); // second piece, (1, 0)
    strip.SetPixel(9, 1, gfx::clBlue); // third piece, (1, 1)
    TBitmap target(10, 10);
    target.Fill(gfx::clWhite);
    TCanvas canvas(target);
    skin::DrawStripFrame(canvas, 3, 4, 2, 3, strip);
    EXPECT_EQ(target.GetPixel(4, 4), gfx::clRed);
    EXPECT_EQ(target.GetPixel(3, 4), gfx::clWhite);
    EXPECT_EQ(target.GetPixel(4, 5), gfx::clWhite);

    // No division by a zero count, nothing for a frame outside the strip.
    skin::DrawStripFrame(canvas, 0, 0, 1, 0, strip);
    skin::DrawStripFrame(canvas, 0, 0, 4, 3, strip);
    skin::DrawStripFrame(canvas, 0, 0, 1, 1, TBitmap {});
    EXPECT_EQ(target.GetPixel(0, 0), gfx::clWhite);
}
