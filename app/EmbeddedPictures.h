#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace app {

// The BMP bytes of a picture compiled into the program, by its file name
// without extension ("toolbar", "tree", "veltrin16", "veltrin32"); empty when
// there is no such picture.
std::span<const std::uint8_t> EmbeddedPicture(std::string_view name);

} // namespace app
