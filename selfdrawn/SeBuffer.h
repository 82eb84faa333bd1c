#pragma once

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "selfdrawn/SeTypes.h"

#include <memory>
#include <stdexcept>

namespace selfdrawn {

// The colour an off-screen buffer is cleared to before a control paints into it.
inline constexpr gfx::TColor kBufferKeyColor = gfx::RGB(127, 0, 127);

// The error of an off-screen buffer that cannot be made.
class EBufferError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The surface one paint of a self-drawn control draws on: the control's own
// canvas (no buffer), the program's one shared buffer, or a bitmap of the
// control's size made for this paint only. Present copies the buffered
// picture to the control's canvas.
//
// A buffer that cannot be made (too large, or out of memory) leaves the
// control painting straight onto its canvas; the failure is reported once per
// control (ErrorReported remembers it), never on every repaint.
class TSePaintSurface {
public:
    TSePaintSurface(gfx::TCanvas& Target, TSePerformance Performance, int Width, int Height, bool& ErrorReported);
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

// The program's shared buffer, (screen width + 500) x (screen height + 500)
// when first used, grown when a larger control needs it. Throws
// EBufferError when it cannot be made that large.
gfx::TBitmap& SharedBuffer(int MinWidth, int MinHeight);

// The most pixels an off-screen buffer may hold (1 GiB of memory).
inline constexpr long long kMaxBufferPixels = 256LL * 1024 * 1024;

} // namespace selfdrawn
