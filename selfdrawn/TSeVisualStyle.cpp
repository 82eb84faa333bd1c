#include "selfdrawn/TSeVisualStyle.h"

namespace selfdrawn {
namespace {

std::unique_ptr<TSeVisualStyle>& Installed()
{
    static std::unique_ptr<TSeVisualStyle> style = std::make_unique<TSeVisualStyle>();
    return style;
}

} // namespace

TSeVisualStyle& TSeVisualStyle::Current()
{
    return *Installed();
}

void TSeVisualStyle::Install(std::unique_ptr<TSeVisualStyle> Style)
{
    Installed() = Style ? std::move(Style) : std::make_unique<TSeVisualStyle>();
}

} // namespace selfdrawn
