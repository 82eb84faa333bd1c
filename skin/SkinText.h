#pragma once

#include <string>
#include <string_view>

namespace gfx {
class TCanvas;
}

namespace skin {

// The text unchanged when it fits `width` pixels in the canvas font; otherwise
// whole characters are taken off its end until the rest followed by "..."
// fits (or nothing is left), and that is returned.
std::string FitTextToWidth(gfx::TCanvas& canvas, std::string_view text, int width);

} // namespace skin
