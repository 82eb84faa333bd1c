// Sub-reports: the page a sub-report object names is formed in recording
// mode (its data loop walks the datasets and notes each move and each band it
// would show), then the steps are replayed into the space the host band
// leaves, going on over as many pages as they need.
#include "report/build/TfrReportBuilder.h"

#include "report/expr/TfrExpressionEngine.h"
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
    std::optional<std::int64_t> outerReplayLeft = m_replayLeft;
    std::vector<TfrBand*> outerQueue = std::move(m_queue);
    m_queue.clear();

    m_current = &sub;
    std::vector<TfrRecordedStep> steps = RecordSubReport(sub);
    m_curY = top;
    m_columnOffsetX = left;
    m_replayLeft = left;
    Replay(steps);
    std::int64_t reached = m_curY;

    m_current = outer;
    m_loopBand = outerLoop;
    m_columnOffsetX = outerOffset;
    m_replayLeft = outerReplayLeft;
    m_queue = std::move(outerQueue);
    m_subReportPages.pop_back();
    return reached;
}

std::vector<TfrRecordedStep> TfrReportBuilder::RecordSubReport(TfrPageBands& sub)
{
    std::vector<TfrRecordedStep> steps;
    std::vector<TfrRecordedStep>* outerRecording = m_recording;
    m_recording = &steps;
    try {
        ShowIfExists(sub.First(BandType::ReportTitle));
        DataLoop(1);
        ShowIfExists(sub.First(BandType::ReportSummary));
    } catch (...) {
        m_recording = outerRecording;
        throw;
    }
    m_recording = outerRecording;
    return steps;
}

void TfrReportBuilder::RecordShow(TfrBand& band)
{
    m_recording->push_back({ TfrRecordedStep::Action::Show, nullptr, &band, m_loopBand, band.RecordNo,
        band.OverallRecordNo });
    // The data loop decides its group breaks on the values shown last, so a
    // recorded group header counts as shown.
    if (band.Type == BandType::GroupHeader) {
        band.LastGroupValue = m_engine.Evaluate(band.GroupCondition);
        band.GroupHeaderShown = true;
    }
}

void TfrReportBuilder::Replay(const std::vector<TfrRecordedStep>& steps)
{
    for (const TfrRecordedStep& step : steps) {
        if (m_stopped)
            return;
        switch (step.Kind) {
        case TfrRecordedStep::Action::First:
            step.Dataset->First();
            break;
        case TfrRecordedStep::Action::Next:
            step.Dataset->Next();
            break;
        case TfrRecordedStep::Action::Prior:
            step.Dataset->Prior();
            break;
        case TfrRecordedStep::Action::Show:
            m_loopBand = step.LoopBand;
            step.Band->RecordNo = step.RecordNo;
            step.Band->OverallRecordNo = step.OverallRecordNo;
            Show(*step.Band);
            break;
        }
    }
}

void TfrReportBuilder::MoveOn()
{
    if (!m_replayLeft) {
        NewColumnOrPage();
        return;
    }
    // A sub-report has one column: it goes on at the top of the next page,
    // at its own left.
    NewPage();
    m_columnOffsetX = *m_replayLeft;
}

} // namespace report
