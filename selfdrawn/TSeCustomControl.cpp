#include "selfdrawn/TSeCustomControl.h"

#include "platform/graphics/EdgePainter.h"
#include "platform/window/SystemInfo.h"
#include "selfdrawn/SeDrawing.h"
#include "selfdrawn/TSeScrollBar.h"
#include "selfdrawn/TSeVisualStyle.h"

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

gfx::TEdgeSides EdgeSidesOf(TSeBevelSides Sides)
{
    gfx::TEdgeSides edges;
    for (auto [bevel, edge] : { std::pair { TSeBevelSide::kbsLeft, gfx::TEdgeSide::Left },
             std::pair { TSeBevelSide::kbsTop, gfx::TEdgeSide::Top }, std::pair { TSeBevelSide::kbsRight, gfx::TEdgeSide::Right },
             std::pair { TSeBevelSide::kbsBottom, gfx::TEdgeSide::Bottom } })
        if (Sides.Contains(bevel))
            edges.Include(edge);
    return edges;
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
    if (BevelWidth > 0) {
        for (auto [cut, outer] : { std::pair { Outer, true }, std::pair { Inner, false } }) {
            if (cut == TSeBevelCut::kbvNone)
                continue;
            const CutColors colors = ColorsOf(cut, outer);
            gfx::Frame3D(Canvas, Rect, colors.topLeft, colors.bottomRight, BevelWidth, EdgeSidesOf(Sides));
        }
    }
    for (int ring = 0; ring < BorderWidth; ++ring) {
        FrameRectColor(Canvas, Rect, Color);
        gfx::InflateRect(Rect, -1, -1);
    }
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

bool TSeCustomControl::UseTheme() const
{
    return m_themed && TSeVisualStyle::Current().Active();
}

void TSeCustomControl::SetThemed(bool Value)
{
    m_themed = Value;
    Invalidate();
}

TSeCustomScrollBar* TSeCustomControl::CreateScrollBar(TSeScrollBarKind Kind)
{
    auto* bar = new TSeCustomScrollBar(this);
    bar->SetKind(Kind);
    bar->SetBorderWidth(0);
    bar->SetVisible(false);
    bar->SetParent(this);
    return bar;
}

int TSeCustomControl::GetScrollBarSize() const
{
    return wnd::GetSystemMetrics(wnd::SM_CYVTHUMB);
}

wnd::LRESULT TSeCustomControl::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_ERASEBKGND && LParam == kEraseForChild) {
        if (auto* canvas = reinterpret_cast<gfx::TCanvas*>(WParam))
            PaintAsBackground(*canvas);
        return 1;
    }
    return SeControlBase::WndProc(Msg, WParam, LParam);
}

void TSeCustomControl::PaintAsBackground(gfx::TCanvas& Canvas)
{
    Canvas.Font = Font();
    if (Transparent())
        PaintParentBackground(Canvas);
    const gfx::TRect content = GetContentRect();
    if (content != gfx::Rect(0, 0, Width(), Height())) {
        TClipGuard clip(Canvas);
        Canvas.ExcludeClipRect(content);
        PaintFrameArea(Canvas);
    }
    Canvas.Font = Font();
    PaintClient(Canvas);
}

int TSeCustomControl::ThemeState() const
{
    if (!Enabled())
        return kThemeDisabled;
    if (Focused())
        return kThemeFocused;
    return Hot() ? kThemeHot : kThemeNormal;
}

void TSeCustomControl::PaintFrameArea(gfx::TCanvas& Canvas)
{
    if (UseTheme()) {
        TSeVisualStyle::Current().DrawPart(Canvas, "Edit", kThemeEditFrame, ThemeState(), gfx::Rect(0, 0, Width(), Height()));
        return;
    }
    PaintBevelFrame(Canvas, gfx::Rect(0, 0, Width(), Height()), m_bevelSides, m_bevelOuter, m_bevelInner, m_bevelWidth,
        m_borderWidth, Color());
}

void TSeCustomControl::MouseEnter()
{
    SeControlBase::MouseEnter();
    Invalidate();
}

void TSeCustomControl::MouseLeave()
{
    SeControlBase::MouseLeave();
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
