#pragma once

#include "platform/graphics/Geometry.h"

#include <vector>

namespace report {

// How the preview chooses its zoom: the stored factor, or fitted to the page
// width, the whole page or two pages side by side.
enum class TfrZoomMode { Explicit = 0, PageWidth = 1, WholePage = 2, TwoPages = 3 };

// The zoom every preview of the process shares, so that the next preview
// opens as the last one was left.
struct PreviewZoomState {
    double Factor { 1.0 };
    TfrZoomMode Mode { TfrZoomMode::Explicit };
};
PreviewZoomState& ProcessZoom();

// The gap around and between pages, in pixels.
inline constexpr int kPageGap = 10;

// The factor a mode gives for a box and the current page (report units).
// Explicit mode keeps `factor`; a fitted factor is never below a tiny
// positive value, so a box smaller than its gaps still lays out.
double ZoomFactor(TfrZoomMode mode, double factor, gfx::TSize box, gfx::TSize page);

// Where the pages lie in the preview's scrollable area, in pixels with the
// area's top-left at (0, 0), and how far the area scrolls each way.
struct PreviewLayout {
    double Zoom { 1.0 };
    std::vector<gfx::TRect> Pages;
    int ScrollWidth { 0 };
    int ScrollHeight { 0 };
};

// Lays pages (sizes in report units) out in rows for a box of `box` pixels:
// as many pages per row as fit with the gaps (at least one; one in
// whole-page mode, two in two-page mode), rows 10 apart from 10 below the
// top; a page alone in a row narrower than the box is centred, others start
// 10 from the left. The scroll ranges are the extent beyond the box plus 10,
// 0 when everything fits.
PreviewLayout LayOutPages(const std::vector<gfx::TSize>& pages, int currentPage, TfrZoomMode mode, double factor,
    gfx::TSize box);

} // namespace report
