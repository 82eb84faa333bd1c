#include "skin/TbsFBitmap.h"

namespace skin {

TbsFBitmap::TbsFBitmap(const gfx::TBitmap& bitmap) : m_width(bitmap.Width()), m_height(bitmap.Height())
{
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(m_width) + m_width % 4;
    m_bits.resize(rowBytes * m_height);
    m_rows.reserve(m_height);
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* row = m_bits.data() + rowBytes * y;
        const gfx::Pixel* from = bitmap.ScanLine(y);
        for (int x = 0; x < m_width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(from[x]);
            row[3 * x + 1] = static_cast<std::uint8_t>(from[x] >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(from[x] >> 16);
        }
        m_rows.push_back(row);
    }
}

} // namespace skin
