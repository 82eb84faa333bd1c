#pragma once

#include "platform/graphics/TPageCanvas.h"
#include "platform/richtext/RtfDocument.h"

namespace richtext {

// Rich text formatted into a width through pango, one paragraph below the
// other, each in its own alignment. Sizes are pixels at `pixelsPerPoint`
// (96 / 72 on screen and in report units).
class RichTextLayout {
public:
    RichTextLayout(const RtfDocument& document, double width, double pixelsPerPoint = 96.0 / 72.0);

    // Height of all paragraphs.
    double Height() const;
    // Draws with the first paragraph's top-left at (x, y).
    void Draw(gfx::TPageCanvas& canvas, double x, double y) const;

private:
    const RtfDocument& m_document;
    double m_width;
    double m_pixelsPerPoint;
};

} // namespace richtext
