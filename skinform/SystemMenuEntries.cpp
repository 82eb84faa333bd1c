#include "skinform/SystemMenuEntries.h"

#include "skin/TbsResourceStrData.h"

namespace skinform {

namespace {

    std::string Text(const skin::TbsResourceStrData* strings, const char* name, const char* builtIn)
    {
        if (strings) {
            std::string text = strings->GetResString(name);
            if (!text.empty())
                return text;
        }
        return builtIn;
    }

} // namespace

std::vector<TbsSystemMenuEntry> DefaultSystemMenu(const TbsSystemMenuState& s, const skin::TbsResourceStrData* strings)
{
    std::vector<TbsSystemMenuEntry> menu;
    if (s.Minimize && !s.Minimized)
        menu.push_back({ "BSF_MINITEM", Text(strings, "MI_MINCAPTION", "最小化(&N)"), "", TbsSystemCommand::scMinimize });
    if (s.Maximize && !s.Maximized)
        menu.push_back({ "BSF_MAXITEM", Text(strings, "MI_MAXCAPTION", "最大化(&X)"), "", TbsSystemCommand::scMaximize });
    if (s.Minimized || s.Maximized || s.RolledUp)
        menu.push_back({ "BSF_RESTORE", Text(strings, "MI_RESTORECAPTION", "恢复(&R)"), "", TbsSystemCommand::scRestore });
    if (s.RollUp && !s.RolledUp && !s.Minimized)
        menu.push_back({ "BSF_ROLLUP", Text(strings, "MI_ROLLUPCAPTION", "卷起(&L)"), "", TbsSystemCommand::scRollUp });
    if (s.MinimizeToTray)
        menu.push_back({ "BSF_MINTOTRAY", Text(strings, "MI_MINTOTRAYCAPTION", "最小化到系统托盘区(&T)"), "",
            TbsSystemCommand::scMinimizeToTray });
    if (!menu.empty())
        menu.push_back({ "", "-", "", TbsSystemCommand::scNone });
    menu.push_back({ "BSF_CLOSE", Text(strings, "MI_CLOSECAPTION", "关闭(&C)"), "Alt+F4", TbsSystemCommand::scClose });
    return menu;
}

} // namespace skinform
