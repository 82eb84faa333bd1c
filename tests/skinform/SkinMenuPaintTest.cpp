// The pixels of the menu windows: a skin made in code whose pictures have a
// colour of their own at every pixel shows where each part of the window and
// of each entry was cut from; the plain look uses the system colours; and the
// program's own skin is written as snapshots.

#include "tests/skin/SkinDataTestSkin.h"
#include "tests/skinform/MenuFixture.h"

#include "platform/controls/TImageList.h"
#include "platform/graphics/TColor.h"
#include "platform/window/Painting.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <cstdlib>
#include <filesystem>

using gfx::RGB;
using gfx::TBitmap;
using menutest::MenuFixture;

namespace {

constexpr gfx::TColor kFontColor = RGB(0, 0, 0);
constexpr gfx::TColor kActiveFontColor = RGB(255, 255, 255);
constexpr gfx::TColor kDisabledFontColor = RGB(128, 128, 128);
constexpr gfx::TColor kMarker = RGB(255, 0, 0);
constexpr gfx::TColor kActiveMarker = RGB(0, 255, 0);

// Window picture 99 x 63 (blue 2) cut at 12,2 / 97,61; items picture 49 x 45
// (blue 3): normal 0..20, active 20..40, divider 40..45; the mask (picture 2)
// leaves out the window's top-left 2 x 2 pixels.
std::string MenuSkinIni(int itemPictureIndex = 1)
{
    return "[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=3\r\n0=pw.bmp\r\n1=menuitems.bmp\r\n2=pwmask.bmp\r\n"
           "[FORMINFO]\r\nclientrect=4,26,156,141\r\n"
           "[POPUPWINDOW]\r\nwindowpictureindex=0\r\nmaskpictureindex=2\r\n"
           "lefttoppoint=12,2\r\nrighttoppoint=97,2\r\nleftbottompoint=12,61\r\nrightbottompoint=97,61\r\n"
           "itemsrect=12,2,97,61\r\nscrollmarkercolor=255\r\nscrollmarkeractivecolor=65280\r\n"
           "leftstretch=1\r\nrightstretch=1\r\ntopstretch=1\r\nbottomstretch=1\r\n"
           "[SKINOBJECTS]\r\ncount=1\r\n0=MENUITEM:menuitem\r\n"
           "[MENUITEM]\r\nactivepictureindex=" + std::to_string(itemPictureIndex) + "\r\nskinrect=0,0,48,20\r\nactiveskinrect=0,20,48,40\r\n"
           "morphing=1\r\nmorphkind=mkdefault\r\nitemleftoffset=4\r\nitemrightoffset=4\r\n"
           "dividerrect=0,40,49,45\r\ndividerleftoffset=8\r\ndividerrightoffset=4\r\ntextrect=2,0,46,20\r\n"
           "fontname=Tahoma\r\nfontheight=13\r\nfontstyle=fsbold\r\n"
           "fontcolor=" + std::to_string(kFontColor) + "\r\nactivefontcolor=" + std::to_string(kActiveFontColor)
        + "\r\nunenabledfontcolor=" + std::to_string(kDisabledFontColor) + "\r\n";
}

TBitmap CornerMask()
{
    TBitmap mask(99, 63);
    mask.Fill(RGB(0, 0, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            mask.SetPixel(x, y, RGB(255, 255, 255));
    return mask;
}

gfx::TColor WindowPixel(int x, int y) { return RGB(x, y, 2); }
gfx::TColor ItemPixel(int x, int y) { return RGB(x, y, 3); }

bool HasColour(const TBitmap& image, const gfx::TRect& area, gfx::TColor colour)
{
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (image.GetPixel(x, y) == colour)
                return true;
    return false;
}

class SkinMenuPaint : public MenuFixture {
protected:
    SkinMenuPaint() { LoadSkin(Skin, 1); }

    static void LoadSkin(skin::TbsSkinData& data, int itemPictureIndex)
    {
        skintest::StreamParts parts;
        parts.ActivePictures
            = { skintest::DistinctPicture(99, 63, 2), skintest::DistinctPicture(49, 45, 3), CornerMask() };
        parts.IniText = text::Utf8ToGbk(MenuSkinIni(itemPictureIndex));
        data.OnLoadError = [](const std::string& error) { ADD_FAILURE() << error; };
        data.LoadFromStoredSkinStream(skintest::BuildStream(parts));
    }

    void OpenSkinned(gfx::TPoint at = { 200, 150 })
    {
        Menu->Popup(Form, &Skin, &Root, at);
        Harness.ProcessMessages();
    }
    TBitmap Pixels(int window = 0) const { return Harness.Capture(Window(window).Handle()); }

    skin::TbsSkinData Skin;
};

} // namespace

TEST_F(SkinMenuPaint, WindowAndEntriesAreCutFromTheirPictures)
{
    FillSystemMenu();
    Root.Items(2)->Enabled = false;
    OpenSkinned();
    Harness.AdvanceTime(200); // the first entry's fade in ends
    const TBitmap image = Pixels();
    const int w = image.Width();
    ASSERT_EQ(image.Height(), 89);
    // Corners of the window picture.
    EXPECT_EQ(image.GetPixel(5, 1), WindowPixel(5, 1));
    EXPECT_EQ(image.GetPixel(w - 1, 0), WindowPixel(98, 0));
    EXPECT_EQ(image.GetPixel(w - 1, 88), WindowPixel(98, 62));
    EXPECT_EQ(image.GetPixel(3, 88), WindowPixel(3, 62));
    // Entry rows start at the items rectangle: 2, 22, 42, a divider at 62, 67.
    const int right = w - (99 - 97);
    const gfx::TRect& items = Window(0).ItemsRect();
    EXPECT_EQ(items.Left, 12);
    EXPECT_EQ(items.Right, right);
    // The selected first entry shows its active image, the others the normal one.
    EXPECT_EQ(image.GetPixel(13, 2 + 10), ItemPixel(1, 30));
    EXPECT_EQ(image.GetPixel(right - 1, 2 + 10), ItemPixel(47, 30));
    EXPECT_EQ(image.GetPixel(13, 22 + 10), ItemPixel(1, 10));
    EXPECT_EQ(image.GetPixel(right - 2, 22 + 3), ItemPixel(46, 3));
    // The divider keeps its own left and right parts.
    EXPECT_EQ(image.GetPixel(13, 62 + 2), ItemPixel(1, 42));
    EXPECT_EQ(image.GetPixel(right - 1, 62 + 2), ItemPixel(48, 42));
    EXPECT_EQ(image.GetPixel(13, 67 + 10), ItemPixel(1, 10));
    // Captions in the record's colours: active, normal and disabled.
    const auto caption = [&](int top) { return gfx::TRect { 12 + 2 + 16, top, right - 16, top + 20 }; };
    EXPECT_TRUE(HasColour(image, caption(2), kActiveFontColor));
    EXPECT_FALSE(HasColour(image, caption(2), kFontColor));
    EXPECT_TRUE(HasColour(image, caption(22), kFontColor));
    EXPECT_TRUE(HasColour(image, caption(42), kDisabledFontColor));
    EXPECT_FALSE(HasColour(image, caption(42), kFontColor));
    // The built-in glyph of the close entry sits in the glyph column.
    EXPECT_TRUE(HasColour(image, { 12 + 4, 67 + 2, 12 + 16, 67 + 18 }, kFontColor));
    // The shortcut text ends 16 pixels left of the text rectangle's right.
    EXPECT_TRUE(HasColour(image, { right - 2 - 16 - 12, 67, right - 2 - 16, 67 + 20 }, kFontColor));
    EXPECT_FALSE(HasColour(image, { right - 2 - 16 + 1, 67, right, 67 + 20 }, kFontColor));
}

TEST_F(SkinMenuPaint, HotEntryFadesInOverFiveTicksWhileTheOldOneFadesOut)
{
    FillSystemMenu();
    OpenSkinned();
    Harness.AdvanceTime(200);
    const gfx::TPoint p = ItemCentre(0, 1);
    Harness.MoveMouse(p.X, p.Y); // tracked at once
    Harness.AdvanceTime(20);
    TBitmap image = Pixels();
    const int newGreen = gfx::GetGValue(image.GetPixel(13, 22 + 10));
    const int oldGreen = gfx::GetGValue(image.GetPixel(13, 2 + 10));
    EXPECT_GT(newGreen, 10);
    EXPECT_LT(newGreen, 30);
    EXPECT_GT(oldGreen, 10);
    EXPECT_LT(oldGreen, 30);
    Harness.AdvanceTime(100);
    image = Pixels();
    EXPECT_EQ(image.GetPixel(13, 22 + 10), ItemPixel(1, 30));
    EXPECT_EQ(image.GetPixel(13, 2 + 10), ItemPixel(1, 10));
}

TEST_F(SkinMenuPaint, EntriesWithoutAPictureKeepTheirHeightsOverTheWindowsClient)
{
    skin::TbsSkinData broken;
    LoadSkin(broken, 7);
    FillSystemMenu();
    Menu->Popup(Form, &broken, &Root, gfx::TPoint { 200, 150 });
    Harness.ProcessMessages();
    const TBitmap image = Pixels();
    EXPECT_EQ(image.Height(), 89);
    // The window picture's client (tiled from 12,2) shows behind the captions.
    EXPECT_EQ(image.GetPixel(13, 22 + 10), WindowPixel(13, 2 + (22 + 10 - 2) % 59));
    EXPECT_TRUE(HasColour(image, { 12 + 2 + 16, 22, Window(0).ItemsRect().Right - 16, 42 }, kFontColor));
}

TEST_F(SkinMenuPaint, MaskShapesTheWindow)
{
    FillSystemMenu();
    OpenSkinned();
    const std::optional<gfx::TRegion> region = wnd::GetWindowRgn(Window(0).Handle());
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->Contains(0, 0));
    EXPECT_FALSE(region->Contains(1, 1));
    EXPECT_TRUE(region->Contains(2, 0));
    EXPECT_TRUE(region->Contains(50, 50));
}

TEST_F(SkinMenuPaint, ScrollingMenuShowsItsMarkersInTheScrollColours)
{
    for (int i = 0; i < 50; ++i)
        Add(Root, "Entry " + std::to_string(i));
    OpenSkinned();
    ASSERT_TRUE(Window(0).Scroll());
    const gfx::TRect up = Window(0).ScrollUpZone();
    const gfx::TRect down = Window(0).ScrollDownZone();
    TBitmap image = Pixels();
    EXPECT_TRUE(HasColour(image, up, kMarker));
    EXPECT_TRUE(HasColour(image, down, kMarker));
    // The zones' background is the window picture's client, filled while scrolling.
    EXPECT_EQ(image.GetPixel(up.Left, up.Top), WindowPixel(12, 2));

    const gfx::TRect window = WindowRect(0);
    Harness.MoveMouse(window.Left + down.Left + 20, window.Top + down.Top + 5);
    Harness.ProcessMessages();
    image = Pixels();
    EXPECT_TRUE(HasColour(image, down, kActiveMarker));
    EXPECT_FALSE(HasColour(image, up, kActiveMarker));
}

TEST_F(SkinMenuPaint, SkinWithoutAWindowPictureGivesThePlainLook)
{
    FillSystemMenu();
    Root.Items(0)->Checked = true;
    skin::TbsSkinData empty;
    Menu->Popup(Form, &empty, &Root, gfx::TPoint { 200, 150 });
    Harness.ProcessMessages();
    Hover(0, 1);
    const TBitmap image = Pixels();
    ASSERT_EQ(image.Height(), 88);
    EXPECT_EQ(image.GetPixel(0, 0), gfx::ColorToRGB(gfx::clBtnShadow));
    EXPECT_EQ(image.GetPixel(1, 1), gfx::ColorToRGB(gfx::clWindow));
    // The hot entry: a navy frame around the light fill.
    const gfx::TRect hot = Window(0).Items(1).ObjectRect;
    EXPECT_EQ(image.GetPixel(hot.Left, hot.Top + 5), gfx::clNavy);
    EXPECT_EQ(image.GetPixel(hot.Left + 1, hot.Top + 1), 13811126);
    // Others: the glyph column in the button face, the rest in the window colour.
    const gfx::TRect other = Window(0).Items(2).ObjectRect;
    EXPECT_EQ(image.GetPixel(other.Left + 1, other.Top + 1), gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_EQ(image.GetPixel(other.Right - 2, other.Top + 1), gfx::ColorToRGB(gfx::clWindow));
    // The separator line from the glyph column on.
    const gfx::TRect line = Window(0).Items(3).ObjectRect;
    const int middle = line.Top + line.Height() / 2;
    EXPECT_EQ(image.GetPixel(line.Left + 19 + 2, middle), gfx::ColorToRGB(gfx::clBtnShadow));
    EXPECT_EQ(image.GetPixel(line.Left + 2, middle), gfx::ColorToRGB(gfx::clBtnFace));
    // The check mark of the checked first entry.
    const gfx::TRect first = Window(0).Items(0).ObjectRect;
    EXPECT_TRUE(HasColour(image, { first.Left + 2, first.Top + 4, first.Left + 16, first.Bottom - 4 },
        gfx::ColorToRGB(gfx::clMenuText)));
}

TEST_F(SkinMenuPaint, ImagesOfTheMenusImageListFillAWiderGlyphColumn)
{
    ctl::TPopupMenu popup;
    Add(*popup.Items(), "Cut");
    Add(*popup.Items(), "Copy");
    Menu->Popup(Form, nullptr, popup.Items(), gfx::TPoint { 200, 150 });
    const int plainWidth = WindowRect(0).Width();
    Menu->CloseAll();

    ctl::TImageList images(nullptr);
    images.SetSize(20, 16);
    images.Masked = false;
    TBitmap strip(40, 16);
    strip.Fill(RGB(200, 30, 30));
    for (int x = 20; x < 40; ++x)
        for (int y = 0; y < 16; ++y)
            strip.SetPixel(x, y, RGB(30, 160, 30));
    images.Add(strip);
    popup.SetImages(&images);
    popup.Items()->Items(0)->ImageIndex = 1;
    popup.Items()->Items(1)->ImageIndex = 0;
    popup.Items()->Items(1)->Checked = true;
    Menu->Popup(Form, nullptr, popup.Items(), gfx::TPoint { 200, 150 });
    Harness.ProcessMessages();
    // The column is the images' width plus 5 instead of 19.
    EXPECT_EQ(WindowRect(0).Width(), plainWidth + (20 + 5) - 19);
    const TBitmap image = Pixels();
    const gfx::TRect first = Window(0).Items(0).ObjectRect;
    const gfx::TRect second = Window(0).Items(1).ObjectRect;
    EXPECT_TRUE(HasColour(image, first, RGB(30, 160, 30)));
    EXPECT_FALSE(HasColour(image, first, RGB(200, 30, 30)));
    EXPECT_TRUE(HasColour(image, second, RGB(200, 30, 30)));
    // A checked image is framed instead of getting a check mark.
    const gfx::TColor text = gfx::ColorToRGB(gfx::clMenuText);
    EXPECT_EQ(image.GetPixel(second.Left + 2, second.Top + 8), text);
}

namespace {

std::filesystem::path OwnSkinIni()
{
    const char* source = std::getenv("VELTRIN_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "assets" / "skin" / "skin.ini";
}

} // namespace

TEST_F(SkinMenuPaint, OwnSkinSystemMenuAndSubMenuSnapshots)
{
    skin::TbsCompressedStoredSkin stored;
    ASSERT_TRUE(stored.BuildFromIniFile(OwnSkinIni()));
    skin::TbsSkinData own;
    own.OnLoadError = [](const std::string& error) { ADD_FAILURE() << error; };
    own.SetCompressedStoredSkin(&stored);
    ASSERT_FALSE(own.IsEmpty());

    FillSystemMenu();
    Root.Items(1)->Enabled = false;
    ctl::TMenuItem* view = new ctl::TMenuItem();
    view->SetCaption("视图(&V)");
    Root.Insert(3, view);
    Add(*view, "工具栏(&T)")->Checked = true;
    Add(*view, "状态栏(&S)")->Checked = true;
    Add(*view, "-");
    ctl::TMenuItem* large = Add(*view, "大图标(&L)");
    large->RadioItem = true;
    large->Checked = true;
    Add(*view, "小图标(&M)")->RadioItem = true;

    Menu->Popup(Form, &own, &Root, gfx::TPoint { 200, 150 });
    Harness.ProcessMessages();
    Harness.AdvanceTime(200);
    // Four entries, a divider and close: 4 + 5 x 20 + 5.
    const gfx::TRect bounds = WindowRect(0);
    EXPECT_EQ(bounds.Height(), 4 + 5 * 20 + 5);
    // Its mask rounds every corner off the window.
    const std::optional<gfx::TRegion> region = wnd::GetWindowRgn(Window(0).Handle());
    ASSERT_TRUE(region.has_value());
    for (const gfx::TPoint corner : { gfx::TPoint { 0, 0 }, gfx::TPoint { bounds.Width() - 1, 0 },
             gfx::TPoint { 0, bounds.Height() - 1 }, gfx::TPoint { bounds.Width() - 1, bounds.Height() - 1 } })
        EXPECT_FALSE(region->Contains(corner)) << corner.X << "," << corner.Y;
    EXPECT_TRUE(region->Contains(bounds.Width() / 2, 0));
    EXPECT_TRUE(region->Contains(0, bounds.Height() / 2));
    Harness.SaveSnapshot(Window(0).Handle(), "skinmenu-own-system-menu");

    Key(wnd::VK_DOWN);
    Key(wnd::VK_DOWN);
    Key(wnd::VK_RIGHT);
    Harness.AdvanceTime(200);
    ASSERT_EQ(Menu->WindowCount(), 2);
    Harness.SaveSnapshot(Window(0).Handle(), "skinmenu-own-parent-with-open-submenu");
    Harness.SaveSnapshot(Window(1).Handle(), "skinmenu-own-submenu");

    Menu->CloseAll();
    Menu->Popup(Form, nullptr, &Root, gfx::TPoint { 200, 150 });
    Harness.ProcessMessages();
    Key(wnd::VK_DOWN);
    Key(wnd::VK_DOWN);
    Key(wnd::VK_RIGHT);
    Harness.SaveSnapshot(Window(0).Handle(), "skinmenu-plain-system-menu");
    Harness.SaveSnapshot(Window(1).Handle(), "skinmenu-plain-submenu");
}
