#pragma once

#include <cstdint>
#include <string_view>

namespace report {

// The band type a band view keeps in its `FrameTyp`.
enum class BandType : std::uint16_t {
    ReportTitle = 0,
    ReportSummary = 1,
    PageHeader = 2,
    PageFooter = 3,
    MasterHeader = 4,
    MasterData = 5,
    MasterFooter = 6,
    DetailHeader = 7,
    DetailData = 8,
    DetailFooter = 9,
    SubDetailHeader = 10,
    SubDetailData = 11,
    SubDetailFooter = 12,
    Overlay = 13,
    ColumnHeader = 14,
    ColumnFooter = 15,
    GroupHeader = 16,
    GroupFooter = 17,
    CrossHeader = 18,
    CrossData = 19,
    CrossFooter = 20,
    Child = 21,
    None = 22,
};

inline constexpr int kBandTypeCount = 23;

// The name users see for a band type code; empty for a code outside 0-22.
std::string_view BandTypeName(std::uint16_t code);

// Whether a band of this type offers the named property (upper-case name) to
// scripts and inspectors. Properties common to all bands are always offered.
bool BandOffersProperty(std::uint16_t code, std::string_view upper_name);

} // namespace report
