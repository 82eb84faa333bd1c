#pragma once

#include "platform/graphics/TFont.h"

#include <array>
#include <memory>
#include <string_view>
#include <vector>

namespace report {

// Widths of single characters in one drawing font. Memo layout measures text
// a character at a time, and a long build lays out the same few thousand
// characters over and over: each is measured once per font and then read
// from a table indexed by its code point.
class MemoCharWidths {
public:
    // The table of a font, by name, pixel height and style; made on first use
    // and kept for the rest of the run.
    static MemoCharWidths& Of(const gfx::TFont& font);

    // Width of a text as memo layout counts it: the sum of its characters'
    // widths, each followed by `charExtra`. A damaged byte counts as a
    // character of its own.
    double TextWidth(std::string_view text, double charExtra);

    explicit MemoCharWidths(gfx::TFont font);

private:
    static constexpr std::size_t kPageSize = 256;
    using Page = std::array<double, kPageSize>;

    // Measures the character `ch`, which `key` stands for, and keeps its width.
    double Measure(std::uint32_t key, std::string_view ch);

    gfx::TFont m_font;
    // Pages of 256 code points, made when a character of one is first met;
    // the last page holds the damaged bytes.
    std::vector<std::unique_ptr<Page>> m_pages;
};

} // namespace report
