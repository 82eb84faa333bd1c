#include "report/objects/MemoCharWidths.h"

#include "platform/graphics/TPageCanvas.h"
#include "platform/text/Utf8.h"

#include <cmath>
#include <limits>
#include <map>
#include <tuple>

namespace report {
namespace {

// Keys past the last code point stand for damaged bytes.
constexpr std::uint32_t kDamagedByte = 0x110000;
constexpr std::size_t kKeyCount = kDamagedByte + 0x100;

constexpr double kNotMeasured = std::numeric_limits<double>::quiet_NaN();

} // namespace

MemoCharWidths& MemoCharWidths::Of(const gfx::TFont& font)
{
    using FontKey = std::tuple<std::string, int, unsigned>;
    static std::map<FontKey, std::unique_ptr<MemoCharWidths>> tables;
    auto& table = tables[FontKey { font.Name, font.Height, font.Style.Bits() }];
    if (!table)
        table = std::make_unique<MemoCharWidths>(font);
    return *table;
}

MemoCharWidths::MemoCharWidths(gfx::TFont font) : m_font(std::move(font)), m_pages((kKeyCount + kPageSize - 1) / kPageSize)
{
}

double MemoCharWidths::TextWidth(std::string_view text, double charExtra)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        text::Utf8Char ch = text::DecodeUtf8(text, i);
        std::uint32_t key = ch.Valid ? static_cast<std::uint32_t>(ch.CodePoint)
                                     : kDamagedByte + static_cast<unsigned char>(text[i]);
        const Page* page = m_pages[key / kPageSize].get();
        double char_width = page ? (*page)[key % kPageSize] : kNotMeasured;
        if (std::isnan(char_width))
            char_width = Measure(key, text.substr(i, ch.Length));
        width += char_width + charExtra;
        i += ch.Length;
    }
    return width;
}

double MemoCharWidths::Measure(std::uint32_t key, std::string_view ch)
{
    auto& page = m_pages[key / kPageSize];
    if (!page) {
        page = std::make_unique<Page>();
        page->fill(kNotMeasured);
    }
    double& width = (*page)[key % kPageSize];
    width = gfx::PageTextWidth(m_font, ch);
    return width;
}

} // namespace report
