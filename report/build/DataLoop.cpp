// Forming one template page into prepared pages: the static bands around the
// data, and the data loop over master, detail and subdetail levels with
// their groups.
#include "report/build/TfrReportBuilder.h"

#include "report/expr/TfrExpressionEngine.h"
#include "report/objects/TfrReport.h"

#include <algorithm>

namespace report {
namespace {

constexpr BandType kLevelData[] = { BandType::MasterData, BandType::DetailData, BandType::SubDetailData };

} // namespace

void TfrReportBuilder::FormPage(TfrPageBands& bands, bool continuing)
{
    m_current = &bands;
    m_host = &bands;
    TfrBand& master = bands.First(BandType::MasterData);
    if (!m_report.PrintIfEmpty && master.Exists() && master.DataSet) {
        OpenDataset(*master.DataSet);
        master.DataSet->First();
        if (master.DataSet->Eof())
            return;
    }
    RunScript(bands.Script);
    ComputePageGeometry();
    m_bottomY = continuing ? m_savedBottomY : m_bottomY;
    m_pageColumn = 0;
    m_columnOffsetX = m_leftMargin;
    if (!continuing || m_pages.Empty()) {
        AddPreparedPage();
    } else {
        m_curY = m_savedCurY;
    }
    int pagesBefore = m_pages.Count();
    ShowIfExists(bands.First(BandType::ReportTitle));
    if (m_pages.Count() == pagesBefore) {
        TfrBand& header = bands.First(BandType::PageHeader);
        if (header.OnFirstPage)
            ShowIfExists(header);
        m_columnsTopY = m_curY;
        ShowIfExists(bands.First(BandType::ColumnHeader));
        m_freshY = m_curY;
    }
    DataLoop(1);
    ShowIfExists(bands.First(BandType::ColumnFooter));
    m_reserveColumnFooter = false;
    ShowIfExists(bands.First(BandType::ReportSummary));
    m_reserveColumnFooter = true;

    m_savedCurY = m_pageColumn > 0 ? m_bottomY : m_curY;
    m_savedBottomY = m_bottomY;
    m_pageColumn = 0;
    m_columnOffsetX = m_leftMargin;

    TfrBand& footer = bands.First(BandType::PageFooter);
    if (footer.Exists() && (footer.OnLastPage || (footer.OnFirstPage && m_pageNo == 0)))
        ShowPageFooter();
    if (m_report.OnEndPage)
        m_report.OnEndPage(m_pageNo);
}

void TfrReportBuilder::DataLoop(int level)
{
    if (level > 3)
        return;
    TfrBand* first = &m_current->First(kLevelData[level - 1]);
    bool deeper = level < 3 && m_current->First(kLevelData[level]).Exists();
    for (TfrBand* band = first; band && band->Exists() && !m_stopped; band = band->NextOfType)
        if (band->DataSet)
            RunDataBand(*band, level, deeper);
}

void TfrReportBuilder::RunDataBand(TfrBand& band, int level, bool deeper)
{
    TfrDataset& dataset = *band.DataSet;
    OpenDataset(dataset);
    dataset.First();
    band.RecordNo = 1;
    band.OverallRecordNo = 1;
    if (dataset.Eof())
        return;
    for (TfrBand* group : band.GroupList)
        Queue(group);
    if (band.LinkedHeader)
        Queue(band.LinkedHeader);
    if (band.LinkedFooter)
        band.Aggregates.Reset(band.LinkedFooter->Name);

    TfrBand* outerLoopBand = m_loopBand;
    m_loopBand = &band;
    while (!dataset.Eof() && !m_stopped) {
        Queue(&band);
        if (band.PrintIfSubsetEmpty)
            FlushQueue();
        bool printed = true;
        if (deeper) {
            DataLoop(level + 1);
            m_loopBand = &band;
            if (QueueHolds(&band)) {
                if (band.PrintIfSubsetEmpty) {
                    FlushQueue();
                } else {
                    DropFromQueue(&band);
                    printed = false;
                }
            }
        } else {
            FlushQueue();
        }
        dataset.Next();
        HandleGroupBreak(band);
        if (printed) {
            ++m_recordCounter;
            ++band.RecordNo;
            ++band.OverallRecordNo;
            if (!dataset.Eof() && band.FormNewPage && band.Visible)
                NewPage();
        }
    }
    m_loopBand = outerLoopBand;

    if (band.LinkedHeader && QueueHolds(band.LinkedHeader)) {
        // Nothing of the band was printed: its header and groups go unshown.
        DropFromQueue(band.LinkedHeader);
        for (TfrBand* group : band.GroupList)
            DropFromQueue(group);
    } else if (band.LinkedFooter) {
        Show(*band.LinkedFooter);
    }
}

void TfrReportBuilder::HandleGroupBreak(TfrBand& band)
{
    TfrDataset& dataset = *band.DataSet;
    for (std::size_t index = 0; index < band.GroupList.size(); ++index) {
        TfrBand& group = *band.GroupList[index];
        bool atEnd = dataset.Eof();
        bool breaks = atEnd || !group.GroupHeaderShown || m_engine.Evaluate(group.GroupCondition) != group.LastGroupValue;
        if (!breaks)
            continue;
        // The footers show the values of the group's last record.
        bool movedBack = dataset.RecNo() > 0;
        if (movedBack)
            dataset.Prior();
        for (std::size_t inner = band.GroupList.size(); inner-- > index;)
            if (band.GroupList[inner]->GroupFooter)
                Queue(band.GroupList[inner]->GroupFooter);
        FlushQueue();
        if (movedBack)
            dataset.Next();
        if (dataset.Eof())
            return;
        if (group.FormNewPage && group.Visible)
            NewPage();
        for (std::size_t inner = index; inner < band.GroupList.size(); ++inner)
            Queue(band.GroupList[inner]);
        // Counted up to 1 for the group's first record.
        band.RecordNo = 0;
        return;
    }
}

void TfrReportBuilder::FlushQueue()
{
    std::vector<TfrBand*> queued = std::move(m_queue);
    m_queue.clear();
    for (TfrBand* band : queued) {
        if (m_stopped)
            break;
        ShowIfExists(*band);
    }
}

bool TfrReportBuilder::QueueHolds(const TfrBand* band) const
{
    return std::ranges::find(m_queue, band) != m_queue.end();
}

void TfrReportBuilder::DropFromQueue(const TfrBand* band)
{
    std::erase(m_queue, band);
}

void TfrReportBuilder::OpenDataset(TfrDataset& dataset)
{
    if (std::ranges::find(m_openDatasets, &dataset) != m_openDatasets.end())
        return;
    dataset.Open();
    m_openDatasets.push_back(&dataset);
}

void TfrReportBuilder::CloseDatasets()
{
    for (TfrDataset* dataset : m_openDatasets)
        dataset->Close();
    m_openDatasets.clear();
}

} // namespace report
