#include "report/objects/BandTypes.h"

#include <array>
#include <initializer_list>

namespace report {
namespace {

constexpr std::array<std::string_view, kBandTypeCount> kNames = {
    "Report title", "Report summary", "Page header", "Page footer", "Master header", "Master data",
    "Master footer", "Detail header", "Detail data", "Detail footer", "Subdetail header",
    "Subdetail data", "Subdetail footer", "Overlay", "Column header", "Column footer", "Group header",
    "Group footer", "Cross header", "Cross data", "Cross footer", "Child", "None",
};

bool In(std::uint16_t code, std::initializer_list<int> codes)
{
    for (int c : codes)
        if (c == code)
            return true;
    return false;
}

bool InRange(std::uint16_t code, int first, int last) { return code >= first && code <= last; }

} // namespace

std::string_view BandTypeName(std::uint16_t code)
{
    return code < kNames.size() ? kNames[code] : std::string_view {};
}

bool BandOffersProperty(std::uint16_t code, std::string_view name)
{
    if (name == "CHILDBAND" || name == "PRINTCHILDIFINVISIBLE")
        return code != static_cast<int>(BandType::PageFooter);
    if (name == "STRETCHED")
        return InRange(code, 0, 2) || InRange(code, 4, 12) || InRange(code, 16, 18) || code == 21;
    if (name == "FORMNEWPAGE")
        return !(InRange(code, 2, 4) || code == 7 || code == 10 || InRange(code, 13, 15) || InRange(code, 17, 22));
    if (name == "PRINTIFSUBSETEMPTY")
        return In(code, { 5, 8 });
    if (name == "BREAKED")
        return In(code, { 0, 1, 16, 17, 21 }) || InRange(code, 4, 12);
    if (name == "ONFIRSTPAGE")
        return In(code, { 2, 3 });
    if (name == "ONLASTPAGE")
        return code == 3;
    if (name == "REPEATHEADER")
        return In(code, { 4, 7, 10, 16, 18 });
    if (name == "COLUMNS" || name == "COLUMNWIDTH" || name == "COLUMNGAP" || name == "NEWCOLUMNAFTER")
        return In(code, { 5, 8, 11 });
    if (name == "DATASOURCE")
        return In(code, { 5, 8, 11, 19 });
    if (name == "CONDITION" || name == "MASTER")
        return code == 16;
    return true;
}

} // namespace report
