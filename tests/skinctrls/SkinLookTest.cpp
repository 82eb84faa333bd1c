// Every skinned control drawn from a skin built here. The skin's picture has
// its own colour at every pixel (red = x, green = y), so a pixel that comes
// from the wrong place of the picture shows at once: each expected colour is
// worked out from where the sizing rules say the pixel comes from.

#include "SkinFormFixture.h"

#include "../skin/SkinDataTestSkin.h"

#include "platform/controls/TPanel.h"
#include "platform/text/Gbk.h"
#include "skin/StoredSkinStream.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/TbsSkinBevel.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinGroupBox.h"
#include "skinctrls/TbsSkinPanel.h"
#include "skinctrls/TbsSkinScrollBar.h"
#include "skinctrls/TbsSkinSpeedButton.h"
#include "skinctrls/TbsSkinSplitter.h"
#include "skinctrls/TbsSkinToolBar.h"
#include "skinctrls/TbsSkinTreeView.h"

#include <memory>

using namespace skinctrls;

namespace {

constexpr int kBlue = 9;

// The colour of picture pixel (x, y).
gfx::TColor Source(int x, int y) { return gfx::RGB(x, y, kBlue); }

// The mask of the 40 x 20 button: the four corner pixels lie outside the window.
gfx::TBitmap ButtonMask()
{
    gfx::TBitmap mask(40, 20);
    mask.Fill(gfx::clBlack);
    for (auto [x, y] : { std::pair { 0, 0 }, { 39, 0 }, { 0, 19 }, { 39, 19 } })
        mask.SetPixel(x, y, gfx::clWhite);
    return mask;
}

std::string Records()
{
    return "[PICTURES]\r\n"
           "activepicturescount=2\r\n"
           "0=controls.bmp\r\n"
           "1=buttonmask.bmp\r\n"
           "[SKINCONTROLS]\r\n"
           "count=14\r\n"
           "0=button:button\r\n"
           "1=toolbutton:button\r\n"
           "2=panel:panel\r\n"
           "3=groupbox:panel\r\n"
           "4=toolpanel:panel\r\n"
           "5=vsplitter:splitter\r\n"
           "6=bevel:bevel\r\n"
           "7=treeview:treeview\r\n"
           "8=nopicture:button\r\n"
           "9=noarea:panel\r\n"
           "10=vscrollbar:scrollbar\r\n"
           "11=hscrollbar:scrollbar\r\n"
           "12=resizebutton:button\r\n"
           "13=hpanel:panel\r\n"
           "[button]\r\n"
           "pictureindex=0\r\nmaskpictureindex=1\r\n"
           "skinrect=0,0,40,20\r\nlefttoppoint=5,0\r\nrighttoppoint=35,0\r\nclientrect=2,2,38,18\r\n"
           "activeskinrect=40,0,80,20\r\ndownskinrect=80,0,120,20\r\ndisabledskinrect=120,0,160,20\r\n"
           "[toolbutton]\r\n"
           "pictureindex=0\r\n"
           "skinrect=0,20,30,45\r\nlefttoppoint=4,0\r\nrighttoppoint=26,0\r\nclientrect=0,0,30,25\r\n"
           "activeskinrect=30,20,60,45\r\ndownskinrect=60,20,90,45\r\n"
           "[panel]\r\n"
           "pictureindex=0\r\n"
           "skinrect=0,50,40,90\r\nlefttoppoint=5,5\r\nrighttoppoint=35,5\r\nleftbottompoint=5,35\r\n"
           "rightbottompoint=35,35\r\nclientrect=5,5,35,35\r\n"
           "[groupbox]\r\n"
           "pictureindex=0\r\n"
           "skinrect=100,50,150,100\r\nlefttoppoint=6,20\r\nrighttoppoint=44,20\r\nleftbottompoint=6,45\r\n"
           "rightbottompoint=44,45\r\nclientrect=2,20,48,48\r\ncaptionrect=6,2,44,18\r\n"
           "[toolpanel]\r\n"
           "pictureindex=0\r\n"
           "skinrect=0,100,40,140\r\nlefttoppoint=4,4\r\nrighttoppoint=36,4\r\nleftbottompoint=4,36\r\n"
           "rightbottompoint=36,36\r\nclientrect=4,4,36,36\r\n"
           "[vsplitter]\r\n"
           "pictureindex=0\r\n"
           "skinrect=200,0,210,30\r\nlefttoppoint=0,5\r\nleftbottompoint=0,24\r\n"
           "[bevel]\r\n"
           "lightcolor=65535\r\ndarkcolor=16711935\r\n"
           "[treeview]\r\n"
           "fontname=宋体\r\nfontheight=12\r\nfontcolor=255\r\nbgcolor=12648384\r\n"
           "[nopicture]\r\n"
           "pictureindex=7\r\n"
           "skinrect=0,0,40,20\r\nlefttoppoint=5,0\r\nrighttoppoint=35,0\r\n"
           "[noarea]\r\n"
           "pictureindex=0\r\n"
           "skinrect=0,0,0,0\r\n"
           "[vscrollbar]\r\n"
           "pictureindex=0\r\n"
           "skinrect=160,100,175,160\r\nlefttoppoint=0,12\r\nleftbottompoint=0,47\r\nclientrect=0,0,15,60\r\n"
           "trackarea=0,12,15,48\r\nupbuttonrect=0,48,15,60\r\nactiveupbuttonrect=180,100,195,112\r\n"
           "downupbuttonrect=180,115,195,127\r\ndownbuttonrect=0,0,15,12\r\nactivedownbuttonrect=200,100,215,112\r\n"
           "thumbrect=220,100,231,120\r\nactivethumbrect=232,100,243,120\r\nthumboffset1=3\r\nthumboffset2=4\r\n"
           "glyphrect=244,100,249,105\r\ndownglyphrect=250,100,255,105\r\n"
           "[hscrollbar]\r\n"
           "pictureindex=0\r\n"
           "skinrect=40,150,100,165\r\nlefttoppoint=12,0\r\nrighttoppoint=47,0\r\nclientrect=0,0,60,15\r\n"
           "trackarea=12,0,48,15\r\nupbuttonrect=48,0,60,15\r\nactiveupbuttonrect=40,170,52,185\r\n"
           "downbuttonrect=0,0,12,15\r\nthumbrect=60,170,80,181\r\nglyphrect=85,170,90,175\r\n"
           "[resizebutton]\r\n"
           "pictureindex=0\r\n"
           "skinrect=100,110,112,135\r\nlefttoppoint=3,3\r\nrighttoppoint=9,3\r\nleftbottompoint=3,22\r\n"
           "rightbottompoint=9,22\r\nclientrect=3,3,9,22\r\n"
           "activeskinrect=112,110,124,135\r\ndownskinrect=124,110,136,135\r\n"
           "fontcolor=255\r\nactivefontcolor=65280\r\ndownfontcolor=16711680\r\n"
           "[hpanel]\r\n"
           "pictureindex=0\r\n"
           "skinrect=0,150,40,175\r\nlefttoppoint=5,0\r\nrighttoppoint=35,0\r\nclientrect=0,0,40,25\r\n";
}

std::vector<std::uint8_t> TestSkinStream()
{
    skin::StoredSkin stored;
    stored.ActivePictures.push_back(skintest::DistinctPicture(256, 200, kBlue));
    stored.ActivePictures.push_back(ButtonMask());
    stored.IniText = text::Utf8ToGbk(Records());
    return skin::WriteStoredSkin(stored);
}

class SkinLookTest : public SkinFormTest {
protected:
    SkinLookTest()
    {
        form->SetColor(gfx::clWhite);
        data->LoadFromStoredSkinStream(TestSkinStream());
    }

    template <class Control>
    Control* Place(int left, int top, int width, int height, ctl::TWinControl* parent = nullptr)
    {
        auto* control = new Control(form.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(parent ? parent : form.get());
        return control;
    }

    // Expects the pixels of a row of a horizontal three-part image: the fixed
    // left end, the tiled middle and the fixed right end of the source
    // rectangle at (sourceLeft, sourceTop), ends and middle as in the record.
    void ExpectAcross(const ctl::TControl& c, int y, int sourceLeft, int sourceTop, int left, int middle, int right)
    {
        const int w = c.Width();
        for (int x : { 0, left - 1, left, left + middle - 1, left + middle, w / 2, w - right - 1, w - right, w - 1 }) {
            int from;
            if (x < left)
                from = x;
            else if (x >= w - right)
                from = left + middle + (x - (w - right));
            else
                from = left + (x - left) % middle;
            EXPECT_EQ(PixelOf(c, x, y), Source(sourceLeft + from, sourceTop + y)) << "x " << x << ", y " << y;
        }
    }

    std::unique_ptr<skin::TbsSkinData> data { std::make_unique<skin::TbsSkinData>() };
};

TEST_F(SkinLookTest, ButtonTakesTheSkinHeightAndEachStateItsRow)
{
    auto* button = Place<TbsSkinButton>(10, 10, 100, 30);
    button->SetCaption("");
    button->SetCanFocused(false);
    button->SetSkinData(data.get());
    ShowForm();
    ASSERT_EQ(button->SkinIndex(), 0);
    EXPECT_EQ(button->Width(), 100);
    EXPECT_EQ(button->Height(), 20);
    ExpectAcross(*button, 10, 0, 0, 5, 30, 5);
    // The mask takes the corner pixels out of the window, at both ends.
    EXPECT_EQ(PixelOf(*button, 0, 0), Rgb(gfx::clWhite));
    EXPECT_EQ(PixelOf(*button, 99, 19), Rgb(gfx::clWhite));
    EXPECT_EQ(PixelOf(*button, 1, 0), Source(1, 0));
    EXPECT_EQ(PixelOf(*button, 98, 19), Source(38, 19));

    const gfx::TPoint p = At(*button, 50, 10);
    Harness.MoveMouse(p.X, p.Y);
    ExpectAcross(*button, 3, 40, 0, 5, 30, 5);
    Harness.MouseDown(p.X, p.Y);
    ExpectAcross(*button, 3, 80, 0, 5, 30, 5);
    Harness.MouseUp(p.X, p.Y);
    Harness.MoveMouse(p.X, p.Y + 100);
    button->SetEnabled(false);
    ExpectAcross(*button, 3, 120, 0, 5, 30, 5);
    Snapshot("skinctrls_skin_button");
}

TEST_F(SkinLookTest, SpeedButtonTakesTheRowOfEachState)
{
    auto* button = Place<TbsSkinSpeedButton>(10, 10, 50, 40);
    button->SetCaption("");
    button->SetSkinData(data.get());
    ShowForm();
    EXPECT_EQ(button->Height(), 25);
    ExpectAcross(*button, 12, 0, 20, 4, 22, 4);
    const gfx::TPoint p = At(*button, 20, 10);
    Harness.MoveMouse(p.X, p.Y);
    ExpectAcross(*button, 12, 30, 20, 4, 22, 4);
    Harness.MouseDown(p.X, p.Y);
    ExpectAcross(*button, 12, 60, 20, 4, 22, 4);
    Harness.MouseUp(p.X, p.Y);
}

TEST_F(SkinLookTest, PanelKeepsItsCornersAndTilesEdgesAndClient)
{
    auto* panel = Place<TbsSkinPanel>(10, 10, 100, 80);
    panel->SetSkinData(data.get());
    auto* child = Place<ctl::TPanel>(0, 0, 10, 10, panel);
    child->SetAlign(ctl::TAlign::alClient);
    ShowForm();
    EXPECT_EQ(panel->Width(), 100);
    EXPECT_EQ(panel->Height(), 80);
    // Children fill the sized client rectangle.
    EXPECT_EQ(child->BoundsRect(), gfx::Rect(5, 5, 95, 75));
    child->SetVisible(false);
    // Corners: fixed pieces of the four corners of the source.
    EXPECT_EQ(PixelOf(*panel, 2, 2), Source(2, 52));
    EXPECT_EQ(PixelOf(*panel, 97, 2), Source(37, 52));
    EXPECT_EQ(PixelOf(*panel, 2, 77), Source(2, 87));
    EXPECT_EQ(PixelOf(*panel, 97, 77), Source(37, 87));
    // Edges tiled from their source bands, the client from the source client.
    EXPECT_EQ(PixelOf(*panel, 50, 2), Source(5 + (50 - 5) % 30, 52));
    EXPECT_EQ(PixelOf(*panel, 2, 60), Source(2, 55 + (60 - 5) % 30));
    EXPECT_EQ(PixelOf(*panel, 50, 40), Source(5 + (50 - 5) % 30, 55 + (40 - 5) % 30));
    EXPECT_EQ(PixelOf(*panel, 94, 74), Source(5 + (94 - 5) % 30, 55 + (74 - 5) % 30));
}

TEST_F(SkinLookTest, GroupBoxCaptionBandGrowsWithTheWidth)
{
    auto* box = Place<TbsSkinGroupBox>(10, 10, 150, 120);
    box->SetCaption("");
    box->SetSkinData(data.get());
    auto* child = Place<ctl::TPanel>(0, 0, 10, 10, box);
    child->SetAlign(ctl::TAlign::alClient);
    ShowForm();
    EXPECT_EQ(child->BoundsRect(), gfx::Rect(2, 20, 148, 118));
    child->SetVisible(false);
    // The band's right end is the source's right-top corner, moved by the growth.
    EXPECT_EQ(PixelOf(*box, 3, 10), Source(103, 60));
    EXPECT_EQ(PixelOf(*box, 147, 10), Source(147, 60));
    EXPECT_EQ(PixelOf(*box, 75, 1), Source(106 + (75 - 6) % 38, 51));
    EXPECT_EQ(PixelOf(*box, 147, 118), Source(147, 98));
}

TEST_F(SkinLookTest, BorderlessToolBarTilesOnlyTheClientPartFromItsCorner)
{
    auto* bar = Place<TbsSkinToolBar>(10, 10, 200, 60);
    bar->SetSkinData(data.get());
    ShowForm();
    EXPECT_EQ(bar->Height(), 60);
    for (auto [x, y] : { std::pair { 0, 0 }, { 31, 31 }, { 32, 32 }, { 199, 59 }, { 70, 5 } })
        EXPECT_EQ(PixelOf(*bar, x, y), Source(4 + x % 32, 104 + y % 32)) << x << "," << y;
}

TEST_F(SkinLookTest, SplitterTakesTheSkinWidthAndThreeParts)
{
    auto* splitter = Place<TbsSkinSplitter>(10, 10, 9, 100);
    splitter->SetAlign(ctl::TAlign::alLeft);
    splitter->SetSkinData(data.get());
    ShowForm();
    EXPECT_EQ(splitter->Width(), 10);
    EXPECT_EQ(splitter->MinSize, 10);
    const int h = splitter->Height();
    EXPECT_EQ(PixelOf(*splitter, 3, 2), Source(203, 2));
    EXPECT_EQ(PixelOf(*splitter, 3, 5 + 19 + 4), Source(203, 5 + 4));
    EXPECT_EQ(PixelOf(*splitter, 7, h - 1), Source(207, 29));
    EXPECT_EQ(PixelOf(*splitter, 7, h - 6), Source(207, 24));
}

TEST_F(SkinLookTest, BevelAndTreeTakeTheirRecordsColours)
{
    auto* bevel = Place<TbsSkinBevel>(10, 10, 40, 30);
    bevel->SetShape(TBevelShape::bsBox);
    bevel->SetSkinData(data.get());
    auto* tree = Place<TbsSkinTreeView>(60, 10, 100, 100);
    tree->SetSkinData(data.get());
    ShowForm();
    // Lowered: the dark colour left and top, the light one right and bottom.
    EXPECT_EQ(PixelOf(*bevel, 0, 15), gfx::TColor(16711935));
    EXPECT_EQ(PixelOf(*bevel, 20, 0), gfx::TColor(16711935));
    EXPECT_EQ(PixelOf(*bevel, 39, 15), gfx::TColor(65535));
    EXPECT_EQ(tree->Color(), gfx::TColor(12648384));
    EXPECT_EQ(tree->Font().Color, gfx::TColor(255));
    EXPECT_EQ(PixelOf(*tree, 50, 90), gfx::TColor(12648384));
}

TEST_F(SkinLookTest, RecordWithoutPictureOrAreaFallsBackToTheDefaultLook)
{
    auto* button = Place<TbsSkinButton>(10, 10, 75, 25);
    button->SetCaption("");
    button->SetCanFocused(false);
    button->SetSkinDataName("nopicture");
    button->SetSkinData(data.get());
    auto* panel = Place<TbsSkinPanel>(100, 10, 60, 60);
    panel->SetSkinDataName("noarea");
    panel->SetSkinData(data.get());
    ShowForm();
    EXPECT_NE(button->SkinIndex(), -1);
    EXPECT_EQ(PixelOf(*button, 0, 10), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*button, 30, 10), Rgb(gfx::clBtnFace));
    EXPECT_NE(panel->SkinIndex(), -1);
    EXPECT_EQ(PixelOf(*panel, 0, 30), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*panel, 30, 30), Rgb(gfx::clBtnFace));
}

// The vertical bar's record is 15 x 60: a 12-pixel decrease button, the track
// and a 12-pixel increase button below the split point at 47, which follows
// the bar's far end. Its thumb is 11 x 20 with a 5 x 5 mark.
TEST_F(SkinLookTest, ScrollBarPartsComeFromTheRecordAndFollowTheBarsLength)
{
    auto* bar = Place<TbsSkinScrollBar>(10, 10, 19, 160);
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetSkinData(data.get());
    bar->SetRangeValues(0, 100, 0, 50);
    ShowForm();
    EXPECT_EQ(bar->Width(), 15);
    const TbsSkinScrollBar::TGeometry g = bar->Geometry();
    EXPECT_EQ(g.decrease, gfx::Rect(0, 0, 15, 12));
    EXPECT_EQ(g.increase, gfx::Rect(0, 148, 15, 160));
    EXPECT_EQ(g.track, gfx::Rect(0, 12, 15, 148));
    // Half of the travel of 136 - 20 pixels, centred across the track.
    EXPECT_EQ(g.thumb, gfx::Rect(2, 70, 13, 90));

    // The bar's image: fixed ends, the middle tiled from row 12 in 35-row tiles.
    EXPECT_EQ(PixelOf(*bar, 7, 5), Source(167, 105));
    EXPECT_EQ(PixelOf(*bar, 7, 155), Source(167, 155));
    EXPECT_EQ(PixelOf(*bar, 0, 120), Source(160, 100 + 12 + (120 - 12) % 35));
    // The thumb and its mark in the middle of it.
    EXPECT_EQ(PixelOf(*bar, 3, 71), Source(221, 101));
    EXPECT_EQ(PixelOf(*bar, 6, 78), Source(245, 101));

    // Hot thumb: its own picture, the normal mark (the record has no hot one).
    const gfx::TPoint thumb = At(*bar, 7, 80);
    Harness.MoveMouse(thumb.X, thumb.Y);
    EXPECT_EQ(PixelOf(*bar, 3, 71), Source(233, 101));
    EXPECT_EQ(PixelOf(*bar, 6, 78), Source(245, 101));
    // Dragged: the hot thumb (no dragged one) with the dragged mark.
    Harness.MouseDown(thumb.X, thumb.Y);
    EXPECT_EQ(PixelOf(*bar, 3, 71), Source(233, 101));
    EXPECT_EQ(PixelOf(*bar, 6, 78), Source(251, 101));
    Harness.MouseUp(thumb.X, thumb.Y);

    // Hot, then pressed increase button.
    const gfx::TPoint increase = At(*bar, 7, 154);
    Harness.MoveMouse(increase.X, increase.Y);
    EXPECT_EQ(PixelOf(*bar, 7, 154), Source(187, 106));
    Harness.MouseDown(increase.X, increase.Y);
    EXPECT_EQ(PixelOf(*bar, 7, 154), Source(187, 121));
    Harness.MouseUp(increase.X, increase.Y);
    // The pressed decrease button has no picture of its own: it shows the hot one.
    const gfx::TPoint decrease = At(*bar, 7, 5);
    Harness.MouseDown(decrease.X, decrease.Y);
    EXPECT_EQ(PixelOf(*bar, 7, 5), Source(207, 105));
    Harness.MouseUp(decrease.X, decrease.Y);
    Harness.MoveMouse(decrease.X + 100, decrease.Y);
    EXPECT_EQ(PixelOf(*bar, 7, 5), Source(167, 105));
}

TEST_F(SkinLookTest, ScrollBarThumbWithAPageStretchesBetweenItsFixedEnds)
{
    auto* bar = Place<TbsSkinScrollBar>(10, 10, 19, 160);
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetSkinData(data.get());
    bar->SetRangeValues(0, 99, 50, 0);
    ShowForm();
    // Half of the 136-pixel track.
    EXPECT_EQ(bar->Geometry().thumb, gfx::Rect(2, 12, 13, 80));
    EXPECT_EQ(PixelOf(*bar, 3, 13), Source(221, 101)); // fixed top, 3 rows
    EXPECT_EQ(PixelOf(*bar, 3, 79), Source(221, 119)); // fixed bottom, 4 rows
    EXPECT_EQ(PixelOf(*bar, 3, 30), Source(221, 100 + 3 + (30 - 15) % 13)); // tiled middle
    EXPECT_EQ(PixelOf(*bar, 5, 43), Source(244, 100)); // the mark, centred
    // A page of a few lines still gets the record's thumb length.
    bar->SetRangeValues(0, 999, 5, 0);
    EXPECT_EQ(bar->Geometry().thumb.Height(), 20);

    // A disabled bar shows its track where the thumb was.
    bar->SetEnabled(false);
    EXPECT_EQ(PixelOf(*bar, 3, 13), Source(163, 113));
}

TEST_F(SkinLookTest, HorizontalScrollBarTakesTheSkinHeightAndMovesItsFarButton)
{
    auto* bar = Place<TbsSkinScrollBar>(10, 10, 200, 40);
    bar->SetSkinData(data.get());
    bar->SetRangeValues(0, 100, 0, 100);
    ShowForm();
    EXPECT_EQ(bar->Height(), 15);
    const TbsSkinScrollBar::TGeometry g = bar->Geometry();
    EXPECT_EQ(g.decrease, gfx::Rect(0, 0, 12, 15));
    EXPECT_EQ(g.increase, gfx::Rect(188, 0, 200, 15));
    EXPECT_EQ(g.thumb, gfx::Rect(168, 2, 188, 13));
    EXPECT_EQ(PixelOf(*bar, 170, 5), Source(62, 173));
    EXPECT_EQ(PixelOf(*bar, 50, 7), Source(40 + 12 + (50 - 12) % 35, 157));
    EXPECT_EQ(PixelOf(*bar, 195, 7), Source(95, 157));
    const gfx::TPoint increase = At(*bar, 195, 7);
    Harness.MoveMouse(increase.X, increase.Y);
    EXPECT_EQ(PixelOf(*bar, 195, 7), Source(47, 177));
    // Dragging the thumb back to the start reaches the first position.
    Harness.Drag(At(*bar, 178, 7), At(*bar, 0, 7));
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->Geometry().thumb.Left, 12);
}

// A tool bar too narrow for its buttons draws its scroll buttons from the
// "resizebutton" record (12 x 25, so its pixels map one to one), each state
// with its own picture and arrow colour.
TEST_F(SkinLookTest, ToolBarScrollButtonsComeFromTheResizeButtonRecord)
{
    auto* bar = Place<TbsSkinToolBar>(10, 10, 200, 25);
    for (int i = 0; i < 5; ++i)
        Place<TbsSkinPanel>(i * 60, 0, 60, 25, bar);
    bar->SetSkinData(data.get());
    bar->SetCanScroll(true);
    ShowForm();
    ASSERT_TRUE(bar->ScrollButtonsShown());
    // Window column 1 of the left button, below its arrow; the arrow's widest column is 7.
    auto button = [&](int x, int y) { return PixelOf(*bar, x - TbsSkinToolBar::kScrollButtonWidth, y); };
    EXPECT_EQ(button(1, 3), Source(101, 113));
    EXPECT_EQ(button(5, 20), Source(105, 130));
    EXPECT_EQ(button(7, 12), gfx::TColor(255));
    const gfx::TPoint left = At(*bar, -6, 3);
    Harness.MoveMouse(left.X, left.Y);
    EXPECT_EQ(button(1, 3), Source(113, 113));
    EXPECT_EQ(button(7, 12), gfx::TColor(65280));
    Harness.MouseDown(left.X, left.Y);
    EXPECT_EQ(button(1, 3), Source(125, 113));
    EXPECT_EQ(button(7, 12), gfx::TColor(16711680));
    Harness.MouseUp(left.X, left.Y);
    // The right button keeps its normal picture.
    EXPECT_EQ(PixelOf(*bar, bar->ClientWidth() + 1, 3), Source(101, 113));
}

// Under the scroll buttons a bar that sizes across shows only the tiled
// middle of its image, from the client's left edge on.
TEST_F(SkinLookTest, ScrollingToolBarShowsOnlyTheMiddleOfItsImage)
{
    auto* bar = Place<TbsSkinToolBar>(10, 10, 200, 25);
    bar->SetSkinDataName("hpanel");
    bar->SetSkinData(data.get());
    bar->SetCanScroll(true);
    ShowForm();
    EXPECT_EQ(PixelOf(*bar, 2, 10), Source(2, 160)); // the fixed left end
    auto* wide = Place<TbsSkinPanel>(150, 0, 100, 25, bar);
    bar->UpdateScrollButtons();
    ASSERT_TRUE(bar->ScrollButtonsShown());
    wide->SetVisible(false); // uncovers the bar's own image
    for (int x : { 0, 2, 29, 30, 100 })
        EXPECT_EQ(PixelOf(*bar, x, 10), Source(5 + x % 30, 160)) << x;
}

// The skin data is a component: when it goes away, the controls that drew
// from it forget it and paint their default looks.
TEST_F(SkinLookTest, RemovingTheSkinDataLeavesEveryControlWithoutSkin)
{
    auto* button = Place<TbsSkinButton>(10, 10, 75, 25);
    button->SetCaption("");
    button->SetCanFocused(false);
    auto* bar = Place<TbsSkinToolBar>(10, 40, 200, 25);
    auto* tool = Place<TbsSkinSpeedButton>(0, 0, 30, 25, bar);
    tool->SetCaption("");
    auto* bevel = Place<TbsSkinBevel>(100, 0, 10, 25, bar);
    auto* splitter = Place<TbsSkinSplitter>(10, 70, 9, 100);
    splitter->SetAlign(ctl::TAlign::alLeft);
    auto* tree = Place<TbsSkinTreeView>(100, 100, 80, 80);
    for (skin::SkinnedControl* c : std::initializer_list<skin::SkinnedControl*> { button, bar, splitter, tree })
        c->SetSkinData(data.get());
    ShowForm();
    ASSERT_EQ(tool->SkinData(), data.get());
    ASSERT_EQ(bevel->SkinData(), data.get());
    ASSERT_NE(button->SkinIndex(), -1);

    data.reset();
    for (skin::SkinnedControl* c :
        std::initializer_list<skin::SkinnedControl*> { button, bar, tool, bevel, splitter, tree })
        EXPECT_EQ(c->SkinData(), nullptr);
    EXPECT_EQ(button->SkinIndex(), -1);
    EXPECT_EQ(button->SkinPicture(), nullptr);
    EXPECT_EQ(splitter->SkinIndex(), -1);
    form->Invalidate();
    EXPECT_EQ(PixelOf(*button, 0, 10), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*button, 30, 10), Rgb(gfx::clBtnFace));
}

// Before a load the controls drop their record and the pictures it pointed
// into; after it they take the new one. A second load replaces every picture,
// so a pointer kept from the first would be read after it was freed.
TEST_F(SkinLookTest, ResetThenApplyFollowsASkinThatWasReplaced)
{
    auto* button = Place<TbsSkinButton>(10, 10, 100, 30);
    button->SetCaption("");
    button->SetCanFocused(false);
    button->SetSkinData(data.get());
    ShowForm();
    ASSERT_NE(button->SkinPicture(), nullptr);

    button->ResetSkinIndex();
    EXPECT_EQ(button->SkinIndex(), -1);
    EXPECT_EQ(button->SkinPicture(), nullptr);
    EXPECT_EQ(button->SkinMask(), nullptr);
    data->ClearSkin();
    button->ApplySkin();
    EXPECT_EQ(PixelOf(*button, 30, 10), Rgb(gfx::clBtnFace));

    data->LoadFromStoredSkinStream(TestSkinStream());
    button->ApplySkin();
    EXPECT_EQ(button->SkinPicture(), data->ActivePicture(0));
    ExpectAcross(*button, 10, 0, 0, 5, 30, 5);
}

} // namespace
