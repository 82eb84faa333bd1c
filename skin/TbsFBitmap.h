#pragma once

#include "platform/graphics/TBitmap.h"

#include <cstdint>
#include <vector>

namespace skin {

// A 24-bit copy of a picture (rows top-down, blue, green, red per pixel, rows
// padded to a multiple of 4 bytes) with a table of row starts, for scanning
// mask pictures pixel by pixel.
class TbsFBitmap {
public:
    explicit TbsFBitmap(const gfx::TBitmap& bitmap);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::uint8_t* ScanLine(int y) const { return m_rows[static_cast<std::size_t>(y)]; }
    // True when blue, green and red are all 0.
    bool IsBlack(int x, int y) const
    {
        const std::uint8_t* p = ScanLine(y) + 3 * x;
        return p[0] == 0 && p[1] == 0 && p[2] == 0;
    }

private:
    int m_width { 0 };
    int m_height { 0 };
    std::vector<std::uint8_t> m_bits;
    std::vector<const std::uint8_t*> m_rows;
};

} // namespace skin
