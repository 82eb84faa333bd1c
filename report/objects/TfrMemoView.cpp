#include "report/objects/TfrMemoView.h"

#include "report/objects/PropertyValue.h"

namespace report {
namespace {

constexpr FlagProperty kMemoFlags[] = {
    { "WORDWRAP", memo_flags::WordWrap },     { "WORDBREAK", memo_flags::WordBreak },
    { "AUTOWIDTH", memo_flags::AutoWidth },   { "TEXTONLY", memo_flags::TextOnly },
    { "SUPPRESS", memo_flags::Suppress },     { "HIDEZEROS", memo_flags::HideZeros },
    { "UNDERLINES", memo_flags::Underlines }, { "RTLREADING", memo_flags::RTLReading },
};

constexpr std::string_view kMemoProperties[] = {
    "ALIGNMENT", "LINESPACING", "CHARSPACING", "LINES.COUNT", "FONT.NAME", "FONT.SIZE", "FONT.STYLE", "FONT.COLOR",
};

} // namespace

TfrMemoView::TfrMemoView()
{
    Flags = memo_flags::Stretched | memo_flags::WordWrap;
}

bool TfrMemoView::SetProperty(std::string_view name, const Variant& value)
{
    std::string upper = UpperCase(name);
    auto assign = [&value](auto& field, auto convert) {
        auto converted = convert(value);
        if (converted)
            field = *converted;
        return converted.has_value();
    };
    if (upper == "ALIGNMENT")
        return assign(Alignment, ToInt32);
    if (upper == "LINESPACING")
        return assign(LineSpacing, ToInt32);
    if (upper == "CHARSPACING")
        return assign(CharSpacing, ToInt32);
    if (upper == "FONT.NAME") {
        Font.Name = ToText(value);
        return true;
    }
    if (upper == "FONT.SIZE")
        return assign(Font.Size, ToInt32);
    if (upper == "FONT.STYLE")
        return assign(Font.Style, ToUInt16);
    if (upper == "FONT.COLOR")
        return assign(Font.Color, ToColor);
    if (SetFlagProperty(kMemoFlags, upper, value))
        return true;
    return TfrView::SetProperty(upper, value);
}

std::optional<Variant> TfrMemoView::GetProperty(std::string_view name) const
{
    std::string upper = UpperCase(name);
    if (upper == "ALIGNMENT")
        return Variant(Alignment);
    if (upper == "LINESPACING")
        return Variant(LineSpacing);
    if (upper == "CHARSPACING")
        return Variant(CharSpacing);
    if (upper == "LINES.COUNT")
        return Variant(static_cast<int>(PrintMemo.size()));
    if (upper == "FONT.NAME")
        return Variant(Font.Name);
    if (upper == "FONT.SIZE")
        return Variant(Font.Size);
    if (upper == "FONT.STYLE")
        return Variant(static_cast<int>(Font.Style));
    if (upper == "FONT.COLOR")
        return Variant(Font.Color);
    if (auto flag = GetFlagProperty(kMemoFlags, upper))
        return flag;
    return TfrView::GetProperty(upper);
}

std::optional<Variant> TfrMemoView::CallMethod(std::string_view name, std::span<const Variant> arguments)
{
    if (UpperCase(name) == "CALCHEIGHT")
        return Variant(ContentHeight());
    return TfrView::CallMethod(name, arguments);
}

std::vector<std::string> TfrMemoView::ListProperties() const
{
    auto names = TfrView::ListProperties();
    names.insert(names.end(), std::begin(kMemoProperties), std::end(kMemoProperties));
    for (const auto& flag : kMemoFlags)
        names.emplace_back(flag.name);
    return names;
}

} // namespace report
