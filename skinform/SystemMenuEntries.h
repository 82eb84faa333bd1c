#pragma once

#include <string>
#include <vector>

namespace skin {
class TbsResourceStrData;
}

namespace skinform {

// What a system menu entry does when chosen.
enum class TbsSystemCommand { scMinimize, scMaximize, scRestore, scRollUp, scMinimizeToTray, scClose, scNone };

// One entry of the default system menu: its item name (BSF_…), caption,
// shortcut text and command. A separator has the caption "-".
struct TbsSystemMenuEntry {
    std::string Name;
    std::string Caption;
    std::string ShortCut;
    TbsSystemCommand Command { TbsSystemCommand::scNone };
};

// The form's state and offered commands the menu is built from.
struct TbsSystemMenuState {
    bool Minimize { true }; // biMinimize
    bool Maximize { true }; // biMaximize
    bool RollUp { true }; // biRollUp
    bool MinimizeToTray { false }; // biMinimizeToTray
    bool Minimized { false };
    bool Maximized { false };
    bool RolledUp { false };
};

// The default system menu for a form state, in menu order; captions from the
// skin's replaceable strings when given, else the built-in ones.
std::vector<TbsSystemMenuEntry> DefaultSystemMenu(const TbsSystemMenuState& state,
    const skin::TbsResourceStrData* strings = nullptr);

} // namespace skinform
