#include "platform/controls/TLabel.h"

#include "platform/controls/StylePainter.h"
#include "platform/graphics/TBitmap.h"

namespace ctl {

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetParentColor(true);
    m_captureMouse = false;
    TControl::SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

unsigned TLabel::TextFormat() const
{
    unsigned format = gfx::DT_EXPANDTABS;
    if (m_wordWrap)
        format |= gfx::DT_WORDBREAK;
    format |= m_alignment == TAlignment::taCenter ? gfx::DT_CENTER
        : m_alignment == TAlignment::taRightJustify ? gfx::DT_RIGHT
                                                    : gfx::DT_LEFT;
    return format;
}

void TLabel::AdjustBounds()
{
    if (!m_autoSize || m_adjusting || Loading())
        return;
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = Font();
    gfx::TRect r = gfx::Rect(0, 0, m_wordWrap ? Width() : 0, 0);
    // An empty caption keeps the height of one line.
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    canvas.DrawText(text, r, TextFormat() | gfx::DT_CALCRECT);
    m_adjusting = true;
    int left = Left();
    if (!m_wordWrap && m_alignment == TAlignment::taRightJustify)
        left += Width() - r.Width();
    SetBounds(left, Top(), m_wordWrap ? Width() : r.Width(), r.Height());
    m_adjusting = false;
}

void TLabel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (m_wordWrap)
        AdjustBounds();
}

void TLabel::SetAutoSize(bool Value)
{
    m_autoSize = Value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool Value)
{
    m_wordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    m_transparent = Value;
    m_opaque = !Value;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment Value)
{
    m_alignment = Value;
    Invalidate();
}

void TLabel::FontChanged()
{
    AdjustBounds();
    TGraphicControl::FontChanged();
}

void TLabel::TextChanged()
{
    AdjustBounds();
    TGraphicControl::TextChanged();
}

void TLabel::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const gfx::TRect r = ClientRect();
    if (!m_transparent) {
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        canvas.Brush.Color = Color();
        canvas.FillRect(r);
    }
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    canvas.Font = Font();
    if (!Enabled()) {
        StylePainter::DrawDisabledText(canvas, Caption(), r, TextFormat());
        return;
    }
    gfx::TRect textRect = r;
    canvas.DrawText(Caption(), textRect, TextFormat());
}

} // namespace ctl
