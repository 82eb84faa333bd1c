#pragma once

#include "platform/graphics/TFont.h"
#include "platform/graphics/TRegion.h"

#include <cairo.h>

#include <string_view>

namespace gfx {

class TBitmap;

// Draws anti-aliased text into a bitmap's pixels through cairo and pango. It
// keeps one cairo surface over the bitmap's memory and renews it whenever the
// bitmap's buffer or size changes.
class TextEngine {
public:
    explicit TextEngine(TBitmap& bitmap);
    ~TextEngine();
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

    // Draws text with its cell's top-left at device (x, y), limited to `clip`
    // (device coordinates). `along` moves the start along the text's direction
    // (which a turned font turns).
    void Draw(const TFont& font, std::string_view text, int x, int y, const TRegion& clip, int along = 0);

private:
    bool Prepare();
    void Release();

    TBitmap& m_bitmap;
    cairo_surface_t* m_surface { nullptr };
    cairo_t* m_cairo { nullptr };
    const void* m_data { nullptr };
    int m_width { 0 };
    int m_height { 0 };
};

} // namespace gfx
