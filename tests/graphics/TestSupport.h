#pragma once

#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <string>

namespace gfx::test {

// Number of pixels in a rectangle of the bitmap that are not `color`.
inline int CountOther(const TBitmap& bmp, const TRect& area, TColor color)
{
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x)
            n += bmp.GetPixel(x, y) != color ? 1 : 0;
    }
    return n;
}

// The bounding box of the pixels that are not `color`.
inline TRect Painted(const TBitmap& bmp, TColor color)
{
    TRect box { bmp.Width(), bmp.Height(), 0, 0 };
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
            if (bmp.GetPixel(x, y) != color) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
        }
    }
    return box.IsEmpty() ? TRect {} : box;
}

// Rows of a bitmap as text, one character per pixel: '#' for `ink`, '.' otherwise.
inline std::string Picture(const TBitmap& bmp, TColor ink)
{
    std::string out;
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x)
            out += bmp.GetPixel(x, y) == ink ? '#' : '.';
        out += '\n';
    }
    return out;
}

} // namespace gfx::test
