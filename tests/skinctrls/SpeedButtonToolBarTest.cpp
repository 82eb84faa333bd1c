#include "SkinFormFixture.h"

#include "platform/controls/TImageList.h"
#include "platform/window/MessageLoop.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/TbsSkinBevel.h"
#include "skinctrls/TbsSkinPanel.h"
#include "skinctrls/TbsSkinSpeedButton.h"
#include "skinctrls/TbsSkinToolBar.h"

using namespace skinctrls;

namespace {

constexpr gfx::TColor kImageColor = gfx::RGB(200, 0, 0);

// The main window's tool row: spacer, four buttons, spacer, search box,
// button, spacer, two buttons.
struct ToolRow {
    TbsSkinToolBar* bar;
    ctl::TImageList* images;
    std::vector<ctl::TControl*> items;
    std::vector<TbsSkinSpeedButton*> buttons;
};

ToolRow MakeToolRow(ctl::TForm& form)
{
    ToolRow row;
    row.images = new ctl::TImageList(&form);
    row.images->SetSize(16, 16);
    for (int i = 0; i < 16; ++i) {
        gfx::TBitmap picture(16, 16);
        picture.Fill(gfx::clWhite);
        for (int y = 2; y < 14; ++y)
            for (int x = 2; x < 14; ++x)
                picture.SetPixel(x, y, kImageColor);
        row.images->AddMasked(picture, gfx::clWhite);
    }
    row.bar = new TbsSkinToolBar(&form);
    row.bar->SetParent(&form);
    row.bar->SetAlign(ctl::TAlign::alTop);
    row.bar->SetImages(row.images);
    const struct {
        int width;
        const char* caption; // nullptr: spacer; "": search box
        int image;
    } layout[] = { { 25, nullptr, 0 }, { 75, "新增笔记", 1 }, { 75, "刷新", 13 }, { 75, "分类管理", 10 },
        { 75, "打印", 14 }, { 23, nullptr, 0 }, { 200, "", 0 }, { 56, "搜索", 12 }, { 18, nullptr, 0 },
        { 56, "帮助", 11 }, { 56, "退出", 15 } };
    int left = 0;
    for (const auto& item : layout) {
        ctl::TControl* c = nullptr;
        if (!item.caption) {
            auto* bevel = new TbsSkinBevel(&form);
            bevel->SetShape(TBevelShape::bsSpacer);
            bevel->SetDividerMode(true);
            c = bevel;
        } else if (*item.caption == '\0') {
            c = new TbsSkinPanel(&form);
        } else {
            auto* button = new TbsSkinSpeedButton(&form);
            button->SetCaption(item.caption);
            button->SetImageIndex(item.image);
            row.buttons.push_back(button);
            c = button;
        }
        c->SetBounds(left + 1000, 0, item.width, 25); // placed by alignment, in order of left
        left += item.width;
        c->SetParent(row.bar);
        c->SetAlign(ctl::TAlign::alLeft);
        row.items.push_back(c);
    }
    return row;
}

class SpeedButtonTest : public SkinFormTest { };

TEST_F(SpeedButtonTest, ToolRowLaysOutItemsLeftToRight)
{
    form->SetClientSize(738, 100);
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    EXPECT_EQ(row.bar->Height(), 25); // DefaultHeight of the tool bar
    const int expected[] = { 0, 25, 100, 175, 250, 325, 348, 548, 604, 622, 678 };
    ASSERT_EQ(row.items.size(), std::size(expected));
    for (std::size_t i = 0; i < row.items.size(); ++i)
        EXPECT_EQ(row.items[i]->Left(), expected[i]) << "item " << i;
    Snapshot("skinctrls_toolrow");
}

TEST_F(SpeedButtonTest, DefaultLookFollowsHoverAndPress)
{
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    TbsSkinSpeedButton& b = *row.buttons[0];
    // Idle: button-shadow frame on button face; the tool bar itself is button face.
    EXPECT_EQ(PixelOf(b, 0, 0), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(b, 74, 24), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(b, 1, 1), Rgb(gfx::clBtnFace));
    EXPECT_EQ(PixelOf(*row.bar, 5, 5), Rgb(gfx::clBtnFace));

    const gfx::TPoint p = At(b, 3, 3);
    Harness.MoveMouse(p.X, p.Y);
    EXPECT_TRUE(b.MouseIn());
    EXPECT_EQ(PixelOf(b, 0, 0), kDefaultFrameColor);
    EXPECT_EQ(PixelOf(b, 1, 1), kDefaultHotColor);
    Snapshot("skinctrls_speedbutton_hot");

    Harness.MouseDown(p.X, p.Y);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(PixelOf(b, 0, 0), kDefaultFrameColor);
    EXPECT_EQ(PixelOf(b, 1, 1), kDefaultDownColor);
    Snapshot("skinctrls_speedbutton_down");
    Harness.MouseUp(p.X, p.Y);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(PixelOf(b, 1, 1), kDefaultHotColor);
}

TEST_F(SpeedButtonTest, ImageAndCaptionFormACentredGroup)
{
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    TbsSkinSpeedButton& b = *row.buttons[1]; // "刷新"
    const int tw = gfx::TextExtent(MakeSkinDefaultFont(), "刷新").cx;
    // Group 16 + 1 + caption wide, centred in 75 x 25: image x = 37 - (17 + tw) / 2, y = 12 - 8.
    const int imageX = 37 - (16 + tw + 1) / 2;
    EXPECT_EQ(PixelOf(b, imageX + 2, 4 + 2), kImageColor);
    EXPECT_EQ(PixelOf(b, imageX + 13, 4 + 13), kImageColor);
    EXPECT_NE(PixelOf(b, imageX + 1, 4 + 1), kImageColor); // masked border of the picture
    EXPECT_NE(PixelOf(b, imageX + 14, 4 + 2), kImageColor);

    // Disabled without DisabledImages: greyed image, caption in the shadow colour.
    b.SetEnabled(false);
    EXPECT_NE(PixelOf(b, imageX + 6, 4 + 6), kImageColor);
    Snapshot("skinctrls_speedbutton_disabled");
}

TEST_F(SpeedButtonTest, ClickComesAtReleaseInside)
{
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    TbsSkinSpeedButton& b = *row.buttons[0];
    int clicks = 0;
    b.OnClick = [&](ctl::TObject*) { ++clicks; };
    Click(Middle(b));
    EXPECT_EQ(clicks, 1);

    const gfx::TPoint in = Middle(b);
    const gfx::TPoint out = At(b, 30, 60);
    Harness.MouseDown(in.X, in.Y);
    Harness.MoveMouse(out.X, out.Y);
    Harness.MouseUp(out.X, out.Y);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b.Down());
}

TEST_F(SpeedButtonTest, RepeatModeClicksWhileHeld)
{
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    TbsSkinSpeedButton& b = *row.buttons[0];
    b.RepeatMode = true;
    int clicks = 0;
    b.OnClick = [&](ctl::TObject*) { ++clicks; };
    const gfx::TPoint p = Middle(b);
    Harness.MouseDown(p.X, p.Y);
    Harness.AdvanceTime(350);
    EXPECT_EQ(clicks, 3);
    Harness.MouseUp(p.X, p.Y);
    EXPECT_EQ(clicks, 4);
    Harness.AdvanceTime(300);
    EXPECT_EQ(clicks, 4);
}

TEST_F(SpeedButtonTest, GroupedButtonsToggle)
{
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    TbsSkinSpeedButton& a = *row.buttons[0];
    TbsSkinSpeedButton& b = *row.buttons[1];
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    Click(Middle(a));
    EXPECT_TRUE(a.Down());
    Click(Middle(b));
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    Click(Middle(b)); // AllowAllUp off: stays down
    EXPECT_TRUE(b.Down());
    b.AllowAllUp = true;
    int clicks = 0;
    b.OnClick = [&](ctl::TObject*) { ++clicks; };
    Click(Middle(b));
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(clicks, 1);
    // A grouped down button keeps the pressed look without the pointer.
    Click(Middle(a));
    Harness.MoveMouse(At(a, 30, 80).X, At(a, 30, 80).Y);
    EXPECT_EQ(PixelOf(a, 1, 1), kDefaultDownColor);
}

TEST_F(SpeedButtonTest, ShowCaptionSwitchesWidth)
{
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    TbsSkinSpeedButton& b = *row.buttons[0];
    b.WidthWithCaption = 75;
    b.WidthWithoutCaption = 25;
    b.SetShowCaption(false);
    EXPECT_EQ(b.Width(), 25);
    b.SetShowCaption(true);
    EXPECT_EQ(b.Width(), 75);
}

TEST_F(SpeedButtonTest, ToolBarForgetsRemovedImageList)
{
    ToolRow row = MakeToolRow(*form);
    ShowForm();
    delete row.images;
    EXPECT_EQ(row.bar->Images(), nullptr);
    Harness.ProcessMessages(); // buttons repaint without images
    EXPECT_EQ(PixelOf(*row.buttons[0], 1, 1), Rgb(gfx::clBtnFace));
}

TEST(GlyphCaptionLayout, MarginAndCentring)
{
    const gfx::TRect r { 0, 0, 75, 25 };
    auto p = LayoutGlyphCaption(r, TbsButtonLayout::blGlyphLeft, -1, 1, { 16, 16 }, { 24, 12 });
    EXPECT_EQ(p.Glyph, (gfx::TPoint { 37 - 20, 4 }));
    EXPECT_EQ(p.Caption, (gfx::TPoint { 37 + 20 - 24, 6 }));
    p = LayoutGlyphCaption(r, TbsButtonLayout::blGlyphRight, 3, 2, { 16, 16 }, { 24, 12 });
    EXPECT_EQ(p.Glyph, (gfx::TPoint { 75 - 16 - 3, 4 }));
    EXPECT_EQ(p.Caption, (gfx::TPoint { 56 - 2 - 24, 6 }));
    p = LayoutGlyphCaption(r, TbsButtonLayout::blGlyphTop, 2, 1, { 16, 16 }, { 24, 12 });
    EXPECT_EQ(p.Glyph, (gfx::TPoint { 29, 2 }));
    EXPECT_EQ(p.Caption, (gfx::TPoint { 25, 19 }));
    // Without a glyph the caption still sits Spacing/2 right of centre.
    p = LayoutGlyphCaption(r, TbsButtonLayout::blGlyphLeft, -1, 4, { 0, 0 }, { 20, 12 });
    EXPECT_EQ(p.Caption.X, 37 + 12 - 20);
}

} // namespace

namespace {

// The main window's tool row in a window too narrow for it: 734 pixels of
// buttons in a 400-pixel bar, which shows a 12-pixel scroll button at each end.
class ToolBarScrollTest : public SkinFormTest {
protected:
    ToolBarScrollTest()
    {
        row.bar->SetCanScroll(true);
        ShowForm();
    }

    gfx::TPoint LeftButton() { return At(*row.bar, -6, 12); }
    gfx::TPoint RightButton() { return At(*row.bar, row.bar->ClientWidth() + 6, 12); }
    int FirstLeft() const { return row.items.front()->Left(); }
    int LastRight() const { return row.items.back()->Left() + row.items.back()->Width(); }
    // The farthest the row scrolls: its last button at the client's right edge.
    static constexpr int kEnd = 734 - 376;

    ToolRow row { MakeToolRow(*form) };
};

TEST_F(ToolBarScrollTest, HeldButtonScrollsByTheStepEveryIntervalAndStopsAtEitherEnd)
{
    row.bar->SetScrollOffset(30);
    ASSERT_TRUE(row.bar->ScrollButtonsShown());
    EXPECT_EQ(row.bar->ClientWidth(), 400 - 24);
    EXPECT_EQ(FirstLeft(), 0);
    EXPECT_EQ(wnd::SendMessage(row.bar->Handle(), wnd::WM_NCHITTEST, 0, wnd::LParamFromPoint(LeftButton())), 119);
    EXPECT_EQ(wnd::SendMessage(row.bar->Handle(), wnd::WM_NCHITTEST, 0, wnd::LParamFromPoint(RightButton())), 120);

    // The first step comes one interval after the press, then one per interval.
    Harness.MouseDown(RightButton().X, RightButton().Y);
    EXPECT_EQ(row.bar->ScrollPosition(), 0);
    Harness.AdvanceTime(49);
    EXPECT_EQ(row.bar->ScrollPosition(), 0);
    Harness.AdvanceTime(1);
    EXPECT_EQ(row.bar->ScrollPosition(), 30);
    EXPECT_EQ(FirstLeft(), -30);
    Harness.AdvanceTime(100);
    EXPECT_EQ(row.bar->ScrollPosition(), 90);
    // The last button comes to rest at the client's right edge.
    Harness.AdvanceTime(2000);
    EXPECT_EQ(row.bar->ScrollPosition(), kEnd);
    EXPECT_EQ(LastRight(), 376);
    Harness.MouseUp(RightButton().X, RightButton().Y);
    EXPECT_EQ(row.bar->ScrollPosition(), kEnd);

    // A click scrolls one step when released.
    Harness.Click(LeftButton().X, LeftButton().Y);
    EXPECT_EQ(row.bar->ScrollPosition(), kEnd - 30);
    Harness.MouseDown(LeftButton().X, LeftButton().Y);
    Harness.AdvanceTime(2000);
    Harness.MouseUp(LeftButton().X, LeftButton().Y);
    EXPECT_EQ(row.bar->ScrollPosition(), 0);
    EXPECT_EQ(FirstLeft(), 0);
}

TEST_F(ToolBarScrollTest, StepOfTheClientWidthAndAWiderWindowGivesTheRoomBack)
{
    Harness.Click(RightButton().X, RightButton().Y);
    // A whole client width would pass the end: the step stops at the last button.
    EXPECT_EQ(row.bar->ScrollPosition(), kEnd);

    form->SetBounds(10, 10, 600, 200);
    Harness.ProcessMessages();
    EXPECT_TRUE(row.bar->ScrollButtonsShown());
    EXPECT_EQ(row.bar->ScrollPosition(), kEnd - 200);
    EXPECT_EQ(FirstLeft(), -(kEnd - 200));

    // Just wide enough for every button: no scroll buttons, nothing scrolled.
    form->SetBounds(10, 10, 734, 200);
    Harness.ProcessMessages();
    EXPECT_FALSE(row.bar->ScrollButtonsShown());
    EXPECT_EQ(row.bar->ScrollPosition(), 0);
    EXPECT_EQ(row.bar->ClientWidth(), 734);
    EXPECT_EQ(FirstLeft(), 0);
    EXPECT_EQ(wnd::SendMessage(row.bar->Handle(), wnd::WM_NCHITTEST, 0, wnd::LParamFromPoint(At(*row.bar, 5, 12))),
        wnd::HTCLIENT);
}

TEST_F(ToolBarScrollTest, HotScrollRunsWhileThePointerRestsOnAButton)
{
    row.bar->HotScroll = true;
    row.bar->SetScrollOffset(10);
    row.bar->SetScrollTimerInterval(20);
    row.bar->SetScrollTimerInterval(0);
    row.bar->SetScrollOffset(-5);
    EXPECT_EQ(row.bar->ScrollTimerInterval(), 20);
    EXPECT_EQ(row.bar->ScrollOffset(), 10);

    Harness.MoveMouse(RightButton().X, RightButton().Y);
    Harness.AdvanceTime(60);
    EXPECT_EQ(row.bar->ScrollPosition(), 30);
    // Onto the buttons of the bar: the scrolling stops.
    const gfx::TPoint inside = Middle(*row.items[1]);
    Harness.MoveMouse(inside.X, inside.Y);
    Harness.AdvanceTime(200);
    EXPECT_EQ(row.bar->ScrollPosition(), 30);
}

TEST_F(ToolBarScrollTest, DefaultLookOfTheScrollButtonsFollowsHoverAndPress)
{
    // Window column 0 is the left button's frame, column 1 its fill; the
    // arrow's widest column is 7, rows 9 to 15.
    EXPECT_EQ(PixelOf(*row.bar, -12, 12), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*row.bar, -11, 3), Rgb(gfx::clBtnFace));
    EXPECT_EQ(PixelOf(*row.bar, -12 + 7, 9), Rgb(gfx::clBtnText));
    EXPECT_EQ(PixelOf(*row.bar, -12 + 7, 15), Rgb(gfx::clBtnText));
    Harness.MoveMouse(LeftButton().X, LeftButton().Y);
    EXPECT_EQ(PixelOf(*row.bar, -12, 12), kDefaultFrameColor);
    EXPECT_EQ(PixelOf(*row.bar, -11, 3), kDefaultHotColor);
    EXPECT_EQ(PixelOf(*row.bar, row.bar->ClientWidth() + 1, 3), Rgb(gfx::clBtnFace)); // the right one is not hot
    Harness.MouseDown(LeftButton().X, LeftButton().Y);
    EXPECT_EQ(PixelOf(*row.bar, -11, 3), kDefaultDownColor);
    Harness.MouseUp(LeftButton().X, LeftButton().Y);
    EXPECT_EQ(PixelOf(*row.bar, -11, 3), kDefaultHotColor);
    Snapshot("skinctrls_toolbar_scroll_buttons");
}

} // namespace
