// Sub-reports: the page a sub-report object names is formed right into the
// space its host band leaves, at the object's place, going on over as many
// pages as it needs. Its data loop shows each band as it reaches the band's
// record, so a band's script runs once per showing, with that record's data,
// and what it changes (variables, visibility, heights, dataset positions) is
// what the band and the loop go on with.
#include "report/build/TfrReportBuilder.h"

#include "report/objects/TfrSubReportView.h"

#include <algorithm>

namespace report {

std::int64_t TfrReportBuilder::DrawSubReport(TfrSubReportView& view, std::int64_t top, std::int64_t left)
{
    TfrPageBands& sub = *m_pageBands.at(static_cast<std::size_t>(view.SubPage));
    if (std::ranges::find(m_subReportPages, view.SubPage) != m_subReportPages.end())
        throw TemplateStructureError("The sub-report " + view.Name + " contains its own page " + sub.Page->Name);
    m_subReportPages.push_back(view.SubPage);

    TfrPageBands* outer = m_current;
    TfrBand* outerLoop = m_loopBand;
    std::int64_t outerOffset = m_columnOffsetX;
    std::optional<std::int64_t> outerLeft = m_subReportLeft;
    std::vector<TfrBand*> outerQueue = std::move(m_queue);
    m_queue.clear();

    m_current = &sub;
    m_curY = top;
    m_columnOffsetX = left;
    m_subReportLeft = left;
    ShowIfExists(sub.First(BandType::ReportTitle));
    DataLoop(1);
    ShowIfExists(sub.First(BandType::ReportSummary));
    std::int64_t reached = m_curY;

    m_current = outer;
    m_loopBand = outerLoop;
    m_columnOffsetX = outerOffset;
    m_subReportLeft = outerLeft;
    m_queue = std::move(outerQueue);
    m_subReportPages.pop_back();
    return reached;
}

void TfrReportBuilder::MoveOn()
{
    if (!m_subReportLeft) {
        NewColumnOrPage();
        return;
    }
    // A sub-report has one column: it goes on at the top of the next page,
    // at its own left.
    NewPage();
    m_columnOffsetX = *m_subReportLeft;
}

} // namespace report
