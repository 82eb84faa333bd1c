#include "skin/StoredSkinStream.h"

#include "skin/SkinIniFile.h"

namespace skin {

namespace {

// The smallest BMP file: a file header and the smallest info header.
constexpr std::size_t kMinBmpFileSize = 14 + 12;

// Refuses a picture whose header claims a side beyond kMaxSkinPictureSide
// before the BMP reader walks its rows: a picture zero pixels wide and
// millions of rows high holds no pixel data, so its length does not bound it.
void CheckPictureSize(io::ByteReader reader)
{
    reader.Skip(14);
    std::uint32_t infoSize = reader.U32();
    std::int64_t width = infoSize == 12 ? reader.U16() : reader.I32();
    std::int64_t height = infoSize == 12 ? reader.I16() : reader.I32();
    if (width > kMaxSkinPictureSide || height > kMaxSkinPictureSide || -height > kMaxSkinPictureSide)
        throw io::FormatError("a skin picture of " + std::to_string(width) + " x " + std::to_string(height)
                              + " pixels is beyond any skin");
}

StoredSkinPictureInfo ReadPicture(io::ByteReader& reader, gfx::TBitmap& picture, std::string role, int flag)
{
    StoredSkinPictureInfo info { std::move(role), flag, reader.Position() };
    CheckPictureSize(reader);
    picture.LoadFromStream(reader);
    info.Length = reader.Position() - info.Offset;
    info.Width = picture.Width();
    info.Height = picture.Height();
    info.BitCount = BitCount(picture);
    return info;
}

StoredSkinPictureInfo ReadFlaggedPicture(io::ByteReader& reader, gfx::TBitmap& picture, std::string role)
{
    int flag = reader.U8();
    if (flag != 0) {
        picture = gfx::TBitmap();
        return { std::move(role), flag, reader.Position() };
    }
    return ReadPicture(reader, picture, std::move(role), flag);
}

void WriteFlaggedPicture(io::ByteWriter& writer, const gfx::TBitmap& picture)
{
    writer.U8(picture.Empty() ? 1 : 0);
    if (!picture.Empty())
        picture.SaveToStream(writer);
}

} // namespace

StoredSkinVersionError::StoredSkinVersionError(int version)
    : io::FormatError("stored skin version " + std::to_string(version) + " is newer than version "
                      + std::to_string(kStoredSkinVersion))
    , m_version(version)
{
}

StoredSkin ReadStoredSkin(std::span<const std::uint8_t> stream, StoredSkinLayout* layout)
{
    io::ByteReader reader(stream);
    StoredSkinLayout found;
    found.Version = reader.I32();
    if (found.Version > kStoredSkinVersion)
        throw StoredSkinVersionError(found.Version);

    StoredSkin skin;
    found.Pictures.push_back(ReadFlaggedPicture(reader, skin.Picture, "picture"));
    found.Pictures.push_back(ReadFlaggedPicture(reader, skin.InactivePicture, "inactivepicture"));
    found.Pictures.push_back(ReadFlaggedPicture(reader, skin.Mask, "mask"));
    if (found.Version == 2) {
        gfx::TBitmap scratch;
        for (int i = 0; i < 2; ++i)
            found.Pictures.push_back(ReadFlaggedPicture(reader, scratch, "discarded"));
    }

    std::size_t count = reader.Count(reader.I32(), kMinBmpFileSize);
    skin.ActivePictures.resize(count);
    for (gfx::TBitmap& picture : skin.ActivePictures)
        found.Pictures.push_back(ReadPicture(reader, picture, "active", -1));

    found.IniTextOffset = reader.Position();
    found.IniTextLength = reader.Remaining();
    skin.IniText = reader.String(reader.Remaining());
    found.IniLineCount = SplitTextLines(skin.IniText).size();
    if (layout)
        *layout = std::move(found);
    return skin;
}

std::vector<std::uint8_t> WriteStoredSkin(const StoredSkin& skin)
{
    io::ByteWriter writer;
    writer.I32(kStoredSkinVersion);
    WriteFlaggedPicture(writer, skin.Picture);
    WriteFlaggedPicture(writer, skin.InactivePicture);
    WriteFlaggedPicture(writer, skin.Mask);
    writer.I32(static_cast<std::int32_t>(skin.ActivePictures.size()));
    for (const gfx::TBitmap& picture : skin.ActivePictures)
        picture.SaveToStream(writer);
    writer.String(skin.IniText);
    return writer.Take();
}

int BitCount(const gfx::TBitmap& picture)
{
    switch (picture.PixelFormat) {
    case gfx::TPixelFormat::pf1bit:
        return 1;
    case gfx::TPixelFormat::pf4bit:
        return 4;
    case gfx::TPixelFormat::pf8bit:
        return 8;
    case gfx::TPixelFormat::pf24bit:
        return 24;
    case gfx::TPixelFormat::pf32bit:
        break;
    }
    return 32;
}

} // namespace skin
