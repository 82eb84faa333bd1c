#pragma once

#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/TCanvas.h"

#include <optional>
#include <string_view>

namespace selfdrawn {

// The drawing routines the default looks of the self-drawn controls are
// built from, beside the shared fills and 3-D edges of EdgePainter.h.
// Colours may be system colours.

// x rounded to the nearest integer, halves to the even neighbour.
int Nearest(double x);

// A one-pixel outline; the inside is left alone.
void FrameRectColor(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TColor Color);
// Text (UTF-8) with a transparent background; Flags are DT_* values.
void DrawTextWide(gfx::TCanvas& Canvas, std::string_view Text, gfx::TRect& Rect, unsigned Flags);
// Width of a text; with Flags it is measured as DrawText would lay it out.
// Text as a control shows it: in the canvas font's colour when enabled;
// disabled, embossed: one pixel right and down in button highlight, then in
// place in button shadow.
void DrawStateText(gfx::TCanvas& Canvas, std::string_view Text, const gfx::TRect& Rect, unsigned Flags, bool Enabled);
int TextWidthWide(gfx::TCanvas& Canvas, std::string_view Text, unsigned Flags = 0);
int TextHeightWide(gfx::TCanvas& Canvas, std::string_view Text);

// Puts a canvas's clipping back as it was when the guard was made.
class TClipGuard {
public:
    explicit TClipGuard(gfx::TCanvas& Canvas) : m_canvas(Canvas), m_saved(Canvas.ClipRegion()) { }
    ~TClipGuard()
    {
        if (m_saved)
            m_canvas.SetClipRegion(*m_saved);
        else
            m_canvas.ClearClipRegion();
    }
    TClipGuard(const TClipGuard&) = delete;
    TClipGuard& operator=(const TClipGuard&) = delete;

private:
    gfx::TCanvas& m_canvas;
    std::optional<gfx::TRegion> m_saved;
};

} // namespace selfdrawn
