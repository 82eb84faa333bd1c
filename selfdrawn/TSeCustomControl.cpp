#include "selfdrawn/TSeCustomControl.h"

#include "platform/controls/TWinControl.h"
#include "selfdrawn/SeBuffer.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {
namespace {

struct CutColors {
    gfx::TColor topLeft;
    gfx::TColor bottomRight;
};

CutColors ColorsOf(TSeBevelCut Cut, bool Outer)
{
    switch (Cut) {
    case TSeBevelCut::kbvLowered:
        return Outer ? CutColors { gfx::clBtnShadow, gfx::clBtnHighlight } : CutColors { gfx::cl3DDkShadow, gfx::clBtnFace };
    case TSeBevelCut::kbvRaised:
        return Outer ? CutColors { gfx::clBtnHighlight, gfx::cl3DDkShadow } : CutColors { gfx::clBtnShadow, gfx::clBtnShadow };
    case TSeBevelCut::kbvBorder:
        return Outer ? CutColors { gfx::cl3DDkShadow, gfx::cl3DDkShadow } : CutColors { gfx::clWindow, gfx::clWindow };
    case TSeBevelCut::kbvFlatBorder:
        return Outer ? CutColors { gfx::clBtnShadow, gfx::clBtnShadow } : CutColors { gfx::clBtnFace, gfx::clBtnFace };
    case TSeBevelCut::kbvSpace:
    case TSeBevelCut::kbvNone:
        break;
    }
    return { gfx::clBtnFace, gfx::clBtnFace };
}

void Line(gfx::TCanvas& Canvas, gfx::TColor Color, int x1, int y1, int x2, int y2)
{
    Canvas.Pen.Color = Color;
    Canvas.MoveTo(x1, y1);
    Canvas.LineTo(x2, y2);
}

// One bevel pass: a line on each named side, then those sides move inwards.
void BevelPass(gfx::TCanvas& Canvas, gfx::TRect& R, TSeBevelSides Sides, CutColors Colors)
{
    if (Sides.Contains(TSeBevelSide::kbsLeft))
        Line(Canvas, Colors.topLeft, R.Left, R.Top, R.Left, R.Bottom);
    if (Sides.Contains(TSeBevelSide::kbsTop))
        Line(Canvas, Colors.topLeft, R.Left, R.Top, R.Right, R.Top);
    if (Sides.Contains(TSeBevelSide::kbsBottom))
        Line(Canvas, Colors.bottomRight, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
    if (Sides.Contains(TSeBevelSide::kbsRight))
        Line(Canvas, Colors.bottomRight, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    if (Sides.Contains(TSeBevelSide::kbsLeft))
        ++R.Left;
    if (Sides.Contains(TSeBevelSide::kbsTop))
        ++R.Top;
    if (Sides.Contains(TSeBevelSide::kbsBottom))
        --R.Bottom;
    if (Sides.Contains(TSeBevelSide::kbsRight))
        --R.Right;
}

} // namespace

gfx::TRect BevelContentRect(gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner, int BevelWidth,
    int BorderWidth)
{
    gfx::InflateRect(Rect, -BorderWidth, -BorderWidth);
    const int rings = (Outer != TSeBevelCut::kbvNone ? 1 : 0) + (Inner != TSeBevelCut::kbvNone ? 1 : 0);
    const int inset = BevelWidth * rings;
    if (Sides.Contains(TSeBevelSide::kbsLeft))
        Rect.Left += inset;
    if (Sides.Contains(TSeBevelSide::kbsTop))
        Rect.Top += inset;
    if (Sides.Contains(TSeBevelSide::kbsRight))
        Rect.Right -= inset;
    if (Sides.Contains(TSeBevelSide::kbsBottom))
        Rect.Bottom -= inset;
    return Rect;
}

void PaintBevelFrame(gfx::TCanvas& Canvas, gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner,
    int BevelWidth, int BorderWidth, gfx::TColor Color)
{
    Canvas.Pen.Style = gfx::TPenStyle::psSolid;
    Canvas.Pen.Width = 1;
    if (BevelWidth > 0) {
        for (auto [cut, outer] : { std::pair { Outer, true }, std::pair { Inner, false } }) {
            if (cut == TSeBevelCut::kbvNone)
                continue;
            for (int pass = 0; pass < BevelWidth; ++pass)
                BevelPass(Canvas, Rect, Sides, ColorsOf(cut, outer));
        }
    }
    for (int ring = 0; ring < BorderWidth; ++ring) {
        FrameRectColor(Canvas, Rect, Color);
        gfx::InflateRect(Rect, -1, -1);
    }
}

TSeCustomControl::TSeCustomControl(ctl::TComponent* AOwner) : ctl::TCustomControl(AOwner)
{
    m_blending.OnChange = [this] { BlendingChanged(); };
    TCustomControl::SetBounds(0, 0, 100, 30);
}

void TSeCustomControl::SetPerformance(TSePerformance Value)
{
    if (Value == TSePerformance::kspNoBuffer && m_blending.Enabled())
        return;
    m_performance = Value;
    Invalidate();
}

void TSeCustomControl::SetTransparent(bool Value)
{
    m_transparent = Value;
    Invalidate();
}

void TSeCustomControl::BlendingChanged()
{
    if (m_blending.Enabled() && m_performance == TSePerformance::kspNoBuffer)
        m_performance = TSePerformance::kspDoubleBuffer;
    Invalidate();
}

void TSeCustomControl::SetBevelSides(TSeBevelSides Value)
{
    m_bevelSides = Value;
    FrameChanged();
}

void TSeCustomControl::SetBevelOuter(TSeBevelCut Value)
{
    m_bevelOuter = Value;
    m_bevelKind = TSeBevelKind::kbkNone;
    FrameChanged();
}

void TSeCustomControl::SetBevelInner(TSeBevelCut Value)
{
    m_bevelInner = Value;
    m_bevelKind = TSeBevelKind::kbkNone;
    FrameChanged();
}

void TSeCustomControl::SetBevelKind(TSeBevelKind Value)
{
    m_bevelKind = Value;
    switch (Value) {
    case TSeBevelKind::kbkNone:
        break;
    case TSeBevelKind::kbkSingle:
    case TSeBevelKind::kbkTile:
    case TSeBevelKind::kbkSoft:
        m_bevelInner = m_bevelOuter = TSeBevelCut::kbvLowered;
        break;
    case TSeBevelKind::kbkBorder:
        m_bevelInner = m_bevelOuter = TSeBevelCut::kbvBorder;
        break;
    case TSeBevelKind::kbkFlat:
        m_bevelInner = m_bevelOuter = TSeBevelCut::kbvFlatBorder;
        break;
    }
    FrameChanged();
}

void TSeCustomControl::SetBevelWidth(int Value)
{
    m_bevelWidth = std::max(0, Value);
    FrameChanged();
}

void TSeCustomControl::SetBorderWidth(int Value)
{
    m_borderWidth = std::max(0, Value);
    FrameChanged();
}

void TSeCustomControl::Loaded()
{
    TCustomControl::Loaded();
    Invalidate();
}

void TSeCustomControl::FrameChanged()
{
    Invalidate();
}

gfx::TRect TSeCustomControl::GetContentRect() const
{
    return BevelContentRect(gfx::Rect(0, 0, Width(), Height()), m_bevelSides, m_bevelOuter, m_bevelInner, m_bevelWidth,
        m_borderWidth);
}

void TSeCustomControl::PaintParentBackground(gfx::TCanvas& Canvas)
{
    const gfx::TColor color = Parent() ? Parent()->Color() : Color();
    FillRectColor(Canvas, gfx::Rect(0, 0, Width(), Height()), color);
}

void TSeCustomControl::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TSePaintSurface surface(Canvas(), m_performance, Width(), Height());
    gfx::TCanvas& canvas = surface.Canvas();
    m_paintFont = Font();
    canvas.Font = m_paintFont;
    if (m_transparent)
        PaintParentBackground(canvas);
    const gfx::TRect content = GetContentRect();
    if (content != gfx::Rect(0, 0, Width(), Height())) {
        const auto savedClip = canvas.ClipRegion();
        canvas.ExcludeClipRect(content);
        PaintFrameArea(canvas);
        if (savedClip)
            canvas.SetClipRegion(*savedClip);
        else
            canvas.ClearClipRegion();
    }
    canvas.Font = m_paintFont;
    PaintClient(canvas);
    if (m_blending.Enabled() && surface.Buffered()) {
        gfx::TBitmap background(Width(), Height());
        PaintParentBackground(background.Canvas());
        surface.Blend(background, m_blending.Value());
    }
    surface.Present();
}

void TSeCustomControl::PaintClient(gfx::TCanvas& Canvas)
{
    if (!m_transparent)
        FillRectColor(Canvas, GetContentRect(), Color());
}

void TSeCustomControl::PaintFrameArea(gfx::TCanvas& Canvas)
{
    PaintBevelFrame(Canvas, gfx::Rect(0, 0, Width(), Height()), m_bevelSides, m_bevelOuter, m_bevelInner, m_bevelWidth,
        m_borderWidth, Color());
}

void TSeCustomControl::MouseEnter()
{
    TCustomControl::MouseEnter();
    m_hot = true;
    Invalidate();
}

void TSeCustomControl::MouseLeave()
{
    TCustomControl::MouseLeave();
    m_hot = false;
    Invalidate();
}

void TSeCustomControl::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TSeCustomControl::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

} // namespace selfdrawn
