#include "report/data/TfrDatasetDirectory.h"

#include "report/data/DatasetError.h"
#include "report/objects/PropertyValue.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace report {

void TfrDatasetDirectory::Register(const std::string& path, TfrDataset& dataset)
{
    m_entries[UpperCase(path)] = &dataset;
}

void TfrDatasetDirectory::Unregister(const TfrDataset& dataset)
{
    std::erase_if(m_entries, [&dataset](const auto& entry) { return entry.second == &dataset; });
}

TfrDataset* TfrDatasetDirectory::Find(std::string_view path) const
{
    auto found = m_entries.find(UpperCase(path));
    return found == m_entries.end() ? nullptr : found->second;
}

namespace {

// The record count of a numeric name; counts past the 32-bit range run to
// its end rather than wrapping.
std::int32_t RecordCountOf(std::string_view name)
{
    std::string_view digits = name.substr(0, name.find_first_not_of("0123456789"));
    std::int64_t count = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error == std::errc::result_out_of_range || count > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(count);
}

} // namespace

TfrResolvedDataset ResolveDatasetName(const TfrDatasetDirectory& directory, std::string_view name)
{
    std::string_view trimmed = name;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    if (trimmed.empty())
        return {};
    if (trimmed.front() >= '1' && trimmed.front() <= '9') {
        auto counting = std::make_unique<TfrUserDataset>(std::string(trimmed));
        counting->RangeEnd = TfrRangeEnd::reCount;
        counting->RangeEndCount = RecordCountOf(trimmed);
        TfrResolvedDataset resolved;
        resolved.dataset = counting.get();
        resolved.owned = std::move(counting);
        return resolved;
    }
    if (TfrDataset* found = directory.Find(trimmed))
        return { found, nullptr };
    throw DatasetError("Missing " + std::string(trimmed));
}

} // namespace report
