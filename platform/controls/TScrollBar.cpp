#include "platform/controls/TScrollBar.h"

#include "platform/controls/StylePainter.h"
#include "platform/graphics/ArrowGlyph.h"
#include "platform/window/SystemInfo.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kMinThumb = 8;

} // namespace

TScrollBar::TScrollBar(TComponent* AOwner, TScrollBarKind Kind) : TCustomControl(AOwner), m_kind(Kind)
{
    SetColor(gfx::clScrollBar);
    const int thickness = Thickness();
    if (m_kind == TScrollBarKind::sbHorizontal)
        SetBounds(0, 0, 120, thickness);
    else
        SetBounds(0, 0, thickness, 120);
    SetEnabled(false);
}

int TScrollBar::Thickness()
{
    return wnd::GetSystemMetrics(wnd::SM_CXVSCROLL);
}

void TScrollBar::SetRange(int Max, int PageSize)
{
    m_max = std::max(0, Max);
    m_pageSize = std::max(1, PageSize);
    SetEnabled(m_max > 0);
    const int kept = std::clamp(m_position, 0, m_max);
    if (kept != m_position)
        SetPosition(kept);
    Invalidate();
}

void TScrollBar::SetPosition(int Value)
{
    Value = std::clamp(Value, 0, m_max);
    if (Value == m_position)
        return;
    m_position = Value;
    Invalidate();
    if (OnChange)
        OnChange(this);
}

int TScrollBar::Length() const
{
    return m_kind == TScrollBarKind::sbHorizontal ? Width() : Height();
}

int TScrollBar::ArrowLength() const
{
    const int across = m_kind == TScrollBarKind::sbHorizontal ? Height() : Width();
    return std::min(across, Length() / 2);
}

int TScrollBar::ThumbLength() const
{
    const int track = Length() - 2 * ArrowLength();
    if (track <= 0)
        return 0;
    const long long whole = static_cast<long long>(m_max) + m_pageSize;
    return std::clamp(static_cast<int>(track * static_cast<long long>(m_pageSize) / whole), std::min(kMinThumb, track),
        track);
}

int TScrollBar::ThumbStart() const
{
    const int room = Length() - 2 * ArrowLength() - ThumbLength();
    const int offset = m_max > 0 ? static_cast<int>(static_cast<long long>(room) * m_position / m_max) : 0;
    return ArrowLength() + offset;
}

gfx::TRect TScrollBar::PartRect(int Start, int Stop) const
{
    if (m_kind == TScrollBarKind::sbHorizontal)
        return gfx::Rect(Start, 0, Stop, Height());
    return gfx::Rect(0, Start, Width(), Stop);
}

void TScrollBar::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const bool horizontal = m_kind == TScrollBarKind::sbHorizontal;
    const int arrow = ArrowLength();
    const gfx::TColor glyph = Enabled() ? gfx::clBtnText : gfx::clGrayText;
    for (bool first : { true, false }) {
        const gfx::TRect r = first ? PartRect(0, arrow) : PartRect(Length() - arrow, Length());
        StylePainter::DrawButtonFace(canvas, r, false, false);
        const gfx::TPoint middle = gfx::Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        const gfx::TArrowDirection direction = horizontal
            ? (first ? gfx::TArrowDirection::Left : gfx::TArrowDirection::Right)
            : (first ? gfx::TArrowDirection::Up : gfx::TArrowDirection::Down);
        const int shift = first ? -2 : 2;
        gfx::DrawArrowGlyph(canvas,
            horizontal ? gfx::Point(middle.X + shift, middle.Y) : gfx::Point(middle.X, middle.Y + shift), direction,
            glyph);
    }
    if (Enabled() && ThumbLength() > 0)
        StylePainter::DrawButtonFace(canvas, PartRect(ThumbStart(), ThumbStart() + ThumbLength()), false, false);
}

int TScrollBar::StepAt(int At) const
{
    if (At < ArrowLength())
        return -SmallChange;
    if (At >= Length() - ArrowLength())
        return SmallChange;
    return At < ThumbStart() ? -LargeChange : LargeChange;
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    const int at = Along(X, Y);
    if (at >= ThumbStart() && at < ThumbStart() + ThumbLength() && at >= ArrowLength()
        && at < Length() - ArrowLength()) {
        m_dragging = true;
        m_dragOffset = at - ThumbStart();
        return;
    }
    SetPosition(m_position + StepAt(at));
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!m_dragging)
        return;
    const int room = Length() - 2 * ArrowLength() - ThumbLength();
    if (room <= 0)
        return;
    const int start = Along(X, Y) - m_dragOffset - ArrowLength();
    SetPosition(static_cast<int>(static_cast<long long>(start) * m_max / room));
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    m_dragging = false;
}

} // namespace ctl
