// Collecting a page's bands before a build: which objects fall into which
// band, and how data bands, headers, footers, groups and child bands link up.
#include "report/build/TfrReportBuilder.h"

#include "report/data/TfrDatasetDirectory.h"
#include "report/expr/TAggregateFunctionsSplitter.h"
#include "report/objects/PropertyValue.h"
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrReport.h"
#include "report/objects/TfrSubReportView.h"

#include <algorithm>
#include <functional>

namespace report {
namespace {

constexpr BandType kLevelHeaders[] = { BandType::MasterHeader, BandType::DetailHeader, BandType::SubDetailHeader };
constexpr BandType kLevelData[] = { BandType::MasterData, BandType::DetailData, BandType::SubDetailData };
constexpr BandType kLevelFooters[] = { BandType::MasterFooter, BandType::DetailFooter, BandType::SubDetailFooter };

bool IsCrossBand(std::uint16_t code) { return code >= 18 && code <= 20; }

bool Inside(const TfrView& view, const TfrBand& band)
{
    std::int64_t top = view.Top;
    return top >= band.Top && top <= static_cast<std::int64_t>(band.Top) + band.Height;
}

// The data band type whose records a footer's aggregates count by default.
BandType DefaultDataBandOf(BandType footer)
{
    switch (footer) {
    case BandType::DetailFooter:
        return BandType::DetailData;
    case BandType::SubDetailFooter:
        return BandType::SubDetailData;
    default:
        return BandType::MasterData;
    }
}

TfrBand* FindBandOnPage(const TfrPageBands& bands, const std::string& name)
{
    for (const auto& band : bands.Bands)
        if (band->Exists() && SameText(band->Name, name))
            return band.get();
    return nullptr;
}

bool CarriesAggregates(BandType type)
{
    switch (type) {
    case BandType::ReportSummary:
    case BandType::PageFooter:
    case BandType::MasterFooter:
    case BandType::DetailFooter:
    case BandType::SubDetailFooter:
    case BandType::GroupFooter:
        return true;
    default:
        return false;
    }
}

void CopyFromView(TfrBand& band, TfrBandView& view)
{
    band.SourceView = &view;
    band.Name = view.Name;
    band.Visible = view.Visible;
    band.Top = view.Top;
    band.Height = std::max(0, view.Height);
    band.Left = view.Left;
    band.Width = std::max(0, view.Width);
    band.Stretched = (view.Flags & band_flags::Stretched) != 0;
    band.FormNewPage = (view.Flags & band_flags::FormNewPage) != 0;
    band.PrintIfSubsetEmpty = (view.Flags & band_flags::PrintIfSubsetEmpty) != 0;
    band.Breaked = (view.Flags & band_flags::Breaked) != 0;
    band.OnFirstPage = (view.Flags & band_flags::OnFirstPage) != 0;
    band.OnLastPage = (view.Flags & band_flags::OnLastPage) != 0;
    band.RepeatHeader = (view.Flags & band_flags::RepeatHeader) != 0;
    band.PrintChildIfInvisible = (view.Flags & band_flags::PrintChildIfInvisible) != 0;
    // A negative or absurd column count is one column.
    band.Columns = std::clamp(view.Columns, 1, 1000);
    band.ColumnWidth = std::max(0, view.ColumnWidth);
    band.ColumnGap = std::max(0, view.ColumnGap);
    if (band.Type == BandType::GroupHeader)
        band.GroupCondition = view.FormatText;
}

} // namespace

void TfrReportBuilder::CollectPages()
{
    m_pageBands.clear();
    for (std::size_t index = 0; index < m_template.Pages.size(); ++index)
        m_pageBands.push_back(CollectBands(*m_template.Pages[index], static_cast<int>(index)));
    for (const auto& page : m_template.Pages)
        for (const auto& view : page->PageObjects)
            if (auto* sub = dynamic_cast<TfrSubReportView*>(view.get());
                sub && sub->SubPage >= 0 && static_cast<std::size_t>(sub->SubPage) < m_pageBands.size())
                m_pageBands[static_cast<std::size_t>(sub->SubPage)]->UsedAsSubReport = true;
    // A sub-report prints inside its host band: its bands neither split nor
    // start pages of their own.
    for (const auto& bands : m_pageBands)
        if (bands->UsedAsSubReport)
            for (const auto& band : bands->Bands) {
                band->Breaked = false;
                band->FormNewPage = false;
            }
    CheckSubReports();
}

std::unique_ptr<TfrPageBands> TfrReportBuilder::CollectBands(TfrPage& page, int pageIndex)
{
    auto bands = std::make_unique<TfrPageBands>();
    bands->Page = &page;
    bands->PageIndex = pageIndex;
    bands->Script = m_interpreter.CompileScript(page.Script);
    for (int code = 0; code < kBandTypeCount; ++code) {
        auto band = std::make_unique<TfrBand>();
        band->Type = static_cast<BandType>(code);
        bands->ByType[static_cast<std::size_t>(code)] = band.get();
        bands->Bands.push_back(std::move(band));
    }
    for (const auto& view : page.PageObjects)
        view->PrintMode = true;

    // Every band view becomes a band; several of one type form a chain.
    std::array<std::vector<TfrBand*>, kBandTypeCount> chains;
    for (const auto& view : page.PageObjects) {
        auto* bandView = dynamic_cast<TfrBandView*>(view.get());
        if (!bandView)
            continue;
        std::uint16_t code = bandView->BandTypeCode();
        if (code >= static_cast<std::uint16_t>(BandType::None) || IsCrossBand(code))
            continue;
        auto& chain = chains[code];
        TfrBand* band = bands->ByType[code];
        if (!chain.empty()) {
            bands->Bands.push_back(std::make_unique<TfrBand>());
            band = bands->Bands.back().get();
            band->Type = static_cast<BandType>(code);
        }
        CopyFromView(*band, *bandView);
        band->Script = m_interpreter.CompileScript(bandView->Script);
        chain.push_back(band);
    }
    for (int code = 0; code < kBandTypeCount; ++code) {
        auto& chain = chains[static_cast<std::size_t>(code)];
        std::ranges::stable_sort(chain, {}, &TfrBand::Top);
        for (std::size_t i = 0; i + 1 < chain.size(); ++i)
            chain[i]->NextOfType = chain[i + 1];
        if (!chain.empty())
            bands->ByType[static_cast<std::size_t>(code)] = chain.front();
    }
    CollectCrossBands(*bands, page);
    AssignObjects(*bands, page);
    for (auto& band : bands->Bands) {
        if (!band->IsDataBand() || !band->Exists())
            continue;
        TfrResolvedDataset resolved = ResolveDatasetName(m_report.Datasets, band->SourceView->FormatText);
        band->DataSet = resolved.dataset;
        band->OwnedDataSet = std::move(resolved.owned);
        if (!band->DataSet && band->Type == BandType::MasterData && m_report.ReportType == TfrReportType::rtSimple)
            band->DataSet = m_report.Dataset;
    }
    ResolveCrossDatasets(*bands);
    LinkHeadersAndFooters(*bands);
    LinkGroups(*bands);
    LinkChildren(*bands);
    RegisterAggregates(*bands);
    return bands;
}

void TfrReportBuilder::AssignObjects(TfrPageBands& bands, TfrPage& page)
{
    std::vector<TfrView*> ordinary;
    std::vector<TfrView*> inCrossBands;
    std::vector<TfrView*> subReports;
    for (const auto& view : page.PageObjects) {
        if (dynamic_cast<TfrBandView*>(view.get()))
            continue;
        if (dynamic_cast<TfrSubReportView*>(view.get()))
            subReports.push_back(view.get());
        else
            (bands.CrossBandOf.contains(view.get()) ? inCrossBands : ordinary).push_back(view.get());
    }
    std::set<const TfrView*> assigned;
    auto give = [&](std::vector<TfrView*>& views) {
        for (const auto& band : bands.Bands) {
            if (!band->Exists())
                continue;
            for (TfrView* view : views) {
                if (assigned.contains(view) || !Inside(*view, *band))
                    continue;
                assigned.insert(view);
                view->Top -= band->Top;
                band->BandObjects.push_back(view);
            }
        }
    };
    give(ordinary);
    give(inCrossBands);
    give(subReports);
    TfrBand& none = bands.First(BandType::None);
    for (const auto& view : page.PageObjects) {
        if (dynamic_cast<TfrBandView*>(view.get()) || assigned.contains(view.get()))
            continue;
        none.BandObjects.push_back(view.get());
    }
    none.Name = "None";
}

void TfrReportBuilder::CollectCrossBands(TfrPageBands& bands, TfrPage& page)
{
    for (const auto& view : page.PageObjects) {
        auto* bandView = dynamic_cast<TfrBandView*>(view.get());
        if (!bandView || !IsCrossBand(bandView->BandTypeCode()))
            continue;
        auto code = static_cast<std::size_t>(bandView->BandTypeCode());
        TfrBand* band = bands.ByType[code];
        if (band->Exists()) {
            // A second cross band of one type covers other columns.
            bands.Bands.push_back(std::make_unique<TfrBand>());
            band = bands.Bands.back().get();
            band->Type = static_cast<BandType>(code);
        }
        CopyFromView(*band, *bandView);
        band->Script = m_interpreter.CompileScript(bandView->Script);
        std::int64_t right = static_cast<std::int64_t>(band->Left) + band->Width;
        for (const auto& object : page.PageObjects) {
            TfrView* candidate = object.get();
            if (dynamic_cast<TfrBandView*>(candidate) || dynamic_cast<TfrSubReportView*>(candidate)
                || bands.CrossBandOf.contains(candidate))
                continue;
            if (candidate->Left >= band->Left && static_cast<std::int64_t>(candidate->Left) + candidate->Width <= right) {
                bands.CrossBandOf[candidate] = band;
                band->BandObjects.push_back(candidate);
            }
        }
    }
}

void TfrReportBuilder::ResolveCrossDatasets(TfrPageBands& bands)
{
    // The cross data band's text names its dataset, and may add pairs
    // "Band=Dataset;" that give single bands a dataset of their own.
    for (const auto& cross : bands.Bands) {
        if (cross->Type != BandType::CrossData || !cross->Exists())
            continue;
        const std::string& text = cross->SourceView->FormatText;
        for (std::size_t start = 0; start < text.size();) {
            std::size_t end = std::min(text.find(';', start), text.size());
            std::string item = text.substr(start, end - start);
            start = end + 1;
            std::size_t equals = item.find('=');
            if (equals == std::string::npos) {
                if (item.empty() || cross->DataSet)
                    continue;
                TfrResolvedDataset resolved = ResolveDatasetName(m_report.Datasets, item);
                cross->DataSet = resolved.dataset;
                cross->OwnedDataSet = std::move(resolved.owned);
                continue;
            }
            TfrBand* band = FindBandOnPage(bands, item.substr(0, equals));
            if (!band)
                throw TemplateStructureError("The cross band " + cross->Name + " names the band "
                                             + item.substr(0, equals) + ", which its page does not have");
            TfrResolvedDataset resolved = ResolveDatasetName(m_report.Datasets, item.substr(equals + 1));
            band->CrossDataSet = resolved.dataset;
            band->OwnedCrossDataSet = std::move(resolved.owned);
        }
    }
}

void TfrReportBuilder::LinkHeadersAndFooters(TfrPageBands& bands)
{
    for (int level = 0; level < 3; ++level) {
        std::vector<TfrBand*> data;
        for (TfrBand* band = &bands.First(kLevelData[level]); band && band->Exists(); band = band->NextOfType)
            data.push_back(band);
        if (data.empty())
            continue;
        for (TfrBand* header = &bands.First(kLevelHeaders[level]); header && header->Exists(); header = header->NextOfType) {
            std::int64_t bottom = static_cast<std::int64_t>(header->Top) + header->Height;
            for (TfrBand* band : data)
                if (band->Top >= bottom) {
                    if (!band->LinkedHeader)
                        band->LinkedHeader = header;
                    header->LinkedDataBand = band;
                    break;
                }
        }
        for (TfrBand* footer = &bands.First(kLevelFooters[level]); footer && footer->Exists(); footer = footer->NextOfType) {
            TfrBand* last = nullptr;
            for (TfrBand* band : data)
                if (band->Top < footer->Top)
                    last = band;
            if (last) {
                if (!last->LinkedFooter)
                    last->LinkedFooter = footer;
                footer->LinkedDataBand = last;
            }
        }
    }
}

void TfrReportBuilder::LinkGroups(TfrPageBands& bands)
{
    std::vector<TfrBand*> footers;
    for (TfrBand* footer = &bands.First(BandType::GroupFooter); footer && footer->Exists(); footer = footer->NextOfType)
        footers.push_back(footer);
    std::size_t next_footer = 0;
    for (TfrBand* header = &bands.First(BandType::GroupHeader); header && header->Exists(); header = header->NextOfType) {
        if (next_footer < footers.size())
            header->GroupFooter = footers[next_footer++];
        TfrBand* data = nullptr;
        const std::string& master = header->SourceView->Master;
        if (master.empty()) {
            TfrBand& first = bands.First(BandType::MasterData);
            data = first.Exists() ? &first : nullptr;
        } else {
            for (const auto& band : bands.Bands)
                if (band->IsDataBand() && band->Exists() && SameText(band->Name, master))
                    data = band.get();
        }
        if (!data)
            continue;
        header->GroupDataBand = data;
        if (header->GroupFooter)
            header->GroupFooter->GroupDataBand = data;
        data->GroupList.push_back(header);
    }
    for (const auto& band : bands.Bands)
        std::ranges::stable_sort(band->GroupList, {}, &TfrBand::Top);
}

void TfrReportBuilder::LinkChildren(TfrPageBands& bands)
{
    for (const auto& band : bands.Bands) {
        if (!band->Exists() || band->SourceView->ChildBand.empty())
            continue;
        for (const auto& other : bands.Bands)
            if (other->Exists() && SameText(other->Name, band->SourceView->ChildBand))
                band->ChildOf = other.get();
    }
    // A chain of child bands that comes back to a band would show forever.
    for (const auto& band : bands.Bands) {
        std::set<const TfrBand*> seen { band.get() };
        for (const TfrBand* child = band->ChildOf; child; child = child->ChildOf)
            if (!seen.insert(child).second)
                throw TemplateStructureError("The child bands of band " + band->Name
                                             + " lead back to a band already in the chain (" + child->Name + ")");
    }
}

void TfrReportBuilder::RegisterAggregates(TfrPageBands& bands)
{
    TAggregateFunctionsSplitter splitter;
    for (const auto& footer : bands.Bands) {
        if (!footer->Exists() || !CarriesAggregates(footer->Type))
            continue;
        for (const TfrView* view : footer->BandObjects) {
            for (const TfrAggregateCall& call : splitter.Split(view->Memo)) {
                TfrBand* data = call.band.empty() ? nullptr : FindBandOnPage(bands, call.band);
                if (!data) {
                    TfrBand& first = bands.First(DefaultDataBandOf(footer->Type));
                    data = footer->GroupDataBand ? footer->GroupDataBand : (first.Exists() ? &first : nullptr);
                }
                if (data)
                    data->Aggregates.Register(footer->Name, call);
            }
        }
    }
}

void TfrReportBuilder::CheckSubReports()
{
    // Follows the sub-reports of every page; meeting a page again on the way
    // means a sub-report that (through others) contains itself.
    std::function<void(int, std::vector<int>&)> visit = [&](int pageIndex, std::vector<int>& path) {
        for (const auto& view : m_template.Pages[static_cast<std::size_t>(pageIndex)]->PageObjects) {
            auto* sub = dynamic_cast<const TfrSubReportView*>(view.get());
            if (!sub)
                continue;
            if (sub->SubPage < 0 || static_cast<std::size_t>(sub->SubPage) >= m_template.Pages.size())
                throw TemplateStructureError("The sub-report " + sub->Name + " refers to page "
                                             + std::to_string(sub->SubPage + 1) + ", which the report does not have");
            if (std::ranges::find(path, sub->SubPage) != path.end())
                throw TemplateStructureError("The sub-report " + sub->Name + " contains its own page "
                                             + m_template.Pages[static_cast<std::size_t>(sub->SubPage)]->Name);
            path.push_back(sub->SubPage);
            visit(sub->SubPage, path);
            path.pop_back();
        }
    };
    for (std::size_t index = 0; index < m_template.Pages.size(); ++index) {
        std::vector<int> path { static_cast<int>(index) };
        visit(static_cast<int>(index), path);
    }
}

} // namespace report
