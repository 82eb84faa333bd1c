#pragma once

#include <cstdint>
#include <span>

namespace skin {

// The program's own skin as the main window's skin container holds it: one
// zlib stream, packed from assets/skin/ when the program is built. Empty when
// the build found no skin there.
std::span<const std::uint8_t> EmbeddedSkinBytes();

} // namespace skin
