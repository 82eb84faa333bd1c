#include "report/template/DictionaryStream.h"

#include "platform/text/Gbk.h"

#include <array>
#include <limits>
#include <map>
#include <stdexcept>

namespace report {
namespace {

constexpr std::int16_t kCurrentMarker = -2;
constexpr std::int16_t kPreviousMarker = -1;

std::vector<DictionaryEntry> ReadEntries(TemplateReader& reader)
{
    io::ByteReader& in = reader.Bytes();
    // Each entry is two counted strings of at least three bytes each.
    std::size_t count = in.Count(in.I32(), 6);
    std::vector<DictionaryEntry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        DictionaryEntry entry;
        entry.Name = reader.CountedString();
        entry.Value = reader.CountedString();
        entries.push_back(std::move(entry));
    }
    return entries;
}

void WriteEntries(TemplateWriter& writer, const std::vector<DictionaryEntry>& entries)
{
    if (entries.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("too many dictionary entries");
    writer.Bytes().I32(static_cast<std::int32_t>(entries.size()));
    for (const auto& entry : entries) {
        writer.String(entry.Name);
        writer.String(entry.Value);
    }
}

std::string ShortString(io::ByteReader& in)
{
    std::uint8_t length = in.U8();
    return text::GbkToUtf8(in.String(length));
}

// The value a field-alias entry of the oldest layout gets from its kind: a
// dataset field, a built-in variable, or nothing.
std::string LegacyAliasValue(std::uint8_t kind, std::int32_t index, const std::string& name, const std::string& field)
{
    static const std::array<const char*, 9> kBuiltIns = {
        "PAGE#", nullptr, "DATE", "TIME", "LINE#", "LINETHROUGH#", "COLUMN#", "CURRENT#", "TOTALPAGES",
    };
    if (kind == 1)
        return name + ".\"" + field + "\"";
    if (kind == 2 && index >= 0 && index < static_cast<std::int32_t>(kBuiltIns.size()))
        return kBuiltIns[index] ? kBuiltIns[index] : field;
    return {};
}

void ReadLegacyDictionary(TemplateReader& reader, DataDictionary& dictionary)
{
    io::ByteReader& in = reader.Bytes();
    // Each entry holds at least a kind, an index and three empty short strings.
    std::size_t count = in.Count(in.I32(), 8);
    std::map<std::string, std::string> aliases;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t kind = in.U8();
        std::int32_t index = in.I32();
        std::string name = ShortString(in);
        std::string field = ShortString(in);
        std::string alias = ShortString(in);
        DictionaryEntry entry { " " + alias, LegacyAliasValue(kind, index, name, field) };
        aliases.insert_or_assign(entry.Name, entry.Value);
        dictionary.FieldAliases.push_back(std::move(entry));
    }
    for (auto& line : reader.Lines()) {
        if (!line.empty() && line.front() != ' ') {
            dictionary.Variables.push_back({ std::move(line), {} });
        } else {
            auto alias = aliases.find(line);
            std::string value = alias != aliases.end() ? alias->second : std::string {};
            dictionary.Variables.push_back({ std::move(line), std::move(value) });
        }
    }
    dictionary.FieldAliases.clear();
}

// Older dictionaries marked variables, not categories, with a leading blank:
// when the first name is a plain name, every name is toggled to the current
// convention.
void ToggleOldNames(DataDictionary& dictionary)
{
    auto& variables = dictionary.Variables;
    if (variables.empty() || variables.front().Name.empty() || variables.front().Name.front() == ' ')
        return;
    for (auto& entry : variables) {
        if (!entry.Name.empty() && entry.Name.front() == ' ')
            entry.Name.erase(0, 1);
        else
            entry.Name.insert(0, 1, ' ');
    }
}

} // namespace

void ReadDictionary(TemplateReader& reader, DataDictionary& dictionary,
                    const std::function<bool(std::string_view)>& dataset_exists)
{
    io::ByteReader& in = reader.Bytes();
    dictionary.Clear();
    std::int16_t marker = in.I16();
    if (marker != kCurrentMarker && marker != kPreviousMarker) {
        in.Seek(in.Position() - 2);
        ReadLegacyDictionary(reader, dictionary);
    } else {
        dictionary.Variables = ReadEntries(reader);
        dictionary.FieldAliases = ReadEntries(reader);
        dictionary.BandDataSources = ReadEntries(reader);
    }
    ToggleOldNames(dictionary);
    if (marker == kPreviousMarker) {
        std::erase_if(dictionary.FieldAliases, [&](const DictionaryEntry& entry) {
            return entry.Value.empty() && !(dataset_exists && dataset_exists(entry.Name));
        });
        std::erase_if(dictionary.BandDataSources, [](const DictionaryEntry& entry) { return entry.Value.empty(); });
    }
}

void WriteDictionary(TemplateWriter& writer, const DataDictionary& dictionary)
{
    writer.Bytes().I16(kCurrentMarker);
    WriteEntries(writer, dictionary.Variables);
    WriteEntries(writer, dictionary.FieldAliases);
    WriteEntries(writer, dictionary.BandDataSources);
}

} // namespace report
