#pragma once

#include <cstdint>

namespace gfx {

// Ternary raster operations for BitBlt, CopyRect and PatBlt, with the classic
// values: bits 16..23 are the truth table over pattern (brush), source and
// destination.
using TRasterOp = std::uint32_t;

inline constexpr TRasterOp SRCCOPY = 0x00CC0020;
inline constexpr TRasterOp SRCPAINT = 0x00EE0086;
inline constexpr TRasterOp SRCAND = 0x008800C6;
inline constexpr TRasterOp SRCINVERT = 0x00660046;
inline constexpr TRasterOp SRCERASE = 0x00440328;
inline constexpr TRasterOp NOTSRCCOPY = 0x00330008;
inline constexpr TRasterOp NOTSRCERASE = 0x001100A6;
inline constexpr TRasterOp MERGECOPY = 0x00C000CA;
inline constexpr TRasterOp MERGEPAINT = 0x00BB0226;
inline constexpr TRasterOp PATCOPY = 0x00F00021;
inline constexpr TRasterOp PATPAINT = 0x00FB0A09;
inline constexpr TRasterOp PATINVERT = 0x005A0049;
inline constexpr TRasterOp DSTINVERT = 0x00550009;
inline constexpr TRasterOp BLACKNESS = 0x00000042;
inline constexpr TRasterOp WHITENESS = 0x00FF0062;

} // namespace gfx
