#include "skin/SkinControlRecords.h"
#include "skin/SkinObjectRecords.h"
#include "skin/SkinWindowRecords.h"

#include <gtest/gtest.h>

using skin::SkinIniFile;

namespace {

SkinIniFile Ini(const std::string& text) { return SkinIniFile(skin::SplitTextLines(text)); }

} // namespace

TEST(SkinRecords, EveryKindTagCreatesItsRecordAndUnknownTagsNone)
{
    const char* controlTags[] = { "button", "menubutton", "panel", "bevel", "edit", "memo", "scrollbar", "treeview",
        "splitter", "expanel", "checkradio", "gauge", "trackbar", "label", "stdlabel", "updown", "grid", "tab",
        "mainmenubar", "controlbar", "checklistbox", "listbox", "combobox", "spinedit", "scrollbox", "slider",
        "listview", "richedit" };
    for (const char* tag : controlTags) {
        auto record = skin::CreateSkinControl(tag, "name");
        ASSERT_NE(record, nullptr) << tag;
        EXPECT_EQ(skin::KindTag(record->Kind()), tag);
        EXPECT_EQ(record->IDName(), "name");
    }
    const char* objectTags[] = { "button", "stdbutton", "mainmenubarbutton", "caption", "menuitem", "mainmenubaritem",
        "animate", "userobject" };
    for (const char* tag : objectTags) {
        auto record = skin::CreateSkinObject(tag, "name");
        ASSERT_NE(record, nullptr) << tag;
        EXPECT_EQ(skin::KindTag(record->Kind()), tag);
    }
    EXPECT_EQ(skin::CreateSkinControl("Button", "x"), nullptr);
    EXPECT_EQ(skin::CreateSkinControl("", "x"), nullptr);
    EXPECT_EQ(skin::CreateSkinObject("base", "x"), nullptr);
}

TEST(SkinRecords, RecordsAreOfTheClassTheirKeysNeed)
{
    EXPECT_NE(dynamic_cast<skin::TbsDataSkinButtonControl*>(skin::CreateSkinControl("menubutton", "m").get()), nullptr);
    EXPECT_NE(dynamic_cast<skin::TbsDataSkinEditControl*>(skin::CreateSkinControl("memo", "m").get()), nullptr);
    EXPECT_NE(dynamic_cast<skin::TbsDataSkinCustomControl*>(skin::CreateSkinControl("splitter", "s").get()), nullptr);
    // Kinds without corner points are plain control records.
    EXPECT_EQ(dynamic_cast<skin::TbsDataSkinCustomControl*>(skin::CreateSkinControl("bevel", "b").get()), nullptr);
    EXPECT_EQ(dynamic_cast<skin::TbsDataSkinCustomControl*>(skin::CreateSkinControl("treeview", "t").get()), nullptr);
    EXPECT_EQ(dynamic_cast<skin::TbsDataSkinCustomControl*>(skin::CreateSkinControl("listview", "l").get()), nullptr);
    EXPECT_NE(dynamic_cast<skin::TbsDataSkinStdButton*>(skin::CreateSkinObject("mainmenubarbutton", "b").get()), nullptr);
    EXPECT_EQ(dynamic_cast<skin::TbsDataSkinMenuItem*>(skin::CreateSkinObject("mainmenubaritem", "i").get()), nullptr);
}

TEST(SkinRecords, ANewRecordDiffersFromTheDefaultsOfMissingKeys)
{
    auto button = skin::CreateSkinControl("button", "button");
    auto& record = dynamic_cast<skin::TbsDataSkinButtonControl&>(*button);
    EXPECT_EQ(record.FontName, "宋体");
    EXPECT_EQ(record.FontHeight, 12);
    EXPECT_EQ(record.PictureIndex, -1);

    record.LoadFromIni(Ini("[button]\npictureindex=3\nskinrect=0,0,69,25\nrighttoppoint=60,0\n"
                           "activeskinrect=70,0,139,25\nmorphing=1\nmorphkind=mkgradient\nfontcolor=$FF\n"));
    EXPECT_EQ(record.PictureIndex, 3);
    EXPECT_EQ(record.MaskPictureIndex, -1);
    EXPECT_EQ(record.SkinRect, gfx::Rect(0, 0, 69, 25));
    EXPECT_EQ(record.RTPoint, gfx::Point(60, 0));
    EXPECT_EQ(record.ActiveSkinRect, gfx::Rect(70, 0, 139, 25));
    EXPECT_TRUE(record.Morphing);
    EXPECT_EQ(record.MorphingKind, skin::TbsMorphKind::mkGradient);
    EXPECT_EQ(record.FontColor, 255);
    EXPECT_EQ(record.FontName, "Arial");
    EXPECT_EQ(record.FontHeight, 14);

    skin::TbsDataSkinTreeView tree("treeview", skin::SkinControlKind::TreeView);
    EXPECT_EQ(tree.BGColor, 16777215);
    tree.LoadFromIni(Ini("[treeview]\nfontname=宋体\n"));
    EXPECT_EQ(tree.BGColor, 0);
    EXPECT_EQ(tree.FontName, "宋体");
}

TEST(SkinRecords, ObjectKindsReadTheirOwnKeysAfterTheBaseKeys)
{
    SkinIniFile ini = Ini("[close]\nhint=Close it\nskinrect=1,2,3,4\nmorphing=1\ncommand=cmclose\n"
                          "restorerect=5,6,7,8\ndownrect=9,9,9,9\n"
                          "[anim]\nmorphing=1\ncountframes=4\ncycle=1\n"
                          "[user]\nhint=ignored\nactivepictureindex=3\nskinrect=10,11,12,13\n");
    auto close = skin::CreateSkinObject("stdbutton", "close");
    close->LoadFromIni(ini);
    auto& button = dynamic_cast<skin::TbsDataSkinStdButton&>(*close);
    EXPECT_EQ(button.Hint, "Close it");
    EXPECT_EQ(button.SkinRect, gfx::Rect(1, 2, 3, 4));
    EXPECT_EQ(button.DownRect, gfx::Rect(9, 9, 9, 9));
    EXPECT_EQ(button.Command, skin::TbsStdCommand::cmClose);
    EXPECT_EQ(button.RestoreRect, gfx::Rect(5, 6, 7, 8));
    EXPECT_EQ(button.ActivePictureIndex, -1);

    auto anim = skin::CreateSkinObject("animate", "anim");
    anim->LoadFromIni(ini);
    EXPECT_FALSE(anim->Morphing);
    EXPECT_EQ(dynamic_cast<skin::TbsDataSkinAnimate&>(*anim).CountFrames, 4);
    EXPECT_EQ(dynamic_cast<skin::TbsDataSkinAnimate&>(*anim).TimerInterval, 50);

    auto user = skin::CreateSkinObject("userobject", "user");
    user->LoadFromIni(ini);
    EXPECT_EQ(user->SkinRect, gfx::Rect(10, 11, 12, 13));
    EXPECT_EQ(user->Hint, "");
    EXPECT_EQ(user->ActivePictureIndex, -1);
}

TEST(SkinRecords, AValueErrorInARecordPropagates)
{
    auto panel = skin::CreateSkinControl("panel", "panel");
    EXPECT_THROW(panel->LoadFromIni(Ini("[panel]\ncaptionrect=5,2,62\n")), skin::SkinValueError);
}

TEST(SkinFormInfoRecord, WithAMaskUnsetHitTestPointsTakeTheCornersAndTheMaskAreaTakesInTheClient)
{
    std::string text = "[FORMINFO]\nlefttoppoint=8,30\nrighttoppoint=150,31\nleftbottompoint=6,137\n"
                       "rightbottompoint=154,139\nclientrect=4,26,156,141\nmaskrectarea=10,30,100,169\n"
                       "hittestlefttoppoint=0,7\nhittestrighttoppoint=153,5\n";
    skin::SkinFormInfo masked;
    masked.LoadFromIni(Ini(text), true);
    EXPECT_EQ(masked.HitTestLTPoint, gfx::Point(8, 30));
    EXPECT_EQ(masked.HitTestRTPoint, gfx::Point(153, 5));
    EXPECT_EQ(masked.HitTestLBPoint, gfx::Point(6, 137));
    EXPECT_EQ(masked.MaskRectArea, gfx::Rect(4, 26, 156, 169));
    EXPECT_EQ(masked.InActiveEffect, skin::TbsInactiveEffect::ieBrightness);
    EXPECT_EQ(masked.BGPictureIndex, -1);

    skin::SkinFormInfo plain;
    plain.LoadFromIni(Ini(text), false);
    EXPECT_EQ(plain.HitTestLTPoint, gfx::Point(0, 7));
    EXPECT_EQ(plain.MaskRectArea, gfx::Rect(10, 30, 100, 169));

    skin::SkinFormInfo emptyArea;
    emptyArea.LoadFromIni(Ini("[FORMINFO]\nclientrect=4,26,156,141\nmaskrectarea=5,5,5,90\n"), true);
    EXPECT_EQ(emptyArea.MaskRectArea, gfx::Rect(4, 26, 156, 141));
}

TEST(SkinFormInfoRecord, CornerPointsArePulledIntoTheClientSpanUnlessTheyShareAnAxis)
{
    skin::SkinFormInfo info;
    info.LoadFromIni(Ini("[FORMINFO]\nlefttoppoint=2,3\nrighttoppoint=170,1\nleftbottompoint=1,160\n"
                         "rightbottompoint=180,150\nclientrect=4,26,156,141\n"),
        false);
    EXPECT_EQ(info.LTPoint, gfx::Point(4, 26));
    EXPECT_EQ(info.RTPoint, gfx::Point(156, 26));
    EXPECT_EQ(info.LBPoint, gfx::Point(4, 141));
    EXPECT_EQ(info.RBPoint, gfx::Point(156, 141));

    skin::SkinFormInfo sharedX;
    sharedX.LoadFromIni(Ini("[FORMINFO]\nlefttoppoint=2,3\nrightbottompoint=2,150\nclientrect=4,26,156,141\n"), false);
    EXPECT_EQ(sharedX.LTPoint, gfx::Point(2, 3));
    EXPECT_EQ(sharedX.RBPoint, gfx::Point(2, 150));
}

TEST(SkinWindowRecords, PopupAndHintWindowsReadTheirSections)
{
    SkinIniFile ini = Ini("[POPUPWINDOW]\nwindowpictureindex=0\nitemsrect=12,2,97,61\nleftstretch=1\n"
                          "[HINTWINDOW]\nfontname=宋体\nclientrect=3,3,26,12\n");
    skin::TbsDataSkinPopupWindow popup;
    popup.LoadFromIni(ini);
    EXPECT_EQ(popup.WindowPictureIndex, 0);
    EXPECT_EQ(popup.MaskPictureIndex, -1);
    EXPECT_EQ(popup.ItemsRect, gfx::Rect(12, 2, 97, 61));
    EXPECT_TRUE(popup.LeftStretch);
    EXPECT_FALSE(popup.TopStretch);

    skin::TbsDataSkinHintWindow hint;
    hint.LoadFromIni(ini);
    EXPECT_EQ(hint.WindowPictureIndex, -1);
    EXPECT_EQ(hint.FontName, "宋体");
    EXPECT_EQ(hint.FontHeight, 14);
    EXPECT_EQ(hint.ClientRect, gfx::Rect(3, 3, 26, 12));
}
