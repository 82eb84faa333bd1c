#include "skin/SkinText.h"

#include "platform/graphics/TCanvas.h"
#include "platform/text/Utf8.h"

namespace skin {

std::string FitTextToWidth(gfx::TCanvas& canvas, std::string_view text, int width)
{
    if (canvas.TextWidth(text) <= width)
        return std::string(text);
    std::string_view rest = text;
    do {
        rest = rest.substr(0, text::PreviousUtf8CharStart(rest, rest.size()));
    } while (!rest.empty() && canvas.TextWidth(std::string(rest) + "...") > width);
    return std::string(rest) + "...";
}

} // namespace skin
