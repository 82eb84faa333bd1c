#include "selfdrawn/SeBuffer.h"

#include "platform/window/SystemInfo.h"

namespace selfdrawn {

gfx::TBitmap& SharedBuffer()
{
    static gfx::TBitmap buffer(wnd::GetSystemMetrics(wnd::SM_CXSCREEN) + 500, wnd::GetSystemMetrics(wnd::SM_CYSCREEN) + 500);
    return buffer;
}

TSePaintSurface::TSePaintSurface(gfx::TCanvas& Target, TSePerformance Performance, int Width, int Height)
    : m_target(Target), m_canvas(&Target), m_width(Width), m_height(Height)
{
    if (Performance == TSePerformance::kspNoBuffer)
        return;
    if (Performance == TSePerformance::kspSharedBuffer) {
        gfx::TBitmap& shared = SharedBuffer();
        // A control larger than the screen gets a buffer of its own instead.
        if (Width <= shared.Width() && Height <= shared.Height())
            m_bitmap = &shared;
    }
    if (!m_bitmap) {
        m_own = std::make_unique<gfx::TBitmap>(Width, Height);
        m_bitmap = m_own.get();
    }
    m_bufferCanvas = std::make_unique<gfx::TCanvas>(*m_bitmap);
    m_bufferCanvas->IntersectClipRect(gfx::Rect(0, 0, Width, Height));
    m_bufferCanvas->Brush.Color = kBufferKeyColor;
    m_bufferCanvas->FillRect(gfx::Rect(0, 0, Width, Height));
    m_canvas = m_bufferCanvas.get();
}

void TSePaintSurface::Blend(const gfx::TBitmap& Background, int Value)
{
    if (!m_bitmap)
        return;
    const auto mix = [Value](gfx::Pixel a, gfx::Pixel b, int shift) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        return static_cast<gfx::Pixel>((ca * Value + cb * (255 - Value)) / 255) << shift;
    };
    const int w = std::min(m_width, Background.Width());
    const int h = std::min(m_height, Background.Height());
    for (int y = 0; y < h; ++y) {
        gfx::Pixel* row = m_bitmap->ScanLine(y);
        const gfx::Pixel* back = Background.ScanLine(y);
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | mix(row[x], back[x], 16) | mix(row[x], back[x], 8) | mix(row[x], back[x], 0);
    }
}

void TSePaintSurface::Present()
{
    if (m_bitmap)
        m_target.CopyRect(gfx::Rect(0, 0, m_width, m_height), *m_bitmap, gfx::Rect(0, 0, m_width, m_height));
}

} // namespace selfdrawn
