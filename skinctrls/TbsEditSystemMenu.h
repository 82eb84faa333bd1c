#pragma once

#include "platform/graphics/Geometry.h"

#include <cstdint>
#include <memory>

namespace ctl {
class TCustomEdit;
class TMenuItem;
}
namespace skin {
class TbsSkinData;
class TbsResourceStrData;
}

namespace skinctrls {

class TbsPopupMenuEngine;

// The entries of a text box's own right-click menu: undo, cut, copy, paste,
// delete and select all, with separators, each enabled only when it can act
// on the box now, and each acting on Edit when chosen. The captions are the
// skin's replaceable strings when there are any, else the program's own.
std::unique_ptr<ctl::TMenuItem> BuildEditMenuItems(ctl::TCustomEdit& Edit, const skin::TbsResourceStrData* Strings);

// The right-click menu of a skinned edit or memo, shown on the skinned popup
// menu engine. The control owns one; Popup builds the entries, runs the menu
// until it closes (a command chosen, Escape, or a click elsewhere) and frees
// it then, so a command never runs on a freed menu and a dismissed menu is
// not left behind. A control freed while its menu is open closes the menu.
class TbsEditSystemMenu {
public:
    explicit TbsEditSystemMenu(ctl::TCustomEdit& Edit);
    ~TbsEditSystemMenu();
    TbsEditSystemMenu(const TbsEditSystemMenu&) = delete;
    TbsEditSystemMenu& operator=(const TbsEditSystemMenu&) = delete;

    // Shows the menu at a screen point, or at the control's centre for a
    // point with negative coordinates (a request from the keyboard). False
    // when no menu engine is available.
    bool Popup(skin::TbsSkinData* SkinData, gfx::TPoint At);
    bool Running() const { return m_running; }
    // Answers the control's context-menu request (WM_CONTEXTMENU) by showing
    // the menu, and takes the menu's done notice; true when Msg was one of them.
    bool HandleMessage(skin::TbsSkinData* SkinData, unsigned Msg, std::intptr_t LParam);

private:
    ctl::TCustomEdit& m_edit;
    bool m_running { false };
    TbsPopupMenuEngine* m_engine { nullptr };
    std::shared_ptr<bool> m_alive { std::make_shared<bool>(true) };
};

} // namespace skinctrls
