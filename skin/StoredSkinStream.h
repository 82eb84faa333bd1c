#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/io/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skin {

// The stored skin stream (the inflated content of a stored skin), all integers
// little-endian 32-bit:
//   version (1, 2 or 3; the writer writes 3)
//   flag byte + BMP file   main picture (flag 0: the picture follows)
//   flag byte + BMP file   inactive picture
//   flag byte + BMP file   mask
//   2 × flag byte + BMP    version 2 only: read and discarded
//   count N, N BMP files   the "activepictures" in list order, no flags
//   INI text               to the end, lines ended by CR LF, in GBK
// Each BMP file is as long as its own file header says.
inline constexpr int kStoredSkinVersion = 3;

// A side longer than this is damage (this program's largest picture is a few
// hundred pixels wide).
inline constexpr int kMaxSkinPictureSide = 16384;

// A stream written by a newer writer (version above 3).
class StoredSkinVersionError : public io::FormatError {
public:
    explicit StoredSkinVersionError(int version);
    int Version() const { return m_version; }

private:
    int m_version;
};

// The pictures and the description text of one skin.
struct StoredSkin {
    gfx::TBitmap Picture;         // empty when absent
    gfx::TBitmap InactivePicture; // empty when absent
    gfx::TBitmap Mask;            // empty when absent
    std::vector<gfx::TBitmap> ActivePictures;
    std::string IniText; // as stored (GBK)
};

// Where each item of a stream lies, for tools that show a stream's layout.
struct StoredSkinPictureInfo {
    std::string Role;      // "picture", "inactivepicture", "mask", "discarded" or "active"
    int Flag { -1 };       // the flag byte before it; -1 for active pictures, which have none
    std::size_t Offset { 0 }; // of the BMP file (where it would start when the flag says absent)
    std::size_t Length { 0 };
    int Width { 0 };
    int Height { 0 };
    int BitCount { 0 };
};

struct StoredSkinLayout {
    int Version { 0 };
    std::vector<StoredSkinPictureInfo> Pictures;
    std::size_t IniTextOffset { 0 };
    std::size_t IniTextLength { 0 };
    std::size_t IniLineCount { 0 };
};

// Reads a stored skin stream. Raises StoredSkinVersionError for a version above
// 3 and io::FormatError for a stream that ends early, a picture that is not a
// BMP file or is absurdly large, or an absurd picture count. `layout`, when
// given, describes what was read.
StoredSkin ReadStoredSkin(std::span<const std::uint8_t> stream, StoredSkinLayout* layout = nullptr);

// Writes a version 3 stream; empty pictures are written as absent.
std::vector<std::uint8_t> WriteStoredSkin(const StoredSkin& skin);

// Bits per pixel of a picture as it was read (or will be written).
int BitCount(const gfx::TBitmap& picture);

} // namespace skin
