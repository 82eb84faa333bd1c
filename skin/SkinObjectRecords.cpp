#include "skin/SkinObjectRecords.h"

#include <array>

namespace skin {

namespace {

struct ObjectKindEntry {
    std::string_view tag;
    SkinObjectKind kind;
};

constexpr std::array<ObjectKindEntry, 8> kObjectKinds { {
    { "button", SkinObjectKind::Button },
    { "stdbutton", SkinObjectKind::StdButton },
    { "mainmenubarbutton", SkinObjectKind::MainMenuBarButton },
    { "caption", SkinObjectKind::Caption },
    { "menuitem", SkinObjectKind::MenuItem },
    { "mainmenubaritem", SkinObjectKind::MainMenuBarItem },
    { "animate", SkinObjectKind::Animate },
    { "userobject", SkinObjectKind::UserObject },
} };

} // namespace

std::string_view KindTag(SkinObjectKind kind)
{
    for (const ObjectKindEntry& entry : kObjectKinds)
        if (entry.kind == kind)
            return entry.tag;
    return {};
}

void TbsDataSkinObject::LoadFromIni(const SkinIniFile& ini)
{
    SkinIniKeyReader reader(ini, IDName());
    VisitKeys(reader);
}

void TbsDataSkinObject::VisitKeys(SkinKeyVisitor& keys)
{
    keys.Text("hint", Hint, "");
    keys.Integer("activepictureindex", ActivePictureIndex, -1);
    keys.Flag("skinrectinapicture", SkinRectInAPicture);
    keys.Rect("skinrect", SkinRect);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Rect("inactiveskinrect", InActiveSkinRect);
    keys.Flag("morphing", Morphing);
    keys.Morph("morphkind", MorphingKind);
}

void TbsDataSkinButton::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Rect("downrect", DownRect);
    keys.Rect("disableskinrsect", DisableSkinRect);
}

void TbsDataSkinStdButton::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinButton::VisitKeys(keys);
    keys.Command("command", Command);
    keys.Rect("restorerect", RestoreRect);
    keys.Rect("restoreactiverect", RestoreActiveRect);
    keys.Rect("restoredownrect", RestoreDownRect);
    keys.Rect("restoreinactiverect", RestoreInActiveRect);
}

void TbsDataSkinCaption::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Rect("textrect", TextRect);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    keys.Integer("activefontcolor", ActiveFontColor, 0);
    keys.Alignment("alignment", Alignment);
    keys.Flag("shadow", Shadow);
    keys.Integer("shadowcolor", ShadowColor, 0);
    keys.Integer("activeshadowcolor", ActiveShadowColor, 0);
    keys.Rect("framerect", FrameRect);
    keys.Rect("activeframerect", ActiveFrameRect);
    keys.Rect("frametextrect", FrameTextRect);
    keys.Integer("frameleftoffset", FrameLeftOffset, 0);
    keys.Integer("framerightoffset", FrameRightOffset, 0);
}

void TbsDataSkinMenuItem::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Integer("itemleftoffset", ItemLO, 0);
    keys.Integer("itemrightoffset", ItemRO, 0);
    keys.Rect("dividerrect", DividerRect);
    keys.Integer("dividerleftoffset", DividerLO, 0);
    keys.Integer("dividerrightoffset", DividerRO, 0);
    keys.Rect("textrect", TextRect);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    keys.Integer("activefontcolor", ActiveFontColor, 0);
    keys.Integer("unenabledfontcolor", UnEnabledFontColor, 0);
}

void TbsDataSkinMainMenuBarItem::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Integer("itemleftoffset", ItemLO, 0);
    keys.Integer("itemrightoffset", ItemRO, 0);
    keys.Rect("downrect", DownRect);
    keys.Rect("textrect", TextRect);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    keys.Integer("activefontcolor", ActiveFontColor, 0);
    keys.Integer("downfontcolor", DownFontColor, 0);
    keys.Integer("unenabledfontcolor", UnEnabledFontColor, 0);
}

void TbsDataSkinAnimate::LoadFromIni(const SkinIniFile& ini)
{
    TbsDataSkinObject::LoadFromIni(ini);
    Morphing = false;
}

void TbsDataSkinAnimate::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Integer("countframes", CountFrames, 1);
    keys.Flag("cycle", Cycle);
    keys.Flag("buttonstyle", ButtonStyle);
    keys.Integer("timerinterval", TimerInterval, 50);
    keys.Command("command", Command);
}

void TbsDataUserObject::VisitKeys(SkinKeyVisitor& keys)
{
    keys.Rect("skinrect", SkinRect);
}

std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view kindTag, std::string name)
{
    for (const ObjectKindEntry& entry : kObjectKinds) {
        if (entry.tag != kindTag)
            continue;
        switch (entry.kind) {
        case SkinObjectKind::Button:
            return std::make_unique<TbsDataSkinButton>(std::move(name), entry.kind);
        case SkinObjectKind::StdButton:
        case SkinObjectKind::MainMenuBarButton:
            return std::make_unique<TbsDataSkinStdButton>(std::move(name), entry.kind);
        case SkinObjectKind::Caption:
            return std::make_unique<TbsDataSkinCaption>(std::move(name), entry.kind);
        case SkinObjectKind::MenuItem:
            return std::make_unique<TbsDataSkinMenuItem>(std::move(name), entry.kind);
        case SkinObjectKind::MainMenuBarItem:
            return std::make_unique<TbsDataSkinMainMenuBarItem>(std::move(name), entry.kind);
        case SkinObjectKind::Animate:
            return std::make_unique<TbsDataSkinAnimate>(std::move(name), entry.kind);
        case SkinObjectKind::UserObject:
            return std::make_unique<TbsDataUserObject>(std::move(name), entry.kind);
        }
    }
    return nullptr;
}

} // namespace skin
