#include "skin/EmbeddedSkin.h"
#include "skin/SkinControlRecords.h"
#include "skin/SkinIniFile.h"
#include "skin/StoredSkinStream.h"
#include "skin/TbsSkinData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

skin::TbsCompressedStoredSkin EmbeddedContainer()
{
    skin::TbsCompressedStoredSkin stored;
    stored.SetCompressedData(skin::EmbeddedSkinBytes());
    return stored;
}

} // namespace

TEST(EmbeddedSkin, IsAVersionThreeStreamWithTheFramePictureAndItsIniLines)
{
    if (skin::EmbeddedSkinBytes().empty())
        GTEST_SKIP() << "the build found no skin in assets/skin, so the program embeds none";
    std::span<const std::uint8_t> bytes = skin::EmbeddedSkinBytes();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0x78);
    EXPECT_EQ(bytes[1], 0xDA);

    skin::StoredSkinLayout layout;
    skin::StoredSkin stored = skin::ReadStoredSkin(EmbeddedContainer().Decompress(), &layout);
    EXPECT_EQ(layout.Version, 3);
    EXPECT_EQ(stored.Picture.Width(), 160);
    EXPECT_EQ(stored.Picture.Height(), 145);
    EXPECT_TRUE(stored.InactivePicture.Empty());
    EXPECT_TRUE(stored.Mask.Empty());
    EXPECT_FALSE(stored.ActivePictures.empty());
    std::vector<std::string> lines = skin::SplitTextLines(stored.IniText);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "[VERSION]");
    EXPECT_EQ(layout.IniLineCount, lines.size());
}

TEST(EmbeddedSkin, LoadsWithTheFrameGeometryOfTheProgramsSkin)
{
    if (skin::EmbeddedSkinBytes().empty())
        GTEST_SKIP() << "the build found no skin in assets/skin, so the program embeds none";
    skin::TbsSkinData data;
    std::string error;
    data.OnLoadError = [&](const std::string& reason) { error = reason; };
    skin::TbsCompressedStoredSkin stored = EmbeddedContainer();
    data.SetCompressedStoredSkin(&stored);
    ASSERT_FALSE(data.IsEmpty()) << error;
    EXPECT_TRUE(data.MaskName().empty());

    const skin::SkinFormInfo& f = data.FormInfo();
    EXPECT_EQ(f.LTPoint, gfx::Point(8, 30));
    EXPECT_EQ(f.RTPoint, gfx::Point(150, 31));
    EXPECT_EQ(f.LBPoint, gfx::Point(6, 137));
    EXPECT_EQ(f.RBPoint, gfx::Point(154, 139));
    EXPECT_EQ(f.ClientRect, gfx::Rect(4, 26, 156, 141));
    EXPECT_EQ(f.BGPictureIndex, -1);
    EXPECT_EQ(f.MDIBGPictureIndex, -1);
    EXPECT_TRUE(f.LeftStretch);
    EXPECT_TRUE(f.RightStretch);
    EXPECT_TRUE(f.TopStretch);
    EXPECT_FALSE(f.BottomStretch);
    EXPECT_EQ(f.MaskRectArea, gfx::Rect(4, 34, 197, 169));
    EXPECT_EQ(f.HitTestLTPoint, gfx::Point(6, 7));
    EXPECT_EQ(f.HitTestRTPoint, gfx::Point(153, 5));
    EXPECT_EQ(f.HitTestLBPoint, gfx::Point(5, 138));
    EXPECT_EQ(f.HitTestRBPoint, gfx::Point(151, 135));
    EXPECT_EQ(f.ButtonsRect, gfx::Rect(0, 0, 0, 0));
    EXPECT_EQ(f.CaptionRect, gfx::Rect(4, 4, 156, 21));
    EXPECT_EQ(f.ButtonsOffset, 2);
    EXPECT_FALSE(f.ButtonsInLeft);
    EXPECT_FALSE(f.MainMenuPopupUp);
    EXPECT_EQ(f.BorderWidth, 3);
    EXPECT_FALSE(f.AutoRenderingInActiveImage);
    EXPECT_EQ(f.InActiveEffect, skin::TbsInactiveEffect::ieBrightness);

    // The parts the frame and its menus look up.
    for (const char* name : { "caption1", "closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton" })
        EXPECT_NE(data.IndexOfSkinObject(name), -1) << name;
    bool hasMenuItem = false;
    for (const auto& record : data.SkinObjects())
        hasMenuItem = hasMenuItem || dynamic_cast<const skin::TbsDataSkinMenuItem*>(record.get()) != nullptr;
    EXPECT_TRUE(hasMenuItem);
    EXPECT_NE(data.ActivePicture(data.PopupWindow().WindowPictureIndex), nullptr);
}

TEST(EmbeddedSkin, HoldsTheAssetPicturesAndIniLinesUnchanged)
{
    if (skin::EmbeddedSkinBytes().empty())
        GTEST_SKIP() << "the build found no skin in assets/skin, so the program embeds none";
    const char* sourceDir = std::getenv("VELTRIN_SOURCE_DIR");
    if (sourceDir == nullptr)
        GTEST_SKIP() << "VELTRIN_SOURCE_DIR is not set (run the tests through ctest)";
    std::filesystem::path folder = std::filesystem::path(sourceDir) / "assets" / "skin";

    skin::TbsSkinData data;
    skin::TbsCompressedStoredSkin stored = EmbeddedContainer();
    data.LoadFromStoredSkin(stored);
    ASSERT_FALSE(data.IsEmpty());

    gfx::TBitmap frame;
    frame.LoadFromFile((folder / data.PictureName()).string());
    EXPECT_EQ(data.Picture(), frame);
    ASSERT_EQ(static_cast<std::size_t>(data.ActivePictureCount()), data.ActivePictureNames().size());
    for (int i = 0; i < data.ActivePictureCount(); ++i) {
        gfx::TBitmap picture;
        picture.LoadFromFile((folder / data.ActivePictureNames()[static_cast<std::size_t>(i)]).string());
        EXPECT_EQ(*data.ActivePicture(i), picture) << data.ActivePictureNames()[static_cast<std::size_t>(i)];
    }

    std::vector<std::uint8_t> ini = skin::ReadFileBytes(folder / "skin.ini");
    skin::StoredSkin embedded = skin::ReadStoredSkin(stored.Decompress());
    EXPECT_EQ(skin::SplitTextLines(embedded.IniText), skin::SplitTextLines(std::string(ini.begin(), ini.end())));
}

namespace {

// Whether every rectangle lies within the picture (empty ones are "none").
::testing::AssertionResult InsidePicture(const gfx::TBitmap& picture, std::initializer_list<gfx::TRect> rects)
{
    for (const gfx::TRect& r : rects) {
        if (r.IsEmpty())
            continue;
        if (r.Left < 0 || r.Top < 0 || r.Right > picture.Width() || r.Bottom > picture.Height())
            return ::testing::AssertionFailure() << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom
                                                 << " lies outside the " << picture.Width() << " x "
                                                 << picture.Height() << " picture";
    }
    return ::testing::AssertionSuccess();
}

} // namespace

// Every element name the program's skinned controls look up has its record,
// and every image a record names lies within its picture; a mask has exactly
// the size of the image it shapes.
TEST(EmbeddedSkin, HasARecordWithItsPicturesForEveryControlOfTheProgram)
{
    if (skin::EmbeddedSkinBytes().empty())
        GTEST_SKIP() << "the build found no skin in assets/skin, so the program embeds none";
    skin::TbsSkinData data;
    skin::TbsCompressedStoredSkin stored = EmbeddedContainer();
    data.LoadFromStoredSkin(stored);
    ASSERT_FALSE(data.IsEmpty());

    const std::pair<const char*, skin::SkinControlKind> expected[] = { { "button", skin::SkinControlKind::Button },
        { "toolbutton", skin::SkinControlKind::Button }, { "resizebutton", skin::SkinControlKind::Button },
        { "toolpanel", skin::SkinControlKind::Panel }, { "panel", skin::SkinControlKind::Panel },
        { "groupbox", skin::SkinControlKind::Panel }, { "bevel", skin::SkinControlKind::Bevel },
        { "tooledit", skin::SkinControlKind::Edit }, { "edit", skin::SkinControlKind::Edit },
        { "buttonedit", skin::SkinControlKind::Edit }, { "memo", skin::SkinControlKind::Memo },
        { "vscrollbar", skin::SkinControlKind::ScrollBar }, { "hscrollbar", skin::SkinControlKind::ScrollBar },
        { "bothhscrollbar", skin::SkinControlKind::ScrollBar }, { "vsplitter", skin::SkinControlKind::Splitter },
        { "hsplitter", skin::SkinControlKind::Splitter }, { "treeview", skin::SkinControlKind::TreeView } };
    for (const auto& [name, kind] : expected) {
        SCOPED_TRACE(name);
        const int index = data.IndexOfSkinControl(name);
        ASSERT_NE(index, -1);
        const skin::TbsDataSkinControl& record = *data.SkinControls()[static_cast<std::size_t>(index)];
        EXPECT_EQ(record.Kind(), kind);
        const auto* custom = dynamic_cast<const skin::TbsDataSkinCustomControl*>(&record);
        if (!custom)
            continue;
        const gfx::TBitmap* picture = data.ActivePicture(custom->PictureIndex);
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(custom->SkinRect.IsEmpty());
        EXPECT_TRUE(InsidePicture(*picture, { custom->SkinRect }));
        if (const auto* button = dynamic_cast<const skin::TbsDataSkinButtonControl*>(custom)) {
            EXPECT_TRUE(InsidePicture(*picture, { button->ActiveSkinRect, button->DownSkinRect, button->DisabledSkinRect }));
        }
        if (const auto* panel = dynamic_cast<const skin::TbsDataSkinPanelControl*>(custom)) {
            EXPECT_TRUE(InsidePicture(*picture, { panel->CheckImageRect, panel->UnCheckImageRect }));
        }
        if (const auto* edit = dynamic_cast<const skin::TbsDataSkinEditControl*>(custom)) {
            EXPECT_TRUE(InsidePicture(*picture,
                { edit->ActiveSkinRect, edit->ActiveButtonRect, edit->DownButtonRect, edit->UnEnabledButtonRect }));
        }
        if (const auto* bar = dynamic_cast<const skin::TbsDataSkinScrollBarControl*>(custom)) {
            EXPECT_TRUE(InsidePicture(*picture,
                { bar->ActiveUpButtonRect, bar->DownUpButtonRect, bar->ActiveDownButtonRect, bar->DownDownButtonRect,
                    bar->ThumbRect, bar->ActiveThumbRect, bar->DownThumbRect, bar->GlyphRect, bar->ActiveGlyphRect,
                    bar->DownGlyphRect }));
        }
        if (custom->MaskPictureIndex != -1) {
            const gfx::TBitmap* mask = data.ActivePicture(custom->MaskPictureIndex);
            ASSERT_NE(mask, nullptr);
            EXPECT_EQ(mask->Width(), custom->SkinRect.Width());
            EXPECT_EQ(mask->Height(), custom->SkinRect.Height());
        }
    }

    const skin::TbsDataSkinHintWindow& hint = data.HintWindow();
    const gfx::TBitmap* hintPicture = data.ActivePicture(hint.WindowPictureIndex);
    const gfx::TBitmap* hintMask = data.ActivePicture(hint.MaskPictureIndex);
    ASSERT_NE(hintPicture, nullptr);
    ASSERT_NE(hintMask, nullptr);
    EXPECT_EQ(hintMask->Width(), hintPicture->Width());
    EXPECT_EQ(hintMask->Height(), hintPicture->Height());
}
