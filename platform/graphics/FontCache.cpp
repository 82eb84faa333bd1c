#include "platform/graphics/FontCache.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace gfx::fonts {
namespace {

// The size a font takes when its Height is 0.
constexpr int kDefaultCharHeight = 12;
// Size used to find a face's ascent-to-descent proportions.
constexpr double kReferencePx = 1024.0;

struct DescriptionDeleter {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
using DescriptionPtr = std::unique_ptr<PangoFontDescription, DescriptionDeleter>;

struct CacheEntry {
    DescriptionPtr Owner;
    ResolvedFont Font;
};

using CacheKey = std::tuple<std::string, int, unsigned>;

PangoContext* NewContext()
{
    PangoContext* ctx = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(ctx, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(ctx, kScreenDpi);
    pango_context_set_language(ctx, pango_language_from_string("zh-cn"));
    return ctx;
}

PangoLayout* NewLayout(PangoContext* context)
{
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    return layout;
}

// The measuring context, the shared layout and the resolved fonts, for the
// whole program. Taken down at exit together with the font map; fontconfig's
// own data stays, since cairo's font cache may still hold patterns from it
// and finalising fontconfig under them aborts the program at exit.
struct FontSystem {
    PangoContext* Context { NewContext() };
    PangoLayout* SharedLayout { NewLayout(Context) };
    std::map<CacheKey, CacheEntry> Cache;

    FontSystem() = default;
    FontSystem(const FontSystem&) = delete;
    FontSystem& operator=(const FontSystem&) = delete;
    ~FontSystem()
    {
        Cache.clear();
        g_object_unref(SharedLayout);
        g_object_unref(Context);
        pango_cairo_font_map_set_default(nullptr);
    }
};

FontSystem& System()
{
    static FontSystem system;
    return system;
}

PangoContext* Context() { return System().Context; }

DescriptionPtr Describe(const TFont& font, double em_px)
{
    DescriptionPtr d(pango_font_description_new());
    std::string family = MapFontFamily(font.Name);
    pango_font_description_set_family(d.get(), family.c_str());
    pango_font_description_set_weight(d.get(),
        font.Style.Contains(TFontStyle::fsBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d.get(),
        font.Style.Contains(TFontStyle::fsItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(d.get(), std::round(em_px * PANGO_SCALE));
    return d;
}

// Ascent and descent in pixels of the first face of a description.
std::pair<double, double> FaceExtent(PangoFontDescription* d)
{
    PangoFont* face = pango_context_load_font(Context(), d);
    if (!face)
        return { 0.8 * pango_font_description_get_size(d) / PANGO_SCALE, 0.2 * pango_font_description_get_size(d) / PANGO_SCALE };
    PangoFontMetrics* m = pango_font_get_metrics(face, nullptr);
    std::pair<double, double> extent { pango_font_metrics_get_ascent(m) / double(PANGO_SCALE),
        pango_font_metrics_get_descent(m) / double(PANGO_SCALE) };
    pango_font_metrics_unref(m);
    g_object_unref(face);
    return extent;
}

int MeasureRaw(PangoFontDescription* d, const char* text)
{
    PangoLayout* layout = pango_layout_new(Context());
    pango_layout_set_font_description(layout, d);
    pango_layout_set_text(layout, text, -1);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return PANGO_PIXELS_CEIL(logical.width);
}

CacheEntry Build(const TFont& font)
{
    int height = font.Height == 0 ? -kDefaultCharHeight : font.Height;
    double em_px = -height;
    if (height > 0) {
        // A cell height: scale the face so that ascent + descent fill it.
        DescriptionPtr reference = Describe(font, kReferencePx);
        auto [ascent, descent] = FaceExtent(reference.get());
        double cell = ascent + descent;
        em_px = cell > 0 ? height * kReferencePx / cell : height;
    }
    CacheEntry entry { Describe(font, em_px), {} };
    entry.Font.Description = entry.Owner.get();
    auto [ascent, descent] = FaceExtent(entry.Owner.get());

    TTextMetric& tm = entry.Font.Metrics;
    if (height > 0) {
        tm.tmHeight = height;
        tm.tmAscent = std::min(height, static_cast<int>(std::lround(ascent)));
        tm.tmDescent = height - tm.tmAscent;
    } else {
        tm.tmAscent = static_cast<int>(std::lround(ascent));
        tm.tmDescent = static_cast<int>(std::lround(descent));
        tm.tmHeight = tm.tmAscent + tm.tmDescent;
    }
    tm.tmInternalLeading = std::max(0, tm.tmHeight - static_cast<int>(std::lround(em_px)));
    tm.tmAveCharWidth = MeasureRaw(entry.Owner.get(), "x");
    tm.tmMaxCharWidth = std::max(MeasureRaw(entry.Owner.get(), "W"), MeasureRaw(entry.Owner.get(), "国"));
    tm.tmWeight = font.Style.Contains(TFontStyle::fsBold) ? 700 : 400;
    tm.tmItalic = font.Style.Contains(TFontStyle::fsItalic);
    tm.tmUnderlined = font.Style.Contains(TFontStyle::fsUnderline);
    tm.tmStruckOut = font.Style.Contains(TFontStyle::fsStrikeOut);
    return entry;
}

} // namespace

const ResolvedFont& Resolve(const TFont& font)
{
    std::map<CacheKey, CacheEntry>& cache = System().Cache;
    CacheKey key { font.Name, font.Height, font.Style.Bits() };
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, Build(font)).first;
    return it->second.Font;
}

PangoLayout* Layout(const TFont& font, std::string_view text)
{
    PangoLayout* layout = System().SharedLayout;
    pango_layout_set_font_description(layout, Resolve(font).Description);
    PangoAttrList* attrs = pango_attr_list_new();
    if (font.Style.Contains(TFontStyle::fsUnderline))
        pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.Style.Contains(TFontStyle::fsStrikeOut))
        pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
    // One line of text: line breaks show as spaces, as a single line has no
    // room for them; byte offsets stay the same.
    std::string line(text);
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::replace(line.begin(), line.end(), '\r', ' ');
    if (g_utf8_validate(line.data(), static_cast<gssize>(line.size()), nullptr)) {
        pango_layout_set_text(layout, line.data(), static_cast<int>(line.size()));
    } else {
        // Damaged text still draws: broken bytes become replacement characters.
        gchar* valid = g_utf8_make_valid(line.data(), static_cast<gssize>(line.size()));
        pango_layout_set_text(layout, valid, -1);
        g_free(valid);
    }
    return layout;
}

int TextWidth(const TFont& font, std::string_view text)
{
    if (text.empty())
        return 0;
    PangoRectangle logical;
    pango_layout_get_extents(Layout(font, text), nullptr, &logical);
    return PANGO_PIXELS_CEIL(logical.width);
}

std::pair<int, int> CharEdges(const TFont& font, std::string_view text, std::size_t index)
{
    PangoRectangle pos;
    pango_layout_index_to_pos(Layout(font, text), static_cast<int>(index), &pos);
    int a = PANGO_PIXELS(pos.x);
    int b = PANGO_PIXELS(pos.x + pos.width);
    return { std::min(a, b), std::max(a, b) };
}

int LayoutTopOffset(const TFont& font, PangoLayout* layout)
{
    return Resolve(font).Metrics.tmAscent - PANGO_PIXELS(pango_layout_get_baseline(layout));
}

} // namespace gfx::fonts
