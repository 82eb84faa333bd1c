#include "skin/SkinControlRecords.h"

#include <array>

namespace skin {

namespace {

struct ControlKindEntry {
    std::string_view tag;
    SkinControlKind kind;
};

constexpr std::array<ControlKindEntry, 28> kControlKinds { {
    { "button", SkinControlKind::Button },
    { "menubutton", SkinControlKind::MenuButton },
    { "panel", SkinControlKind::Panel },
    { "bevel", SkinControlKind::Bevel },
    { "edit", SkinControlKind::Edit },
    { "memo", SkinControlKind::Memo },
    { "scrollbar", SkinControlKind::ScrollBar },
    { "treeview", SkinControlKind::TreeView },
    { "splitter", SkinControlKind::Splitter },
    { "expanel", SkinControlKind::ExPanel },
    { "checkradio", SkinControlKind::CheckRadio },
    { "gauge", SkinControlKind::Gauge },
    { "trackbar", SkinControlKind::TrackBar },
    { "label", SkinControlKind::Label },
    { "stdlabel", SkinControlKind::StdLabel },
    { "updown", SkinControlKind::UpDown },
    { "grid", SkinControlKind::Grid },
    { "tab", SkinControlKind::Tab },
    { "mainmenubar", SkinControlKind::MainMenuBar },
    { "controlbar", SkinControlKind::ControlBar },
    { "checklistbox", SkinControlKind::CheckListBox },
    { "listbox", SkinControlKind::ListBox },
    { "combobox", SkinControlKind::ComboBox },
    { "spinedit", SkinControlKind::SpinEdit },
    { "scrollbox", SkinControlKind::ScrollBox },
    { "slider", SkinControlKind::Slider },
    { "listview", SkinControlKind::ListView },
    { "richedit", SkinControlKind::RichEdit },
} };

template <class Record>
std::unique_ptr<TbsDataSkinControl> Make(std::string name, SkinControlKind kind)
{
    return std::make_unique<Record>(std::move(name), kind);
}

} // namespace

std::string_view KindTag(SkinControlKind kind)
{
    return kControlKinds[static_cast<std::size_t>(kind)].tag;
}

void TbsDataSkinControl::LoadFromIni(const SkinIniFile& ini)
{
    SkinIniKeyReader reader(ini, IDName());
    VisitKeys(reader);
}

void TbsDataSkinControl::VisitKeys(SkinKeyVisitor& keys)
{
    keys.Integer("pictureindex", PictureIndex, -1);
    keys.Integer("maskpictureindex", MaskPictureIndex, -1);
    keys.Rect("skinrect", SkinRect);
}

void TbsDataSkinCustomControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Point("lefttoppoint", LTPoint);
    keys.Point("righttoppoint", RTPoint);
    keys.Point("leftbottompoint", LBPoint);
    keys.Point("rightbottompoint", RBPoint);
    keys.Rect("clientrect", ClientRect);
}

void TbsDataSkinButtonControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    keys.Integer("activefontcolor", ActiveFontColor, 0);
    keys.Integer("downfontcolor", DownFontColor, 0);
    keys.Integer("disabledfontcolor", DisabledFontColor, 0);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Rect("downskinrect", DownSkinRect);
    keys.Rect("disabledskinrect", DisabledSkinRect);
    keys.Flag("morphing", Morphing);
    keys.Morph("morphkind", MorphingKind);
}

void TbsDataSkinPanelControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Integer("bgpictureindex", BGPictureIndex, -1);
    keys.Rect("captionrect", CaptionRect);
    keys.Alignment("alignment", Alignment);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    keys.Rect("checkimagerect", CheckImageRect);
    keys.Rect("uncheckimagerect", UnCheckImageRect);
}

void TbsDataSkinBevel::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Integer("lightcolor", LightColor, 0);
    keys.Integer("darkcolor", DarkColor, 0);
}

void TbsDataSkinEditControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("activeskinrect", ActiveSkinRect);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    keys.Integer("disabledfontcolor", DisabledFontColor, 0);
    keys.Integer("activefontcolor", ActiveFontColor, 0);
    keys.Rect("buttonrect", ButtonRect);
    keys.Rect("activebuttonrect", ActiveButtonRect);
    keys.Rect("downbuttonrect", DownButtonRect);
    keys.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TbsDataSkinMemoControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinEditControl::VisitKeys(keys);
    keys.Integer("bgcolor", BGColor, 0);
    keys.Integer("activebgcolor", ActiveBGColor, 0);
}

void TbsDataSkinScrollBarControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("trackarea", TrackArea);
    keys.Rect("upbuttonrect", UpButtonRect);
    keys.Rect("activeupbuttonrect", ActiveUpButtonRect);
    keys.Rect("downupbuttonrect", DownUpButtonRect);
    keys.Rect("downbuttonrect", DownButtonRect);
    keys.Rect("activedownbuttonrect", ActiveDownButtonRect);
    keys.Rect("downdownbuttonrect", DownDownButtonRect);
    keys.Rect("thumbrect", ThumbRect);
    keys.Rect("activethumbrect", ActiveThumbRect);
    keys.Rect("downthumbrect", DownThumbRect);
    keys.Integer("thumboffset1", ThumbOffset1, 0);
    keys.Integer("thumboffset2", ThumbOffset2, 0);
    keys.Rect("glyphrect", GlyphRect);
    keys.Rect("activeglyphrect", ActiveGlyphRect);
    keys.Rect("downglyphrect", DownGlyphRect);
}

void TbsDataSkinTreeView::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    keys.Integer("bgcolor", BGColor, 0);
}

void TbsDataSkinMainMenuBar::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Rect("itemsrect", ItemsRect);
    keys.Text("menubaritem", MenuBarItem, "");
    keys.Text("closebutton", CloseButton, "");
    keys.Text("minbutton", MinButton, "");
    keys.Text("maxbutton", MaxButton, "");
    keys.Text("sysmenubutton", SysMenuButton, "");
    keys.Integer("trackmarkcolor", TrackMarkColor, 0);
    keys.Integer("trackmarkactivecolor", TrackMarkActiveColor, 0);
}

std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view kindTag, std::string name)
{
    for (const ControlKindEntry& entry : kControlKinds) {
        if (entry.tag != kindTag)
            continue;
        switch (entry.kind) {
        case SkinControlKind::Button:
        case SkinControlKind::MenuButton:
            return Make<TbsDataSkinButtonControl>(std::move(name), entry.kind);
        case SkinControlKind::Panel:
            return Make<TbsDataSkinPanelControl>(std::move(name), entry.kind);
        case SkinControlKind::Bevel:
            return Make<TbsDataSkinBevel>(std::move(name), entry.kind);
        case SkinControlKind::Edit:
            return Make<TbsDataSkinEditControl>(std::move(name), entry.kind);
        case SkinControlKind::Memo:
            return Make<TbsDataSkinMemoControl>(std::move(name), entry.kind);
        case SkinControlKind::ScrollBar:
            return Make<TbsDataSkinScrollBarControl>(std::move(name), entry.kind);
        case SkinControlKind::TreeView:
            return Make<TbsDataSkinTreeView>(std::move(name), entry.kind);
        case SkinControlKind::MainMenuBar:
            return Make<TbsDataSkinMainMenuBar>(std::move(name), entry.kind);
        case SkinControlKind::StdLabel:
        case SkinControlKind::Grid:
        case SkinControlKind::Tab:
        case SkinControlKind::Slider:
        case SkinControlKind::ListView:
        case SkinControlKind::RichEdit:
            return Make<TbsDataSkinControl>(std::move(name), entry.kind);
        default:
            return Make<TbsDataSkinCustomControl>(std::move(name), entry.kind);
        }
    }
    return nullptr;
}

} // namespace skin
