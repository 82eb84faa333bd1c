#include "skin/TbsResourceStrData.h"

namespace skin {

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

const std::vector<std::string>& DefaultResStrings()
{
    static const std::vector<std::string> lines {
        "MI_MINCAPTION=Mi&nimize",
        "MI_MAXCAPTION=Ma&ximize",
        "MI_CLOSECAPTION=&Close",
        "MI_RESTORECAPTION=&Restore",
        "MI_MINTOTRAYCAPTION=Minimize to &Tray",
        "MI_ROLLUPCAPTION=Ro&llUp",
        "MINBUTTON_HINT=Minimize",
        "MAXBUTTON_HINT=Maximize",
        "CLOSEBUTTON_HINT=Close",
        "TRAYBUTTON_HINT=Minimize to Tray",
        "ROLLUPBUTTON_HINT=Roll Up",
        "MENUBUTTON_HINT=System menu",
        "EDIT_UNDO=Undo",
        "EDIT_COPY=Copy",
        "EDIT_CUT=Cut",
        "EDIT_PASTE=Paste",
        "EDIT_DELETE=Delete",
        "EDIT_SELECTALL=Select All",
        "MSG_BTN_YES=&Yes",
        "MSG_BTN_NO=&No",
        "MSG_BTN_OK=OK",
        "MSG_BTN_CANCEL=Cancel",
        "MSG_BTN_ABORT=&Abort",
        "MSG_BTN_RETRY=&Retry",
        "MSG_BTN_IGNORE=&Ignore",
        "MSG_BTN_ALL=&All",
        "MSG_BTN_NOTOALL=N&o to All",
        "MSG_BTN_YESTOALL=Yes to &All",
        "MSG_BTN_HELP=&Help",
        "MSG_BTN_OPEN=&Open",
        "MSG_BTN_SAVE=&Save",
        "MSG_BTN_BACK_HINT=Go To Last Folder Visited",
        "MSG_BTN_UP_HINT=Up One Level",
        "MSG_BTN_NEWFOLDER_HINT=Create New Folder",
        "MSG_BTN_VIEWMENU_HINT=View Menu",
        "MSG_BTN_STRETCH_HINT=Stretch",
        "MSG_FILENAME=File name:",
        "MSG_FILETYPE=File type:",
        "MSG_NEWFOLDER=New Folder",
        "MSG_LV_DETAILS=Details",
        "MSG_LV_ICON=Large icons",
        "MSG_LV_SMALLICON=Small icons",
        "MSG_LV_LIST=List",
        "MSG_PREVIEWSKIN=Preview",
        "MSG_PREVIEWBUTTON=Button",
        "MSG_CAP_WARNING=Warning",
        "MSG_CAP_ERROR=Error",
        "MSG_CAP_INFORMATION=Information",
        "MSG_CAP_CONFIRM=Confirm",
        "CALC_CAP=Calculator",
        "ERROR=Error",
        "COLORGRID_CAP=Basic colors",
        "CUSTOMCOLORGRID_CAP=Custom colors",
        "ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors",
        "FONTDLG_COLOR=Color:",
        "FONTDLG_NAME=Name:",
        "FONTDLG_SIZE=Size:",
        "FONTDLG_HEIGHT=Height:",
        "FONTDLG_EXAMPLE=Example:",
        "FONTDLG_STYLE=Style:",
        "FONTDLG_SCRIPT=Script:",
        "DB_DELETE_QUESTION=Delete record?",
        "DB_MULTIPLEDELETE_QUESTION=Delete all selected records?",
        "NODISKINDRIVE=There is no disk in Drive or Drive is not ready",
        "NOVALIDDRIVEID=Not a valid Drive ID",
        "FLV_NAME=Name",
        "FLV_SIZE=Size",
        "FLV_TYPE=Type",
        "FLV_LOOKIN=Look in",
        "FLV_MODIFIED=Modified",
        "FLV_ATTRIBUTES=Attributes",
        "FLV_DISKSIZE=Disk Size",
        "FLV_FREESPACE=Free Space",
    };
    return lines;
}

TbsResourceStrData::TbsResourceStrData()
    : ResStrings(DefaultResStrings())
{
}

std::string TbsResourceStrData::GetResString(std::string_view name) const
{
    for (const std::string& line : ResStrings) {
        std::size_t equals = line.find('=');
        if (equals != std::string::npos && EqualIgnoringCase(std::string_view(line).substr(0, equals), name))
            return line.substr(equals + 1);
    }
    return {};
}

} // namespace skin
