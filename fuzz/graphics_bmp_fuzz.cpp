// Feeds arbitrary bytes to the BMP reader. A load may fail with a format
// error, but must neither crash nor run unbounded; a picture that loads is
// written back and read again, and must survive that round unchanged in size,
// and a successful read consumes exactly the header's file length.

#include "platform/graphics/TBitmap.h"
#include "platform/io/ByteReader.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> bytes(data, size);
    io::ByteReader reader(bytes);
    gfx::TBitmap bmp;
    try {
        bmp.LoadFromStream(reader);
    } catch (const io::FormatError&) {
        return 0;
    }
    // The file length field sits at offset 2; reading stops exactly there.
    std::uint32_t file_size = data[2] | (data[3] << 8) | (data[4] << 16) | (std::uint32_t { data[5] } << 24);
    if (reader.Position() != file_size)
        std::abort();

    gfx::TBitmap again;
    again.LoadFromBytes(bmp.SaveToBytes());
    if (again.Width() != bmp.Width() || again.Height() != bmp.Height())
        std::abort();
    return 0;
}
