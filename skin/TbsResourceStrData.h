#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skin {

// Replaceable texts of the skinned frame, menus and dialogs, as "name=value"
// lines. Created with the 73 default lines; a program that wants other texts
// assigns its own lines and hands the component to its skin data.
class TbsResourceStrData {
public:
    TbsResourceStrData();

    // Everything after the first "=" of the first line whose name equals
    // `name` without regard to case; empty when there is no such line.
    std::string GetResString(std::string_view name) const;

    std::vector<std::string> ResStrings;
    int CharSet { 1 };
};

// The default lines, in order.
const std::vector<std::string>& DefaultResStrings();

} // namespace skin
