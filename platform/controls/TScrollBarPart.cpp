#include "platform/controls/TScrollBarPart.h"

#include "platform/controls/StylePainter.h"
#include "platform/graphics/ArrowGlyph.h"
#include "platform/window/SystemInfo.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kMinThumb = 8;

void DrawArrow(gfx::TCanvas& canvas, const gfx::TRect& r, bool up)
{
    if (!up) {
        StylePainter::DrawDropDownButton(canvas, r, true);
        return;
    }
    StylePainter::DrawButtonFace(canvas, r, false, false);
    const int cx = (r.Left + r.Right) / 2;
    const int cy = (r.Top + r.Bottom) / 2 - 2;
    gfx::DrawArrowGlyph(canvas, gfx::Point(cx, cy), gfx::TArrowDirection::Up, gfx::clBtnText);
}

} // namespace

void TScrollBarPart::SetRange(int Count, int Page)
{
    m_count = std::max(0, Count);
    m_page = std::max(1, Page);
    m_position = std::clamp(m_position, 0, MaxPosition());
}

int TScrollBarPart::MaxPosition() const
{
    return std::max(0, m_count - m_page);
}

bool TScrollBarPart::SetPosition(int Value)
{
    Value = std::clamp(Value, 0, MaxPosition());
    if (Value == m_position)
        return false;
    m_position = Value;
    return true;
}

int TScrollBarPart::Thickness()
{
    return wnd::GetSystemMetrics(wnd::SM_CXVSCROLL);
}

gfx::TRect TScrollBarPart::BarRect(const gfx::TRect& Client) const
{
    return gfx::Rect(Client.Right - Thickness(), Client.Top, Client.Right, Client.Bottom);
}

gfx::TRect TScrollBarPart::ThumbRect(const gfx::TRect& Bar) const
{
    const int arrow = Bar.Width();
    const int track = Bar.Height() - 2 * arrow;
    if (track <= 0 || m_count <= 0)
        return {};
    const int thumb = std::max(kMinThumb, track * m_page / std::max(m_count, 1));
    const int room = track - thumb;
    const int top = MaxPosition() > 0 ? room * m_position / MaxPosition() : 0;
    return gfx::Rect(Bar.Left, Bar.Top + arrow + top, Bar.Right, Bar.Top + arrow + top + thumb);
}

void TScrollBarPart::Paint(gfx::TCanvas& Canvas, const gfx::TRect& Client) const
{
    const gfx::TRect bar = BarRect(Client);
    const int arrow = bar.Width();
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = gfx::clScrollBar;
    Canvas.FillRect(bar);
    DrawArrow(Canvas, gfx::Rect(bar.Left, bar.Top, bar.Right, bar.Top + arrow), true);
    DrawArrow(Canvas, gfx::Rect(bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom), false);
    const gfx::TRect thumb = ThumbRect(bar);
    if (!thumb.IsEmpty())
        StylePainter::DrawButtonFace(Canvas, thumb, false, false);
}

gfx::TRect TScrollBarPart::RowsRect(const gfx::TRect& Client) const
{
    gfx::TRect r = Client;
    if (Shown())
        r.Right -= Thickness();
    return r;
}

int TScrollBarPart::WheelPosition(wnd::WPARAM WParam) const
{
    return m_position - wnd::GET_WHEEL_DELTA_WPARAM(WParam) / wnd::WHEEL_DELTA * 3;
}

bool TScrollBarPart::MouseDown(bool LeftButton, gfx::TPoint Point, const gfx::TRect& Client, bool& Changed)
{
    Changed = false;
    const gfx::TRect bar = BarRect(Client);
    m_pressed = LeftButton && Shown() && bar.Contains(Point);
    if (!m_pressed)
        return false;
    const int arrow = bar.Width();
    const gfx::TRect thumb = ThumbRect(bar);
    if (Point.Y < bar.Top + arrow) {
        Changed = SetPosition(m_position - 1);
    } else if (Point.Y >= bar.Bottom - arrow) {
        Changed = SetPosition(m_position + 1);
    } else if (thumb.Contains(Point)) {
        m_dragging = true;
        m_dragOffset = Point.Y - thumb.Top;
    } else {
        Changed = SetPosition(m_position + (Point.Y < thumb.Top ? -m_page : m_page));
    }
    return true;
}

bool TScrollBarPart::MouseMove(gfx::TPoint Point, const gfx::TRect& Client, bool& Changed)
{
    Changed = false;
    if (!m_dragging)
        return false;
    const gfx::TRect bar = BarRect(Client);
    const gfx::TRect thumb = ThumbRect(bar);
    const int room = bar.Height() - 2 * bar.Width() - thumb.Height();
    if (room > 0) {
        const int top = Point.Y - m_dragOffset - (bar.Top + bar.Width());
        Changed = SetPosition((top * MaxPosition() + room / 2) / room);
    }
    return true;
}

bool TScrollBarPart::EndPress()
{
    const bool was = m_pressed;
    m_pressed = false;
    return was;
}

bool TScrollBarPart::MouseUp()
{
    const bool was = m_dragging;
    m_dragging = false;
    return was;
}

} // namespace ctl
