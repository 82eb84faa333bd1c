#include "skin/TbsCompressedStoredSkin.h"

#include "platform/graphics/TBitmap.h"
#include "platform/text/Gbk.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinIniValues.h"
#include "skin/StoredSkinStream.h"

#include <array>
#include <fstream>
#include <iterator>
#include <zlib.h>

namespace skin {

namespace {

constexpr std::size_t kChunkSize = 4096;

class Inflater {
public:
    Inflater()
    {
        if (inflateInit(&m_stream) != Z_OK)
            throw io::FormatError("compression error: inflate cannot start");
    }
    ~Inflater() { inflateEnd(&m_stream); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    z_stream& Stream() { return m_stream; }

private:
    z_stream m_stream {};
};

// Loads a picture named by the PICTURES section from the skin's folder.
gfx::TBitmap LoadNamedPicture(const std::filesystem::path& folder, const std::string& name)
{
    gfx::TBitmap picture;
    if (!name.empty())
        picture.LoadFromBytes(ReadFileBytes(folder / name));
    return picture;
}

} // namespace

void TbsCompressedStoredSkin::SetCompressedData(std::span<const std::uint8_t> bytes)
{
    m_compressed.assign(bytes.begin(), bytes.end());
}

void TbsCompressedStoredSkin::DecompressTo(std::vector<std::uint8_t>& target, std::size_t limit) const
{
    Inflater inflater;
    z_stream& stream = inflater.Stream();
    stream.next_in = const_cast<Bytef*>(m_compressed.data());
    stream.avail_in = static_cast<uInt>(m_compressed.size());

    std::array<std::uint8_t, kChunkSize> chunk;
    std::size_t produced = 0;
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        stream.next_out = chunk.data();
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            if (status == Z_BUF_ERROR)
                throw io::FormatError("compression error: the compressed skin ends before its end mark");
            throw io::FormatError(std::string("compression error: ") + (stream.msg ? stream.msg : "damaged data"));
        }
        std::size_t got = chunk.size() - stream.avail_out;
        produced += got;
        if (produced > limit)
            throw io::FormatError("compression error: the skin inflates to more than " + std::to_string(limit)
                                  + " bytes");
        target.insert(target.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
    }
}

std::vector<std::uint8_t> TbsCompressedStoredSkin::Decompress() const
{
    std::vector<std::uint8_t> stream;
    DecompressTo(stream);
    return stream;
}

bool TbsCompressedStoredSkin::BuildFromIniFile(const std::filesystem::path& iniPath)
{
    std::vector<std::uint8_t> bytes = ReadFileBytes(iniPath);
    std::vector<std::string> lines = SplitTextLines(std::string(bytes.begin(), bytes.end()));
    std::vector<std::string> utf8Lines;
    for (const std::string& line : lines)
        utf8Lines.push_back(text::GbkToUtf8(line));
    SkinIniFile ini(utf8Lines);
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" })
        if (!ini.SectionExists(section))
            return false;

    std::filesystem::path folder = iniPath.parent_path();
    StoredSkin skin;
    skin.Picture = LoadNamedPicture(folder, ini.ReadString("PICTURES", "picture", ""));
    skin.InactivePicture = LoadNamedPicture(folder, ini.ReadString("PICTURES", "inactivepicture", ""));
    skin.Mask = LoadNamedPicture(folder, ini.ReadString("PICTURES", "mask", ""));
    for (const std::string& name : ReadSkinList(ini, "PICTURES", "activepictures")) {
        gfx::TBitmap picture;
        picture.LoadFromBytes(ReadFileBytes(folder / name));
        skin.ActivePictures.push_back(std::move(picture));
    }
    for (const std::string& line : lines)
        skin.IniText += line + "\r\n";

    m_compressed = CompressSkinStream(WriteStoredSkin(skin));
    FileName = iniPath.filename().string();
    return true;
}

void TbsCompressedStoredSkin::ImportCompressedFile(const std::filesystem::path& path)
{
    m_compressed.clear();
    std::vector<std::uint8_t> file = ReadFileBytes(path);
    try {
        SetCompressedData(ParseCompressedSkinFile(file));
    } catch (const StoredSkinVersionError&) {
        return;
    }
    CompressedFileName = path.filename().string();
}

std::vector<std::uint8_t> CompressSkinStream(std::span<const std::uint8_t> stream)
{
    uLongf size = compressBound(static_cast<uLong>(stream.size()));
    std::vector<std::uint8_t> compressed(size);
    if (compress2(compressed.data(), &size, stream.data(), static_cast<uLong>(stream.size()), 9) != Z_OK)
        throw io::FormatError("compression error: deflate failed");
    compressed.resize(size);
    return compressed;
}

std::vector<std::uint8_t> WriteCompressedSkinFile(std::span<const std::uint8_t> zlibStream)
{
    io::ByteWriter writer;
    writer.I32(kStoredSkinVersion);
    writer.I32(static_cast<std::int32_t>(zlibStream.size()));
    writer.Bytes(zlibStream);
    return writer.Take();
}

std::span<const std::uint8_t> ParseCompressedSkinFile(std::span<const std::uint8_t> file)
{
    io::ByteReader reader(file);
    int version = reader.I32();
    if (version > kStoredSkinVersion)
        throw StoredSkinVersionError(version);
    return reader.Bytes(reader.Count(reader.I32()));
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw io::FormatError("cannot open " + path.string());
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw io::FormatError("cannot read " + path.string());
    return bytes;
}

} // namespace skin
