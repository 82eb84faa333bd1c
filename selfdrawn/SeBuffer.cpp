#include "selfdrawn/SeBuffer.h"

#include "platform/controls/TApplication.h"
#include "platform/window/SystemInfo.h"

#include <algorithm>
#include <new>

namespace selfdrawn {

namespace {

// Sizes a buffer bitmap, or throws EBufferError when that is not possible.
void SizeBuffer(gfx::TBitmap& Bitmap, int Width, int Height)
{
    if (static_cast<long long>(Width) * Height > kMaxBufferPixels)
        throw EBufferError("Can't allocate the DIB handle");
    try {
        Bitmap.SetSize(Width, Height);
    } catch (const std::bad_alloc&) {
        throw EBufferError("Can't allocate the DIB handle");
    }
}

} // namespace

gfx::TBitmap& SharedBuffer(int MinWidth, int MinHeight)
{
    static gfx::TBitmap buffer;
    if (buffer.Empty())
        SizeBuffer(buffer, wnd::GetSystemMetrics(wnd::SM_CXSCREEN) + 500, wnd::GetSystemMetrics(wnd::SM_CYSCREEN) + 500);
    if (MinWidth > buffer.Width() || MinHeight > buffer.Height())
        SizeBuffer(buffer, std::max(MinWidth, buffer.Width()), std::max(MinHeight, buffer.Height()));
    return buffer;
}

TSePaintSurface::TSePaintSurface(
    gfx::TCanvas& Target, TSePerformance Performance, int Width, int Height, bool& ErrorReported)
    : m_target(Target), m_canvas(&Target), m_width(Width), m_height(Height)
{
    if (Performance == TSePerformance::kspNoBuffer)
        return;
    try {
        if (Performance == TSePerformance::kspSharedBuffer) {
            m_bitmap = &SharedBuffer(Width, Height);
        } else {
            m_own = std::make_unique<gfx::TBitmap>();
            SizeBuffer(*m_own, Width, Height);
            m_bitmap = m_own.get();
        }
    } catch (const EBufferError& e) {
        m_own.reset();
        m_bitmap = nullptr;
        if (!ErrorReported) {
            ErrorReported = true;
            ctl::Application->HandleException(nullptr, e);
        }
        return;
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
