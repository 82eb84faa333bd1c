#include "skin/SkinText.h"

#include "platform/graphics/TCanvas.h"

namespace skin {

namespace {

// Length of the text without its last UTF-8 character.
std::size_t WithoutLastCharacter(std::string_view text)
{
    std::size_t end = text.size();
    if (end == 0)
        return 0;
    --end;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return end;
}

} // namespace

std::string FitTextToWidth(gfx::TCanvas& canvas, std::string_view text, int width)
{
    if (canvas.TextWidth(text) <= width)
        return std::string(text);
    std::string_view rest = text;
    do {
        rest = rest.substr(0, WithoutLastCharacter(rest));
    } while (!rest.empty() && canvas.TextWidth(std::string(rest) + "...") > width);
    return std::string(rest) + "...";
}

} // namespace skin
