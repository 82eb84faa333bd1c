#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

#include <string>

namespace app {

// A font as the windows' layouts give it: a face and a height in pixels that
// is a character height (negative) or a cell height (positive).
gfx::TFont MakeFont(const std::string& name, int height, gfx::TColor color = gfx::clWindowText);

// The program's pictures, read from the copies compiled into the program.
gfx::TBitmap LoadPicture(const std::string& name);

} // namespace app
