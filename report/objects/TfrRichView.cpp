#include "report/objects/TfrRichView.h"

#include "report/objects/PropertyValue.h"

namespace report {
namespace {

constexpr std::uint16_t kTextOnly = memo_flags::TextOnly;
constexpr FlagProperty kRichFlags[] = { { "TEXTONLY", kTextOnly } };

} // namespace

bool TfrRichView::SetProperty(std::string_view name, const Variant& value)
{
    std::string upper = UpperCase(name);
    if (SetFlagProperty(kRichFlags, upper, value))
        return true;
    return TfrView::SetProperty(upper, value);
}

std::optional<Variant> TfrRichView::GetProperty(std::string_view name) const
{
    std::string upper = UpperCase(name);
    if (auto flag = GetFlagProperty(kRichFlags, upper))
        return flag;
    return TfrView::GetProperty(upper);
}

std::vector<std::string> TfrRichView::ListProperties() const
{
    auto names = TfrView::ListProperties();
    names.emplace_back("TEXTONLY");
    return names;
}

} // namespace report

namespace report {

void TfrRichView::Draw(gfx::TPageCanvas& canvas)
{
    ApplyScale();
    PaintBackground(canvas);
    PaintFrame(canvas);
    RestoreScale();
}

} // namespace report
