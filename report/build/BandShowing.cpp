// Showing one band: its script, height, fit test, the move to a new column
// or page, drawing (whole or split over pages), band columns and child bands.
#include "report/build/TfrReportBuilder.h"

#include "report/expr/TfrExpressionEngine.h"
#include "report/objects/PropertyValue.h"
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrReport.h"
#include "report/objects/TfrStretcheable.h"
#include "report/objects/TfrSubReportView.h"
#include "report/printer/TfrPrinter.h"

#include <algorithm>
#include <limits>

namespace report {
namespace {

// Positions are kept in 64 bits while a build computes them and stored in the
// objects' 32-bit fields only within this range, so no sum of template
// positions and stretched heights can overflow.
constexpr std::int64_t kMaxPosition = std::numeric_limits<std::int32_t>::max() / 2;

std::int32_t Clamped(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp(value, -kMaxPosition, kMaxPosition));
}

bool AdvancesCurY(BandType type)
{
    return type != BandType::PageFooter && type != BandType::Overlay && type != BandType::None;
}

bool TakesFitTest(BandType type)
{
    return AdvancesCurY(type) && type != BandType::ColumnFooter;
}

// Puts the objects' rectangles back after a band is drawn.
class RectangleGuard {
public:
    explicit RectangleGuard(const std::vector<TfrView*>& views)
    {
        for (TfrView* view : views)
            m_saved.push_back({ view, view->Left, view->Top, view->Width, view->Height });
    }
    ~RectangleGuard()
    {
        for (const Saved& saved : m_saved) {
            saved.view->Left = saved.left;
            saved.view->Top = saved.top;
            saved.view->Width = saved.width;
            saved.view->Height = saved.height;
        }
    }
    RectangleGuard(const RectangleGuard&) = delete;
    RectangleGuard& operator=(const RectangleGuard&) = delete;

private:
    struct Saved {
        TfrView* view;
        std::int32_t left, top, width, height;
    };
    std::vector<Saved> m_saved;
};

// Objects with their own Stretched bit grow to the bottom of a stretched band.
void StretchToBand(const TfrBand& band, std::int64_t height)
{
    if (!band.Stretched)
        return;
    for (TfrView* view : band.BandObjects)
        if (dynamic_cast<TfrStretcheable*>(view) && view->Stretched() && view->Height > 0)
            view->Height = Clamped(std::max<std::int64_t>(view->Height, height - view->Top));
}

} // namespace

void TfrReportBuilder::Show(TfrBand& band, bool repeatingHeader)
{
    if (m_stopped)
        return;
    if (std::ranges::find(m_showing, &band) != m_showing.end())
        throw TemplateStructureError("The band " + band.Name + " is shown again while it is being shown");
    m_showing.push_back(&band);
    TfrBand* previous = m_currentBand;
    m_currentBand = &band;
    if (m_report.OnBeginBand)
        m_report.OnBeginBand(band);
    if (m_openColumnRow && m_openColumnRow != &band)
        CloseBandColumnRow(*m_openColumnRow);
    if (!repeatingHeader)
        RunScript(band.Script);

    if (!band.Visible) {
        if (band.PrintChildIfInvisible && band.ChildOf)
            Show(*band.ChildOf);
        if (band.IsDataBand())
            AccumulateAggregates(band);
    } else if (!m_stopped) {
        if (band.Type == BandType::ColumnHeader)
            m_columnsTopY = m_curY;
        if (band.Type == BandType::PageFooter)
            m_curY = m_bottomY;
        std::int64_t height = BandHeight(band);
        bool split = false;
        if (TakesFitTest(band.Type) && !Fits(height)) {
            if (band.Breaked) {
                split = true;
            } else {
                if (m_curY != m_freshY)
                    MoveOn();
                // Taller than a whole page: it is split rather than moved on.
                split = !Fits(height);
            }
        }
        if (split)
            DrawBreaked(band, height);
        else
            Draw(band, height);
        if (band.ChildOf && !m_stopped)
            Show(*band.ChildOf);
        if (!band.IsDataBand() && band.Type != BandType::GroupHeader && band.FormNewPage && !m_stopped)
            NewPage();
    }

    if (band.Type != BandType::PageFooter)
        for (const auto& other : m_current->Bands)
            if (other->Aggregates.Count() > 0)
                other->Aggregates.Reset(band.Name);
    if (band.Type == BandType::GroupHeader && !m_stopped) {
        band.LastGroupValue = m_engine.Evaluate(band.GroupCondition);
        band.GroupHeaderShown = true;
    }
    if (m_report.OnEndBand)
        m_report.OnEndBand(band);
    m_lastShownBand = &band;
    m_currentBand = previous;
    m_showing.pop_back();
}

std::int64_t TfrReportBuilder::BandHeight(TfrBand& band)
{
    std::int64_t height = band.Height;
    if (band.Stretched) {
        for (TfrView* view : band.BandObjects) {
            auto* stretcheable = dynamic_cast<TfrStretcheable*>(view);
            if (!stretcheable || !view->Visible)
                continue;
            TfrPrintContext context = PrintContext(band, m_curY, height);
            m_currentObject = view;
            try {
                view->ExpandForPrint(context);
                height = std::max<std::int64_t>(height, static_cast<std::int64_t>(view->Top) + stretcheable->ContentHeight());
            } catch (const std::exception& error) {
                ObjectError(*view, error);
                break;
            }
        }
    }
    band.MaxHeight = Clamped(height);
    return std::clamp<std::int64_t>(height, 0, kMaxPosition);
}

bool TfrReportBuilder::Fits(std::int64_t height) const
{
    return FitsAt(m_curY, height);
}

bool TfrReportBuilder::FitsAt(std::int64_t top, std::int64_t height) const
{
    std::int64_t reserved = m_reserveColumnFooter ? ColumnFooterHeight() : 0;
    return top + height + reserved <= m_bottomY;
}

TfrPrintContext TfrReportBuilder::PrintContext(const TfrBand& band, std::int64_t top, std::int64_t height)
{
    TfrPrintContext context;
    context.Engine = &m_engine;
    context.WriteRecord = m_finalPass;
    if (m_report.OnBeforePrint)
        context.OnBeforePrint = m_report.OnBeforePrint;
    context.Band.Left = Clamped(m_columnOffsetX);
    context.Band.Top = Clamped(top);
    context.Band.Width = band.SourceView ? band.SourceView->Width : Clamped(m_rightEdge - m_leftMargin);
    context.Band.Height = Clamped(height);
    return context;
}

void TfrReportBuilder::Draw(TfrBand& band, std::int64_t height)
{
    std::int64_t top = band.Type == BandType::None ? 0 : m_curY;
    int pageBefore = m_pageNo;
    std::int64_t below = top + height;
    {
        RectangleGuard guard(band.BandObjects);
        StretchToBand(band, height);
        TfrPrintContext context = PrintContext(band, top, height);
        std::vector<TfrSubReportView*> subReports;
        std::vector<TfrView*> crossObjects;
        for (TfrView* view : band.BandObjects) {
            if (m_stopped)
                break;
            if (auto* sub = dynamic_cast<TfrSubReportView*>(view)) {
                subReports.push_back(sub);
                continue;
            }
            if (m_current->CrossBandOf.contains(view)) {
                crossObjects.push_back(view);
                continue;
            }
            WriteObject(*view, m_columnOffsetX + view->Left, top + view->Top, context);
        }
        // Cross columns and sub-reports may go on over further lines and
        // pages; the band ends below the last of them.
        auto reach = [&](std::int64_t reached) {
            below = m_pageNo == pageBefore ? std::max(below, reached) : reached;
            pageBefore = m_pageNo;
        };
        if (!crossObjects.empty())
            reach(DrawCrossColumns(band, crossObjects, top, height, context));
        for (TfrSubReportView* sub : subReports)
            reach(DrawSubReport(*sub, top + sub->Top, m_columnOffsetX + sub->Left));
    }
    band.DrawnHeight = Clamped(height);
    if (AdvancesCurY(band.Type))
        m_curY = below;
    AdvanceBandColumn(band, height);
    if (band.IsDataBand())
        AccumulateAggregates(band);
}

void TfrReportBuilder::DrawBreaked(TfrBand& band, std::int64_t height)
{
    RectangleGuard guard(band.BandObjects);
    StretchToBand(band, height);
    for (TfrView* view : band.BandObjects)
        if (view->BandAlign == baBottom)
            view->Top = Clamped(height - view->Height);

    std::vector<TfrView*> pending;
    for (TfrView* view : band.BandObjects)
        if (!dynamic_cast<TfrSubReportView*>(view))
            pending.push_back(view);
    std::ranges::stable_sort(pending, {}, &TfrView::Top);
    std::set<const TfrView*> started;
    std::int64_t consumed = 0;
    std::int64_t lastBottom = 0;
    // The band's bottom moves with the objects below a split object, so
    // that bottom-aligned objects stay where the split put them.
    std::int64_t bandHeight = height;

    while (!pending.empty() && !m_stopped) {
        std::int64_t reserved = m_reserveColumnFooter ? ColumnFooterHeight() : 0;
        std::int64_t space = std::max<std::int64_t>(m_bottomY - reserved - m_curY - 2, 1);
        bool fresh = m_curY == m_freshY;
        bool progressed = false;
        lastBottom = 0;
        TfrPrintContext context = PrintContext(band, m_curY, bandHeight - consumed);
        std::vector<TfrView*> rest;
        for (TfrView* view : pending) {
            if (view->Top >= space) {
                rest.push_back(view);
                continue;
            }
            std::int64_t bottom = static_cast<std::int64_t>(view->Top) + view->Height;
            bool continuation = started.contains(view);
            if (bottom <= space) {
                WriteObject(*view, m_columnOffsetX + view->Left, m_curY + view->Top, context, false, continuation);
                lastBottom = std::max(lastBottom, bottom);
                progressed = true;
                continue;
            }
            auto* divisible = dynamic_cast<TfrStretcheable*>(view);
            if (divisible && !divisible->Divisible())
                divisible = nullptr;
            std::int64_t partHeight = space - view->Top;
            if (divisible && (partHeight >= divisible->MinPartHeight() || (fresh && view->Top == 0))) {
                view->Height = Clamped(partHeight);
                WriteObject(*view, m_columnOffsetX + view->Left, m_curY + view->Top, context, true, continuation);
                started.insert(view);
                progressed = true;
                lastBottom = space;
                if (!divisible->HasRemainder())
                    continue;
                // The rest continues at the limit; objects below it that share
                // its columns keep their distance to its new bottom.
                std::int64_t restHeight = divisible->RemainderHeight();
                std::int64_t shift = std::max<std::int64_t>(space + restHeight - bottom, 0);
                for (TfrView* other : pending)
                    if (other != view && other->Top >= bottom && other->Left < view->Left + view->Width
                        && view->Left < other->Left + other->Width)
                        other->Top = Clamped(other->Top + shift);
                bandHeight += shift;
                view->Top = Clamped(space);
                view->Height = Clamped(restHeight);
                rest.push_back(view);
            } else if (fresh && view->Top == 0) {
                // Taller than an empty page and not divisible: cut to the page
                // so that the build always moves on.
                view->Height = Clamped(space);
                WriteObject(*view, m_columnOffsetX + view->Left, m_curY, context);
                lastBottom = space;
                progressed = true;
            } else {
                view->Top = Clamped(space);
                rest.push_back(view);
            }
        }
        pending = std::move(rest);
        if (pending.empty())
            break;
        for (TfrView* view : pending)
            view->Top = Clamped(view->Top - space);
        consumed += space;
        if (!progressed && fresh) {
            // Nothing could be placed on an empty page: give up on the rest
            // rather than add empty pages forever.
            break;
        }
        MoveOn();
    }
    std::int64_t used = std::max(lastBottom, bandHeight - consumed);
    band.DrawnHeight = Clamped(used);
    m_curY += std::max<std::int64_t>(used, 0);
    if (band.IsDataBand())
        AccumulateAggregates(band);
}

void TfrReportBuilder::WriteObject(TfrView& view, std::int64_t left, std::int64_t top, TfrPrintContext context,
    bool partial, bool continuation)
{
    if (m_stopped)
        return;
    std::int32_t savedLeft = view.Left;
    std::int32_t savedTop = view.Top;
    view.Left = Clamped(left);
    view.Top = Clamped(top);
    context.Partial = partial;
    context.Continuation = continuation;
    m_currentObject = &view;
    try {
        m_pages.AddObject(m_pageNo, view, context);
    } catch (const std::exception& error) {
        ObjectError(view, error);
    }
    view.Left = savedLeft;
    view.Top = savedTop;
}

void TfrReportBuilder::ObjectError(const TfrView& view, const std::exception& error)
{
    std::string text = "An error occured during calculating\r";
    for (const std::string& line : view.Memo)
        text += line + "\r";
    text += view.Name + "\r" + m_template.Info.Name + "\r" + error.what();
    CollectError(text);
}

void TfrReportBuilder::AdvanceBandColumn(TfrBand& band, std::int64_t height)
{
    if (band.Columns <= 1 || !band.SourceView || band.SourceView->NewColumnAfter != 1 || !AdvancesCurY(band.Type))
        return;
    if (band.BandColumn == 0) {
        band.RowStartX = m_columnOffsetX;
        band.RowTopY = m_curY - height;
        band.MaxHeight = 0;
    }
    band.MaxHeight = Clamped(std::max<std::int64_t>(band.MaxHeight, height));
    if (band.BandColumn + 1 < band.Columns) {
        ++band.BandColumn;
        m_columnOffsetX = band.RowStartX + static_cast<std::int64_t>(band.ColumnWidth + band.ColumnGap) * band.BandColumn;
        m_curY = band.RowTopY;
        m_openColumnRow = &band;
    } else {
        CloseBandColumnRow(band);
    }
}

void TfrReportBuilder::CloseBandColumnRow(TfrBand& row)
{
    m_columnOffsetX = row.RowStartX;
    m_curY = std::max(m_curY, row.RowTopY + row.MaxHeight);
    row.BandColumn = 0;
    if (m_openColumnRow == &row)
        m_openColumnRow = nullptr;
}

void TfrReportBuilder::NewColumnOrPage()
{
    int columns = std::clamp(m_host->Page->Columns, 1, 1000);
    if (m_pageColumn + 1 < columns) {
        bool reserve = m_reserveColumnFooter;
        m_reserveColumnFooter = false;
        ShowIfExists(m_host->First(BandType::ColumnFooter));
        m_reserveColumnFooter = reserve;
        ++m_pageColumn;
        m_columnOffsetX += m_columnWidth + std::max(0, m_host->Page->ColumnGap);
        m_curY = m_columnsTopY;
        ShowIfExists(m_host->First(BandType::ColumnHeader));
        m_freshY = m_curY;
        RepeatHeaders();
        return;
    }
    NewPage();
}

void TfrReportBuilder::NewPage()
{
    if (m_stopped || !m_host)
        return;
    if (m_report.OnProgress)
        m_report.OnProgress(m_pageNo + 1);
    if (OnPageDone)
        OnPageDone(m_pageNo + 1);
    if (m_stopped)
        return;
    if (m_openColumnRow) {
        m_openColumnRow->BandColumn = 0;
        m_openColumnRow = nullptr;
    }
    if (!m_suppressRepeatedHeaders) {
        bool reserve = m_reserveColumnFooter;
        m_reserveColumnFooter = false;
        ShowIfExists(m_host->First(BandType::ColumnFooter));
        m_reserveColumnFooter = reserve;
    }
    ShowPageFooter();
    AddPreparedPage();
    ShowIfExists(m_host->First(BandType::PageHeader));
    m_columnsTopY = m_curY;
    ShowIfExists(m_host->First(BandType::ColumnHeader));
    m_freshY = m_curY;
    RepeatHeaders();
}

void TfrReportBuilder::NewColumn()
{
    NewColumnOrPage();
}

void TfrReportBuilder::AddPreparedPage()
{
    if (m_pageNo >= 0)
        m_pages.Finish(m_pageNo);
    m_pages.Add(*m_host->Page);
    m_pageNo = m_pages.Count() - 1;
    if (m_report.OnBeginPage)
        m_report.OnBeginPage(m_pageNo);
    m_pageColumn = 0;
    m_columnOffsetX = m_leftMargin;
    ComputePageGeometry();
    m_curY = m_topMargin;
    ShowIfExists(m_host->First(BandType::Overlay));
    TfrBand& none = m_host->First(BandType::None);
    if (!none.BandObjects.empty())
        Draw(none, none.Height);
    m_curY = m_topMargin;
    m_columnsTopY = m_curY;
    m_freshY = m_curY;
}

void TfrReportBuilder::ShowPageFooter()
{
    TfrBand& footer = m_host->First(BandType::PageFooter);
    if (!footer.Exists() || m_pageNo < 0)
        return;
    TfrPreparedPage& page = m_pages[m_pageNo];
    if (page.FooterShown || (m_pageNo == 0 && !footer.OnFirstPage))
        return;
    page.FooterShown = true;
    std::int64_t savedY = m_curY;
    std::int64_t savedX = m_columnOffsetX;
    m_columnOffsetX = m_leftMargin;
    Show(footer);
    m_curY = savedY;
    m_columnOffsetX = savedX;
}

void TfrReportBuilder::RepeatHeaders()
{
    if (m_suppressRepeatedHeaders || !m_loopBand)
        return;
    m_suppressRepeatedHeaders = true;
    TfrBand& data = *m_loopBand;
    for (TfrBand* group : data.GroupList) {
        if (group == m_currentBand)
            break;
        if (group->RepeatHeader && group->GroupHeaderShown && !QueueHolds(group))
            Show(*group, true);
    }
    TfrBand* header = data.LinkedHeader;
    if (header && header != m_currentBand && header->RepeatHeader && !QueueHolds(header))
        Show(*header, true);
    m_suppressRepeatedHeaders = false;
}

void TfrReportBuilder::RunScript(const std::vector<std::string>& compiled)
{
    if (compiled.empty() || m_stopped)
        return;
    try {
        m_interpreter.RunScript(compiled);
    } catch (const std::exception& error) {
        CollectError(std::string("An error occured during calculating\r") + (m_currentBand ? m_currentBand->Name + "\r" : "")
                     + m_template.Info.Name + "\r" + error.what());
    }
}

void TfrReportBuilder::AccumulateAggregates(TfrBand& band)
{
    if (band.Aggregates.Count() == 0)
        return;
    band.Aggregates.Accumulate(band.Visible, [this](const std::string& expression) { return m_engine.Evaluate(expression); });
}

void TfrReportBuilder::CollectError(const std::string& message)
{
    if (m_error.empty())
        m_error = message;
    m_stopped = true;
}

void TfrReportBuilder::ComputePageGeometry()
{
    const TfrPage& page = *m_host->Page;
    bool landscape = page.Orientation == poLandscape;
    std::int32_t paperWidth = landscape ? page.PaperHeight : page.PaperWidth;
    std::int32_t paperHeight = landscape ? page.PaperWidth : page.PaperHeight;
    TfrPageGeometry geometry = VirtualPageGeometry(std::max(paperWidth, 1), std::max(paperHeight, 1));
    std::int64_t width = geometry.PageWidth;
    std::int64_t height = geometry.PageHeight;
    if (!page.MarginsUsed) {
        m_leftMargin = 0;
        m_topMargin = 0;
        m_rightEdge = width;
        m_bottomEdge = height;
    } else {
        m_leftMargin = page.LeftMargin != 0 ? page.LeftMargin : geometry.OffsetX;
        m_topMargin = page.TopMargin != 0 ? page.TopMargin : geometry.OffsetY;
        m_rightEdge = page.RightMargin != 0 ? width - page.RightMargin : geometry.OffsetX + geometry.PrnWidth;
        m_bottomEdge = page.BottomMargin != 0 ? height - page.BottomMargin : geometry.OffsetY + geometry.PrnHeight;
    }
    m_leftMargin = std::clamp<std::int64_t>(m_leftMargin, 0, width);
    m_topMargin = std::clamp<std::int64_t>(m_topMargin, 0, height);
    m_rightEdge = std::clamp<std::int64_t>(m_rightEdge, m_leftMargin, width);
    m_bottomEdge = std::clamp<std::int64_t>(m_bottomEdge, m_topMargin, height);
    TfrBand& footer = m_host->First(BandType::PageFooter);
    m_bottomY = m_bottomEdge - (footer.Exists() ? footer.Height : 0);
    std::int64_t columns = std::clamp(page.Columns, 1, 1000);
    std::int64_t gap = std::max(0, page.ColumnGap);
    m_columnWidth = std::max<std::int64_t>((m_rightEdge - m_leftMargin - (columns - 1) * gap) / columns, 0);
}

std::int64_t TfrReportBuilder::ColumnFooterHeight() const
{
    const TfrBand& footer = m_host->First(BandType::ColumnFooter);
    return footer.Exists() ? footer.Height : 0;
}

} // namespace report
