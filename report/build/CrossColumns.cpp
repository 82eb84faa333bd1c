// Cross-tab columns: objects that lie inside a cross data band repeat to the
// right once for every record of the cross dataset, within every band whose
// rows they cross; the cross footer's objects follow the last repetition.
#include "report/build/TfrReportBuilder.h"

#include <algorithm>

namespace report {

std::int64_t TfrReportBuilder::DrawCrossColumns(TfrBand& band, const std::vector<TfrView*>& objects, std::int64_t top,
    std::int64_t height, const TfrPrintContext& context)
{
    auto members = [&](const TfrBand* cross) {
        std::vector<TfrView*> views;
        for (TfrView* view : objects)
            if (m_current->CrossBandOf.at(view) == cross)
                views.push_back(view);
        return views;
    };

    // Cross bands in the order of their place on the page, left to right.
    std::vector<TfrBand*> crossBands;
    for (TfrView* view : objects) {
        TfrBand* cross = m_current->CrossBandOf.at(view);
        if (std::ranges::find(crossBands, cross) == crossBands.end())
            crossBands.push_back(cross);
    }
    std::ranges::stable_sort(crossBands, {}, &TfrBand::Left);

    // Columns that would pass the right edge of the page (or page column)
    // go on in a line below, starting where the first column started; a
    // line that does not fit the page goes on on the next one.
    auto firstData = std::ranges::find(crossBands, BandType::CrossData, &TfrBand::Type);
    std::optional<std::int64_t> lineStart;
    if (firstData != crossBands.end())
        lineStart = (*firstData)->Left;
    std::int64_t lineTop = top;
    // How far the repeated columns push what lies to their right.
    std::int64_t shift = 0;
    auto place = [&](const TfrBand& unit) {
        std::int64_t left = unit.Left + shift;
        std::int64_t rightLimit = std::min(m_rightEdge, m_columnOffsetX + m_columnWidth);
        bool pastEdge = m_columnOffsetX + left + unit.Width > rightLimit;
        if (!lineStart || !pastEdge || left <= *lineStart)
            return;
        lineTop += height;
        if (!FitsAt(lineTop, height)) {
            MoveOn();
            lineTop = m_curY;
        }
        shift = *lineStart - unit.Left;
    };
    auto write = [&](const std::vector<TfrView*>& views) {
        for (TfrView* view : views)
            if (!m_stopped)
                WriteObject(*view, m_columnOffsetX + view->Left + shift, lineTop + view->Top, context);
    };

    for (TfrBand* cross : crossBands) {
        if (!cross->Visible || m_stopped)
            continue;
        std::vector<TfrView*> views = members(cross);
        if (cross->Type != BandType::CrossData) {
            place(*cross);
            write(views);
            continue;
        }
        TfrDataset* dataset = band.CrossDataSet ? band.CrossDataSet : cross->DataSet;
        if (!dataset) {
            m_crossColumn = 1;
            place(*cross);
            write(views);
            m_crossColumn = 0;
            continue;
        }
        OpenDataset(*dataset);
        dataset->First();
        int column = 0;
        while (!dataset->Eof() && !m_stopped) {
            m_crossColumn = column + 1;
            RunScript(cross->Script);
            place(*cross);
            write(views);
            shift += cross->Width;
            dataset->Next();
            ++column;
        }
        m_crossColumn = 0;
        shift -= cross->Width;
    }
    return lineTop + height;
}

} // namespace report
