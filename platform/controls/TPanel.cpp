#include "platform/controls/TPanel.h"

#include "platform/graphics/EdgePainter.h"

namespace ctl {
namespace {

void BevelColors(TPanelBevel bevel, gfx::TColor& top, gfx::TColor& bottom)
{
    top = bevel == TPanelBevel::bvLowered ? gfx::clBtnShadow : gfx::clBtnHighlight;
    bottom = bevel == TPanelBevel::bvLowered ? gfx::clBtnHighlight : gfx::clBtnShadow;
}

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TPanelBevel Value)
{
    m_bevelOuter = Value;
    FrameChanged();
}

void TPanel::SetBevelInner(TPanelBevel Value)
{
    m_bevelInner = Value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int Value)
{
    if (Value < 1)
        return;
    m_bevelWidth = Value;
    FrameChanged();
}

void TPanel::SetBorderWidth(int Value)
{
    if (Value < 0)
        return;
    m_borderWidth = Value;
    FrameChanged();
}

void TPanel::SetAlignment(TAlignment Value)
{
    m_alignment = Value;
    Invalidate();
}

void TPanel::FrameChanged()
{
    AlignControls();
    Invalidate();
}

void TPanel::AdjustClientRect(gfx::TRect& Rect) const
{
    int inset = m_borderWidth;
    if (m_bevelOuter != TPanelBevel::bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != TPanelBevel::bvNone)
        inset += m_bevelWidth;
    gfx::InflateRect(Rect, -inset, -inset);
}

void TPanel::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    gfx::TRect r = ClientRect();
    gfx::TColor top = 0, bottom = 0;
    if (m_bevelOuter != TPanelBevel::bvNone) {
        BevelColors(m_bevelOuter, top, bottom);
        gfx::Frame3D(canvas, r, top, bottom, m_bevelWidth);
    }
    gfx::Frame3D(canvas, r, Color(), Color(), m_borderWidth);
    if (m_bevelInner != TPanelBevel::bvNone) {
        BevelColors(m_bevelInner, top, bottom);
        gfx::Frame3D(canvas, r, top, bottom, m_bevelWidth);
    }
    canvas.Brush.Color = Color();
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.FillRect(r);
    if (Caption().empty())
        return;
    unsigned format = gfx::DT_SINGLELINE | gfx::DT_VCENTER;
    format |= m_alignment == TAlignment::taCenter ? gfx::DT_CENTER
        : m_alignment == TAlignment::taRightJustify ? gfx::DT_RIGHT
                                                    : gfx::DT_LEFT;
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    canvas.Font = Font();
    canvas.DrawText(Caption(), r, format);
}

} // namespace ctl
