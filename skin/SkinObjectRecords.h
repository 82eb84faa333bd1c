#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinIniValues.h"
#include "skin/SkinRecordKeys.h"

#include <memory>
#include <string>
#include <string_view>

namespace skin {

// The kind tags of section "SKINOBJECTS". "mainmenubarbutton" records are
// standard-button records; the kind keeps them apart.
enum class SkinObjectKind { Button, StdButton, MainMenuBarButton, Caption, MenuItem, MainMenuBarItem, Animate, UserObject };

std::string_view KindTag(SkinObjectKind kind);

// A named part of the window frame or of the menus (section "SKINOBJECTS").
// Its keys are read from the section of its own name.
class TbsDataSkinObject {
public:
    TbsDataSkinObject(std::string name, SkinObjectKind kind) : m_name(std::move(name)), m_kind(kind) {}
    virtual ~TbsDataSkinObject() = default;
    TbsDataSkinObject(const TbsDataSkinObject&) = delete;
    TbsDataSkinObject& operator=(const TbsDataSkinObject&) = delete;

    const std::string& IDName() const { return m_name; }
    SkinObjectKind Kind() const { return m_kind; }

    virtual void LoadFromIni(const SkinIniFile& ini);
    // Every key of the record in reading order, each class after its parent's.
    virtual void VisitKeys(SkinKeyVisitor& keys);

    std::string Hint;
    int ActivePictureIndex { -1 };
    bool SkinRectInAPicture { false };
    gfx::TRect SkinRect;
    gfx::TRect ActiveSkinRect;
    gfx::TRect InActiveSkinRect;
    bool Morphing { false };
    TbsMorphKind MorphingKind { TbsMorphKind::mkDefault };

private:
    std::string m_name;
    SkinObjectKind m_kind;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TRect DownRect;
    gfx::TRect DisableSkinRect; // key "disableskinrsect"
};

// Caption buttons (kind "stdbutton") and menu bar buttons ("mainmenubarbutton").
class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;
    void VisitKeys(SkinKeyVisitor& keys) override;

    TbsStdCommand Command { TbsStdCommand::cmDefault };
    gfx::TRect RestoreRect;
    gfx::TRect RestoreActiveRect;
    gfx::TRect RestoreDownRect;
    gfx::TRect RestoreInActiveRect;
};

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TRect TextRect;
    std::string FontName { "Arial" };
    int FontHeight { 14 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    gfx::TColor ActiveFontColor { 0 };
    TAlignment Alignment { TAlignment::taCenter };
    bool Shadow { false };
    gfx::TColor ShadowColor { 0 };
    gfx::TColor ActiveShadowColor { 0 };
    gfx::TRect FrameRect;
    gfx::TRect ActiveFrameRect;
    gfx::TRect FrameTextRect;
    int FrameLeftOffset { 0 };
    int FrameRightOffset { 0 };
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void VisitKeys(SkinKeyVisitor& keys) override;

    int ItemLO { 0 }; // "itemleftoffset"
    int ItemRO { 0 }; // "itemrightoffset"
    gfx::TRect DividerRect;
    int DividerLO { 0 };
    int DividerRO { 0 };
    gfx::TRect TextRect;
    std::string FontName { "Arial" };
    int FontHeight { 14 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    gfx::TColor ActiveFontColor { 0 };
    gfx::TColor UnEnabledFontColor { 0 };
};

// An item of a skinned main menu bar. It reads its own item keys only; it is
// not a popup menu item, so a search for the first menu-item record never
// finds it.
class TbsDataSkinMainMenuBarItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void VisitKeys(SkinKeyVisitor& keys) override;

    int ItemLO { 0 };
    int ItemRO { 0 };
    gfx::TRect DownRect;
    gfx::TRect TextRect;
    std::string FontName { "Arial" };
    int FontHeight { 14 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    gfx::TColor ActiveFontColor { 0 };
    gfx::TColor DownFontColor { 0 };
    gfx::TColor UnEnabledFontColor { 0 };
};

// A frame-strip animation; it never morphs.
class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void LoadFromIni(const SkinIniFile& ini) override;
    void VisitKeys(SkinKeyVisitor& keys) override;

    int CountFrames { 1 };
    bool Cycle { false };
    bool ButtonStyle { false };
    int TimerInterval { 50 };
    TbsStdCommand Command { TbsStdCommand::cmDefault };
};

// A part the program paints itself; only its rectangle is read.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// The record for a "name:kind" entry of SKINOBJECTS, or null for a kind tag
// that is not one of the eight (compared with case).
std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view kindTag, std::string name);

} // namespace skin
