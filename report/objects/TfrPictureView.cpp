#include "report/objects/TfrPictureView.h"

#include "report/objects/PropertyValue.h"

#include <fstream>
#include <iterator>

namespace report {
namespace {

constexpr FlagProperty kPictureFlags[] = {
    { "CENTER", picture_flags::Center },
    { "KEEPASPECT", picture_flags::KeepAspect },
};

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> prefix)
{
    if (bytes.size() < prefix.size())
        return false;
    std::size_t i = 0;
    for (std::uint8_t byte : prefix)
        if (bytes[i++] != byte)
            return false;
    return true;
}

} // namespace

TfrPictureView::TfrPictureView()
{
    Flags = picture_flags::Stretched | picture_flags::KeepAspect;
}

GraphicKind TfrPictureView::DetectGraphicKind(std::span<const std::uint8_t> bytes)
{
    if (StartsWith(bytes, { 'B', 'M' }))
        return GraphicKind::Bitmap;
    if (StartsWith(bytes, { 0xFF, 0xD8, 0xFF }))
        return GraphicKind::Jpeg;
    if (StartsWith(bytes, { 0x00, 0x00, 0x01, 0x00 }))
        return GraphicKind::Icon;
    // A placeable metafile, or an enhanced metafile's first record.
    if (StartsWith(bytes, { 0xD7, 0xCD, 0xC6, 0x9A }) || StartsWith(bytes, { 0x01, 0x00, 0x00, 0x00 }))
        return GraphicKind::Metafile;
    return GraphicKind::None;
}

void TfrPictureView::LoadPictureFromFile(const std::string& file_name)
{
    Graphic = GraphicKind::None;
    PictureData.clear();
    if (file_name.empty())
        return;
    std::ifstream file(file_name, std::ios::binary);
    if (!file)
        return;
    std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    GraphicKind kind = DetectGraphicKind(bytes);
    if (kind == GraphicKind::None)
        return;
    Graphic = kind;
    PictureData = std::move(bytes);
}

bool TfrPictureView::SetProperty(std::string_view name, const Variant& value)
{
    std::string upper = UpperCase(name);
    if (upper == "BLOBTYPE") {
        auto type = ToUInt8(value);
        if (!type || *type > btWMF)
            return false;
        BlobType = *type;
        return true;
    }
    if (upper == "PICTURE") {
        // The bytes of a graphic file (as a blob field or another picture
        // gives them); anything that is no graphic clears the picture.
        std::string bytes = ToText(value);
        PictureData.assign(bytes.begin(), bytes.end());
        Graphic = DetectGraphicKind(PictureData);
        if (Graphic == GraphicKind::None)
            PictureData.clear();
        return true;
    }
    if (SetFlagProperty(kPictureFlags, upper, value))
        return true;
    return TfrView::SetProperty(upper, value);
}

std::optional<Variant> TfrPictureView::GetProperty(std::string_view name) const
{
    std::string upper = UpperCase(name);
    if (upper == "BLOBTYPE")
        return Variant(static_cast<int>(BlobType));
    if (upper == "PICTURE")
        return Variant(std::string(PictureData.begin(), PictureData.end()));
    if (auto flag = GetFlagProperty(kPictureFlags, upper))
        return flag;
    return TfrView::GetProperty(upper);
}

std::optional<Variant> TfrPictureView::CallMethod(std::string_view name, std::span<const Variant> arguments)
{
    if (UpperCase(name) == "LOADFROMFILE") {
        LoadPictureFromFile(arguments.empty() ? std::string {} : ToText(arguments[0]));
        return Variant();
    }
    return TfrView::CallMethod(name, arguments);
}

std::vector<std::string> TfrPictureView::ListProperties() const
{
    auto names = TfrView::ListProperties();
    names.emplace_back("BLOBTYPE");
    names.emplace_back("PICTURE");
    for (const auto& flag : kPictureFlags)
        names.emplace_back(flag.name);
    return names;
}

} // namespace report
