#include "report/objects/TfrPage.h"

#include "report/objects/PropertyValue.h"

#include <cmath>

namespace report {
namespace {

constexpr std::string_view kPageProperties[] = {
    "LEFT", "TOP", "WIDTH", "HEIGHT", "TYPE", "BORDERSTYLE", "CAPTION", "NAME", "COLOR", "POSITION", "SIZE",
    "LEFTMARGIN", "TOPMARGIN", "RIGHTMARGIN", "BOTTOMMARGIN", "ORIENTATION", "PRINTTOPREVPAGE",
    "STRETCHTOPRINTABLE", "COLUMNS", "COLUMNGAP", "VISIBLE",
};

// Paper sizes are kept in tenths of a millimetre; report units are 3.6 per
// millimetre.
double PaperToUnits(std::int32_t tenths) { return tenths * 18.0 / 5.0 / 10.0; }

std::optional<std::int32_t> UnitsToPaper(const Variant& value)
{
    auto units = ToDouble(value);
    if (!units || !std::isfinite(*units) || *units < 0 || *units > 1e8)
        return std::nullopt;
    return static_cast<std::int32_t>(std::lround(*units * 10.0 * 5.0 / 18.0));
}

} // namespace

TfrView* TfrPage::FindObject(std::string_view name) const
{
    for (const auto& view : PageObjects)
        if (SameText(view->Name, name))
            return view.get();
    return nullptr;
}

bool TfrPage::SetProperty(std::string_view name, const Variant& value)
{
    std::string upper = UpperCase(name);
    auto assign = [&value](auto& field, auto convert) {
        auto converted = convert(value);
        if (converted)
            field = *converted;
        return converted.has_value();
    };
    bool report_page = Type == ptReport;
    if (report_page && (upper == "WIDTH" || upper == "HEIGHT")) {
        auto tenths = UnitsToPaper(value);
        if (!tenths)
            return false;
        (upper == "WIDTH" ? PaperWidth : PaperHeight) = *tenths;
        PaperSize = kCustomPaperSize;
        return true;
    }
    if (upper == "LEFT")
        return !report_page && assign(Left, ToInt32);
    if (upper == "TOP")
        return !report_page && assign(Top, ToInt32);
    if (upper == "WIDTH")
        return assign(Width, ToInt32);
    if (upper == "HEIGHT")
        return assign(Height, ToInt32);
    if (upper == "TYPE") {
        auto type = ToUInt8(value);
        if (!type || *type > ptDialog)
            return false;
        Type = *type;
        return true;
    }
    if (upper == "BORDERSTYLE")
        return assign(BorderStyle, ToUInt8);
    if (upper == "CAPTION") {
        Caption = ToText(value);
        return true;
    }
    if (upper == "NAME") {
        Name = ToText(value);
        return true;
    }
    if (upper == "COLOR")
        return assign(Color, ToColor);
    if (upper == "POSITION")
        return assign(Position, ToUInt8);
    if (upper == "SIZE")
        return assign(PaperSize, ToInt32);
    if (upper == "LEFTMARGIN")
        return assign(LeftMargin, ToInt32);
    if (upper == "TOPMARGIN")
        return assign(TopMargin, ToInt32);
    if (upper == "RIGHTMARGIN")
        return assign(RightMargin, ToInt32);
    if (upper == "BOTTOMMARGIN")
        return assign(BottomMargin, ToInt32);
    if (upper == "ORIENTATION") {
        auto orientation = ToUInt8(value);
        if (!orientation || *orientation > poLandscape)
            return false;
        Orientation = *orientation;
        return true;
    }
    if (upper == "PRINTTOPREVPAGE")
        return assign(PrintToPrevPage, ToBool);
    if (upper == "STRETCHTOPRINTABLE") {
        auto stretch = ToBool(value);
        if (stretch)
            MarginsUsed = !*stretch;
        return stretch.has_value();
    }
    if (upper == "COLUMNS")
        return assign(Columns, ToInt32);
    if (upper == "COLUMNGAP")
        return assign(ColumnGap, ToInt32);
    if (upper == "VISIBLE")
        return assign(Visible, ToBool);
    return false;
}

std::optional<Variant> TfrPage::GetProperty(std::string_view name) const
{
    std::string upper = UpperCase(name);
    bool report_page = Type == ptReport;
    if (upper == "LEFT")
        return report_page ? Variant(0) : Variant(Left);
    if (upper == "TOP")
        return report_page ? Variant(0) : Variant(Top);
    if (upper == "WIDTH")
        return report_page ? Variant(PaperToUnits(PaperWidth)) : Variant(Width);
    if (upper == "HEIGHT")
        return report_page ? Variant(PaperToUnits(PaperHeight)) : Variant(Height);
    if (upper == "TYPE")
        return Variant(static_cast<int>(Type));
    if (upper == "BORDERSTYLE")
        return Variant(static_cast<int>(BorderStyle));
    if (upper == "CAPTION")
        return Variant(Caption);
    if (upper == "NAME")
        return Variant(Name);
    if (upper == "COLOR")
        return Variant(Color);
    if (upper == "POSITION")
        return Variant(static_cast<int>(Position));
    if (upper == "SIZE")
        return Variant(PaperSize);
    if (upper == "LEFTMARGIN")
        return Variant(LeftMargin);
    if (upper == "TOPMARGIN")
        return Variant(TopMargin);
    if (upper == "RIGHTMARGIN")
        return Variant(RightMargin);
    if (upper == "BOTTOMMARGIN")
        return Variant(BottomMargin);
    if (upper == "ORIENTATION")
        return Variant(static_cast<int>(Orientation));
    if (upper == "PRINTTOPREVPAGE")
        return Variant(PrintToPrevPage);
    if (upper == "STRETCHTOPRINTABLE")
        return Variant(!MarginsUsed);
    if (upper == "COLUMNS")
        return Variant(Columns);
    if (upper == "COLUMNGAP")
        return Variant(ColumnGap);
    if (upper == "VISIBLE")
        return Variant(Visible);
    return std::nullopt;
}

std::optional<Variant> TfrPage::CallMethod(std::string_view name, std::span<const Variant>)
{
    std::string upper = UpperCase(name);
    if (upper == "HIDE" || upper == "SHOW") {
        Visible = upper == "SHOW";
        return Variant();
    }
    return std::nullopt;
}

std::vector<std::string> TfrPage::ListProperties() const
{
    return { std::begin(kPageProperties), std::end(kPageProperties) };
}

} // namespace report
