#include "platform/graphics/IconFormat.h"

#include "platform/io/ByteReader.h"

#include <cstring>
#include <vector>

namespace gfx {
namespace {

// The icon directory: reserved 0, type 1, image count, then 16 bytes per
// image: width, height, colours, reserved, planes, bits per pixel, the
// image's size and its offset in the file. Each image is a device-independent
// bitmap (header, colour table, colour pixels, then the transparency mask)
// whose height counts both pixel planes.
struct IconEntry {
    int Width;
    std::uint32_t Size;
    std::uint32_t Offset;
};

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

} // namespace

TBitmap DecodeIcon(std::span<const std::uint8_t> bytes)
{
    io::ByteReader in(bytes);
    if (in.U16() != 0 || in.U16() != 1)
        throw io::FormatError("not an icon file");
    int count = in.U16();
    IconEntry best { -1, 0, 0 };
    for (int i = 0; i < count; ++i) {
        int width = in.U8();
        in.Skip(7);
        std::uint32_t size = in.U32();
        std::uint32_t offset = in.U32();
        if (width == 0)
            width = 256;
        if (width > best.Width)
            best = { width, size, offset };
    }
    if (best.Width < 0 || best.Offset > bytes.size() || best.Size > bytes.size() - best.Offset || best.Size < 40)
        throw io::FormatError("damaged icon file");
    std::span<const std::uint8_t> image = bytes.subspan(best.Offset, best.Size);
    if (image[0] == 0x89 && image[1] == 'P')
        throw io::FormatError("icons stored as PNG are not supported");
    std::uint32_t header_size = Get32(image, 0);
    if (header_size < 40 || header_size > image.size())
        throw io::FormatError("damaged icon image");
    int bits = image[14] | (image[15] << 8);
    std::uint32_t colours = Get32(image, 32);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    if (colours > 256)
        throw io::FormatError("damaged icon image");
    // A bitmap file around the image, with the height of its colour plane.
    std::vector<std::uint8_t> file(14 + image.size());
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 14 + header_size + colours * 4);
    std::memcpy(file.data() + 14, image.data(), image.size());
    auto height = static_cast<std::int32_t>(Get32(image, 8));
    Put32(file, 14 + 8, static_cast<std::uint32_t>(height / 2));
    TBitmap picture;
    picture.LoadFromBytes(file);
    return picture;
}

} // namespace gfx
