#include "report/objects/TfrBandView.h"

#include "report/objects/PropertyValue.h"

namespace report {
namespace {

constexpr FlagProperty kBandFlags[] = {
    { "FORMNEWPAGE", band_flags::FormNewPage },   { "PRINTIFSUBSETEMPTY", band_flags::PrintIfSubsetEmpty },
    { "BREAKED", band_flags::Breaked },           { "ONFIRSTPAGE", band_flags::OnFirstPage },
    { "ONLASTPAGE", band_flags::OnLastPage },     { "REPEATHEADER", band_flags::RepeatHeader },
    { "PRINTCHILDIFINVISIBLE", band_flags::PrintChildIfInvisible },
};

constexpr std::string_view kBandProperties[] = {
    "CHILDBAND", "MASTER", "CONDITION", "DATASOURCE", "COLUMNS", "COLUMNGAP", "COLUMNWIDTH", "NEWCOLUMNAFTER",
};

} // namespace

TfrBandView::TfrBandView()
{
    Flags = band_flags::OnFirstPage | band_flags::OnLastPage;
    FormatCode = 0;
}

bool TfrBandView::IsDataBand() const
{
    switch (static_cast<BandType>(FrameTyp)) {
    case BandType::MasterData:
    case BandType::DetailData:
    case BandType::SubDetailData:
    case BandType::CrossData:
        return true;
    default:
        return false;
    }
}

bool TfrBandView::SetProperty(std::string_view name, const Variant& value)
{
    std::string upper = UpperCase(name);
    auto assign = [&value](std::int32_t& field) {
        auto converted = ToInt32(value);
        if (converted)
            field = *converted;
        return converted.has_value();
    };
    if (upper == "CHILDBAND") {
        ChildBand = ToText(value);
        return true;
    }
    if (upper == "MASTER") {
        Master = ToText(value);
        return true;
    }
    if (upper == "CONDITION" || upper == "DATASOURCE") {
        FormatText = ToText(value);
        return true;
    }
    if (upper == "COLUMNS")
        return assign(Columns);
    if (upper == "COLUMNGAP")
        return assign(ColumnGap);
    if (upper == "COLUMNWIDTH")
        return assign(ColumnWidth);
    if (upper == "NEWCOLUMNAFTER")
        return assign(NewColumnAfter);
    if (SetFlagProperty(kBandFlags, upper, value))
        return true;
    return TfrView::SetProperty(upper, value);
}

std::optional<Variant> TfrBandView::GetProperty(std::string_view name) const
{
    std::string upper = UpperCase(name);
    if (upper == "CHILDBAND")
        return Variant(ChildBand);
    if (upper == "MASTER")
        return Variant(Master);
    if (upper == "CONDITION" || upper == "DATASOURCE")
        return Variant(FormatText);
    if (upper == "COLUMNS")
        return Variant(Columns);
    if (upper == "COLUMNGAP")
        return Variant(ColumnGap);
    if (upper == "COLUMNWIDTH")
        return Variant(ColumnWidth);
    if (upper == "NEWCOLUMNAFTER")
        return Variant(NewColumnAfter);
    if (auto flag = GetFlagProperty(kBandFlags, upper))
        return flag;
    return TfrView::GetProperty(upper);
}

std::vector<std::string> TfrBandView::ListProperties() const
{
    std::vector<std::string> names;
    for (const auto& name : TfrView::ListProperties())
        if (BandOffersProperty(FrameTyp, name))
            names.push_back(name);
    for (std::string_view name : kBandProperties)
        if (BandOffersProperty(FrameTyp, name))
            names.emplace_back(name);
    for (const auto& flag : kBandFlags)
        if (BandOffersProperty(FrameTyp, flag.name))
            names.emplace_back(flag.name);
    return names;
}

} // namespace report
