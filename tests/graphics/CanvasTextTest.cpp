#include "TestSupport.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

using test::CountOther;
using test::Painted;

TBitmap White(int w, int h)
{
    TBitmap bmp(w, h);
    bmp.Fill(clWhite);
    return bmp;
}

void UseFont(TCanvas& c, const char* name, int height)
{
    c.Font.Name = name;
    c.Font.Height = height;
    c.Font.Color = clBlack;
}

TEST(CanvasText, ChineseTextDrawsPixelsInsideItsCell)
{
    TBitmap bmp = White(80, 30);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "宋体", -12);
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(5, 6, "笔记类别");
    TSize extent = c.TextExtent("笔记类别");
    EXPECT_EQ(extent.cx, 48);
    TRect ink = Painted(bmp, clWhite);
    EXPECT_FALSE(ink.IsEmpty());
    TRect cell = Bounds(5, 6, extent.cx, extent.cy);
    TRect inside;
    IntersectRect(inside, ink, cell);
    EXPECT_EQ(inside, ink) << "ink outside the text cell";
    EXPECT_GT(CountOther(bmp, cell, clWhite), 60);
    EXPECT_EQ(c.PenPos, Point(5 + extent.cx, 6));
}

TEST(CanvasText, MixedLatinAndChineseLineDrawsBoth)
{
    TBitmap bmp = White(200, 24);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Tahoma", -13);
    c.Brush.Style = TBrushStyle::bsClear;
    int latin = c.TextWidth("Notes ");
    c.TextOut(0, 2, "Notes 笔记");
    EXPECT_GT(CountOther(bmp, Rect(0, 0, latin, 24), clWhite), 20);
    EXPECT_GT(CountOther(bmp, Rect(latin, 0, 200, 24), clWhite), 40);
}

TEST(CanvasText, TurnedFontDrawsUpwards)
{
    TBitmap bmp = White(60, 120);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Arial", -14);
    c.Font.Orientation = 900;
    c.Brush.Color = clYellow;
    int width = c.TextWidth("Upwards text");
    c.TextOut(10, 110, "Upwards text");
    TRect ink = Painted(bmp, clWhite);
    // The cell now stands on (10, 110): 14-odd pixels wide, `width` high.
    EXPECT_EQ(ink.Left, 10);
    EXPECT_EQ(ink.Bottom, 110);
    EXPECT_NEAR(ink.Height(), width, 1);
    EXPECT_NEAR(ink.Width(), c.TextHeight("U"), 1);
    EXPECT_GT(CountOther(bmp, ink, clYellow), 30);
}

TEST(CanvasText, CharacterExtraSpacesTextOut)
{
    TBitmap bmp = White(200, 30);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Arial", -14);
    c.Brush.Style = TBrushStyle::bsClear;
    int plain = c.TextWidth("IIII");
    c.TextCharacterExtra = 5;
    EXPECT_EQ(c.TextWidth("IIII"), plain + 20);
    EXPECT_EQ(c.TextWidth("笔记"), c.TextWidth("笔") * 2);
    c.TextOut(0, 0, "IIII");
    // Four separate strokes, the last one starting past the unspaced width.
    TRect ink = Painted(bmp, clWhite);
    EXPECT_GT(ink.Right, plain + 10);
    int strokes = 0;
    bool in_ink = false;
    for (int x = 0; x < 200; ++x) {
        bool column = CountOther(bmp, Rect(x, 0, x + 1, 30), clWhite) > 0;
        strokes += column && !in_ink ? 1 : 0;
        in_ink = column;
    }
    EXPECT_EQ(strokes, 4);
}

TEST(CanvasText, LineBreaksStayOnTheOneLine)
{
    TBitmap bmp = White(10, 10);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Arial", -12);
    EXPECT_EQ(c.TextExtent("ab\r\ncd"), c.TextExtent("ab  cd"));
}

TEST(CanvasText, SolidBrushFillsTheTextCellClearBrushDoesNot)
{
    TBitmap bmp = White(100, 30);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Arial", 14);
    c.Brush.Color = clYellow;
    c.TextOut(10, 5, "iii");
    TSize extent = c.TextExtent("iii");
    EXPECT_EQ(Painted(bmp, clWhite), Bounds(10, 5, extent.cx, 14));
    bmp.Fill(clWhite);
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(10, 5, "iii");
    EXPECT_GT(CountOther(bmp, Rect(0, 0, 100, 30), clWhite), 0);
    EXPECT_EQ(CountOther(bmp, Rect(0, 0, 100, 30), clYellow), 100 * 30) << "no background under clear-brush text";
}

TEST(CanvasText, TextIsClippedToTheClipRegion)
{
    TBitmap bmp = White(100, 30);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Arial", -16);
    c.Brush.Style = TBrushStyle::bsClear;
    c.SetClipRegion(TRegion(Rect(0, 0, 20, 30)));
    c.TextOut(2, 2, "WWWWWWWW");
    EXPECT_GT(CountOther(bmp, Rect(0, 0, 20, 30), clWhite), 0);
    EXPECT_EQ(CountOther(bmp, Rect(20, 0, 100, 30), clWhite), 0);
    c.ClearClipRegion();
    bmp.Fill(clWhite);
    c.TextRect(Rect(30, 0, 40, 30), 25, 2, "WWWW");
    EXPECT_EQ(CountOther(bmp, Rect(0, 0, 30, 30), clWhite), 0);
    EXPECT_EQ(CountOther(bmp, Rect(40, 0, 100, 30), clWhite), 0);
}

TEST(DrawText, CalcRectMeasuresSingleAndWrappedText)
{
    TBitmap bmp = White(10, 10);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "宋体", 12);
    TRect r = Rect(10, 20, 1000, 20);
    int height = c.DrawText("类别管理", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(height, 12);
    EXPECT_EQ(r, Rect(10, 20, 10 + c.TextWidth("类别管理"), 32));
    EXPECT_EQ(test::Painted(bmp, clWhite), TRect {}) << "CALCRECT draws nothing";

    int word = c.TextWidth("note");
    int space = c.TextWidth("note note") - 2 * word;
    r = Rect(0, 0, 2 * word + space + 1, 0);
    height = c.DrawText("note note note note note", r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(height, 36);
    EXPECT_EQ(r.Bottom, 36);
    EXPECT_EQ(r.Width(), 2 * word + space);
}

TEST(DrawText, AlignsAndCentresInTheRectangleAndClips)
{
    TBitmap bmp = White(200, 40);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Arial", -12);
    c.Brush.Style = TBrushStyle::bsClear;
    TRect r = Rect(0, 0, 200, 40);
    c.DrawText("Right", r, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
    TRect ink = Painted(bmp, clWhite);
    EXPECT_GE(ink.Left, 200 - c.TextWidth("Right"));
    EXPECT_GE(ink.Right, 196);
    int line = c.TextHeight("Right");
    EXPECT_GE(ink.Top, (40 - line) / 2);
    EXPECT_LE(ink.Bottom, (40 - line) / 2 + line);

    bmp.Fill(clWhite);
    r = Rect(50, 10, 150, 30);
    c.DrawText("Centre", r, DT_SINGLELINE | DT_CENTER);
    ink = Painted(bmp, clWhite);
    int middle = (ink.Left + ink.Right) / 2;
    EXPECT_NEAR(middle, 100, 2);

    bmp.Fill(clWhite);
    r = Rect(10, 10, 30, 20);
    c.DrawText("Clipped text that is much wider", r, 0);
    ink = Painted(bmp, clWhite);
    TRect inside;
    IntersectRect(inside, ink, r);
    EXPECT_EQ(inside, ink);
}

TEST(DrawText, EllipsisKeepsTheLineInsideAndPrefixUnderlines)
{
    TBitmap bmp = White(300, 30);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "宋体", -12);
    c.Brush.Style = TBrushStyle::bsClear;
    TRect r = Rect(0, 0, 100, 30);
    c.DrawText("这一行文字太长了，放不下，所以以省略号结尾", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    EXPECT_LE(Painted(bmp, clWhite).Right, 100);

    // "&" underlines the next character: a full row of ink under it.
    bmp.Fill(clWhite);
    r = Rect(0, 0, 300, 30);
    c.DrawText("&Wide", r, DT_SINGLELINE);
    TTextMetric tm = c.TextMetrics();
    int w = c.TextWidth("W");
    EXPECT_EQ(CountOther(bmp, Rect(1, tm.tmAscent + 1, w - 1, tm.tmAscent + 2), clBlack), 0);
    bmp.Fill(clWhite);
    c.DrawText("&Wide", r, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(c.TextWidth("&Wide"), c.TextWidth("Wide"));
    EXPECT_GT(CountOther(bmp, Rect(0, 0, c.TextWidth("&"), 30), clWhite), 0);
}

TEST(DrawText, OriginOffsetMovesText)
{
    TBitmap bmp = White(120, 40);
    TCanvas& c = bmp.Canvas();
    UseFont(c, "Arial", -12);
    c.Brush.Style = TBrushStyle::bsClear;
    c.SetOrigin(Point(60, 20));
    TRect r = Rect(0, 0, 60, 20);
    c.DrawText("Moved", r, DT_SINGLELINE);
    TRect ink = Painted(bmp, clWhite);
    EXPECT_GE(ink.Left, 60);
    EXPECT_GE(ink.Top, 20);
}

} // namespace
} // namespace gfx
