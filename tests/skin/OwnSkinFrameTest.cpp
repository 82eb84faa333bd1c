// The program's own skin (assets/skin) cut with the painting primitives: the
// pictures and the INI text carry the geometry the frame and the menus are laid
// out for, and the frame built for the main window's size is written as a PNG
// snapshot together with the caption buttons and the system menu.

#include "skin/SkinGeometry.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinText.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextFormat.h"
#include "platform/text/Gbk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

TBitmap Picture(const char* name)
{
    TBitmap picture;
    picture.LoadFromFile((SkinFolder() / name).string());
    return picture;
}

std::vector<std::string> IniLines()
{
    std::ifstream file(SkinFolder() / "skin.ini", std::ios::binary);
    const std::string gbk { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    const std::string text = text::GbkToUtf8(gbk);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return lines;
}

// The lines of one section, without its header.
std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& name)
{
    std::vector<std::string> result;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + name + "]";
            continue;
        }
        if (inside && !line.empty())
            result.push_back(line);
    }
    return result;
}

bool Has(const std::vector<std::string>& section, const std::string& line)
{
    return std::find(section.begin(), section.end(), line) != section.end();
}

// The value of a key of a section ("" when missing).
std::string Value(const std::vector<std::string>& lines, const std::string& section, const std::string& key)
{
    for (const std::string& line : Section(lines, section))
        if (line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    return {};
}

// The font a section of the skin names.
gfx::TFont SkinFont(const std::string& section)
{
    const std::vector<std::string> lines = IniLines();
    gfx::TFont font;
    font.Name = Value(lines, section, "fontname");
    font.Height = std::stoi(Value(lines, section, "fontheight"));
    if (Value(lines, section, "fontstyle").find("fsbold") != std::string::npos)
        font.Style = { gfx::TFontStyle::fsBold };
    return font;
}

gfx::TColor SkinColor(const std::string& section, const std::string& key)
{
    return std::stoi(Value(IniLines(), section, key));
}

// The frame geometry of FORMINFO.
const skin::TbsSkinGeometry kFrame { { 8, 30 }, { 150, 31 }, { 6, 137 }, { 154, 139 }, { 4, 26, 156, 141 } };
const skin::TbsStretchFlags kFrameStretch { true, true, true, false };

// Caption button cells in active.bmp: rows close, maximize, restore,
// minimize, roll-up, unroll; columns normal, hot, pressed, inactive.
TRect ButtonCell(int row, int state) { return gfx::Bounds(state * 18, row * 17, 18, 17); }
TRect SysMenuCell(int state) { return gfx::Bounds(state * 13, 6 * 17, 13, 13); }

void Blit(TBitmap& target, int x, int y, const TBitmap& source, const TRect& from)
{
    TCanvas canvas(target);
    canvas.BitBlt(x, y, from.Width(), from.Height(), source, from.Left, from.Top);
}

// The window's frame at width x height as the skinned form paints it: the
// four strips, the client tiled with the frame picture's client, the
// system-menu icon, the caption text and the buttons laid out from the right.
TBitmap ComposeWindow(int width, int height, const std::string& caption, bool active, int hotButton, int pressedButton)
{
    const TBitmap frame = Picture("frame.bmp");
    const TBitmap buttons = Picture("active.bmp");
    const skin::TbsSkinGeometry target = skin::NewSkinGeometry(kFrame, { frame.Width(), frame.Height() }, width, height);
    skin::TbsFrameStrips strips;
    skin::BuildFrameStrips(kFrame, target, frame, { 0, 0, frame.Width(), frame.Height() }, width, height, kFrameStretch,
        strips);

    TBitmap window(width, height);
    TCanvas canvas(window);
    const TRect client = target.ClientRect;
    for (int y = client.Top; y < client.Bottom; y += kFrame.ClientRect.Height())
        for (int x = client.Left; x < client.Right; x += kFrame.ClientRect.Width())
            canvas.BitBlt(x, y, std::min(kFrame.ClientRect.Width(), client.Right - x),
                std::min(kFrame.ClientRect.Height(), client.Bottom - y), frame, kFrame.ClientRect.Left,
                kFrame.ClientRect.Top);
    canvas.Draw(0, 0, strips.Top);
    canvas.Draw(0, strips.Top.Height(), strips.Left);
    canvas.Draw(width - strips.Right.Width(), strips.Top.Height(), strips.Right);
    canvas.Draw(0, height - strips.Bottom.Height(), strips.Bottom);

    const int inactive = active ? 0 : 3;
    // Buttons from the right end of the caption rectangle, two pixels apart:
    // close, maximize, minimize, roll-up.
    const int rows[] = { 0, 1, 3, 4 };
    int x = 156 + (width - frame.Width());
    for (int i = 0; i < 4; ++i) {
        int state = inactive;
        if (i == hotButton)
            state = 1;
        if (i == pressedButton)
            state = 2;
        Blit(window, x - 18, 4, buttons, ButtonCell(rows[i], state));
        x -= 18 + 2;
    }
    Blit(window, 4, 6, buttons, SysMenuCell(inactive));

    // Caption text: "textrect" 5,0,152,17 of the caption object, which spans
    // from the icon's right (17) to the last button's left plus the gap.
    const int captionLeft = 17;
    const int captionRight = x + 2;
    const TRect textRect { captionLeft + 5, 4, captionRight - 5, 21 };
    canvas.Font = SkinFont("caption1");
    canvas.Font.Color = SkinColor("caption1", active ? "activefontcolor" : "fontcolor");
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const std::string shown = skin::FitTextToWidth(canvas, caption, textRect.Width());
    const int textTop = textRect.Top + textRect.Height() / 2 - canvas.TextHeight(shown) / 2;
    canvas.TextOut(textRect.Left, textTop, shown);
    return window;
}

struct MenuLine {
    const char* caption;
    const char* shortcut;
    int glyph; // 0 none, 1 minimize, 2 maximize, 3 roll-up, 4 close
};

// The system menu as the skinned popup draws it: the window picture cut for
// the menu's size, the items cut from the menu item picture.
TBitmap ComposeSystemMenu(int hotItem)
{
    const TBitmap windowPicture = Picture("pw.bmp");
    const TBitmap items = Picture("menuitems.bmp");
    const std::vector<MenuLine> lines { { "最小化(&N)", "", 1 }, { "最大化(&X)", "", 2 }, { "卷起(&L)", "", 3 },
        { "-", "", 0 }, { "关闭(&C)", "Alt+F4", 4 } };
    TBitmap scratch(1, 1);
    TCanvas measure(scratch);
    measure.Font = SkinFont("MENUITEM");
    int textWidth = 0;
    for (const MenuLine& line : lines) {
        std::string text = line.caption;
        if (*line.shortcut)
            text += std::string("  ") + line.shortcut;
        textWidth = std::max(textWidth, measure.TextWidth(text));
    }
    const TRect itemsRect { 12, 2, 97, 61 };
    const TRect itemRect { 0, 0, 48, 20 };
    const TRect textRect { 2, 0, 46, 20 };
    const int w = textWidth + 2 + 19 + 19;
    const int width = windowPicture.Width() - itemsRect.Width() + (itemRect.Width() - textRect.Width()) + w;
    const int height = 4 * 20 + 5 + windowPicture.Height() - itemsRect.Height();
    EXPECT_EQ(height, 89);

    const skin::TbsSkinGeometry geometry { { 12, 2 }, { 97, 2 }, { 12, 61 }, { 97, 61 }, itemsRect };
    const skin::TbsSkinGeometry target = skin::NewSkinGeometry(geometry, { 99, 63 }, width, height);
    TBitmap menu;
    skin::BuildSkinImage(geometry, target, menu, windowPicture, { 0, 0, 99, 63 }, width, height, false,
        { true, true, true, true });
    TCanvas canvas(menu);
    canvas.Font = measure.Font;
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const int itemWidth = target.ClientRect.Width();
    int y = target.ClientRect.Top;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MenuLine& line = lines[i];
        TBitmap item;
        if (std::string(line.caption) == "-") {
            skin::BuildHorzSkinImage(8, 4, item, itemWidth, { 0, 40, 49, 45 }, items);
            canvas.Draw(target.ClientRect.Left, y, item);
            y += 5;
            continue;
        }
        const bool hot = static_cast<int>(i) == hotItem;
        skin::BuildHorzSkinImage(4, 4, item, itemWidth, hot ? TRect { 0, 20, 48, 40 } : itemRect, items);
        canvas.Draw(target.ClientRect.Left, y, item);
        const gfx::TColor color = SkinColor("MENUITEM", hot ? "activefontcolor" : "fontcolor");
        const int textLeft = target.ClientRect.Left + textRect.Left;
        const int textRight = target.ClientRect.Left + textRect.Right + itemWidth - itemRect.Width();
        const int glyphX = textLeft + 2;
        const int glyphY = y + 10 - 4;
        switch (line.glyph) {
        case 1: skin::DrawMinimizeGlyph(canvas, glyphX, glyphY - 2, color); break;
        case 2: skin::DrawMaximizeGlyph(canvas, glyphX, glyphY - 1, color); break;
        case 3: skin::DrawTriangleUpGlyph(canvas, glyphX, glyphY - 2, color); break;
        case 4: skin::DrawCloseGlyph(canvas, glyphX, glyphY - 1, color); break;
        }
        canvas.Font.Color = color;
        TRect captionRect { textLeft + 16, y, textRight, y + 20 };
        canvas.DrawText(line.caption, captionRect, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
        if (*line.shortcut) {
            TRect shortcutRect { textLeft + 16, y, textRight - 16, y + 20 };
            canvas.DrawText(line.shortcut, shortcutRect, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT);
        }
        y += 20;
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

TEST(OwnSkinPictures, HaveTheSizesTheFrameAndMenusAreLaidOutFor)
{
    const TBitmap frame = Picture("frame.bmp");
    EXPECT_EQ(frame.Width(), 160);
    EXPECT_EQ(frame.Height(), 145);
    const TBitmap popup = Picture("pw.bmp");
    EXPECT_EQ(popup.Width(), 99);
    EXPECT_EQ(popup.Height(), 63);
    const TBitmap items = Picture("menuitems.bmp");
    EXPECT_GE(items.Width(), 49);
    EXPECT_GE(items.Height(), 45);
    const TBitmap buttons = Picture("active.bmp");
    EXPECT_GE(buttons.Width(), 4 * 18);
    EXPECT_GE(buttons.Height(), 6 * 17 + 13);
    const TBitmap hint = Picture("hw.bmp");
    EXPECT_EQ(hint.Width(), 29);
    EXPECT_EQ(hint.Height(), 15);
}

TEST(OwnSkinIni, CarriesTheFrameAndMenuGeometry)
{
    const std::vector<std::string> lines = IniLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "[VERSION]");
    const auto form = Section(lines, "FORMINFO");
    for (const char* line : { "lefttoppoint=8,30", "righttoppoint=150,31", "leftbottompoint=6,137",
             "rightbottompoint=154,139", "clientrect=4,26,156,141", "leftstretch=1", "rightstretch=1", "topstretch=1",
             "bottomstretch=0", "hittestlefttoppoint=6,7", "hittestrighttoppoint=153,5", "hittestleftbottompoint=5,138",
             "hittestrightbottompoint=151,135", "captionrect=4,4,156,21", "buttonsoffset=2", "borderwidth=3",
             "buttonsrect=0,0,0,0", "buttonsinleft=0" })
        EXPECT_TRUE(Has(form, line)) << line;
    const auto popup = Section(lines, "POPUPWINDOW");
    EXPECT_TRUE(Has(popup, "itemsrect=12,2,97,61"));
    EXPECT_TRUE(Has(popup, "windowpictureindex=0"));
    const auto item = Section(lines, "MENUITEM");
    EXPECT_TRUE(Has(item, "skinrect=0,0,48,20"));
    EXPECT_TRUE(Has(item, "dividerrect=0,40,49,45"));
    EXPECT_TRUE(Has(item, "fontname=微软雅黑")); // stored as GBK, read back as UTF-8
    const auto close = Section(lines, "closebutton");
    EXPECT_TRUE(Has(close, "skinrect=0,0,18,17"));
    EXPECT_TRUE(Has(close, "command=cmclose"));
    EXPECT_TRUE(Has(Section(lines, "sysmenubutton"), "skinrect=0,102,13,115"));
    EXPECT_TRUE(Has(Section(lines, "caption1"), "textrect=5,0,152,17"));
}

TEST(OwnSkinFrame, BuildsTheMainWindowFrameAt746By535)
{
    // 738 x 505 client pixels plus 4 + 4 wide and 26 + 4 high of frame.
    const TBitmap frame = Picture("frame.bmp");
    const skin::TbsSkinGeometry target = skin::NewSkinGeometry(kFrame, { 160, 145 }, 746, 535);
    EXPECT_EQ(target.ClientRect, (TRect { 4, 26, 742, 531 }));

    const TBitmap window = ComposeWindow(746, 535, "Veltrin 笔记管理", true, -1, -1);
    // Corners come unscaled from the frame picture.
    EXPECT_EQ(window.GetPixel(0, 0), frame.GetPixel(0, 0));
    EXPECT_EQ(window.GetPixel(745, 534), frame.GetPixel(159, 144));
    EXPECT_EQ(window.GetPixel(745, 0), frame.GetPixel(159, 0));
    // The stretched caption keeps each row's colour across the whole width.
    for (int y = 0; y < 26; ++y)
        EXPECT_EQ(window.GetPixel(400, y), frame.GetPixel(80, y)) << y;
    // The close button sits at (724, 4, 742, 21) and melts into the caption.
    const TBitmap buttons = Picture("active.bmp");
    EXPECT_EQ(window.GetPixel(724, 4), buttons.GetPixel(0, 0));
    EXPECT_EQ(window.GetPixel(724, 4), frame.GetPixel(80, 4));
    EXPECT_EQ(window.GetPixel(741, 20), frame.GetPixel(80, 20));
    WriteSnapshot(window, "own-skin-frame-746x535.png");

    // The states side by side: close hot, maximize pressed, an inactive window.
    WriteSnapshot(ComposeWindow(420, 160, "关闭按钮悬停时的窗口标题很长很长很长很长很长", true, 0, -1), "own-skin-frame-close-hot.png");
    WriteSnapshot(ComposeWindow(420, 160, "最大化按钮按下", true, -1, 1), "own-skin-frame-max-pressed.png");
    WriteSnapshot(ComposeWindow(420, 160, "不活动的窗口", false, -1, -1), "own-skin-frame-inactive.png");
}

TEST(OwnSkinMenu, SystemMenuIsEightyNinePixelsHigh)
{
    const TBitmap menu = ComposeSystemMenu(1);
    EXPECT_EQ(menu.Height(), 89);
    WriteSnapshot(menu, "own-skin-system-menu.png");
}
