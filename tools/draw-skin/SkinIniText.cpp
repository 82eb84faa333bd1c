#include "SkinIniText.h"

#include "ControlRecordsText.h"
#include "IniWriter.h"
#include "SkinPictures.h"

#include <string>

namespace drawskin {

namespace {

constexpr int kHintMaskIndex = 8;

void StretchFlags(IniWriter& ini, bool left, bool right, bool top, bool bottom)
{
    ini.Key("leftstretch", left ? 1 : 0);
    ini.Key("rightstretch", right ? 1 : 0);
    ini.Key("topstretch", top ? 1 : 0);
    ini.Key("bottomstretch", bottom ? 1 : 0);
}

void FormInfo(IniWriter& ini)
{
    ini.Section("FORMINFO");
    ini.Key("lefttoppoint", "8,30");
    ini.Key("righttoppoint", "150,31");
    ini.Key("leftbottompoint", "6,137");
    ini.Key("rightbottompoint", "154,139");
    ini.Key("clientrect", "4,26,156,141");
    ini.Key("bgpictureindex", -1);
    ini.Key("mdibgpictureindex", -1);
    StretchFlags(ini, true, true, true, false);
    ini.Key("maskrectarea", "4,34,197,169");
    ini.Key("hittestlefttoppoint", "6,7");
    ini.Key("hittestrighttoppoint", "153,5");
    ini.Key("hittestleftbottompoint", "5,138");
    ini.Key("hittestrightbottompoint", "151,135");
    ini.Key("buttonsrect", "0,0,0,0");
    ini.Key("captionrect", "4,4,156,21");
    ini.Key("buttonsoffset", 2);
    ini.Key("buttonsinleft", 0);
    ini.Key("mainmenupopupup", 0);
    ini.Key("borderwidth", 3);
    ini.Key("autorenderinginactiveimage", 0);
    ini.Key("inactiveeffect", "iebrightness");
}

void PopupWindow(IniWriter& ini)
{
    ini.Section("POPUPWINDOW");
    ini.Key("windowpictureindex", 0);
    ini.Key("maskpictureindex", 4);
    ini.Key("lefttoppoint", "12,2");
    ini.Key("righttoppoint", "97,2");
    ini.Key("leftbottompoint", "12,61");
    ini.Key("rightbottompoint", "97,61");
    ini.Key("itemsrect", "12,2,97,61");
    ini.Color("scrollmarkercolor", palette::ScrollMarker);
    ini.Color("scrollmarkeractivecolor", palette::Accent);
    StretchFlags(ini, true, true, true, true);
}

void HintWindow(IniWriter& ini)
{
    ini.Section("HINTWINDOW");
    ini.Key("windowpictureindex", 3);
    ini.Key("maskpictureindex", kHintMaskIndex);
    ini.Key("lefttoppoint", "3,3");
    ini.Key("righttoppoint", "26,3");
    ini.Key("leftbottompoint", "3,12");
    ini.Key("rightbottompoint", "26,12");
    ini.Key("clientrect", "3,3,26,12");
    ini.Key("fontname", "微软雅黑");
    ini.Key("fontheight", 12);
    ini.Key("fontstyle", "");
    ini.Color("fontcolor", palette::Text);
    StretchFlags(ini, true, true, true, true);
}

// The keys every skin object reads first.
void ObjectBase(IniWriter& ini, int pictureIndex, const gfx::TRect& skinRect, const gfx::TRect& activeRect,
    const gfx::TRect& inactiveRect, bool morphing)
{
    ini.Key("hint", "");
    ini.Key("activepictureindex", pictureIndex);
    ini.Key("skinrectinapicture", 0);
    ini.Key("skinrect", skinRect);
    ini.Key("activeskinrect", activeRect);
    ini.Key("inactiveskinrect", inactiveRect);
    ini.Key("morphing", morphing ? 1 : 0);
    ini.Key("morphkind", "mkdefault");
}

void MenuItem(IniWriter& ini)
{
    ini.Section("MENUITEM");
    ObjectBase(ini, 1, kMenuItemRect, kMenuItemHotRect, {}, true);
    ini.Key("itemleftoffset", kMenuItemEnd);
    ini.Key("itemrightoffset", kMenuItemEnd);
    ini.Key("dividerrect", kMenuDividerRect);
    ini.Key("dividerleftoffset", kDividerLeft);
    ini.Key("dividerrightoffset", kDividerRight);
    ini.Key("textrect", "2,0,46,20");
    ini.Key("fontname", "微软雅黑");
    ini.Key("fontheight", 13);
    ini.Key("fontstyle", "");
    ini.Color("fontcolor", palette::Text);
    ini.Color("activefontcolor", palette::MenuHotText);
    ini.Color("unenabledfontcolor", palette::MenuDisabledText);
}

void Caption(IniWriter& ini)
{
    ini.Section("caption1");
    // Drawn from the frame picture: the lower part of the caption bar, rows 11
    // to 25 down to the client, between the system-menu icon and the buttons
    // (the frame lays it out around them). Pressing there moves the window;
    // the upper rows of the bar are plain frame, left to the frame objects.
    // The text is centred on the middle line of its rectangle: rows 0 to 3 of
    // the object put that line on row 12, the middle of the bar (rows 4 to 20).
    ObjectBase(ini, -1, { 4, 11, 156, 26 }, {}, {}, false);
    ini.Key("textrect", "5,0,152,3");
    ini.Key("fontname", "微软雅黑");
    ini.Key("fontheight", 14);
    ini.Key("fontstyle", "");
    ini.Color("fontcolor", palette::TextInactive);
    ini.Color("activefontcolor", palette::Text);
    ini.Key("alignment", "taleftjustify");
    ini.Key("shadow", 0);
    ini.Key("shadowcolor", 0);
    ini.Key("activeshadowcolor", 0);
    ini.Key("framerect", "0,0,0,0");
    ini.Key("activeframerect", "0,0,0,0");
    ini.Key("frametextrect", "0,0,0,0");
    ini.Key("frameleftoffset", 0);
    ini.Key("framerightoffset", 0);
}

void StdButton(IniWriter& ini, const std::string& name, const std::string& command, ButtonGlyph glyph,
    const ButtonGlyph* restoreGlyph)
{
    ini.Section(name);
    ObjectBase(ini, 2, ButtonCell(glyph, ButtonState::Normal), ButtonCell(glyph, ButtonState::Hot),
        ButtonCell(glyph, ButtonState::Inactive), true);
    ini.Key("downrect", ButtonCell(glyph, ButtonState::Pressed));
    ini.Key("disableskinrsect", "0,0,0,0");
    ini.Key("command", command);
    const bool restore = restoreGlyph != nullptr;
    auto restoreRect = [&](ButtonState state) { return restore ? ButtonCell(*restoreGlyph, state) : gfx::TRect {}; };
    ini.Key("restorerect", restoreRect(ButtonState::Normal));
    ini.Key("restoreactiverect", restoreRect(ButtonState::Hot));
    ini.Key("restoredownrect", restoreRect(ButtonState::Pressed));
    ini.Key("restoreinactiverect", restoreRect(ButtonState::Inactive));
}

void SysMenuButton(IniWriter& ini)
{
    ini.Section("sysmenubutton");
    ObjectBase(ini, 2, SysMenuCell(ButtonState::Normal), SysMenuCell(ButtonState::Hot),
        SysMenuCell(ButtonState::Inactive), true);
    ini.Key("downrect", SysMenuCell(ButtonState::Pressed));
    ini.Key("disableskinrsect", "0,0,0,0");
    ini.Key("command", "cmsysmenu");
    for (const char* key : { "restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect" })
        ini.Key(key, gfx::TRect {});
}

} // namespace

std::vector<std::string> SkinIniLines()
{
    IniWriter ini;
    ini.Section("VERSION");
    ini.Key("skinname", "Veltrin Calm");
    ini.Key("skinauthor", "Veltrin");
    ini.Key("authoremail", "");
    ini.Key("authorurl", "");
    ini.Key("skincomments", "Soft neutral greys with one blue accent; drawn by tools/draw-skin.");

    ini.Section("PICTURES");
    ini.Key("picture", "frame.bmp");
    ini.Key("inactivepicture", "");
    ini.Key("mask", "");
    // In this order: the records name the pictures by their index.
    const char* pictures[] = { "pw.bmp", "menuitems.bmp", "active.bmp", "hw.bmp", "pwmask.bmp", "controls.bmp",
        "buttonmask.bmp", "groupboxmask.bmp", "hwmask.bmp" };
    static_assert(std::size(pictures) == kHintMaskIndex + 1);
    ini.Key("activepicturescount", static_cast<int>(std::size(pictures)));
    for (std::size_t i = 0; i < std::size(pictures); ++i)
        ini.Key(std::to_string(i), pictures[i]);

    FormInfo(ini);
    PopupWindow(ini);
    HintWindow(ini);

    ini.Section("SKINOBJECTS");
    const char* objects[] = { "MENUITEM:menuitem", "caption1:caption", "closebutton:stdbutton", "maxbutton:stdbutton",
        "minbutton:stdbutton", "rollupbutton:stdbutton", "sysmenubutton:stdbutton" };
    ini.List({ std::begin(objects), std::end(objects) });

    ini.Section("SKINCONTROLS");
    ini.List(ControlEntries());

    MenuItem(ini);
    Caption(ini);
    const ButtonGlyph restore = ButtonGlyph::Restore;
    const ButtonGlyph unroll = ButtonGlyph::Unroll;
    StdButton(ini, "closebutton", "cmclose", ButtonGlyph::Close, nullptr);
    StdButton(ini, "maxbutton", "cmmaximize", ButtonGlyph::Maximize, &restore);
    StdButton(ini, "minbutton", "cmminimize", ButtonGlyph::Minimize, &restore);
    StdButton(ini, "rollupbutton", "cmrollup", ButtonGlyph::RollUp, &unroll);
    SysMenuButton(ini);
    WriteControlRecords(ini);
    return ini.Take();
}

} // namespace drawskin
