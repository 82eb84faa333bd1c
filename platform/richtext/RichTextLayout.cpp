#include "platform/richtext/RichTextLayout.h"

#include "platform/graphics/FontCache.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TColor.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <memory>

namespace richtext {
namespace {

constexpr const char* kDefaultFont = "Arial";

struct LayoutDeleter {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

PangoAlignment ToPango(Alignment align)
{
    switch (align) {
    case Alignment::Right:
        return PANGO_ALIGN_RIGHT;
    case Alignment::Center:
        return PANGO_ALIGN_CENTER;
    default:
        return PANGO_ALIGN_LEFT;
    }
}

void Insert(PangoAttrList* list, PangoAttribute* attribute, std::size_t start, std::size_t end)
{
    attribute->start_index = static_cast<guint>(start);
    attribute->end_index = static_cast<guint>(end);
    pango_attr_list_insert(list, attribute);
}

LayoutPtr ParagraphLayout(PangoContext* context, const Paragraph& paragraph, double width, double pixels_per_point)
{
    LayoutPtr layout(pango_layout_new(context));
    std::string text;
    PangoAttrList* attrs = pango_attr_list_new();
    for (const TextRun& run : paragraph.Runs) {
        std::size_t start = text.size();
        if (g_utf8_validate(run.Text.data(), static_cast<gssize>(run.Text.size()), nullptr)) {
            text += run.Text;
        } else {
            gchar* valid = g_utf8_make_valid(run.Text.data(), static_cast<gssize>(run.Text.size()));
            text += valid;
            g_free(valid);
        }
        std::size_t end = text.size();
        std::string family = gfx::MapFontFamily(run.FontName.empty() ? kDefaultFont : run.FontName);
        Insert(attrs, pango_attr_family_new(family.c_str()), start, end);
        double pixels = run.HalfPoints / 2.0 * pixels_per_point;
        Insert(attrs, pango_attr_size_new_absolute(static_cast<int>(std::lround(pixels * PANGO_SCALE))), start, end);
        if (run.Bold)
            Insert(attrs, pango_attr_weight_new(PANGO_WEIGHT_BOLD), start, end);
        if (run.Italic)
            Insert(attrs, pango_attr_style_new(PANGO_STYLE_ITALIC), start, end);
        if (run.Underline)
            Insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), start, end);
        gfx::TColor rgb = run.Color;
        Insert(attrs,
            pango_attr_foreground_new(static_cast<guint16>(gfx::GetRValue(rgb) * 257),
                static_cast<guint16>(gfx::GetGValue(rgb) * 257), static_cast<guint16>(gfx::GetBValue(rgb) * 257)),
            start, end);
    }
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
    pango_layout_set_attributes(layout.get(), attrs);
    pango_attr_list_unref(attrs);
    pango_layout_set_width(layout.get(), static_cast<int>(std::max(0.0, width) * PANGO_SCALE));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(layout.get(), ToPango(paragraph.Align));
    pango_layout_set_justify(layout.get(), paragraph.Align == Alignment::Justify);
    if (paragraph.Runs.empty()) {
        // An empty paragraph is as tall as a line of the default size.
        PangoFontDescription* font = pango_font_description_from_string(kDefaultFont);
        pango_font_description_set_absolute_size(font, 12 * pixels_per_point * PANGO_SCALE);
        pango_layout_set_font_description(layout.get(), font);
        pango_font_description_free(font);
    }
    return layout;
}

double LayoutHeight(PangoLayout* layout)
{
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return logical.height / double(PANGO_SCALE);
}

} // namespace

RichTextLayout::RichTextLayout(const RtfDocument& document, double width, double pixelsPerPoint)
    : m_document(document), m_width(width), m_pixelsPerPoint(pixelsPerPoint)
{
}

double RichTextLayout::Height() const
{
    double height = 0;
    for (const Paragraph& paragraph : m_document.Paragraphs)
        height += LayoutHeight(ParagraphLayout(gfx::fonts::MeasuringContext(), paragraph, m_width, m_pixelsPerPoint).get());
    return height;
}

void RichTextLayout::Draw(gfx::TPageCanvas& canvas, double x, double y) const
{
    cairo_t* cr = canvas.Cairo();
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    PangoContext* context = pango_cairo_create_context(cr);
    pango_cairo_context_set_resolution(context, gfx::kScreenDpi);
    for (const Paragraph& paragraph : m_document.Paragraphs) {
        LayoutPtr layout = ParagraphLayout(context, paragraph, m_width, m_pixelsPerPoint);
        cairo_move_to(cr, x, y);
        pango_cairo_show_layout(cr, layout.get());
        y += LayoutHeight(layout.get());
    }
    g_object_unref(context);
    cairo_restore(cr);
}

} // namespace richtext
