#include "report/preview/PreviewLayout.h"

#include <algorithm>
#include <cmath>

namespace report {
namespace {

// A fitted factor for a box smaller than its gaps.
constexpr double kSmallestFittedZoom = 0.01;

int Scaled(int units, double zoom)
{
    return static_cast<int>(std::lround(units * zoom));
}

int PagesPerRow(TfrZoomMode mode, int pageWidth, int boxWidth)
{
    if (mode == TfrZoomMode::WholePage)
        return 1;
    if (mode == TfrZoomMode::TwoPages)
        return 2;
    return std::max(1, (boxWidth - kPageGap) / std::max(1, pageWidth + kPageGap));
}

int ScrollRange(int extent, int box)
{
    return extent > box ? extent - box + kPageGap : 0;
}

} // namespace

PreviewZoomState& ProcessZoom()
{
    static PreviewZoomState state;
    return state;
}

double ZoomFactor(TfrZoomMode mode, double factor, gfx::TSize box, gfx::TSize page)
{
    if (page.cx <= 0 || page.cy <= 0)
        return factor;
    double fitted = factor;
    switch (mode) {
    case TfrZoomMode::Explicit:
        return factor;
    case TfrZoomMode::PageWidth:
        fitted = static_cast<double>(box.cx - 2 * kPageGap) / page.cx;
        break;
    case TfrZoomMode::WholePage:
        fitted = static_cast<double>(box.cy - 2 * kPageGap) / page.cy;
        break;
    case TfrZoomMode::TwoPages:
        fitted = static_cast<double>(box.cx - 3 * kPageGap) / (2.0 * page.cx);
        break;
    }
    return std::max(kSmallestFittedZoom, fitted);
}

PreviewLayout LayOutPages(const std::vector<gfx::TSize>& pages, int currentPage, TfrZoomMode mode, double factor,
    gfx::TSize box)
{
    PreviewLayout layout;
    if (pages.empty())
        return layout;
    const gfx::TSize current = pages[std::clamp(currentPage, 0, static_cast<int>(pages.size()) - 1)];
    layout.Zoom = ZoomFactor(mode, factor, box, current);
    const int perRow = PagesPerRow(mode, Scaled(current.cx, layout.Zoom), box.cx);

    int top = kPageGap;
    int right = 0;
    int bottom = 0;
    for (std::size_t first = 0; first < pages.size(); first += static_cast<std::size_t>(perRow)) {
        const std::size_t last = std::min(pages.size(), first + static_cast<std::size_t>(perRow));
        int left = kPageGap;
        int rowHeight = 0;
        for (std::size_t index = first; index < last; ++index) {
            const int width = Scaled(pages[index].cx, layout.Zoom);
            const int height = Scaled(pages[index].cy, layout.Zoom);
            if (last - first == 1 && width < box.cx)
                left = (box.cx - width) / 2;
            layout.Pages.push_back(gfx::Rect(left, top, left + width, top + height));
            right = std::max(right, left + width);
            bottom = std::max(bottom, top + height);
            rowHeight = std::max(rowHeight, height);
            left += width + kPageGap;
        }
        top += rowHeight + kPageGap;
    }
    layout.ScrollWidth = ScrollRange(right, box.cx);
    layout.ScrollHeight = ScrollRange(bottom, box.cy);
    return layout;
}

} // namespace report
