#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace report {

// A paper the virtual printer offers: the platform's paper code, its name and
// its size in tenths of a millimetre (0 × 0 for the custom size).
struct PaperInfo {
    std::int32_t Code;
    std::string_view Name;
    std::int32_t Width;
    std::int32_t Height;
};

// The virtual printer's papers: codes 1 to 47 and 50 to 68 with their
// standard sizes, then 256 for a custom size.
std::span<const PaperInfo> PaperTable();

// The table entry for a paper code, or nothing for a code it does not hold.
std::optional<PaperInfo> FindPaper(std::int32_t code);

} // namespace report
