#include "ControlRecordsText.h"

#include "ControlPictures.h"
#include "SkinPictures.h"

namespace drawskin {

using gfx::TPoint;
using gfx::TRect;

namespace {

// The corner points and client rectangle of a record, relative to its skin rectangle.
struct Corners {
    TPoint leftTop;
    TPoint rightTop;
    TPoint leftBottom;
    TPoint rightBottom;
    TRect client;
};

// Fixed ends of `end` pixels left and right, a tiled middle, the client across it all.
Corners Across(const TRect& skin, int end, const TRect& client)
{
    return { { end, 0 }, { skin.Width() - end, 0 }, {}, {}, client };
}

// Fixed ends of `end` pixels at top and bottom, a tiled middle.
Corners Along(const TRect& skin, int end, const TRect& client)
{
    return { { 0, end }, {}, { 0, skin.Height() - end }, {}, client };
}

// Fixed corners of `corner` pixels, tiled edges and middle.
Corners NineParts(const TRect& skin, int corner, const TRect& client)
{
    const int w = skin.Width();
    const int h = skin.Height();
    return { { corner, corner }, { w - corner, corner }, { corner, h - corner }, { w - corner, h - corner }, client };
}

void CustomKeys(IniWriter& ini, const std::string& name, const TRect& skin, const Corners& corners, int mask = -1)
{
    ini.Section(name);
    ini.Key("pictureindex", kControlsPictureIndex);
    ini.Key("maskpictureindex", mask);
    ini.Key("skinrect", skin);
    ini.Key("lefttoppoint", corners.leftTop);
    ini.Key("righttoppoint", corners.rightTop);
    ini.Key("leftbottompoint", corners.leftBottom);
    ini.Key("rightbottompoint", corners.rightBottom);
    ini.Key("clientrect", corners.client);
}

// Captions in the skin's face; text boxes keep the program's own text face.
constexpr const char* kCaptionFace = "微软雅黑";
constexpr const char* kTextFace = "Arial";

void FontKeys(IniWriter& ini, const char* face, int height)
{
    ini.Key("fontname", face);
    ini.Key("fontheight", height);
    ini.Key("fontstyle", "");
}

struct ButtonLook {
    TRect normal, hot, down, disabled;
    bool morphing;
};

void Button(IniWriter& ini, const std::string& name, const ButtonLook& look, const Corners& corners, int mask)
{
    CustomKeys(ini, name, look.normal, corners, mask);
    FontKeys(ini, kCaptionFace, 12);
    ini.Color("fontcolor", palette::Text);
    ini.Color("activefontcolor", palette::MenuHotText);
    ini.Color("downfontcolor", palette::MenuHotText);
    ini.Color("disabledfontcolor", palette::TextInactive);
    ini.Key("activeskinrect", look.hot);
    ini.Key("downskinrect", look.down);
    ini.Key("disabledskinrect", look.disabled);
    ini.Key("morphing", look.morphing ? 1 : 0);
    ini.Key("morphkind", "mkdefault");
}

void Buttons(IniWriter& ini)
{
    using namespace controls;
    // Nine parts: the program's buttons come 25 and 38 pixels high.
    Button(ini, "button", { kButton, kButtonHot, kButtonDown, kButtonDisabled, true },
        NineParts(kButton, kButtonEnd, { 3, 3, kButton.Width() - 3, kButton.Height() - 3 }), kButtonMaskIndex);
    Button(ini, "toolbutton", { kToolButton, kToolButtonHot, kToolButtonDown, {}, true },
        Across(kToolButton, kToolButtonEnd, { 0, 0, kToolButton.Width(), kToolButton.Height() }), -1);
    // The tool bar's scroll buttons: nine parts, so any size keeps its corners.
    Button(ini, "resizebutton", { kResizeButton, kResizeButtonHot, kResizeButtonDown, {}, false },
        NineParts(kResizeButton, 3, { 3, 3, kResizeButton.Width() - 3, kResizeButton.Height() - 3 }), -1);
}

void Panel(IniWriter& ini, const std::string& name, const TRect& skin, const Corners& corners, int mask,
    const TRect& caption)
{
    CustomKeys(ini, name, skin, corners, mask);
    ini.Key("bgpictureindex", -1);
    ini.Key("captionrect", caption);
    ini.Key("alignment", "taleftjustify");
    FontKeys(ini, kCaptionFace, 12);
    ini.Color("fontcolor", palette::Text);
    const TRect checkBox = caption.IsEmpty() ? TRect {} : controls::kCheckBox;
    const TRect uncheckBox = caption.IsEmpty() ? TRect {} : controls::kUncheckBox;
    ini.Key("checkimagerect", checkBox);
    ini.Key("uncheckimagerect", uncheckBox);
}

void Panels(IniWriter& ini)
{
    using namespace controls;
    const TRect toolClient { 0, 0, kToolPanel.Width(), kToolPanel.Height() };
    Panel(ini, "toolpanel", kToolPanel, NineParts(kToolPanel, kCorner, toolClient), -1, {});
    // The client starts past the rounded corners, so its tiles carry none of their pixels.
    const TRect inside { kCorner, kCorner, kPanel.Width() - kCorner, kPanel.Height() - kCorner };
    Panel(ini, "panel", kPanel, NineParts(kPanel, kCorner, inside), -1, {});
    // Children sit below the caption band; the caption grows with the width.
    const int w = kGroupBox.Width();
    const int h = kGroupBox.Height();
    const int band = kGroupCaptionHeight;
    const Corners group { { 6, band + 1 }, { w - 6, band + 1 }, { 6, h - kCorner }, { w - 6, h - kCorner },
        { 1, band + 1, w - 1, h - 1 } };
    Panel(ini, "groupbox", kGroupBox, group, kGroupBoxMaskIndex, { 6, 1, w - 6, band });

    ini.Section("bevel");
    ini.Key("pictureindex", -1);
    ini.Key("maskpictureindex", -1);
    ini.Key("skinrect", TRect {});
    ini.Color("lightcolor", gfx::clWhite);
    ini.Color("darkcolor", palette::Separator);
}

struct EditLook {
    TRect normal, active;
    TRect button, buttonHot, buttonDown, buttonDisabled;
};

void EditKeys(IniWriter& ini, const std::string& name, const EditLook& look, const Corners& corners,
    int fontHeight = 14)
{
    CustomKeys(ini, name, look.normal, corners);
    ini.Key("activeskinrect", look.active);
    FontKeys(ini, kTextFace, fontHeight);
    ini.Color("fontcolor", palette::Text);
    ini.Color("disabledfontcolor", palette::TextInactive);
    ini.Color("activefontcolor", palette::Text);
    ini.Key("buttonrect", look.button);
    ini.Key("activebuttonrect", look.buttonHot);
    ini.Key("downbuttonrect", look.buttonDown);
    ini.Key("unenabledbuttonrect", look.buttonDisabled);
}

void Edits(IniWriter& ini)
{
    using namespace controls;
    const int end = kEditEnd;
    EditKeys(ini, "tooledit", { kToolEdit, kToolEditActive, {}, {}, {}, {} },
        Across(kToolEdit, end, { 5, 4, kToolEdit.Width() - 5, kToolEdit.Height() - 4 }));
    EditKeys(ini, "edit", { kEdit, kEditActive, {}, {}, {}, {} },
        Across(kEdit, end, { 4, 2, kEdit.Width() - 4, kEdit.Height() - 2 }));
    // The button sits in the fixed right end, so it follows the width.
    const Corners buttonEdit { { end, 0 }, { kEditButtonPlace.Left - 2, 0 }, {}, {},
        { 4, 2, kEditButtonPlace.Left - 2, kButtonEdit.Height() - 2 } };
    EditKeys(ini, "buttonedit",
        { kButtonEdit, kButtonEditActive, kEditButtonPlace, kEditButtonHot, kEditButtonDown, kEditButtonDisabled },
        buttonEdit);

    const TRect inside { kCorner, kCorner, kMemo.Width() - kCorner, kMemo.Height() - kCorner };
    // The body's text: 15 pixels of character height.
    EditKeys(ini, "memo", { kMemo, kMemoActive, {}, {}, {}, {} }, NineParts(kMemo, kCorner, inside), -15);
    ini.Color("bgcolor", gfx::clWhite);
    ini.Color("activebgcolor", gfx::clWhite);
}

struct ScrollLook {
    TRect increase, increaseHot, increaseDown, decrease, decreaseHot, decreaseDown;
    TRect thumb, thumbHot, thumbDown, grip, gripHot, gripDown;
};

void ScrollBarKeys(IniWriter& ini, const std::string& name, const TRect& skin, const Corners& corners,
    const TRect& track, const ScrollLook& look)
{
    CustomKeys(ini, name, skin, corners);
    ini.Key("trackarea", track);
    ini.Key("upbuttonrect", look.increase);
    ini.Key("activeupbuttonrect", look.increaseHot);
    ini.Key("downupbuttonrect", look.increaseDown);
    ini.Key("downbuttonrect", look.decrease);
    ini.Key("activedownbuttonrect", look.decreaseHot);
    ini.Key("downdownbuttonrect", look.decreaseDown);
    ini.Key("thumbrect", look.thumb);
    ini.Key("activethumbrect", look.thumbHot);
    ini.Key("downthumbrect", look.thumbDown);
    ini.Key("thumboffset1", controls::kThumbEnd);
    ini.Key("thumboffset2", controls::kThumbEnd);
    ini.Key("glyphrect", look.grip);
    ini.Key("activeglyphrect", look.gripHot);
    ini.Key("downglyphrect", look.gripDown);
}

void ScrollBars(IniWriter& ini)
{
    using namespace controls;
    const int w = kBarWidth;
    const int a = kArrowLength;
    // The split point lies one pixel before the increase button, so the
    // button moves with the bar's far end.
    const TRect v = kVScrollBar;
    const Corners vertical { { 0, a }, {}, { 0, v.Height() - a - 1 }, {}, { 0, 0, w, v.Height() } };
    ScrollBarKeys(ini, "vscrollbar", v, vertical, { 0, a, w, v.Height() - a },
        { { 0, v.Height() - a, w, v.Height() }, kVIncreaseHot, kVIncreaseDown, { 0, 0, w, a }, kVDecreaseHot,
            kVDecreaseDown, kVThumb, kVThumbHot, kVThumbDown, kVGrip, kVGripHot, kVGripDown });

    const ScrollLook horizontal { { kHScrollBar.Width() - a, 0, kHScrollBar.Width(), w }, kHIncreaseHot,
        kHIncreaseDown, { 0, 0, a, w }, kHDecreaseHot, kHDecreaseDown, kHThumb, kHThumbHot, kHThumbDown, kHGrip,
        kHGripHot, kHGripDown };
    for (const auto& [name, skin] : { std::pair { "hscrollbar", kHScrollBar }, std::pair { "bothhscrollbar", kBothHScrollBar } }) {
        const int splitX = kHScrollBar.Width() - a - 1;
        const Corners corners { { a, 0 }, { splitX, 0 }, {}, {}, { 0, 0, skin.Width(), w } };
        ScrollBarKeys(ini, name, skin, corners, { a, 0, kHScrollBar.Width() - a, w }, horizontal);
    }
}

void Splitters(IniWriter& ini)
{
    using namespace controls;
    const int end = kSplitterEnd;
    CustomKeys(ini, "vsplitter", kVSplitter, Along(kVSplitter, end, { 0, 0, kVSplitter.Width(), kVSplitter.Height() }));
    CustomKeys(ini, "hsplitter", kHSplitter, Across(kHSplitter, end, { 0, 0, kHSplitter.Width(), kHSplitter.Height() }));
}

void TreeView(IniWriter& ini)
{
    ini.Section("treeview");
    ini.Key("pictureindex", -1);
    ini.Key("maskpictureindex", -1);
    ini.Key("skinrect", TRect {});
    ini.Key("fontname", "宋体");
    ini.Key("fontheight", 12);
    ini.Key("fontstyle", "");
    ini.Color("fontcolor", palette::Text);
    ini.Color("bgcolor", gfx::clWhite);
}

} // namespace

std::vector<std::string> ControlEntries()
{
    return { "button:button", "toolbutton:button", "resizebutton:button", "toolpanel:panel", "panel:panel",
        "groupbox:panel", "bevel:bevel", "tooledit:edit", "edit:edit", "buttonedit:edit", "memo:memo",
        "vscrollbar:scrollbar", "hscrollbar:scrollbar", "bothhscrollbar:scrollbar", "vsplitter:splitter",
        "hsplitter:splitter", "treeview:treeview" };
}

void WriteControlRecords(IniWriter& ini)
{
    Buttons(ini);
    Panels(ini);
    Edits(ini);
    ScrollBars(ini);
    Splitters(ini);
    TreeView(ini);
}

} // namespace drawskin
