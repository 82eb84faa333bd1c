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

// The kind tags of section "SKINCONTROLS". Kinds that carry keys of their own
// have a record class of their own; the others are records of the class their
// keys come from (the common keys, or those of their parent kind), and the kind
// tells them apart: a splitter is a custom-control record of kind Splitter.
enum class SkinControlKind {
    Button, MenuButton, Panel, Bevel, Edit, Memo, ScrollBar, TreeView, Splitter, ExPanel, CheckRadio, Gauge,
    TrackBar, Label, StdLabel, UpDown, Grid, Tab, MainMenuBar, ControlBar, CheckListBox, ListBox, ComboBox,
    SpinEdit, ScrollBox, Slider, ListView, RichEdit
};

std::string_view KindTag(SkinControlKind kind);

// A skin element that controls find by name (`SkinDataName`). Its keys are
// read from the section of its own name.
class TbsDataSkinControl {
public:
    TbsDataSkinControl(std::string name, SkinControlKind kind) : m_name(std::move(name)), m_kind(kind) {}
    virtual ~TbsDataSkinControl() = default;
    TbsDataSkinControl(const TbsDataSkinControl&) = delete;
    TbsDataSkinControl& operator=(const TbsDataSkinControl&) = delete;

    const std::string& IDName() const { return m_name; }
    SkinControlKind Kind() const { return m_kind; }

    void LoadFromIni(const SkinIniFile& ini);
    // Every key of the record in reading order, each class after its parent's.
    virtual void VisitKeys(SkinKeyVisitor& keys);

    int PictureIndex { -1 };
    int MaskPictureIndex { -1 };
    gfx::TRect SkinRect;

private:
    std::string m_name;
    SkinControlKind m_kind;
};

// A control record with corner points and a client rectangle, both relative to
// the top-left corner of "skinrect"; controls fit it to any size with them.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TPoint LTPoint; // "lefttoppoint"
    gfx::TPoint RTPoint; // "righttoppoint"
    gfx::TPoint LBPoint; // "leftbottompoint"
    gfx::TPoint RBPoint; // "rightbottompoint"
    gfx::TRect ClientRect;
};

// Kinds "button" and "menubutton".
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    std::string FontName { "宋体" };
    int FontHeight { 12 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    gfx::TColor ActiveFontColor { 0 };
    gfx::TColor DownFontColor { 0 };
    gfx::TColor DisabledFontColor { 0 };
    gfx::TRect ActiveSkinRect;
    gfx::TRect DownSkinRect;
    gfx::TRect DisabledSkinRect;
    bool Morphing { false };
    TbsMorphKind MorphingKind { TbsMorphKind::mkDefault };
};

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    int BGPictureIndex { -1 };
    gfx::TRect CaptionRect;
    TAlignment Alignment { TAlignment::taCenter };
    std::string FontName { "宋体" };
    int FontHeight { 12 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    gfx::TRect CheckImageRect;
    gfx::TRect UnCheckImageRect;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TColor LightColor { 0 };
    gfx::TColor DarkColor { 0 };
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TRect ActiveSkinRect;
    std::string FontName { "宋体" };
    int FontHeight { 12 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    gfx::TColor DisabledFontColor { 0 };
    gfx::TColor ActiveFontColor { 0 };
    gfx::TRect ButtonRect;
    gfx::TRect ActiveButtonRect;
    gfx::TRect DownButtonRect;
    gfx::TRect UnEnabledButtonRect;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TColor BGColor { 0 };
    gfx::TColor ActiveBGColor { 0 };
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TRect TrackArea;
    gfx::TRect UpButtonRect;
    gfx::TRect ActiveUpButtonRect;
    gfx::TRect DownUpButtonRect;
    gfx::TRect DownButtonRect;
    gfx::TRect ActiveDownButtonRect;
    gfx::TRect DownDownButtonRect;
    gfx::TRect ThumbRect;
    gfx::TRect ActiveThumbRect;
    gfx::TRect DownThumbRect;
    int ThumbOffset1 { 0 };
    int ThumbOffset2 { 0 };
    gfx::TRect GlyphRect;
    gfx::TRect ActiveGlyphRect;
    gfx::TRect DownGlyphRect;
};

class TbsDataSkinTreeView : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    std::string FontName { "宋体" };
    int FontHeight { 12 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    gfx::TColor BGColor { 16777215 };
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void VisitKeys(SkinKeyVisitor& keys) override;

    gfx::TRect ItemsRect;
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MinButton;
    std::string MaxButton;
    std::string SysMenuButton;
    gfx::TColor TrackMarkColor { 0 };
    gfx::TColor TrackMarkActiveColor { 0 };
};

// The record for a "name:kind" entry of SKINCONTROLS, or null for a kind tag
// that is none of the 28 (compared with case).
std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view kindTag, std::string name);

} // namespace skin
