#pragma once

#include "platform/graphics/TColor.h"

namespace app {

// The colour that marks transparent pixels in the program's pictures.
inline constexpr gfx::TColor kPictureMaskColor = gfx::RGB(255, 0, 255);

// The input method the text boxes ask the desktop for when they get the focus.
inline constexpr const char* kInputMethodName = "汉王输入法";

// The fixed contact line of status panel 3.
inline constexpr const char* kContactLine = " 联系: 开发组邮箱";

} // namespace app
