#include "selfdrawn/SeControlBase.h"

#include "platform/controls/TWinControl.h"
#include "platform/graphics/EdgePainter.h"
#include "selfdrawn/SeBuffer.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {

template <class PlatformControl>
SeControlBase<PlatformControl>::SeControlBase(ctl::TComponent* AOwner) : PlatformControl(AOwner)
{
    m_blending.OnChange = [this] { BlendingChanged(); };
    PlatformControl::SetBounds(0, 0, 100, 30);
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::SetPerformance(TSePerformance Value)
{
    if (Value == TSePerformance::kspNoBuffer && m_blending.Enabled())
        return;
    m_performance = Value;
    this->Invalidate();
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::SetTransparent(bool Value)
{
    m_transparent = Value;
    // A transparent windowless control has its parent repaint what lies under it.
    if constexpr (kWindowless)
        this->m_opaque = !Value;
    this->Invalidate();
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::BlendingChanged()
{
    if (m_blending.Enabled() && m_performance == TSePerformance::kspNoBuffer)
        m_performance = TSePerformance::kspDoubleBuffer;
    this->Invalidate();
}

template <class PlatformControl>
gfx::TRect SeControlBase<PlatformControl>::GetContentRect() const
{
    return gfx::Rect(0, 0, this->Width(), this->Height());
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::PaintParentBackground(gfx::TCanvas& Canvas)
{
    ctl::TWinControl* parent = this->Parent();
    if (!parent) {
        gfx::FillSolid(Canvas, gfx::Rect(0, 0, this->Width(), this->Height()), this->Color());
        return;
    }
    // The parent paints in its own coordinates; only the control's part of
    // the canvas takes it.
    TClipGuard clip(Canvas);
    Canvas.IntersectClipRect(gfx::Rect(0, 0, this->Width(), this->Height()));
    const gfx::TPoint origin = Canvas.Origin();
    Canvas.SetOrigin({ origin.X - this->Left(), origin.Y - this->Top() });
    const gfx::TFont font = Canvas.Font;
    if (parent->Perform(wnd::WM_ERASEBKGND, reinterpret_cast<wnd::WPARAM>(&Canvas), kEraseForChild) == 0)
        gfx::FillSolid(Canvas, parent->ClientRect(), parent->Color());
    Canvas.SetOrigin(origin);
    Canvas.Font = font;
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::Paint()
{
    const int width = this->Width();
    const int height = this->Height();
    if (width <= 0 || height <= 0)
        return;
    TSePaintSurface surface(this->Canvas(), m_performance, width, height, m_bufferErrorReported);
    gfx::TCanvas& canvas = surface.Canvas();
    m_paintFont = this->Font();
    canvas.Font = m_paintFont;
    // Unbuffered, the parent has already painted under a windowless control.
    if (m_transparent && (!kWindowless || surface.Buffered()))
        PaintParentBackground(canvas);
    const gfx::TRect content = GetContentRect();
    if (content != gfx::Rect(0, 0, width, height)) {
        TClipGuard clip(canvas);
        canvas.ExcludeClipRect(content);
        PaintFrameArea(canvas);
    }
    canvas.Font = m_paintFont;
    PaintClient(canvas);
    if (m_blending.Enabled() && surface.Buffered()) {
        gfx::TBitmap background(width, height);
        PaintParentBackground(background.Canvas());
        surface.Blend(background, m_blending.Value());
    }
    surface.Present();
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::PaintClient(gfx::TCanvas& Canvas)
{
    if (!m_transparent)
        gfx::FillSolid(Canvas, GetContentRect(), this->Color());
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::MouseEnter()
{
    PlatformControl::MouseEnter();
    m_hot = true;
}

template <class PlatformControl>
void SeControlBase<PlatformControl>::MouseLeave()
{
    PlatformControl::MouseLeave();
    m_hot = false;
}

template class SeControlBase<ctl::TCustomControl>;
template class SeControlBase<ctl::TGraphicControl>;

} // namespace selfdrawn
