#include "SkinDataTestSkin.h"

#include "skin/StoredSkinStream.h"
#include "skin/SkinIniFile.h"
#include "skin/TbsCompressedStoredSkin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using skin::ReadStoredSkin;
using skin::StoredSkinLayout;
using skintest::BuildStream;
using skintest::DistinctPicture;
using skintest::StreamParts;

namespace {

StreamParts SmallParts()
{
    StreamParts parts;
    parts.Picture = DistinctPicture(4, 3, 1);
    parts.ActivePictures = { DistinctPicture(3, 2, 2) };
    parts.IniText = "[VERSION]\r\nskinname=x\r\n";
    return parts;
}

} // namespace

TEST(StoredSkinStream, WriterOutputReadsBackPictureForPictureWithTheIniTextAfterThem)
{
    skin::StoredSkin written;
    written.Picture = DistinctPicture(160, 145, 1);
    written.ActivePictures = { DistinctPicture(99, 63, 2), DistinctPicture(29, 15, 3) };
    written.IniText = skintest::TestIniText();
    std::vector<std::uint8_t> stream = skin::WriteStoredSkin(written);

    StoredSkinLayout layout;
    skin::StoredSkin read = ReadStoredSkin(stream, &layout);
    EXPECT_EQ(layout.Version, 3);
    EXPECT_EQ(read.Picture, written.Picture);
    EXPECT_TRUE(read.InactivePicture.Empty());
    EXPECT_TRUE(read.Mask.Empty());
    ASSERT_EQ(read.ActivePictures.size(), 2u);
    EXPECT_EQ(read.ActivePictures[0], written.ActivePictures[0]);
    EXPECT_EQ(read.ActivePictures[1], written.ActivePictures[1]);
    EXPECT_EQ(read.IniText, written.IniText);

    ASSERT_EQ(layout.Pictures.size(), 5u);
    EXPECT_EQ(layout.Pictures[0].Role, "picture");
    EXPECT_EQ(layout.Pictures[0].Flag, 0);
    EXPECT_EQ(layout.Pictures[0].Offset, 5u);
    EXPECT_EQ(layout.Pictures[0].Width, 160);
    EXPECT_EQ(layout.Pictures[1].Flag, 1);
    EXPECT_EQ(layout.Pictures[3].Role, "active");
    EXPECT_EQ(layout.Pictures[3].Flag, -1);
    EXPECT_EQ(layout.Pictures[4].Height, 15);
    EXPECT_EQ(layout.IniTextOffset, stream.size() - written.IniText.size());
    EXPECT_EQ(layout.IniLineCount, skin::SplitTextLines(written.IniText).size());
}

TEST(StoredSkinStream, VersionOneReadsLikeVersionThree)
{
    StreamParts parts;
    parts.Version = 1;
    skin::StoredSkin read = ReadStoredSkin(BuildStream(parts));
    EXPECT_EQ(read.Picture, *parts.Picture);
    ASSERT_EQ(read.ActivePictures.size(), 2u);
    EXPECT_EQ(read.ActivePictures[1], parts.ActivePictures[1]);
    EXPECT_EQ(read.IniText, parts.IniText);
}

TEST(StoredSkinStream, VersionTwoSkipsExactlyTwoFlaggedPicturesBeforeTheCount)
{
    StreamParts parts;
    parts.Version = 2;
    parts.Mask = DistinctPicture(5, 5, 9);
    parts.VersionTwoExtras = { DistinctPicture(7, 4, 5), std::nullopt };
    StoredSkinLayout layout;
    skin::StoredSkin read = ReadStoredSkin(BuildStream(parts), &layout);
    EXPECT_EQ(read.Mask, *parts.Mask);
    ASSERT_EQ(read.ActivePictures.size(), 2u);
    EXPECT_EQ(read.ActivePictures[0], parts.ActivePictures[0]);
    EXPECT_EQ(read.IniText, parts.IniText);
    ASSERT_EQ(layout.Pictures.size(), 7u);
    EXPECT_EQ(layout.Pictures[3].Role, "discarded");
    EXPECT_EQ(layout.Pictures[3].Width, 7);
    EXPECT_EQ(layout.Pictures[4].Flag, 1);

    // The same two pairs in a version 3 stream are taken for the count.
    parts.Version = 3;
    io::ByteWriter writer;
    writer.I32(3);
    for (int i = 0; i < 3; ++i)
        writer.U8(1);
    skintest::WriteFlagged(writer, parts.VersionTwoExtras[0]);
    EXPECT_THROW(ReadStoredSkin(writer.Data()), io::FormatError);
}

TEST(StoredSkinStream, NewerVersionsAreRefusedWithTheirNumber)
{
    StreamParts parts;
    parts.Version = 4;
    try {
        ReadStoredSkin(BuildStream(parts));
        FAIL() << "version 4 was read";
    } catch (const skin::StoredSkinVersionError& error) {
        EXPECT_EQ(error.Version(), 4);
    }
}

TEST(StoredSkinStream, AbsentMainPictureLeavesTheNextByteToTheInactiveFlag)
{
    StreamParts parts;
    parts.Picture.reset();
    parts.InactivePicture = DistinctPicture(6, 6, 4);
    StoredSkinLayout layout;
    skin::StoredSkin read = ReadStoredSkin(BuildStream(parts), &layout);
    EXPECT_TRUE(read.Picture.Empty());
    EXPECT_EQ(read.InactivePicture, *parts.InactivePicture);
    EXPECT_EQ(layout.Pictures[1].Offset, 6u);
}

TEST(StoredSkinStream, ZeroActivePicturesAreFollowedDirectlyByTheText)
{
    StreamParts parts;
    parts.ActivePictures.clear();
    std::vector<std::uint8_t> stream = BuildStream(parts);
    StoredSkinLayout layout;
    skin::StoredSkin read = ReadStoredSkin(stream, &layout);
    EXPECT_TRUE(read.ActivePictures.empty());
    EXPECT_EQ(layout.IniTextOffset, stream.size() - parts.IniText.size());
    EXPECT_EQ(read.IniText.substr(0, 1), ";");
}

TEST(StoredSkinStream, EveryTruncationInsideThePicturesIsAFormatError)
{
    std::vector<std::uint8_t> stream = BuildStream(SmallParts());
    std::size_t textStart = stream.size() - SmallParts().IniText.size();
    for (std::size_t length = 0; length < textStart; ++length)
        EXPECT_THROW(ReadStoredSkin(std::span(stream).first(length)), io::FormatError) << "length " << length;
    // Cut inside the text, the stream is whole: the text is simply shorter.
    EXPECT_EQ(ReadStoredSkin(std::span(stream).first(textStart + 3)).IniText, "[VE");
}

TEST(StoredSkinStream, AbsurdCountsAndDamagedPicturesAreFormatErrors)
{
    std::vector<std::uint8_t> stream = BuildStream(SmallParts());
    // The count follows the version, the main picture and two absent flags.
    io::ByteReader probe(stream);
    probe.Skip(5);
    gfx::TBitmap scratch;
    scratch.LoadFromStream(probe);
    std::size_t countAt = probe.Position() + 2;

    for (std::int32_t count : { -1, 1000000, 0x7FFFFFFF }) {
        std::vector<std::uint8_t> damaged = stream;
        for (int i = 0; i < 4; ++i)
            damaged[countAt + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(count) >> (8 * i));
        EXPECT_THROW(ReadStoredSkin(damaged), io::FormatError) << count;
    }
    std::vector<std::uint8_t> notBmp = stream;
    notBmp[5] = 'X';
    EXPECT_THROW(ReadStoredSkin(notBmp), io::FormatError);

    // A main picture no pixel wide but 251 million rows high: no pixel data
    // bounds it, so its size alone must refuse it.
    std::vector<std::uint8_t> endless = stream;
    for (int i = 0; i < 8; ++i)
        endless[5 + 18 + i] = i == 7 ? 0x0F : 0;
    EXPECT_THROW(ReadStoredSkin(endless), io::FormatError);
}

TEST(CompressedStoredSkin, CompressesAtLevelNineAndInflatesBackExactly)
{
    std::vector<std::uint8_t> stream = BuildStream(StreamParts());
    std::vector<std::uint8_t> compressed = skin::CompressSkinStream(stream);
    ASSERT_GE(compressed.size(), 2u);
    EXPECT_EQ(compressed[0], 0x78);
    EXPECT_EQ(compressed[1], 0xDA);

    skin::TbsCompressedStoredSkin stored;
    EXPECT_TRUE(stored.IsEmpty());
    stored.SetCompressedData(compressed);
    EXPECT_FALSE(stored.IsEmpty());
    std::vector<std::uint8_t> target { 0xEE };
    stored.DecompressTo(target);
    ASSERT_EQ(target.size(), stream.size() + 1);
    EXPECT_EQ(target[0], 0xEE);
    EXPECT_TRUE(std::equal(stream.begin(), stream.end(), target.begin() + 1));
}

TEST(CompressedStoredSkin, TruncatedCorruptAndOversizedStreamsAreCompressionErrors)
{
    std::vector<std::uint8_t> compressed = skin::CompressSkinStream(BuildStream(StreamParts()));
    skin::TbsCompressedStoredSkin stored;

    stored.SetCompressedData(std::span(compressed).first(compressed.size() / 2));
    EXPECT_THROW(stored.Decompress(), io::FormatError);

    std::vector<std::uint8_t> corrupt = compressed;
    corrupt[0] = 0x12;
    stored.SetCompressedData(corrupt);
    EXPECT_THROW(stored.Decompress(), io::FormatError);

    std::vector<std::uint8_t> stream = BuildStream(StreamParts());
    stored.SetCompressedData(compressed);
    std::vector<std::uint8_t> target;
    stored.DecompressTo(target, stream.size());
    EXPECT_EQ(target, stream);
    try {
        stored.DecompressTo(target, stream.size() - 1);
        FAIL() << "an oversized skin was inflated";
    } catch (const io::FormatError& error) {
        EXPECT_NE(std::string(error.what()).find("compression error"), std::string::npos);
    }
}

TEST(CompressedSkinFile, CarriesTheZlibStreamBehindVersionAndLength)
{
    std::vector<std::uint8_t> zlib = skin::CompressSkinStream(BuildStream(SmallParts()));
    std::vector<std::uint8_t> file = skin::WriteCompressedSkinFile(zlib);
    ASSERT_EQ(file.size(), zlib.size() + 8);
    EXPECT_EQ(file[0], 3);
    file.push_back(0x55); // nothing after the L bytes is read
    std::span<const std::uint8_t> parsed = skin::ParseCompressedSkinFile(file);
    EXPECT_TRUE(std::equal(parsed.begin(), parsed.end(), zlib.begin(), zlib.end()));

    file[0] = 4;
    EXPECT_THROW(skin::ParseCompressedSkinFile(file), skin::StoredSkinVersionError);
    file[0] = 3;
    EXPECT_THROW(skin::ParseCompressedSkinFile(std::span(file).first(20)), io::FormatError);
}

namespace {

struct SkinFolder {
    std::filesystem::path Path;
    explicit SkinFolder(const std::string& name)
        : Path(std::filesystem::temp_directory_path() / name)
    {
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~SkinFolder() { std::filesystem::remove_all(Path); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path / name, std::ios::binary) << bytes;
    }
    void WritePicture(const std::string& name, const gfx::TBitmap& picture) const
    {
        std::vector<std::uint8_t> bytes = picture.SaveToBytes();
        Write(name, std::string(bytes.begin(), bytes.end()));
    }
};

} // namespace

TEST(CompressedStoredSkin, BuildsFromAnIniFileAndThePicturesBesideIt)
{
    SkinFolder folder("veltrin-stored-skin-build");
    folder.Write("skin.ini", skintest::TestIniText());
    folder.WritePicture("main.bmp", DistinctPicture(160, 145, 1));
    folder.WritePicture("pw.bmp", DistinctPicture(99, 63, 2));
    folder.WritePicture("controls.bmp", DistinctPicture(30, 20, 3));

    skin::TbsCompressedStoredSkin stored;
    ASSERT_TRUE(stored.BuildFromIniFile(folder.Path / "skin.ini"));
    EXPECT_EQ(stored.FileName, "skin.ini");
    StoredSkinLayout layout;
    skin::StoredSkin read = ReadStoredSkin(stored.Decompress(), &layout);
    EXPECT_EQ(layout.Version, 3);
    EXPECT_EQ(read.Picture, DistinctPicture(160, 145, 1));
    EXPECT_TRUE(read.InactivePicture.Empty());
    ASSERT_EQ(read.ActivePictures.size(), 2u);
    EXPECT_EQ(read.ActivePictures[1], DistinctPicture(30, 20, 3));
    EXPECT_EQ(read.IniText, skintest::TestIniText());

    // A missing picture file is the designer's error; a missing section is ignored.
    std::filesystem::remove(folder.Path / "pw.bmp");
    EXPECT_THROW(stored.BuildFromIniFile(folder.Path / "skin.ini"), io::FormatError);
    folder.Write("other.ini", "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n");
    std::vector<std::uint8_t> before(stored.CompressedData().begin(), stored.CompressedData().end());
    EXPECT_FALSE(stored.BuildFromIniFile(folder.Path / "other.ini"));
    EXPECT_TRUE(std::equal(before.begin(), before.end(), stored.CompressedData().begin(), stored.CompressedData().end()));
}

TEST(CompressedStoredSkin, ImportingANewerCompressedFileLeavesTheContainerEmpty)
{
    SkinFolder folder("veltrin-stored-skin-import");
    std::vector<std::uint8_t> zlib = skin::CompressSkinStream(BuildStream(SmallParts()));
    std::vector<std::uint8_t> file = skin::WriteCompressedSkinFile(zlib);
    folder.Write("skin.vsk", std::string(file.begin(), file.end()));
    skin::TbsCompressedStoredSkin stored;
    stored.ImportCompressedFile(folder.Path / "skin.vsk");
    EXPECT_EQ(stored.CompressedData().size(), zlib.size());
    EXPECT_EQ(stored.CompressedFileName, "skin.vsk");

    file[0] = 4;
    folder.Write("newer.vsk", std::string(file.begin(), file.end()));
    stored.ImportCompressedFile(folder.Path / "newer.vsk");
    EXPECT_TRUE(stored.IsEmpty());
}
