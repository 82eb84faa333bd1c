#include "app/AppFonts.h"

#include "app/EmbeddedPictures.h"
#include "platform/graphics/TBitmap.h"

#include <stdexcept>

namespace app {

gfx::TFont MakeFont(const std::string& name, int height, gfx::TColor color)
{
    gfx::TFont font;
    font.Name = name;
    font.Height = height;
    font.Color = color;
    font.CharSet = gfx::GB2312_CHARSET;
    return font;
}

gfx::TBitmap LoadPicture(const std::string& name)
{
    auto bytes = EmbeddedPicture(name);
    if (bytes.empty())
        throw std::runtime_error("the picture \"" + name + "\" is not part of this program");
    gfx::TBitmap picture;
    picture.LoadFromBytes(bytes);
    return picture;
}

} // namespace app
