#pragma once

#include "platform/graphics/TFont.h"

#include <pango/pango.h>

#include <string_view>

// The one place that turns a TFont into a pango font: the face mapping, the
// height meaning (character or cell height) and the metrics, cached per font.
namespace gfx::fonts {

struct ResolvedFont {
    PangoFontDescription* Description { nullptr }; // owned by the cache
    TTextMetric Metrics;
};

const ResolvedFont& Resolve(const TFont& font);

// The program's measuring context (96 dpi), for layouts built elsewhere.
PangoContext* MeasuringContext();

// A layout of the shared measuring context holding `text` in `font`
// (underline and strike-out applied). Valid until the next call.
PangoLayout* Layout(const TFont& font, std::string_view text);

// Width in pixels of a text in a font.
int TextWidth(const TFont& font, std::string_view text);

// Left and right pixel edges of the character that starts at byte `index`.
std::pair<int, int> CharEdges(const TFont& font, std::string_view text, std::size_t index);

// Offset from the top of a layout's cell to where pango must start drawing it,
// so that the text's baseline lands at the font's ascent.
int LayoutTopOffset(const TFont& font, PangoLayout* layout);

} // namespace gfx::fonts
