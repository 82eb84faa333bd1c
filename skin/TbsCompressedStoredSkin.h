#pragma once

#include "platform/io/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace skin {

// A stored skin inflating beyond this is damage, not a skin (this program's
// skin inflates to about 250 KB).
inline constexpr std::size_t kMaxInflatedSkinSize = 32u * 1024 * 1024;

// A skin carried inside a form: one zlib stream (compression level 9, so it
// starts with 78 DA) that inflates to a stored skin stream (StoredSkinStream.h).
// The skin data reads it; nothing at run time writes it.
class TbsCompressedStoredSkin {
public:
    // Free text, not interpreted.
    std::string Description;
    // The INI file and the compressed skin file the skin was built from; only
    // stored at run time.
    std::string FileName;
    std::string CompressedFileName;

    bool IsEmpty() const { return m_compressed.empty(); }

    // The form property "CompressedData": the compressed bytes unchanged.
    std::span<const std::uint8_t> CompressedData() const { return m_compressed; }
    void SetCompressedData(std::span<const std::uint8_t> bytes);

    // Inflates the whole zlib stream and appends it to `target`. A stream that
    // fails to inflate, ends before its end mark or inflates to more than
    // `limit` bytes raises io::FormatError ("compression error: …").
    void DecompressTo(std::vector<std::uint8_t>& target, std::size_t limit = kMaxInflatedSkinSize) const;
    std::vector<std::uint8_t> Decompress() const;

    // Builds the container from an INI file and the BMP pictures beside it.
    // Returns false, leaving the container unchanged, when the INI file lacks
    // one of the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and
    // SKINCONTROLS; a file that cannot be read raises io::FormatError.
    bool BuildFromIniFile(const std::filesystem::path& iniPath);

    // Takes the zlib stream of a compressed skin file (ParseCompressedSkinFile).
    // A version above 3 leaves the container empty.
    void ImportCompressedFile(const std::filesystem::path& path);

private:
    std::vector<std::uint8_t> m_compressed;
};

// zlib at level 9.
std::vector<std::uint8_t> CompressSkinStream(std::span<const std::uint8_t> stream);

// The compressed skin file a designer imports: version (at most 3), length L,
// then L bytes of the zlib stream; nothing after them is read. Parsing raises
// StoredSkinVersionError for a newer version and io::FormatError when the file
// is shorter than it says.
std::vector<std::uint8_t> WriteCompressedSkinFile(std::span<const std::uint8_t> zlibStream);
std::span<const std::uint8_t> ParseCompressedSkinFile(std::span<const std::uint8_t> file);

// The bytes of a whole file; io::FormatError when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

} // namespace skin
