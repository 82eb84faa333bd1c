#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace selfdrawn {

// The predefined kinds of a self-drawn button.
enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// How a glyph image is coloured when drawn.
enum class TGlyphTone {
    Normal,
    // Grey at the pixel's lightness (the mouse is not over a black-and-white button).
    Grey,
    // Light grey (a disabled button with a single image).
    DisabledGrey,
};

// Draws image Index of a strip of NumGlyphs images side by side with its
// top-left corner at (X, Y), leaving out the strip's transparent colour (its
// bottom-left pixel).
void DrawGlyphImage(gfx::TCanvas& Canvas, const gfx::TBitmap& Strip, int NumGlyphs, int Index, int X, int Y,
    TGlyphTone Tone);

// The two-image strip (normal, disabled) of a button kind; empty for bkCustom.
gfx::TBitmap KindGlyph(TBitBtnKind Kind);
// The caption, modal result and default flag a kind gives a button.
const char* KindCaption(TBitBtnKind Kind);
int KindModalResult(TBitBtnKind Kind);

} // namespace selfdrawn
