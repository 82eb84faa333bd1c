#include "selfdrawn/TSeSkinProgressBar.h"

#include "platform/controls/TApplication.h"
#include "selfdrawn/SeDrawing.h"
#include "selfdrawn/TSeVisualStyle.h"

#include <algorithm>

namespace selfdrawn {

TSeCustomProgressBar::TSeCustomProgressBar(ctl::TComponent* AOwner) : TSeCustomControl(AOwner)
{
    SetPerformance(TSePerformance::kspDoubleBuffer);
    SetTransparent(true);
    SetBounds(0, 0, 140, 16);
}

void TSeCustomProgressBar::SetMin(int Value)
{
    m_min = Value;
    Invalidate();
}

void TSeCustomProgressBar::SetMax(int Value)
{
    m_max = Value;
    Invalidate();
}

void TSeCustomProgressBar::SetPosition(int Value)
{
    if (Value == m_position)
        return;
    const int before = DrawnExtent();
    m_position = Value;
    // A step that leaves the same blocks or the same filled length on screen
    // needs no painting: a refresh running the bar from 1 to 100 then paints
    // it once per block instead of a hundred times.
    if (DrawnExtent() == before)
        return;
    Invalidate();
    ctl::Application->ProcessMessages();
}

void TSeCustomProgressBar::SetOrientation(TSeProgressBarOrientation Value)
{
    m_orientation = Value;
    Invalidate();
}

void TSeCustomProgressBar::SetSmooth(bool Value)
{
    m_smooth = Value;
    Invalidate();
}

void TSeCustomProgressBar::SetShowBorder(bool Value)
{
    m_showBorder = Value;
    Invalidate();
}

float TSeCustomProgressBar::Fraction() const
{
    if (m_min < 0 || m_position < m_min || m_position > m_max || m_min == m_max)
        return 0.0f;
    return static_cast<float>(m_position - m_min) / static_cast<float>(m_max - m_min);
}

gfx::TRect TSeCustomProgressBar::BarRect() const
{
    gfx::TRect bar = gfx::Rect(0, 0, Width(), Height());
    if (m_showBorder)
        gfx::InflateRect(bar, -2, -2);
    gfx::InflateRect(bar, -BorderWidth(), -BorderWidth());
    return bar;
}

void TSeCustomProgressBar::PaintClient(gfx::TCanvas& Canvas)
{
    if (UseTheme()) {
        // A theme draws the trough and the filled part over it, in one piece.
        const int state = Enabled() ? kThemeNormal : kThemeDisabled;
        TSeVisualStyle& style = TSeVisualStyle::Current();
        style.DrawPart(Canvas, "Progress", kThemeProgressTrough, state, gfx::Rect(0, 0, Width(), Height()));
        style.DrawPart(Canvas, "Progress", kThemeProgressFill, state, FilledRect(BarRect(), Fraction()));
        return;
    }
    gfx::TRect rest = gfx::Rect(0, 0, Width(), Height());
    if (m_showBorder)
        gfx::DrawEdge(Canvas, rest, gfx::TEdgeRing::Sunken, gfx::TEdgeRing::None);
    gfx::FillSolid(Canvas, rest, Color());
    const gfx::TRect bar = BarRect();
    const float f = Fraction();
    if (!m_smooth) {
        PaintBlocks(Canvas, bar, f);
        return;
    }
    gfx::FillSolid(Canvas, FilledRect(bar, f), gfx::clHighlight);
}

gfx::TRect TSeCustomProgressBar::FilledRect(const gfx::TRect& Bar, float F) const
{
    const bool horizontal = m_orientation == TSeProgressBarOrientation::kboHorizontal;
    const int e = Nearest(F * static_cast<float>(horizontal ? Bar.Width() : Bar.Height()));
    return horizontal ? gfx::Rect(Bar.Left, Bar.Top, Bar.Left + e, Bar.Bottom)
                      : gfx::Rect(Bar.Left, Bar.Bottom - e, Bar.Right, Bar.Bottom);
}

int TSeCustomProgressBar::DrawnExtent() const
{
    const gfx::TRect bar = BarRect();
    if (UseTheme() || m_smooth) {
        const gfx::TRect filled = FilledRect(bar, Fraction());
        return std::max(0, m_orientation == TSeProgressBarOrientation::kboHorizontal ? filled.Width() : filled.Height());
    }
    return BlockCount(bar, Fraction());
}

int TSeCustomProgressBar::BlockThickness(const gfx::TRect& Bar) const
{
    const bool horizontal = m_orientation == TSeProgressBarOrientation::kboHorizontal;
    // A border wider than the bar leaves a negative extent; as nothing, it
    // keeps the block step positive (a step of 0 would divide by zero).
    const int thickness = std::max(0, horizontal ? Bar.Height() : Bar.Width());
    return Nearest(static_cast<float>(thickness) * 0.64f);
}

int TSeCustomProgressBar::BlockCount(const gfx::TRect& Bar, float F) const
{
    if (F < 0.01f)
        return 0;
    const bool horizontal = m_orientation == TSeProgressBarOrientation::kboHorizontal;
    const int length = std::max(0, horizontal ? Bar.Width() : Bar.Height());
    const int count = length / (BlockThickness(Bar) + 2);
    return Nearest(F * static_cast<float>(count)) + 1;
}

void TSeCustomProgressBar::PaintBlocks(gfx::TCanvas& Canvas, const gfx::TRect& Bar, float F)
{
    const bool horizontal = m_orientation == TSeProgressBarOrientation::kboHorizontal;
    const int b = BlockThickness(Bar);
    const int step = b + 2;
    const int blocks = BlockCount(Bar, F);
    for (int i = 0; i < blocks; ++i) {
        gfx::TRect block = horizontal ? gfx::Rect(Bar.Left + i * step, Bar.Top, Bar.Left + i * step + b, Bar.Bottom)
                                      : gfx::Rect(Bar.Left, Bar.Bottom - i * step - b, Bar.Right, Bar.Bottom - i * step);
        gfx::TRect clipped;
        if (gfx::IntersectRect(clipped, block, Bar))
            gfx::FillSolid(Canvas, clipped, gfx::clHighlight);
    }
}

} // namespace selfdrawn
