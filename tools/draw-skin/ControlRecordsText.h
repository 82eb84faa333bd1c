#pragma once

#include "IniWriter.h"

#include <string>
#include <vector>

namespace drawskin {

// Indices of the controls' pictures in the skin's picture list.
inline constexpr int kControlsPictureIndex = 5;
inline constexpr int kButtonMaskIndex = 6;
inline constexpr int kGroupBoxMaskIndex = 7;

// The "name:kind" entries of section SKINCONTROLS: a record for every skin
// element name the program's skinned controls look up.
std::vector<std::string> ControlEntries();
// The sections of those records, cut from controls.bmp.
void WriteControlRecords(IniWriter& ini);

} // namespace drawskin
