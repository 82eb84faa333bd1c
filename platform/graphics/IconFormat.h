#pragma once

#include "platform/graphics/TBitmap.h"

#include <cstdint>
#include <span>

namespace gfx {

// Decodes the largest bitmap image of an icon file (.ico). Icons whose images
// are stored as PNG, and damaged data, raise io::FormatError.
TBitmap DecodeIcon(std::span<const std::uint8_t> bytes);

} // namespace gfx
