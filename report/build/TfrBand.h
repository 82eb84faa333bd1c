#pragma once

#include "report/data/TfrDataset.h"
#include "report/expr/TfrAggregates.h"
#include "report/expr/Variant.h"
#include "report/objects/BandTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TfrBandView;
class TfrView;

// One band of a template page as a build uses it: the band view it comes
// from, the objects that fall into it (their Top made relative to the band),
// its links to headers, footers, groups and child, and its running state.
struct TfrBand {
    BandType Type { BandType::None };
    TfrBandView* SourceView { nullptr };
    std::vector<TfrView*> BandObjects;
    std::string Name;
    bool Visible { true };
    std::vector<std::string> Script; // compiled
    std::int32_t Top { 0 };
    std::int32_t Height { 0 };
    // Horizontal extent on the template page; what a cross band covers.
    std::int32_t Left { 0 };
    std::int32_t Width { 0 };

    bool Stretched { false };
    bool Breaked { false };
    bool FormNewPage { false };
    bool PrintIfSubsetEmpty { false };
    bool PrintChildIfInvisible { false };
    bool RepeatHeader { false };
    bool OnFirstPage { false };
    bool OnLastPage { false };

    TfrDataset* DataSet { nullptr };
    // A counting dataset the band made from a numeric name.
    std::unique_ptr<TfrDataset> OwnedDataSet;
    // The records this band's cross-data objects repeat over, when the cross
    // data band names a dataset for this band in particular.
    TfrDataset* CrossDataSet { nullptr };
    std::unique_ptr<TfrDataset> OwnedCrossDataSet;

    std::string GroupCondition;
    Variant LastGroupValue;
    bool GroupHeaderShown { false };

    TfrBand* NextOfType { nullptr };
    TfrBand* LinkedHeader { nullptr };
    TfrBand* LinkedFooter { nullptr };
    TfrBand* LinkedDataBand { nullptr };
    std::vector<TfrBand*> GroupList; // outermost first
    TfrBand* GroupFooter { nullptr };
    TfrBand* GroupDataBand { nullptr };
    TfrBand* ChildOf { nullptr };

    int RecordNo { 0 };
    int OverallRecordNo { 0 };
    TfrAggregates Aggregates;

    std::int32_t MaxHeight { 0 };
    std::int32_t DrawnHeight { 0 };
    // Band columns: the column the next showing goes to, and where the row
    // of columns started.
    int BandColumn { 0 };
    std::int64_t RowStartX { 0 };
    std::int64_t RowTopY { 0 };
    int Columns { 1 };
    std::int32_t ColumnWidth { 0 };
    std::int32_t ColumnGap { 0 };

    // A real band view stands behind the band (every type has a band object,
    // even without one).
    bool Exists() const { return SourceView != nullptr; }
    bool IsDataBand() const
    {
        return Type == BandType::MasterData || Type == BandType::DetailData || Type == BandType::SubDetailData;
    }
};

} // namespace report
