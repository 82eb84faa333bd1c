#include "platform/graphics/TPageCanvas.h"

#include "platform/graphics/FontCache.h"
#include "platform/graphics/TBitmap.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <numbers>
#include <string>

namespace gfx {
namespace {

void SetColor(cairo_t* cr, TColor color)
{
    TColor rgb = ColorToRGB(color);
    cairo_set_source_rgb(cr, GetRValue(rgb) / 255.0, GetGValue(rgb) / 255.0, GetBValue(rgb) / 255.0);
}

// Dash lengths of the pen styles, in line widths.
void SetDashes(cairo_t* cr, TPenStyle style, double width)
{
    double unit = std::max(width, 1.0);
    switch (style) {
    case TPenStyle::psDash: {
        const double dashes[] = { 6 * unit, 2 * unit };
        cairo_set_dash(cr, dashes, 2, 0);
        break;
    }
    case TPenStyle::psDot: {
        const double dashes[] = { unit, unit };
        cairo_set_dash(cr, dashes, 2, 0);
        break;
    }
    case TPenStyle::psDashDot: {
        const double dashes[] = { 6 * unit, 2 * unit, unit, 2 * unit };
        cairo_set_dash(cr, dashes, 4, 0);
        break;
    }
    case TPenStyle::psDashDotDot: {
        const double dashes[] = { 6 * unit, 2 * unit, unit, 2 * unit, unit, 2 * unit };
        cairo_set_dash(cr, dashes, 6, 0);
        break;
    }
    default:
        cairo_set_dash(cr, nullptr, 0, 0);
        break;
    }
}

// Text as pango takes it: valid UTF-8, line breaks shown as blanks.
std::string DrawableText(std::string_view text)
{
    std::string line(text);
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    if (g_utf8_validate(line.data(), static_cast<gssize>(line.size()), nullptr))
        return line;
    gchar* valid = g_utf8_make_valid(line.data(), static_cast<gssize>(line.size()));
    std::string result(valid);
    g_free(valid);
    return result;
}

void SetAttributes(PangoLayout* layout, const TFont& font, double charExtra)
{
    PangoAttrList* attrs = pango_attr_list_new();
    if (font.Style.Contains(TFontStyle::fsUnderline))
        pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.Style.Contains(TFontStyle::fsStrikeOut))
        pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (charExtra != 0)
        pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(static_cast<int>(std::lround(charExtra * PANGO_SCALE))));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
}

} // namespace

TPageCanvas::TPageCanvas(TBitmap& bitmap)
{
    m_surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(bitmap.Bits()),
        CAIRO_FORMAT_ARGB32, bitmap.Width(), bitmap.Height(), bitmap.StrideBytes());
    m_cairo = cairo_create(m_surface);
    m_ownsCairo = true;
    cairo_set_antialias(m_cairo, CAIRO_ANTIALIAS_NONE);
}

TPageCanvas::TPageCanvas(cairo_t* cairo) : m_cairo(cairo), m_vector(true) {}

TPageCanvas::~TPageCanvas()
{
    if (!m_ownsCairo)
        return;
    cairo_surface_flush(m_surface);
    cairo_destroy(m_cairo);
    cairo_surface_destroy(m_surface);
}

void TPageCanvas::FillRect(const TRectF& rect, TColor color)
{
    if (color == clNone || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    SetColor(m_cairo, color);
    cairo_rectangle(m_cairo, rect.Left, rect.Top, rect.Width(), rect.Height());
    cairo_fill(m_cairo);
}

void TPageCanvas::Line(double x1, double y1, double x2, double y2, double width, TColor color, TPenStyle style)
{
    if (style == TPenStyle::psClear || color == clNone || width <= 0)
        return;
    cairo_save(m_cairo);
    SetColor(m_cairo, color);
    cairo_set_line_width(m_cairo, width);
    cairo_set_line_cap(m_cairo, CAIRO_LINE_CAP_BUTT);
    SetDashes(m_cairo, style, width);
    cairo_move_to(m_cairo, x1, y1);
    cairo_line_to(m_cairo, x2, y2);
    cairo_stroke(m_cairo);
    cairo_restore(m_cairo);
}

void TPageCanvas::Text(const TFont& font, double x, double y, std::string_view text, double charExtra,
    bool rightToLeft)
{
    if (text.empty() || font.Color == clNone)
        return;
    const fonts::ResolvedFont& resolved = fonts::Resolve(font);
    cairo_save(m_cairo);
    // Glyphs are always smooth, also where shapes are drawn crisp.
    cairo_set_antialias(m_cairo, CAIRO_ANTIALIAS_DEFAULT);
    PangoLayout* layout = pango_cairo_create_layout(m_cairo);
    pango_cairo_context_set_resolution(pango_layout_get_context(layout), kScreenDpi);
    pango_layout_context_changed(layout);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    pango_layout_set_auto_dir(layout, !rightToLeft);
    if (rightToLeft)
        pango_context_set_base_dir(pango_layout_get_context(layout), PANGO_DIRECTION_RTL);
    pango_layout_set_font_description(layout, resolved.Description);
    std::string drawable = DrawableText(text);
    pango_layout_set_text(layout, drawable.data(), static_cast<int>(drawable.size()));
    SetAttributes(layout, font, charExtra);
    SetColor(m_cairo, font.Color);
    cairo_translate(m_cairo, x, y);
    if (font.Orientation % 3600 != 0)
        cairo_rotate(m_cairo, -font.Orientation * std::numbers::pi / 1800.0);
    double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    cairo_move_to(m_cairo, 0, resolved.Metrics.tmAscent - baseline);
    pango_cairo_show_layout(m_cairo, layout);
    g_object_unref(layout);
    cairo_restore(m_cairo);
}

void TPageCanvas::Image(const TBitmap& picture, const TRectF& rect)
{
    if (picture.Empty() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    cairo_surface_t* source = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<Pixel*>(picture.Bits())), CAIRO_FORMAT_RGB24, picture.Width(),
        picture.Height(), picture.StrideBytes());
    cairo_save(m_cairo);
    cairo_rectangle(m_cairo, rect.Left, rect.Top, rect.Width(), rect.Height());
    cairo_clip(m_cairo);
    cairo_translate(m_cairo, rect.Left, rect.Top);
    cairo_scale(m_cairo, rect.Width() / picture.Width(), rect.Height() / picture.Height());
    cairo_set_source_surface(m_cairo, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(m_cairo), CAIRO_FILTER_GOOD);
    cairo_paint(m_cairo);
    cairo_restore(m_cairo);
    cairo_surface_destroy(source);
}

void TPageCanvas::PushClip(const TRectF& rect)
{
    cairo_save(m_cairo);
    cairo_rectangle(m_cairo, rect.Left, rect.Top, std::max(0.0, rect.Width()), std::max(0.0, rect.Height()));
    cairo_clip(m_cairo);
}

void TPageCanvas::PopClip() { cairo_restore(m_cairo); }

double PageTextWidth(const TFont& font, std::string_view text, double charExtra)
{
    if (text.empty())
        return 0;
    PangoRectangle logical;
    PangoLayout* layout = fonts::Layout(font, text);
    pango_layout_get_extents(layout, nullptr, &logical);
    return logical.width / double(PANGO_SCALE) + charExtra * pango_layout_get_character_count(layout);
}

} // namespace gfx
