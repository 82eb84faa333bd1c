#include "platform/richtext/RichTextLayout.h"

#include "platform/graphics/FontCache.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TColor.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

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

// The run's text as pango is given it: damaged bytes replaced.
std::string LayoutText(const std::string& text)
{
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr))
        return text;
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    std::string result(valid);
    g_free(valid);
    return result;
}

LayoutPtr ParagraphLayout(PangoContext* context, const Paragraph& paragraph, double width, double pixels_per_point)
{
    LayoutPtr layout(pango_layout_new(context));
    std::string text;
    PangoAttrList* attrs = pango_attr_list_new();
    for (const TextRun& run : paragraph.Runs) {
        std::size_t start = text.size();
        text += LayoutText(run.Text);
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

// The lines of a paragraph: where each starts in its text, and its bottom
// below the paragraph's top.
struct LineEnd {
    std::size_t Start;
    double Bottom;
};

std::vector<LineEnd> LineEnds(PangoLayout* layout)
{
    std::vector<LineEnd> lines;
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(iter, nullptr, &logical);
        PangoLayoutLine* line = pango_layout_iter_get_line_readonly(iter);
        lines.push_back({ static_cast<std::size_t>(line->start_index),
            (logical.y + logical.height) / double(PANGO_SCALE) });
    } while (pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return lines;
}

// Splits a paragraph at a byte offset of its layout text.
std::pair<Paragraph, Paragraph> SplitParagraph(const Paragraph& paragraph, std::size_t offset)
{
    Paragraph head { paragraph.Align, {} };
    Paragraph tail { paragraph.Align, {} };
    std::size_t position = 0;
    for (const TextRun& run : paragraph.Runs) {
        TextRun valid = run;
        valid.Text = LayoutText(run.Text);
        std::size_t end = position + valid.Text.size();
        if (end <= offset) {
            head.Runs.push_back(std::move(valid));
        } else if (position >= offset) {
            tail.Runs.push_back(std::move(valid));
        } else {
            TextRun first = valid;
            first.Text = valid.Text.substr(0, offset - position);
            valid.Text.erase(0, offset - position);
            head.Runs.push_back(std::move(first));
            tail.Runs.push_back(std::move(valid));
        }
        position = end;
    }
    return { std::move(head), std::move(tail) };
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

double RichTextLayout::FirstLineHeight() const
{
    if (m_document.Paragraphs.empty())
        return 0;
    LayoutPtr layout = ParagraphLayout(gfx::fonts::MeasuringContext(), m_document.Paragraphs.front(), m_width,
        m_pixelsPerPoint);
    return LineEnds(layout.get()).front().Bottom;
}

RichTextLayout::Parts RichTextLayout::SplitAt(double height) const
{
    Parts parts;
    const auto& paragraphs = m_document.Paragraphs;
    double top = 0;
    for (std::size_t index = 0; index < paragraphs.size(); ++index) {
        LayoutPtr layout = ParagraphLayout(gfx::fonts::MeasuringContext(), paragraphs[index], m_width, m_pixelsPerPoint);
        std::vector<LineEnd> lines = LineEnds(layout.get());
        std::size_t fit = 0;
        while (fit < lines.size() && top + lines[fit].Bottom <= height)
            ++fit;
        bool first = index == 0;
        if (fit == 0 && first)
            fit = 1;
        if (fit == lines.size()) {
            parts.Head.Paragraphs.push_back(paragraphs[index]);
            top += LayoutHeight(layout.get());
            continue;
        }
        auto rest = paragraphs.begin() + static_cast<std::ptrdiff_t>(index);
        if (fit > 0) {
            auto [head, tail] = SplitParagraph(paragraphs[index], lines[fit].Start);
            parts.Head.Paragraphs.push_back(std::move(head));
            parts.Rest.Paragraphs.push_back(std::move(tail));
            ++rest;
        }
        parts.Rest.Paragraphs.insert(parts.Rest.Paragraphs.end(), rest, paragraphs.end());
        break;
    }
    return parts;
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
