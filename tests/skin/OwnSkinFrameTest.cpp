// The program's own skin (assets/skin) packed and loaded through the skin
// model, then cut with the painting primitives: the records carry the geometry
// the frame and the menus are laid out for, and the frame built for the main
// window's size is written as a PNG snapshot together with the caption-button
// states and the system menu.

#include "skin/SkinGeometry.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinText.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using gfx::TBitmap;
using gfx::TCanvas;
using gfx::TRect;

namespace {

std::filesystem::path SkinFolder()
{
    const char* source = std::getenv("VELTRIN_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "assets" / "skin";
}

// The skin of assets/skin, packed by the container writer and loaded.
class OwnSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_stored.BuildFromIniFile(SkinFolder() / "skin.ini"));
        m_data.OnLoadError = [](const std::string& error) { ADD_FAILURE() << error; };
        m_data.SetCompressedStoredSkin(&m_stored);
        ASSERT_FALSE(m_data.IsEmpty());
    }

    template <typename Record>
    const Record& Object(const char* name) const
    {
        const int index = m_data.IndexOfSkinObject(name);
        EXPECT_GE(index, 0) << name;
        const auto* record = dynamic_cast<const Record*>(m_data.SkinObjects().at(index).get());
        EXPECT_NE(record, nullptr) << name;
        return *record;
    }

    skin::TbsSkinGeometry FrameGeometry() const
    {
        const skin::SkinFormInfo& f = m_data.FormInfo();
        return { f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.ClientRect };
    }

    // The button states of the composed window.
    struct Look {
        bool Active { true };
        const char* Hot { nullptr };
        const char* Pressed { nullptr };
    };

    TBitmap ComposeWindow(int width, int height, const std::string& caption, Look look) const;
    TBitmap ComposeSystemMenu(int hotItem) const;

    skin::TbsCompressedStoredSkin m_stored;
    skin::TbsSkinData m_data;
};

// The window at width x height as the skinned form paints it: the four frame
// strips, the client tiled with the frame picture's client, the caption
// buttons laid out from the right end of the caption rectangle, the
// system-menu button at its left end and the caption text between them.
TBitmap OwnSkin::ComposeWindow(int width, int height, const std::string& caption, Look look) const
{
    const TBitmap& frame = m_data.Picture();
    const skin::SkinFormInfo& f = m_data.FormInfo();
    const skin::TbsSkinGeometry geometry = FrameGeometry();
    const skin::TbsSkinGeometry target = skin::NewSkinGeometry(geometry, { frame.Width(), frame.Height() }, width, height);
    skin::TbsFrameStrips strips;
    skin::BuildFrameStrips(geometry, target, frame, { 0, 0, frame.Width(), frame.Height() }, width, height,
        { f.LeftStretch, f.TopStretch, f.RightStretch, f.BottomStretch }, strips);

    TBitmap window(width, height);
    TCanvas canvas(window);
    const TRect client = target.ClientRect;
    const TRect tile = f.ClientRect;
    for (int y = client.Top; y < client.Bottom; y += tile.Height())
        for (int x = client.Left; x < client.Right; x += tile.Width())
            canvas.BitBlt(x, y, std::min(tile.Width(), client.Right - x), std::min(tile.Height(), client.Bottom - y), frame,
                tile.Left, tile.Top);
    canvas.Draw(0, 0, strips.Top);
    canvas.Draw(0, strips.Top.Height(), strips.Left);
    canvas.Draw(width - strips.Right.Width(), strips.Top.Height(), strips.Right);
    canvas.Draw(0, height - strips.Bottom.Height(), strips.Bottom);

    auto cell = [&](const skin::TbsDataSkinStdButton& button) {
        if (!look.Active)
            return button.InActiveSkinRect;
        if (look.Pressed && button.IDName() == look.Pressed)
            return button.DownRect;
        if (look.Hot && button.IDName() == look.Hot)
            return button.ActiveSkinRect;
        return button.SkinRect;
    };
    const TRect captionRect = Offset(f.CaptionRect, 0, 0);
    int x = captionRect.Right + (width - frame.Width());
    for (const char* name : { "closebutton", "maxbutton", "minbutton", "rollupbutton" }) {
        const auto& button = Object<skin::TbsDataSkinStdButton>(name);
        const TRect from = cell(button);
        canvas.BitBlt(x - from.Width(), captionRect.Top, from.Width(), from.Height(),
            *m_data.ActivePicture(button.ActivePictureIndex), from.Left, from.Top);
        x -= from.Width() + f.ButtonsOffset;
    }
    const auto& sysMenu = Object<skin::TbsDataSkinStdButton>("sysmenubutton");
    const TRect icon = cell(sysMenu);
    const int iconTop = captionRect.Top + captionRect.Height() / 2 - icon.Height() / 2;
    canvas.BitBlt(captionRect.Left, iconTop, icon.Width(), icon.Height(), *m_data.ActivePicture(sysMenu.ActivePictureIndex),
        icon.Left, icon.Top);

    // The caption object spans from the icon's right to the last button's
    // left plus the gap; its text rectangle grows with it.
    const auto& captionObject = Object<skin::TbsDataSkinCaption>("caption1");
    const int objectLeft = captionRect.Left + icon.Width();
    const int objectRight = x + f.ButtonsOffset;
    const int grow = (objectRight - objectLeft) - captionObject.SkinRect.Width();
    TRect textRect = captionObject.TextRect;
    textRect.Right += grow;
    OffsetRect(textRect, objectLeft, captionObject.SkinRect.Top);
    canvas.Font.Name = captionObject.FontName;
    canvas.Font.Height = captionObject.FontHeight;
    canvas.Font.Style = captionObject.FontStyle;
    canvas.Font.Color = look.Active ? captionObject.ActiveFontColor : captionObject.FontColor;
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const std::string shown = skin::FitTextToWidth(canvas, caption, textRect.Width());
    canvas.TextOut(textRect.Left, textRect.Top + textRect.Height() / 2 - canvas.TextHeight(shown) / 2, shown);
    return window;
}

// The system menu as the skinned popup draws it: the window picture cut for
// the menu's size, the items cut from the menu item picture.
TBitmap OwnSkin::ComposeSystemMenu(int hotItem) const
{
    struct Line {
        const char* Caption;
        const char* Shortcut;
        void (*Glyph)(TCanvas&, int, int, gfx::TColor);
    };
    const std::vector<Line> lines { { "最小化(&N)", "", skin::DrawMinimizeGlyph },
        { "最大化(&X)", "", skin::DrawMaximizeGlyph }, { "卷起(&L)", "", skin::DrawTriangleUpGlyph },
        { "-", "", nullptr }, { "关闭(&C)", "Alt+F4", skin::DrawCloseGlyph } };
    const skin::TbsDataSkinPopupWindow& popup = m_data.PopupWindow();
    const TBitmap& windowPicture = *m_data.ActivePicture(popup.WindowPictureIndex);
    const auto& item = Object<skin::TbsDataSkinMenuItem>("MENUITEM");
    const TBitmap& items = *m_data.ActivePicture(item.ActivePictureIndex);

    TBitmap scratch(1, 1);
    TCanvas measure(scratch);
    measure.Font.Name = item.FontName;
    measure.Font.Height = item.FontHeight;
    measure.Font.Style = item.FontStyle;
    int textWidth = 0;
    int height = windowPicture.Height() - popup.ItemsRect.Height();
    for (const Line& line : lines) {
        const bool divider = std::string(line.Caption) == "-";
        height += divider ? item.DividerRect.Height() : item.SkinRect.Height();
        const std::string text = *line.Shortcut ? std::string(line.Caption) + "  " + line.Shortcut : line.Caption;
        textWidth = std::max(textWidth, measure.TextWidth(text));
    }
    const int w = textWidth + 2 + 19 + 19;
    const int width = windowPicture.Width() - popup.ItemsRect.Width() + (item.SkinRect.Width() - item.TextRect.Width()) + w;

    const skin::TbsSkinGeometry geometry { popup.LTPoint, popup.RTPoint, popup.LBPoint, popup.RBPoint, popup.ItemsRect };
    const skin::TbsSkinGeometry target =
        skin::NewSkinGeometry(geometry, { windowPicture.Width(), windowPicture.Height() }, width, height);
    TBitmap menu;
    skin::BuildSkinImage(geometry, target, menu, windowPicture, { 0, 0, windowPicture.Width(), windowPicture.Height() },
        width, height, false, { popup.LeftStretch, popup.TopStretch, popup.RightStretch, popup.BottomStretch });
    TCanvas canvas(menu);
    canvas.Font = measure.Font;
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const int itemWidth = target.ClientRect.Width();
    int y = target.ClientRect.Top;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        TBitmap image;
        if (!line.Glyph) {
            skin::BuildHorzSkinImage(item.DividerLO, item.DividerRO, image, itemWidth, item.DividerRect, items);
            canvas.Draw(target.ClientRect.Left, y, image);
            y += image.Height();
            continue;
        }
        const bool hot = static_cast<int>(i) == hotItem;
        skin::BuildHorzSkinImage(item.ItemLO, item.ItemRO, image, itemWidth, hot ? item.ActiveSkinRect : item.SkinRect, items);
        canvas.Draw(target.ClientRect.Left, y, image);
        const gfx::TColor color = hot ? item.ActiveFontColor : item.FontColor;
        TRect text = item.TextRect;
        text.Right += itemWidth - item.SkinRect.Width();
        OffsetRect(text, target.ClientRect.Left, y);
        line.Glyph(canvas, text.Left + 2, text.Top + text.Height() / 2 - 4, color);
        canvas.Font.Color = color;
        TRect captionRect { text.Left + 16, text.Top, text.Right, text.Bottom };
        canvas.DrawText(line.Caption, captionRect, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
        if (*line.Shortcut) {
            TRect shortcutRect { text.Left + 16, text.Top, text.Right - 16, text.Bottom };
            canvas.DrawText(line.Shortcut, shortcutRect, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT);
        }
        y += image.Height();
    }
    return menu;
}

void WriteSnapshot(const TBitmap& picture, const std::string& name)
{
    const char* folder = std::getenv("VELTRIN_SNAPSHOT_DIR");
    if (!folder)
        return;
    std::filesystem::create_directories(folder);
    picture.SaveToPngFile((std::filesystem::path(folder) / name).string());
}

} // namespace

TEST_F(OwnSkin, PicturesAndRecordsHaveTheQuotedGeometry)
{
    EXPECT_EQ(m_data.Picture().Width(), 160);
    EXPECT_EQ(m_data.Picture().Height(), 145);
    const TBitmap& popup = *m_data.ActivePicture(m_data.PopupWindow().WindowPictureIndex);
    EXPECT_EQ(popup.Width(), 99);
    EXPECT_EQ(popup.Height(), 63);
    EXPECT_EQ(m_data.PopupWindow().ItemsRect, (TRect { 12, 2, 97, 61 }));
    const auto& item = Object<skin::TbsDataSkinMenuItem>("MENUITEM");
    EXPECT_EQ(item.SkinRect.Width(), 48);
    EXPECT_EQ(item.SkinRect.Height(), 20);
    EXPECT_EQ(item.DividerRect.Width(), 49);
    EXPECT_EQ(item.DividerRect.Height(), 5);
    EXPECT_TRUE(item.Morphing);
    EXPECT_EQ(item.FontName, "微软雅黑"); // stored as GBK
    for (const char* name : { "closebutton", "maxbutton", "minbutton", "rollupbutton" }) {
        const auto& button = Object<skin::TbsDataSkinStdButton>(name);
        for (const TRect& r : { button.SkinRect, button.ActiveSkinRect, button.DownRect, button.InActiveSkinRect }) {
            EXPECT_EQ(r.Width(), 18) << name;
            EXPECT_EQ(r.Height(), 17) << name;
        }
    }
    EXPECT_FALSE(Object<skin::TbsDataSkinStdButton>("maxbutton").RestoreRect.IsEmpty());
    EXPECT_FALSE(Object<skin::TbsDataSkinStdButton>("rollupbutton").RestoreActiveRect.IsEmpty());
    const auto& sysMenu = Object<skin::TbsDataSkinStdButton>("sysmenubutton");
    EXPECT_EQ(sysMenu.SkinRect.Width(), 13);
    EXPECT_EQ(sysMenu.SkinRect.Height(), 13);
    EXPECT_EQ(sysMenu.Command, skin::TbsStdCommand::cmSysMenu);
    const auto& caption = Object<skin::TbsDataSkinCaption>("caption1");
    EXPECT_EQ(caption.SkinRect, (TRect { 4, 11, 156, 26 }));
    EXPECT_EQ(caption.TextRect, (TRect { 5, 0, 152, 3 }));
}

// The areas the frame's hit test reads for a 746 x 535 window, each checked at
// the point whose result the main window's frame is known by: (2, 2) resizes
// from the top-left corner (13), (100, 1) from the top edge (12), (100, 10) is
// plain frame (19) and (100, 100) client (1). The caption object still covers
// the whole width of the bar below that, so the window can be moved (2).
TEST_F(OwnSkin, FrameAreasGiveTheMainWindowsHitTestResults)
{
    const int width = 746;
    const int height = 535;
    const skin::SkinFormInfo& f = m_data.FormInfo();
    const TRect client = skin::NewSkinGeometry(FrameGeometry(), { 160, 145 }, width, height).ClientRect;
    const int border = f.BorderWidth;
    auto nearEdge = [&](int x, int y) { return x - border < 0 || y - border < 0 || x + border >= width || y + border >= height; };
    // The caption object keeps its rows at any width (it lies in the top zones
    // of the frame picture); the frame lays out its sides, from the system-menu
    // button to the caption buttons, so at x = 100 only its rows decide.
    const TRect captionRows = Object<skin::TbsDataSkinCaption>("caption1").SkinRect;
    auto inCaption = [&](int y) { return y >= captionRows.Top && y < captionRows.Bottom; };
    const gfx::TPoint rightTop { f.HitTestRTPoint.X + width - 160, f.HitTestRTPoint.Y };

    // (2, 2): near the edge, left of and above the left-top hit-test point.
    EXPECT_TRUE(nearEdge(2, 2));
    EXPECT_LE(2, f.HitTestLTPoint.X);
    EXPECT_LE(2, f.HitTestLTPoint.Y);

    // (100, 1): near the edge, in the top band between the top hit-test points.
    EXPECT_TRUE(nearEdge(100, 1));
    EXPECT_GT(100, f.HitTestLTPoint.X);
    EXPECT_LT(100, rightTop.X);
    EXPECT_LT(1, client.Top);

    // (100, 10): not near an edge, outside the client and the caption object.
    EXPECT_FALSE(nearEdge(100, 10));
    EXPECT_FALSE(gfx::PtInRect(client, { 100, 10 }));
    EXPECT_FALSE(inCaption(10));

    // (100, 100): the client.
    EXPECT_TRUE(gfx::PtInRect(client, { 100, 100 }));

    // The caption object spans rows of the frame that are neither edge nor client.
    for (int y = captionRows.Top; y < captionRows.Bottom; ++y) {
        EXPECT_FALSE(nearEdge(100, y)) << y;
        EXPECT_FALSE(gfx::PtInRect(client, { 100, y })) << y;
        EXPECT_TRUE(inCaption(y)) << y;
    }
    EXPECT_GE(captionRows.Height(), 10);
}

TEST_F(OwnSkin, NormalButtonsMeltIntoTheCaption)
{
    // A caption button at rest shows exactly the caption under it (rows 4 to
    // 20), so the fade to its hot look starts from the frame itself.
    const TBitmap& frame = m_data.Picture();
    for (const char* name : { "closebutton", "maxbutton", "minbutton", "rollupbutton" }) {
        const auto& button = Object<skin::TbsDataSkinStdButton>(name);
        const TBitmap& picture = *m_data.ActivePicture(button.ActivePictureIndex);
        for (int y = 0; y < button.SkinRect.Height(); ++y) {
            EXPECT_EQ(picture.GetPixel(button.SkinRect.Left, button.SkinRect.Top + y), frame.GetPixel(80, 4 + y))
                << name << " row " << y;
            EXPECT_EQ(picture.GetPixel(button.SkinRect.Right - 1, button.SkinRect.Top + y), frame.GetPixel(80, 4 + y))
                << name << " row " << y;
        }
    }
}

TEST_F(OwnSkin, BuildsTheMainWindowFrameAt746By535)
{
    // 738 x 505 client pixels plus 4 + 4 wide and 26 + 4 high of frame.
    const TBitmap& frame = m_data.Picture();
    const skin::TbsSkinGeometry target = skin::NewSkinGeometry(FrameGeometry(), { 160, 145 }, 746, 535);
    EXPECT_EQ(target.ClientRect, (TRect { 4, 26, 742, 531 }));

    const TBitmap window = ComposeWindow(746, 535, "Veltrin 笔记管理", {});
    EXPECT_EQ(window.GetPixel(0, 0), frame.GetPixel(0, 0));
    EXPECT_EQ(window.GetPixel(745, 534), frame.GetPixel(159, 144));
    EXPECT_EQ(window.GetPixel(745, 0), frame.GetPixel(159, 0));
    EXPECT_EQ(window.GetPixel(3, 300), frame.GetPixel(3, 80));
    // The stretched caption keeps each row's colour across the whole width.
    for (int y = 0; y < 26; ++y)
        EXPECT_EQ(window.GetPixel(400, y), frame.GetPixel(80, y)) << y;
    WriteSnapshot(window, "own-skin-frame-746x535.png");

    // The close button's hot look fills (724, 4, 742, 21) and nothing beyond.
    const TBitmap hot = ComposeWindow(746, 535, "Veltrin 笔记管理", { true, "closebutton", nullptr });
    const auto& close = Object<skin::TbsDataSkinStdButton>("closebutton");
    const TBitmap& buttons = *m_data.ActivePicture(close.ActivePictureIndex);
    EXPECT_EQ(hot.GetPixel(733, 5), buttons.GetPixel(close.ActiveSkinRect.Left + 9, close.ActiveSkinRect.Top + 1));
    EXPECT_NE(hot.GetPixel(733, 5), frame.GetPixel(80, 5));
    EXPECT_EQ(hot.GetPixel(742, 5), frame.GetPixel(156, 5));
    EXPECT_EQ(hot.GetPixel(723, 12), frame.GetPixel(80, 12));

    WriteSnapshot(ComposeWindow(420, 160, "关闭按钮悬停时的窗口标题很长很长很长很长很长", { true, "closebutton", nullptr }),
        "own-skin-frame-close-hot.png");
    WriteSnapshot(ComposeWindow(420, 160, "最大化按钮按下", { true, nullptr, "maxbutton" }), "own-skin-frame-max-pressed.png");
    WriteSnapshot(ComposeWindow(420, 160, "最小化按钮悬停", { true, "minbutton", nullptr }), "own-skin-frame-min-hot.png");
    WriteSnapshot(ComposeWindow(420, 160, "不活动的窗口", { false, nullptr, nullptr }), "own-skin-frame-inactive.png");
}

TEST_F(OwnSkin, SystemMenuIsEightyNinePixelsHigh)
{
    // Four items of 20 pixels, one divider of 5, and the window's 4.
    const TBitmap menu = ComposeSystemMenu(1);
    EXPECT_EQ(menu.Height(), 89);
    WriteSnapshot(menu, "own-skin-system-menu.png");
}
