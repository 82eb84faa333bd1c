#include "selfdrawn/TSeGraphicControl.h"

#include "platform/controls/TWinControl.h"
#include "selfdrawn/SeBuffer.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {

TSeGraphicControl::TSeGraphicControl(ctl::TComponent* AOwner) : ctl::TGraphicControl(AOwner)
{
    m_blending.OnChange = [this] { BlendingChanged(); };
    m_opaque = true;
    TGraphicControl::SetBounds(0, 0, 100, 30);
}

void TSeGraphicControl::SetPerformance(TSePerformance Value)
{
    if (Value == TSePerformance::kspNoBuffer && m_blending.Enabled())
        return;
    m_performance = Value;
    Invalidate();
}

void TSeGraphicControl::SetTransparent(bool Value)
{
    m_transparent = Value;
    m_opaque = !Value;
    Invalidate();
}

void TSeGraphicControl::BlendingChanged()
{
    if (m_blending.Enabled() && m_performance == TSePerformance::kspNoBuffer)
        m_performance = TSePerformance::kspDoubleBuffer;
    Invalidate();
}

void TSeGraphicControl::PaintParentBackground(gfx::TCanvas& Canvas)
{
    const gfx::TColor color = Parent() ? Parent()->Color() : Color();
    FillRectColor(Canvas, gfx::Rect(0, 0, Width(), Height()), color);
}

void TSeGraphicControl::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TSePaintSurface surface(Canvas(), m_performance, Width(), Height());
    gfx::TCanvas& canvas = surface.Canvas();
    m_paintFont = Font();
    canvas.Font = m_paintFont;
    // Unbuffered, the parent's background is already under a transparent control.
    if (m_transparent && surface.Buffered())
        PaintParentBackground(canvas);
    PaintClient(canvas);
    if (m_blending.Enabled() && surface.Buffered()) {
        gfx::TBitmap background(Width(), Height());
        PaintParentBackground(background.Canvas());
        surface.Blend(background, m_blending.Value());
    }
    surface.Present();
}

void TSeGraphicControl::PaintClient(gfx::TCanvas& Canvas)
{
    if (!m_transparent)
        FillRectColor(Canvas, gfx::Rect(0, 0, Width(), Height()), Color());
}

void TSeGraphicControl::MouseEnter()
{
    TGraphicControl::MouseEnter();
    m_hot = true;
}

void TSeGraphicControl::MouseLeave()
{
    TGraphicControl::MouseLeave();
    m_hot = false;
}

} // namespace selfdrawn
