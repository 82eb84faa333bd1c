// Cross-tab columns: objects that lie inside a cross data band repeat to the
// right once for every record of the cross dataset, within every band whose
// rows they cross; the cross footer's objects follow the last repetition.
#include "report/build/TfrReportBuilder.h"

#include <algorithm>

namespace report {

void TfrReportBuilder::DrawCrossColumns(TfrBand& band, const std::vector<TfrView*>& objects, std::int64_t top,
    const TfrPrintContext& context)
{
    auto members = [&](const TfrBand* cross) {
        std::vector<TfrView*> views;
        for (TfrView* view : objects)
            if (m_current->CrossBandOf.at(view) == cross)
                views.push_back(view);
        return views;
    };
    auto write = [&](const std::vector<TfrView*>& views, std::int64_t shift) {
        for (TfrView* view : views)
            if (!m_stopped)
                WriteObject(*view, m_columnOffsetX + view->Left + shift, top + view->Top, context);
    };

    // Cross bands in the order of their place on the page, left to right.
    std::vector<TfrBand*> crossBands;
    for (TfrView* view : objects) {
        TfrBand* cross = m_current->CrossBandOf.at(view);
        if (std::ranges::find(crossBands, cross) == crossBands.end())
            crossBands.push_back(cross);
    }
    std::ranges::stable_sort(crossBands, {}, &TfrBand::Left);

    // How far the repeated columns push what lies to their right.
    std::int64_t shift = 0;
    for (TfrBand* cross : crossBands) {
        if (!cross->Visible)
            continue;
        std::vector<TfrView*> views = members(cross);
        if (cross->Type != BandType::CrossData) {
            write(views, shift);
            continue;
        }
        TfrDataset* dataset = band.CrossDataSet ? band.CrossDataSet : cross->DataSet;
        if (!dataset) {
            m_crossColumn = 1;
            write(views, shift);
            m_crossColumn = 0;
            continue;
        }
        OpenDataset(*dataset);
        dataset->First();
        int column = 0;
        while (!dataset->Eof() && !m_stopped) {
            m_crossColumn = column + 1;
            RunScript(cross->Script);
            write(views, shift + static_cast<std::int64_t>(column) * cross->Width);
            dataset->Next();
            ++column;
        }
        m_crossColumn = 0;
        shift += static_cast<std::int64_t>(column - 1) * cross->Width;
    }
}

} // namespace report
