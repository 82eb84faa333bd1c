#include "platform/graphics/TextEngine.h"

#include "platform/graphics/FontCache.h"
#include "platform/graphics/TBitmap.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <numbers>

namespace gfx {

TextEngine::TextEngine(TBitmap& bitmap) : m_bitmap(bitmap) {}

TextEngine::~TextEngine() { Release(); }

void TextEngine::Release()
{
    if (m_cairo)
        cairo_destroy(m_cairo);
    if (m_surface)
        cairo_surface_destroy(m_surface);
    m_cairo = nullptr;
    m_surface = nullptr;
    m_data = nullptr;
}

bool TextEngine::Prepare()
{
    if (m_bitmap.Empty()) {
        Release();
        return false;
    }
    if (m_surface && m_data == m_bitmap.Bits() && m_width == m_bitmap.Width() && m_height == m_bitmap.Height()) {
        cairo_surface_mark_dirty(m_surface);
        return true;
    }
    Release();
    m_surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(m_bitmap.Bits()),
        CAIRO_FORMAT_ARGB32, m_bitmap.Width(), m_bitmap.Height(), m_bitmap.StrideBytes());
    m_cairo = cairo_create(m_surface);
    m_data = m_bitmap.Bits();
    m_width = m_bitmap.Width();
    m_height = m_bitmap.Height();
    return cairo_status(m_cairo) == CAIRO_STATUS_SUCCESS;
}

void TextEngine::Draw(const TFont& font, std::string_view text, int x, int y, const TRegion& clip, int along)
{
    if (text.empty() || clip.Empty() || !Prepare())
        return;
    cairo_t* cr = m_cairo;
    cairo_save(cr);
    for (const TRect& r : clip.Rects())
        cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
    cairo_clip(cr);
    TColor color = ColorToRGB(font.Color);
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
    PangoLayout* layout = fonts::Layout(font, text);
    cairo_translate(cr, x, y);
    if (font.Orientation % 3600 != 0)
        cairo_rotate(cr, -font.Orientation * std::numbers::pi / 1800.0);
    cairo_move_to(cr, along, fonts::LayoutTopOffset(font, layout));
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    cairo_surface_flush(m_surface);
}

} // namespace gfx
