#include "report/objects/TfrView.h"

#include "report/objects/PropertyValue.h"

#include <cmath>

namespace report {
namespace {

// Far wider than any page; keeps the width a plain single-precision number.
constexpr double kMaxFrameWidth = 10000.0;

constexpr std::string_view kViewProperties[] = {
    "NAME", "LEFT", "TOP", "WIDTH", "HEIGHT", "FLAGS", "FRAMETYP", "FRAMEWIDTH", "FRAMECOLOR", "FRAMESTYLE",
    "FILLCOLOR", "VISIBLE", "MEMO", "GAPX", "GAPY", "STRETCHED", "BANDALIGN", "DATAFIELD", "TAG", "MEMO.COUNT",
};

template<typename Field, typename Convert>
bool Assign(Field& field, const Variant& value, Convert convert)
{
    auto converted = convert(value);
    if (!converted)
        return false;
    field = *converted;
    return true;
}

bool AssignText(std::string& field, const Variant& value)
{
    field = ToText(value);
    return true;
}

} // namespace

std::optional<TColor> ToColor(const Variant& value)
{
    auto number = ToDouble(value);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    double rounded = std::nearbyint(*number);
    if (rounded < -2147483648.0 || rounded > 4294967295.0)
        return std::nullopt;
    auto bits = rounded < 0 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded))
                            : static_cast<std::uint32_t>(rounded);
    return static_cast<TColor>(bits);
}

bool TfrView::SetProperty(std::string_view name, const Variant& value)
{
    std::string upper = UpperCase(name);
    if (upper == "NAME")
        return AssignText(Name, value);
    if (upper == "LEFT")
        return Assign(Left, value, ToInt32);
    if (upper == "TOP")
        return Assign(Top, value, ToInt32);
    if (upper == "WIDTH")
        return Assign(Width, value, ToInt32);
    if (upper == "HEIGHT")
        return Assign(Height, value, ToInt32);
    if (upper == "FLAGS")
        return Assign(Flags, value, ToUInt16);
    if (upper == "FRAMETYP")
        return Assign(FrameTyp, value, ToUInt16);
    if (upper == "FRAMEWIDTH") {
        auto width = ToDouble(value);
        if (!width || !std::isfinite(*width) || *width < 0 || *width > kMaxFrameWidth)
            return false;
        FrameWidth = static_cast<float>(*width);
        return true;
    }
    if (upper == "FRAMECOLOR")
        return Assign(FrameColor, value, ToColor);
    if (upper == "FRAMESTYLE")
        return Assign(FrameStyle, value, ToUInt16);
    if (upper == "FILLCOLOR")
        return Assign(FillColor, value, ToColor);
    if (upper == "VISIBLE")
        return Assign(Visible, value, ToBool);
    if (upper == "MEMO") {
        Memo = SplitLines(ToText(value));
        return true;
    }
    if (upper == "GAPX")
        return Assign(GapX, value, ToInt32);
    if (upper == "GAPY")
        return Assign(GapY, value, ToInt32);
    if (upper == "STRETCHED") {
        static constexpr FlagProperty kStretched[] = { { "STRETCHED", 1 } };
        return SetFlagProperty(kStretched, upper, value);
    }
    if (upper == "BANDALIGN") {
        auto align = ToUInt8(value);
        if (!align || *align > baRest)
            return false;
        BandAlign = *align;
        return true;
    }
    if (upper == "DATAFIELD") {
        std::string text = ToText(value);
        if (Memo.empty())
            Memo.push_back(std::move(text));
        else
            Memo.front() = std::move(text);
        return true;
    }
    if (upper == "TAG")
        return AssignText(Tag, value);
    return false;
}

std::optional<Variant> TfrView::GetProperty(std::string_view name) const
{
    std::string upper = UpperCase(name);
    if (upper == "NAME")
        return Variant(Name);
    if (upper == "LEFT")
        return Variant(Left);
    if (upper == "TOP")
        return Variant(Top);
    if (upper == "WIDTH")
        return Variant(Width);
    if (upper == "HEIGHT")
        return Variant(Height);
    if (upper == "FLAGS")
        return Variant(static_cast<int>(Flags));
    if (upper == "FRAMETYP")
        return Variant(static_cast<int>(FrameTyp));
    if (upper == "FRAMEWIDTH")
        return Variant(static_cast<double>(FrameWidth));
    if (upper == "FRAMECOLOR")
        return Variant(FrameColor);
    if (upper == "FRAMESTYLE")
        return Variant(static_cast<int>(FrameStyle));
    if (upper == "FILLCOLOR")
        return Variant(FillColor);
    if (upper == "VISIBLE")
        return Variant(Visible);
    if (upper == "MEMO")
        return Variant(JoinLines(Memo));
    if (upper == "GAPX")
        return Variant(GapX);
    if (upper == "GAPY")
        return Variant(GapY);
    if (upper == "STRETCHED")
        return Variant(Stretched());
    if (upper == "BANDALIGN")
        return Variant(static_cast<int>(BandAlign));
    if (upper == "DATAFIELD")
        return Variant(Memo.empty() ? std::string {} : Memo.front());
    if (upper == "TAG")
        return Variant(Tag);
    if (upper == "MEMO.COUNT")
        return Variant(static_cast<int>(Memo.size()));
    return std::nullopt;
}

std::optional<Variant> TfrView::CallMethod(std::string_view name, std::span<const Variant> arguments)
{
    std::string upper = UpperCase(name);
    if (upper == "HIDE" || upper == "SHOW") {
        Visible = upper == "SHOW";
        return Variant();
    }
    if (upper == "MEMO.ADD") {
        Memo.push_back(arguments.empty() ? std::string {} : ToText(arguments[0]));
        return Variant();
    }
    if (upper == "MEMO.CLEAR") {
        Memo.clear();
        return Variant();
    }
    if (upper == "MEMO.DELETE") {
        auto index = arguments.empty() ? std::nullopt : ToInt32(arguments[0]);
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < Memo.size())
            Memo.erase(Memo.begin() + *index);
        return Variant();
    }
    if (upper == "MEMO.INDEXOF") {
        std::string wanted = arguments.empty() ? std::string {} : ToText(arguments[0]);
        for (std::size_t i = 0; i < Memo.size(); ++i)
            if (SameText(Memo[i], wanted))
                return Variant(static_cast<int>(i));
        return Variant(-1);
    }
    if (upper == "GETINDEXPROPERTY" || upper == "SETINDEXPROPERTY") {
        // The indexed property of a view is its text: Memo[i].
        if (arguments.size() < 2 || UpperCase(ToText(arguments[0])) != "MEMO")
            return std::nullopt;
        auto index = ToInt32(arguments[1]);
        if (!index || *index < 0 || static_cast<std::size_t>(*index) >= Memo.size())
            return Variant();
        if (upper == "GETINDEXPROPERTY")
            return Variant(Memo[*index]);
        Memo[*index] = arguments.size() > 2 ? ToText(arguments[2]) : std::string {};
        return Variant();
    }
    return std::nullopt;
}

std::vector<std::string> TfrView::ListProperties() const
{
    return { std::begin(kViewProperties), std::end(kViewProperties) };
}

bool TfrView::SetFlagProperty(std::span<const FlagProperty> table, std::string_view upper_name, const Variant& value)
{
    for (const auto& entry : table) {
        if (entry.name != upper_name)
            continue;
        auto on = ToBool(value);
        if (!on)
            return false;
        Flags = *on ? static_cast<std::uint16_t>(Flags | entry.bit) : static_cast<std::uint16_t>(Flags & ~entry.bit);
        return true;
    }
    return false;
}

std::optional<Variant> TfrView::GetFlagProperty(std::span<const FlagProperty> table, std::string_view upper_name) const
{
    for (const auto& entry : table)
        if (entry.name == upper_name)
            return Variant((Flags & entry.bit) != 0);
    return std::nullopt;
}

} // namespace report
