#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"

#include "platform/graphics/JpegFormat.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPageCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace report {
namespace {

constexpr gfx::TColor kWhite = gfx::clWhite;

// Rows (or columns) of a bitmap area that hold any pixel other than white.
struct Ink {
    gfx::TRect Box;
    int Count { 0 };
};

Ink InkIn(const gfx::TBitmap& bitmap, gfx::TRect area = { 0, 0, 100000, 100000 })
{
    Ink ink { { 100000, 100000, -1, -1 }, 0 };
    for (int y = std::max(0, area.Top); y < std::min(bitmap.Height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(bitmap.Width(), area.Right); ++x)
            if (bitmap.GetPixel(x, y) != kWhite) {
                ++ink.Count;
                ink.Box.Left = std::min(ink.Box.Left, x);
                ink.Box.Top = std::min(ink.Box.Top, y);
                ink.Box.Right = std::max(ink.Box.Right, x + 1);
                ink.Box.Bottom = std::max(ink.Box.Bottom, y + 1);
            }
    return ink;
}

gfx::TBitmap Draw(TfrView& view, int width = 200, int height = 120)
{
    gfx::TBitmap bitmap(width, height);
    bitmap.Fill(kWhite);
    {
        gfx::TPageCanvas canvas(bitmap);
        view.Draw(canvas);
    }
    return bitmap;
}

// --- frames and lines ------------------------------------------------------

TEST(ViewFrame, EachSideIsOneUnitWideOnTheObjectsEdge)
{
    TfrMemoView memo;
    memo.Left = 10;
    memo.Top = 20;
    memo.Width = 50;
    memo.Height = 30;
    memo.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    auto bitmap = Draw(memo);
    EXPECT_EQ(bitmap.GetPixel(10, 35), gfx::clBlack);
    EXPECT_EQ(bitmap.GetPixel(60, 35), gfx::clBlack);
    EXPECT_EQ(bitmap.GetPixel(35, 20), gfx::clBlack);
    EXPECT_EQ(bitmap.GetPixel(35, 50), gfx::clBlack);
    EXPECT_EQ(bitmap.GetPixel(11, 35), kWhite);
    EXPECT_EQ(bitmap.GetPixel(9, 35), kWhite);
    Ink ink = InkIn(bitmap);
    EXPECT_EQ(ink.Box, (gfx::TRect { 10, 20, 61, 51 }));
    EXPECT_EQ(ink.Count, 2 * 51 + 2 * 29);
}

TEST(ViewFrame, OnlyTheChosenSidesAreDrawnInTheFrameColour)
{
    TfrMemoView memo;
    memo.Left = 10;
    memo.Top = 10;
    memo.Width = 40;
    memo.Height = 20;
    memo.FrameTyp = frftBottom;
    memo.FrameColor = 0x0000FF; // red
    auto bitmap = Draw(memo);
    Ink ink = InkIn(bitmap);
    EXPECT_EQ(ink.Box, (gfx::TRect { 10, 30, 51, 31 }));
    EXPECT_EQ(bitmap.GetPixel(20, 30), gfx::RGB(255, 0, 0));
}

TEST(ViewFrame, WideAndDoubleFramesCoverTheirWidth)
{
    TfrMemoView memo;
    memo.Left = 20;
    memo.Top = 20;
    memo.Width = 40;
    memo.Height = 40;
    memo.FrameTyp = frftLeft;
    memo.FrameWidth = 3;
    Ink wide = InkIn(Draw(memo));
    EXPECT_EQ(wide.Box.Width(), 3);
    memo.FrameWidth = 1;
    memo.FrameStyle = psDouble;
    auto bitmap = Draw(memo);
    Ink twin = InkIn(bitmap);
    EXPECT_EQ(twin.Box.Width(), 3);
    EXPECT_EQ(bitmap.GetPixel(twin.Box.Left + 1, 40), kWhite) << "a double line has a gap between its lines";
}

TEST(ViewFrame, DashedFramesLeaveGaps)
{
    TfrMemoView memo;
    memo.Left = 0;
    memo.Top = 10;
    memo.Width = 100;
    memo.Height = 10;
    memo.FrameTyp = frftTop;
    memo.FrameStyle = psDash;
    Ink ink = InkIn(Draw(memo));
    EXPECT_GT(ink.Count, 50);
    EXPECT_LT(ink.Count, 101);
}

TEST(ViewBackground, FillsTheRectangleAndATransparentFillDrawsNothingOnPages)
{
    TfrMemoView memo;
    memo.Left = 5;
    memo.Top = 5;
    memo.Width = 20;
    memo.Height = 10;
    memo.FillColor = 0x00FF00;
    Ink filled = InkIn(Draw(memo));
    EXPECT_EQ(filled.Box, (gfx::TRect { 5, 5, 26, 16 }));
    memo.FillColor = clTransparent;
    EXPECT_EQ(InkIn(Draw(memo)).Count, 0);
    memo.DrawMode = TfrDrawMode::FirstPass;
    memo.FillColor = 0x00FF00;
    memo.FrameTyp = frftTop;
    EXPECT_EQ(InkIn(Draw(memo)).Count, 0) << "a first pass draws nothing";
}

TEST(LineView, AFlatLineIsDrawnAtItsTopAndATallOneAtItsLeft)
{
    TfrLineView line;
    line.Left = 10;
    line.Top = 20;
    line.Width = 100;
    line.Height = 5;
    Ink flat = InkIn(Draw(line));
    EXPECT_EQ(flat.Box, (gfx::TRect { 10, 20, 111, 21 }));
    line.Width = 5;
    line.Height = 60;
    Ink tall = InkIn(Draw(line));
    EXPECT_EQ(tall.Box, (gfx::TRect { 10, 20, 11, 81 }));
    EXPECT_EQ(line.Width, 5) << "drawing keeps the line's own size";
    EXPECT_EQ(line.FrameTyp, frftLeft);
}

TEST(ViewScale, ScaleAndOffsetMoveTheDrawingAndAreUndoneAfterwards)
{
    TfrMemoView memo;
    memo.Left = 10;
    memo.Top = 10;
    memo.Width = 20;
    memo.Height = 20;
    memo.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    memo.ScaleX = memo.ScaleY = 2;
    memo.OffsetX = 5;
    // The rectangle becomes 25..65 × 20..60; the two-unit pen straddles each edge.
    EXPECT_EQ(InkIn(Draw(memo)).Box, (gfx::TRect { 24, 19, 66, 61 }));
    EXPECT_EQ(memo.Left, 10);
    EXPECT_EQ(memo.Width, 20);
    EXPECT_FLOAT_EQ(memo.FrameWidth, 1.0f);
}

TEST(ViewScale, ExtremePositionsDrawNothingInsteadOfOverflowing)
{
    TfrMemoView memo;
    memo.Left = 2'000'000'000;
    memo.Top = -2'000'000'000;
    memo.Width = 2'000'000'000;
    memo.Height = 2'000'000'000;
    memo.FrameTyp = frftLeft | frftRight;
    memo.ScaleX = memo.ScaleY = 4;
    memo.PrintMemo = { "text" };
    EXPECT_EQ(InkIn(Draw(memo)).Count, 0);
    EXPECT_EQ(memo.Left, 2'000'000'000);
}

// --- memo text -------------------------------------------------------------

class MemoText : public ::testing::Test {
protected:
    void SetUp() override
    {
        memo.Left = 0;
        memo.Top = 0;
        memo.Width = 190;
        memo.Height = 100;
        memo.Font.Name = "Arial";
        memo.Font.Size = 12;
        memo.PrintMemo = { "Ab" };
    }
    Ink TextInk() { return InkIn(Draw(memo)); }
    TfrMemoView memo;
};

TEST_F(MemoText, EveryHorizontalAlignmentPlacesTheTextWhereItBelongs)
{
    memo.Alignment = frtaLeft;
    Ink left = TextInk();
    memo.Alignment = frtaRight;
    Ink right = TextInk();
    memo.Alignment = frtaCenter;
    Ink centre = TextInk();
    ASSERT_GT(left.Count, 0);
    EXPECT_LE(left.Box.Left, 2 + 3);
    EXPECT_GE(right.Box.Right, 190 - 2 - 4);
    EXPECT_LE(right.Box.Right, 190 - 2);
    int middle = (centre.Box.Left + centre.Box.Right) / 2;
    EXPECT_NEAR(middle, 95, 3);
}

TEST_F(MemoText, VerticalAlignmentMovesTheBlockToTheMiddleOrBottom)
{
    Ink top = TextInk();
    memo.Alignment = frtaMiddle;
    Ink middle = TextInk();
    memo.Alignment = frtaDown;
    Ink bottom = TextInk();
    EXPECT_LT(top.Box.Bottom, 25);
    EXPECT_NEAR((middle.Box.Top + middle.Box.Bottom) / 2, 50, 6);
    EXPECT_GT(bottom.Box.Top, 75);
    EXPECT_LE(bottom.Box.Bottom, 101);
}

TEST_F(MemoText, JustifiedLinesFillTheWidthExceptParagraphEnds)
{
    memo.Alignment = frtaJustify;
    memo.Width = 120;
    memo.PrintMemo = { "aa bb cc dd ee ff gg hh ii jj" };
    auto bitmap = Draw(memo);
    double line = memo.LineHeight();
    Ink first = InkIn(bitmap, { 0, 0, 200, static_cast<int>(line) });
    EXPECT_GE(first.Box.Right, 120 - 2 - 3) << "a wrapped line is stretched to the right gap";
    auto lines = memo.LayoutLines();
    ASSERT_GE(lines.size(), 2u);
    int last_top = static_cast<int>((lines.size() - 1) * line) + 2;
    Ink last = InkIn(bitmap, { 0, last_top, 200, last_top + static_cast<int>(line) - 2 });
    EXPECT_LT(last.Box.Right, 100) << "the paragraph's last line stays left-aligned";
}

TEST_F(MemoText, RotatedTextRunsUpTheHeight)
{
    memo.Width = 40;
    memo.Height = 150;
    memo.PrintMemo = { "Rotated text" };
    memo.Alignment = frtaVertical;
    Ink ink = TextInk();
    ASSERT_GT(ink.Count, 0);
    EXPECT_GT(ink.Box.Height(), ink.Box.Width());
    EXPECT_GT(ink.Box.Bottom, 100) << "rotated text starts at the bottom";
}

TEST_F(MemoText, TextIsClippedToTheObject)
{
    memo.Width = 30;
    memo.Height = 16;
    memo.Flags &= ~memo_flags::WordWrap;
    memo.PrintMemo = { "A very long line of text", "second line" };
    Ink ink = TextInk();
    EXPECT_LE(ink.Box.Right, 31);
    EXPECT_LE(ink.Box.Bottom, 17);
}

TEST_F(MemoText, UnderlinesDrawALineUnderEveryTextLine)
{
    memo.Flags |= memo_flags::Underlines;
    memo.PrintMemo = { "x", "y" };
    auto bitmap = Draw(memo);
    int line = static_cast<int>(memo.LineHeight());
    EXPECT_EQ(InkIn(bitmap, { 0, line + 0, 191, line + 1 }).Count + InkIn(bitmap, { 0, line, 191, line + 2 }).Count
            > 0,
        true);
    EXPECT_GE(InkIn(bitmap, { 100, 0, 190, 2 * line + 2 }).Count, 2 * 80) << "the lines run across the width";
}

TEST_F(MemoText, ChineseTextDraws)
{
    memo.Font.Name = "宋体";
    memo.PrintMemo = { "中文笔记" };
    Ink ink = TextInk();
    EXPECT_GT(ink.Count, 50);
    EXPECT_GT(ink.Box.Width(), 4 * 12);
}

// --- pictures ---------------------------------------------------------------

gfx::TBitmap RedPicture(int width, int height)
{
    gfx::TBitmap picture(width, height);
    picture.Fill(gfx::RGB(255, 0, 0));
    return picture;
}

TEST(PictureView, StretchedWithKeepAspectAndCenterIsAsTallAsTheRectangleAndCentred)
{
    TfrPictureView view;
    view.Left = 0;
    view.Top = 0;
    view.Width = 200;
    view.Height = 50;
    view.Flags = picture_flags::Stretched | picture_flags::KeepAspect | picture_flags::Center;
    auto rect = view.PictureRect(10, 10);
    EXPECT_DOUBLE_EQ(rect.Height(), 50);
    EXPECT_DOUBLE_EQ(rect.Width(), 50);
    EXPECT_DOUBLE_EQ(rect.Left, 75);
    view.Flags = picture_flags::Center;
    auto own = view.PictureRect(10, 10);
    EXPECT_DOUBLE_EQ(own.Width(), 10);
    EXPECT_DOUBLE_EQ(own.Top, 20);
}

TEST(PictureView, BitmapsAndJpegsAreDecodedAndDrawn)
{
    TfrPictureView view;
    view.Width = 40;
    view.Height = 40;
    view.Flags = picture_flags::Stretched;
    view.PictureData = RedPicture(4, 4).SaveToBytes();
    view.Graphic = TfrPictureView::DetectGraphicKind(view.PictureData);
    ASSERT_EQ(view.Graphic, GraphicKind::Bitmap);
    auto bitmap = Draw(view);
    EXPECT_EQ(bitmap.GetPixel(20, 20), gfx::RGB(255, 0, 0));

    view.PictureData = gfx::EncodeJpeg(RedPicture(16, 16), 95);
    view.Graphic = TfrPictureView::DetectGraphicKind(view.PictureData);
    ASSERT_EQ(view.Graphic, GraphicKind::Jpeg);
    auto decoded = view.DecodedPicture();
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Width(), 16);
    auto jpeg = Draw(view);
    EXPECT_GT(gfx::GetRValue(jpeg.GetPixel(20, 20)), 240);
    EXPECT_LT(gfx::GetGValue(jpeg.GetPixel(20, 20)), 16);
}

TEST(PictureView, DamagedDataAndMetafilesDrawAPlaceholderInsteadOfFailing)
{
    TfrPictureView view;
    view.Width = 40;
    view.Height = 40;
    view.PictureData = { 0xFF, 0xD8, 0xFF, 0x00, 0x01 };
    view.Graphic = GraphicKind::Jpeg;
    EXPECT_FALSE(view.DecodedPicture());
    Ink broken = InkIn(Draw(view));
    EXPECT_GT(broken.Count, 40);
    view.PictureData = { 0xD7, 0xCD, 0xC6, 0x9A, 0, 0 };
    view.Graphic = GraphicKind::Metafile;
    EXPECT_GT(InkIn(Draw(view)).Count, 40);
}

} // namespace
} // namespace report
