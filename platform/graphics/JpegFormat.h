#pragma once

#include "platform/graphics/TBitmap.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gfx {

// Decodes a JPEG file's bytes (greyscale, RGB or CMYK) into a 24-bit
// picture. Damaged data raises io::FormatError.
TBitmap DecodeJpeg(std::span<const std::uint8_t> bytes);
// Encodes a picture as a baseline JPEG file at the given quality (1 to 100).
std::vector<std::uint8_t> EncodeJpeg(const TBitmap& picture, int quality = 90);

} // namespace gfx
