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
    // Height of the first line (0 without text): the least part of the text
    // that can stand on its own.
    double FirstLineHeight() const;
    // The text cut after the last whole line that ends within `height`
    // (always at least one line, so cutting goes on to the end): the lines
    // that fit, and the rest (no paragraphs when everything fits). A
    // paragraph cut in two keeps its format in both parts.
    struct Parts {
        RtfDocument Head;
        RtfDocument Rest;
    };
    Parts SplitAt(double height) const;
    // Draws with the first paragraph's top-left at (x, y).
    void Draw(gfx::TPageCanvas& canvas, double x, double y) const;

private:
    const RtfDocument& m_document;
    double m_width;
    double m_pixelsPerPoint;
};

} // namespace richtext
