#pragma once

#include "report/data/TfrDataset.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace report {

// Where the datasets a report names are found: the datasets beside the
// report on its form ("frDBDataSet1"), and those of other forms and data
// modules under their dotted paths ("Data.frDBDataSet5", "Form1.Panel.Set").
// The directory only refers to datasets; their owners keep them alive.
class TfrDatasetDirectory {
public:
    // `path` is a plain name for a dataset of the report's own form, or
    // Form.Component (one more dot for one level deeper) for the others.
    void Register(const std::string& path, TfrDataset& dataset);
    void Unregister(const TfrDataset& dataset);
    // The dataset under this plain name or dotted path (case ignored), or null.
    TfrDataset* Find(std::string_view path) const;
    bool Empty() const { return m_entries.empty(); }

private:
    std::map<std::string, TfrDataset*> m_entries; // upper-case path → dataset
};

// A dataset name of a band resolved for one build: either one of the
// directory's datasets, or a private counting dataset the band owns.
struct TfrResolvedDataset {
    TfrDataset* dataset { nullptr };
    std::unique_ptr<TfrDataset> owned;
};

// Resolves the dataset name of a data band: a name starting with a digit 1 to
// 9 makes a private dataset that runs that many records; an empty name gives
// no dataset; any other name must be in the directory, else DatasetError
// "Missing <name>".
TfrResolvedDataset ResolveDatasetName(const TfrDatasetDirectory& directory, std::string_view name);

} // namespace report
