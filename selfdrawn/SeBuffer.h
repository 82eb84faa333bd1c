#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "selfdrawn/SeTypes.h"

#include <memory>

namespace selfdrawn {

// The colour an off-screen buffer is cleared to before a control paints into it.
inline constexpr gfx::TColor kBufferKeyColor = gfx::RGB(127, 0, 127);

// The surface one paint of a self-drawn control draws on: the control's own
// canvas (no buffer), the program's one shared screen-sized buffer, or a
// bitmap of the control's size made for this paint only. Present copies the
// buffered picture to the control's canvas.
class TSePaintSurface {
public:
    TSePaintSurface(gfx::TCanvas& Target, TSePerformance Performance, int Width, int Height);
    TSePaintSurface(const TSePaintSurface&) = delete;
    TSePaintSurface& operator=(const TSePaintSurface&) = delete;

    gfx::TCanvas& Canvas() { return *m_canvas; }
    bool Buffered() const { return m_bitmap != nullptr; }
    // Mixes the buffered picture with Background at opacity Value (0..255).
    void Blend(const gfx::TBitmap& Background, int Value);
    void Present();

private:
    gfx::TCanvas& m_target;
    gfx::TBitmap* m_bitmap { nullptr };
    std::unique_ptr<gfx::TBitmap> m_own;
    std::unique_ptr<gfx::TCanvas> m_bufferCanvas;
    gfx::TCanvas* m_canvas;
    int m_width;
    int m_height;
};

// The program's shared buffer, (screen width + 500) x (screen height + 500),
// created on first use.
gfx::TBitmap& SharedBuffer();

} // namespace selfdrawn
