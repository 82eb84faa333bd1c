// Loading and saving a report's template: files, streams and the form property.
#include "report/objects/TfrReport.h"

#include "platform/time/Calendar.h"
#include "report/template/TemplateFormat.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace report {
namespace {

constexpr std::int32_t kReportFormVersion = 25;

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& file_name)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file_name, error))
        return std::nullopt;
    std::ifstream file(file_name, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    if (file.bad())
        return std::nullopt;
    return bytes;
}

} // namespace

bool TfrReport::LoadTemplateFromFile(const std::filesystem::path& file_name)
{
    std::error_code error;
    if (!std::filesystem::exists(file_name, error))
        return false;
    auto bytes = ReadWholeFile(file_name);
    if (!bytes) {
        Refuse("Cannot read the template file " + file_name.string());
        return false;
    }
    if (!LoadTemplate(*bytes, true))
        return false;
    FileName = file_name.string();
    return true;
}

bool TfrReport::LoadTemplateFromStream(std::span<const std::uint8_t> stream)
{
    return LoadTemplate(stream, false);
}

bool TfrReport::LoadTemplate(std::span<const std::uint8_t> stream, bool from_file)
{
    LoadError.clear();
    if (stream.empty()) {
        Dictionary.Clear();
        return true;
    }
    // The stream is read into a report of its own, so a refused stream leaves
    // this report exactly as it was.
    TfrReport loaded;
    try {
        ReadTemplate(stream, loaded, *AddIns, DatasetExists);
    } catch (const TemplateError& error) {
        Refuse(error.what());
        return false;
    }
    if (from_file && loaded.Info.PasswordProtected) {
        auto entered = OnPasswordRequest ? OnPasswordRequest() : std::nullopt;
        if (!entered || *entered != loaded.Info.Password) {
            LoadError = "The password of the template was not given";
            return false;
        }
    }
    TakeTemplate(loaded);
    return true;
}

void TfrReport::SaveTemplateToStream(io::ByteWriter& stream)
{
    Info.LastChange = dt::Now();
    WriteTemplate(*this, stream);
}

void TfrReport::SaveTemplateToFile(const std::filesystem::path& file_name)
{
    io::ByteWriter stream;
    SaveTemplateToStream(stream);
    std::ofstream file(file_name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(stream.Data().data()), static_cast<std::streamsize>(stream.Size()));
    file.close();
    if (!file)
        throw std::runtime_error("Cannot write the template file " + file_name.string());
    FileName = file_name.string();
}

std::vector<std::uint8_t> TfrReport::WriteReportForm()
{
    io::ByteWriter property;
    property.I32(kReportFormVersion);
    if (StoreInDFM) {
        io::ByteWriter stream;
        SaveTemplateToStream(stream);
        property.I32(static_cast<std::int32_t>(stream.Size()));
        property.Bytes(stream.Data());
    }
    return property.Take();
}

bool TfrReport::ReadReportForm(std::span<const std::uint8_t> property)
{
    std::span<const std::uint8_t> stream;
    try {
        io::ByteReader in(property);
        in.I32();
        if (in.AtEnd()) {
            StoreInDFM = false;
            return true;
        }
        stream = in.Bytes(in.Count(in.I32()));
    } catch (const io::FormatError& error) {
        Refuse(std::string(kUnsupportedFormatMessage) + "\n" + error.what());
        return false;
    }
    if (!LoadTemplate(stream, false))
        return false;
    StoreInDFM = true;
    return true;
}

} // namespace report
