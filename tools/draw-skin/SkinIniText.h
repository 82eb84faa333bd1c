#pragma once

#include <string>
#include <vector>

namespace drawskin {

// The lines of skin.ini (UTF-8; written as GBK). The frame, popup-window and
// menu geometry are those the program's windows and menus are laid out for:
// a 160 x 145 frame picture with a 26-pixel caption and 4-pixel borders,
// 18 x 17 caption buttons two pixels apart, a 13 x 13 system-menu icon,
// 20-pixel menu items and 5-pixel dividers.
std::vector<std::string> SkinIniLines();

} // namespace drawskin
