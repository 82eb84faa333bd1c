// Shows what a stored skin holds, as JSON: the stream layout (version, flags,
// every picture's place, size and bit depth, where the INI text starts and how
// many lines it has) and the parsed model (VERSION and PICTURES texts,
// FORMINFO, POPUPWINDOW, HINTWINDOW and every object and control record with
// its kind and keys). A skin that cannot be read gives {"error": …} and exit
// status 1.
//
// The input is a compressed skin file (version, length, zlib stream), a bare
// zlib stream as a form holds it, or an inflated stored-skin stream; it is
// recognised by its first bytes unless --compressed-file, --zlib or --stream
// says which.

#include "skin/StoredSkinStream.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "tools/support/JsonWriter.h"

#include <iostream>
#include <string>

namespace {

using tools::JsonWriter;

enum class InputKind { CompressedFile, ZlibStream, StoredStream };

bool LooksLikeZlib(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 2 && (bytes[0] & 0x0F) == 8 && (bytes[0] * 256 + bytes[1]) % 31 == 0;
}

InputKind Recognise(std::span<const std::uint8_t> bytes)
{
    if (LooksLikeZlib(bytes))
        return InputKind::ZlibStream;
    if (bytes.size() >= 10) {
        io::ByteReader reader(bytes);
        reader.Skip(4);
        std::uint32_t length = reader.U32();
        if (length >= 2 && length <= bytes.size() - 8 && LooksLikeZlib(bytes.subspan(8)))
            return InputKind::CompressedFile;
    }
    return InputKind::StoredStream;
}

std::string_view KindName(InputKind kind)
{
    switch (kind) {
    case InputKind::CompressedFile:
        return "compressed skin file";
    case InputKind::ZlibStream:
        return "zlib stream";
    case InputKind::StoredStream:
        break;
    }
    return "stored skin stream";
}

// Writes every key of a record with its value.
class JsonKeys final : public skin::SkinKeyVisitor {
public:
    explicit JsonKeys(JsonWriter& json) : m_json(json) {}

    void Integer(std::string_view key, int& value, int) override { Put(key).Integer(value); }
    void Text(std::string_view key, std::string& value, std::string_view) override { Put(key).String(value); }
    void Rect(std::string_view key, gfx::TRect& value) override
    {
        Put(key).BeginArray();
        for (int v : { value.Left, value.Top, value.Right, value.Bottom })
            m_json.Integer(v);
        m_json.EndArray();
    }
    void Point(std::string_view key, gfx::TPoint& value) override
    {
        Put(key).BeginArray();
        m_json.Integer(value.X);
        m_json.Integer(value.Y);
        m_json.EndArray();
    }
    void Flag(std::string_view key, bool& value) override { Put(key).Bool(value); }
    void FontStyle(std::string_view key, gfx::TFontStyles& value) override
    {
        Put(key).String(skin::FontStyleToText(value));
    }
    void Alignment(std::string_view key, skin::TAlignment& value) override { Put(key).String(skin::ToWord(value)); }
    void Morph(std::string_view key, skin::TbsMorphKind& value) override { Put(key).String(skin::ToWord(value)); }
    void Effect(std::string_view key, skin::TbsInactiveEffect& value) override { Put(key).String(skin::ToWord(value)); }
    void Command(std::string_view key, skin::TbsStdCommand& value) override { Put(key).String(skin::ToWord(value)); }

private:
    JsonWriter& Put(std::string_view key) { return m_json.Key(key); }
    JsonWriter& m_json;
};

template <class Record>
void WriteKeys(JsonWriter& json, std::string_view name, Record record)
{
    json.Key(name).BeginObject();
    JsonKeys keys(json);
    record.VisitKeys(keys);
    json.EndObject();
}

template <class Records>
void WriteRecords(JsonWriter& json, std::string_view name, const Records& records)
{
    json.Key(name).BeginArray();
    for (const auto& record : records) {
        json.BeginObject();
        json.Key("name").String(record->IDName());
        json.Key("kind").String(skin::KindTag(record->Kind()));
        json.Key("keys").BeginObject();
        JsonKeys keys(json);
        record->VisitKeys(keys);
        json.EndObject();
        json.EndObject();
    }
    json.EndArray();
}

void WriteLayout(JsonWriter& json, const skin::StoredSkinLayout& layout)
{
    json.Key("version").Integer(layout.Version);
    json.Key("pictures").BeginArray();
    for (const skin::StoredSkinPictureInfo& picture : layout.Pictures) {
        json.BeginObject();
        json.Key("role").String(picture.Role);
        json.Key("flag");
        if (picture.Flag < 0)
            json.Null();
        else
            json.Integer(picture.Flag);
        json.Key("present").Bool(picture.Flag <= 0);
        json.Key("offset").Integer(static_cast<long long>(picture.Offset));
        if (picture.Flag <= 0) {
            json.Key("length").Integer(static_cast<long long>(picture.Length));
            json.Key("width").Integer(picture.Width);
            json.Key("height").Integer(picture.Height);
            json.Key("bitCount").Integer(picture.BitCount);
        }
        json.EndObject();
    }
    json.EndArray();
    json.Key("iniText").BeginObject();
    json.Key("offset").Integer(static_cast<long long>(layout.IniTextOffset));
    json.Key("length").Integer(static_cast<long long>(layout.IniTextLength));
    json.Key("lines").Integer(static_cast<long long>(layout.IniLineCount));
    json.EndObject();
}

void WriteModel(JsonWriter& json, const skin::TbsSkinData& data)
{
    json.Key("model").BeginObject();
    const skin::SkinVersionInfo& v = data.VersionInfo();
    json.Key("skinVersion").BeginObject();
    for (auto [key, value] : { std::pair { "skinname", &v.SkinName }, std::pair { "skinauthor", &v.SkinAuthor },
             std::pair { "authoremail", &v.AuthorEMail }, std::pair { "authorurl", &v.AuthorURL },
             std::pair { "skincomments", &v.SkinComments } }) {
        json.Key(key).String(*value);
    }
    json.EndObject();
    json.Key("pictureNames").BeginObject();
    json.Key("picture").String(data.PictureName());
    json.Key("inactivepicture").String(data.InActivePictureName());
    json.Key("mask").String(data.MaskName());
    json.Key("activepictures").BeginArray();
    for (const std::string& name : data.ActivePictureNames())
        json.String(name);
    json.EndArray();
    json.EndObject();
    WriteKeys(json, "forminfo", data.FormInfo());
    WriteKeys(json, "popupwindow", data.PopupWindow());
    WriteKeys(json, "hintwindow", data.HintWindow());
    WriteRecords(json, "skinobjects", data.SkinObjects());
    WriteRecords(json, "skincontrols", data.SkinControls());
    json.EndObject();
}

int Fail(JsonWriter& json, const std::string& error)
{
    json.Key("error").String(error);
    json.EndObject();
    std::cout << json.Text();
    return 1;
}

int Usage()
{
    std::cerr << "usage: dump-skin [--compressed-file | --zlib | --stream] <file>\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return Usage();
    std::optional<InputKind> forced;
    if (argc == 3) {
        std::string option = argv[1];
        if (option == "--compressed-file")
            forced = InputKind::CompressedFile;
        else if (option == "--zlib")
            forced = InputKind::ZlibStream;
        else if (option == "--stream")
            forced = InputKind::StoredStream;
        else
            return Usage();
    }
    std::string path = argv[argc - 1];

    JsonWriter json;
    json.BeginObject();
    json.Key("file").String(path);
    try {
        std::vector<std::uint8_t> bytes = skin::ReadFileBytes(path);
        InputKind kind = forced.value_or(Recognise(bytes));
        json.Key("input").String(KindName(kind));

        std::vector<std::uint8_t> stream = bytes;
        if (kind != InputKind::StoredStream) {
            skin::TbsCompressedStoredSkin stored;
            if (kind == InputKind::CompressedFile)
                stored.SetCompressedData(skin::ParseCompressedSkinFile(bytes));
            else
                stored.SetCompressedData(bytes);
            json.Key("compressedSize").Integer(static_cast<long long>(stored.CompressedData().size()));
            stream = stored.Decompress();
        }
        json.Key("inflatedSize").Integer(static_cast<long long>(stream.size()));

        skin::StoredSkinLayout layout;
        skin::ReadStoredSkin(stream, &layout);
        WriteLayout(json, layout);

        skin::TbsSkinData data;
        std::string loadError;
        data.OnLoadError = [&](const std::string& error) { loadError = error; };
        data.LoadFromStoredSkinStream(stream);
        if (data.IsEmpty())
            return Fail(json, loadError);
        WriteModel(json, data);
    } catch (const std::exception& error) {
        return Fail(json, error.what());
    }
    json.EndObject();
    std::cout << json.Text();
    return 0;
}
