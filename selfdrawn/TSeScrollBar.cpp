#include "selfdrawn/TSeScrollBar.h"

#include "platform/graphics/ArrowGlyph.h"
#include "platform/window/SystemInfo.h"
#include "selfdrawn/SeDrawing.h"
#include "selfdrawn/TSeVisualStyle.h"

#include <cmath>

namespace selfdrawn {
namespace {

int ThumbSize()
{
    return wnd::GetSystemMetrics(wnd::SM_CYVTHUMB);
}

} // namespace

TSeCustomScrollBar::TSeCustomScrollBar(ctl::TComponent* AOwner) : TSeGraphicControl(AOwner)
{
    SetPerformance(TSePerformance::kspDoubleBuffer);
    SetBounds(0, 0, 121, ThumbSize() + 2 * m_borderWidth);
    m_repeatTimer = new ctl::TTimer(this);
    m_repeatTimer->SetEnabled(false);
    m_repeatTimer->OnTimer = [this](ctl::TObject*) { RepeatStep(); };
}

int TSeCustomScrollBar::RepeatDelay()
{
    return 200 + 200 * std::clamp(wnd::GetKeyboardDelay(), 0, 3);
}

int TSeCustomScrollBar::RepeatInterval()
{
    return static_cast<int>(1000.0 / ((std::clamp(wnd::GetKeyboardSpeed(), 0, 31) + 1) * 2.3));
}

void TSeCustomScrollBar::RepeatStep()
{
    m_repeatTimer->SetInterval(static_cast<unsigned>(RepeatInterval()));
    // A track press repeats only while the pointer stays on its side of the thumb.
    if (m_pressed == TPart::Thumb || m_pressed == TPart::None)
        return;
    if (PartAt(m_pointer.X, m_pointer.Y) == m_pressed)
        Step(m_pressed);
}

void TSeCustomScrollBar::SetKind(TSeScrollBarKind Value)
{
    m_kind = Value;
    Invalidate();
}

void TSeCustomScrollBar::SetParams(int Min, int Max, int PageSize, int Position)
{
    m_min = Min;
    m_max = std::max(Min, Max);
    m_pageSize = std::max(0, PageSize);
    m_position = std::clamp(Position, m_min, m_max);
    Invalidate();
}

void TSeCustomScrollBar::SetPosition(int Value)
{
    SetParams(m_min, m_max, m_pageSize, Value);
}

void TSeCustomScrollBar::SetBorderWidth(int Value)
{
    m_borderWidth = std::max(0, Value);
    Invalidate();
}

int TSeCustomScrollBar::ButtonLength() const
{
    const int length = (m_kind == TSeScrollBarKind::sbHorizontal ? Width() : Height()) - 2 * m_borderWidth;
    const int t = ThumbSize();
    return length < 2 * t ? length / 2 : t;
}

gfx::TRect TSeCustomScrollBar::Span(int From, int To) const
{
    gfx::TRect r = gfx::Inflate(gfx::Rect(0, 0, Width(), Height()), -m_borderWidth, -m_borderWidth);
    if (m_kind == TSeScrollBarKind::sbHorizontal) {
        r.Left = From;
        r.Right = To;
    } else {
        r.Top = From;
        r.Bottom = To;
    }
    return r;
}

gfx::TRect TSeCustomScrollBar::TrackRect() const
{
    const int end = (m_kind == TSeScrollBarKind::sbHorizontal ? Width() : Height()) - m_borderWidth;
    return Span(m_borderWidth + ButtonLength(), end - ButtonLength());
}

int TSeCustomScrollBar::TrackStart() const
{
    const gfx::TRect r = TrackRect();
    return m_kind == TSeScrollBarKind::sbHorizontal ? r.Left : r.Top;
}

int TSeCustomScrollBar::TrackLength() const
{
    const gfx::TRect r = TrackRect();
    return std::max(0, m_kind == TSeScrollBarKind::sbHorizontal ? r.Width() : r.Height());
}

double TSeCustomScrollBar::Range() const
{
    // In doubles: the ends may be as far apart as an int allows.
    const double span = static_cast<double>(m_max) - m_min;
    return m_pageSize == 0 ? span : span - m_pageSize + 1;
}

long long TSeCustomScrollBar::LastTopPosition() const
{
    return static_cast<long long>(m_max) - m_pageSize + 1;
}

int TSeCustomScrollBar::ThumbLength() const
{
    // In doubles: Max - Min + 1 neither overflows nor reaches zero for any Min <= Max.
    const double span = static_cast<double>(m_max) - m_min + 1;
    const int length = Nearest(static_cast<double>(TrackLength()) * std::min<double>(m_pageSize, span) / span);
    return std::max(length, (ThumbSize() / 3) * 2);
}

gfx::TRect TSeCustomScrollBar::ThumbRect() const
{
    const int length = ThumbLength();
    const int free = TrackLength() - length;
    int start = TrackStart();
    if (m_position > LastTopPosition())
        start = TrackStart() + free;
    else if (Range() >= 1)
        start += Nearest((static_cast<double>(m_position) - m_min) * free / Range());
    return Span(start, start + length);
}

TSeCustomScrollBar::TPart TSeCustomScrollBar::PartAt(int X, int Y) const
{
    const int p = Along(X, Y);
    const gfx::TRect thumb = ThumbRect();
    const int thumbStart = Along(thumb.Left, thumb.Top);
    const int thumbEnd = Along(thumb.Right, thumb.Bottom);
    if (p < TrackStart())
        return TPart::MinArrow;
    if (p >= TrackStart() + TrackLength())
        return TPart::MaxArrow;
    if (p < thumbStart)
        return TPart::TrackBefore;
    if (p >= thumbEnd)
        return TPart::TrackAfter;
    return TPart::Thumb;
}

void TSeCustomScrollBar::Scroll(TSeScrollCode Code, int Position)
{
    if (OnScroll)
        OnScroll(this, Code, Position);
    m_position = std::clamp(Position, m_min, m_max);
    Invalidate();
}

void TSeCustomScrollBar::Step(TPart Part)
{
    const int page = m_pageSize < 1 ? LargeChange : m_pageSize;
    switch (Part) {
    case TPart::MinArrow:
        Scroll(TSeScrollCode::scLineUp, m_position - SmallChange);
        break;
    case TPart::MaxArrow:
        Scroll(TSeScrollCode::scLineDown, m_position + SmallChange);
        break;
    case TPart::TrackBefore:
        Scroll(TSeScrollCode::scPageUp, m_position - page);
        break;
    case TPart::TrackAfter:
        Scroll(TSeScrollCode::scPageDown, m_position + page);
        break;
    case TPart::Thumb:
    case TPart::None:
        break;
    }
}

void TSeCustomScrollBar::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft || !Enabled())
        return;
    m_pressed = PartAt(X, Y);
    if (m_pressed == TPart::Thumb) {
        const gfx::TRect thumb = ThumbRect();
        m_grabOffset = Along(X, Y) - Along(thumb.Left, thumb.Top);
        Scroll(TSeScrollCode::scTrack, m_position);
        return;
    }
    m_pointer = { X, Y };
    Step(m_pressed);
    m_repeatTimer->SetInterval(static_cast<unsigned>(RepeatDelay()));
    m_repeatTimer->SetEnabled(true);
}

void TSeCustomScrollBar::MouseMove(ctl::TShiftState Shift, int X, int Y)
{
    TSeGraphicControl::MouseMove(Shift, X, Y);
    m_pointer = { X, Y };
    const TPart hot = PartAt(X, Y);
    if (hot != m_hot) {
        m_hot = hot;
        Invalidate();
    }
    if (m_pressed != TPart::Thumb)
        return;
    const int free = TrackLength() - ThumbLength();
    if (free <= 0)
        return;
    const int offset = Along(X, Y) - m_grabOffset - TrackStart();
    const double last = static_cast<double>(std::max<long long>(m_min, LastTopPosition()));
    const int position = static_cast<int>(std::clamp(m_min + std::nearbyint(offset * Range() / free), static_cast<double>(m_min), last));
    Scroll(TSeScrollCode::scTrack, position);
}

void TSeCustomScrollBar::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeGraphicControl::MouseUp(Button, Shift, X, Y);
    m_repeatTimer->SetEnabled(false);
    if (m_pressed == TPart::None)
        return;
    if (m_pressed == TPart::Thumb)
        Scroll(TSeScrollCode::scPosition, m_position);
    m_pressed = TPart::None;
    Scroll(TSeScrollCode::scEndScroll, m_position);
}

void TSeCustomScrollBar::MouseLeave()
{
    TSeGraphicControl::MouseLeave();
    if (m_hot != TPart::None) {
        m_hot = TPart::None;
        Invalidate();
    }
}

// The theme state of one part of the bar: disabled, pressed, under the mouse or normal.
int TSeCustomScrollBar::PartThemeState(TPart Part) const
{
    if (!Enabled())
        return kThemeDisabled;
    if (m_pressed == Part)
        return kThemePressed;
    return m_hot == Part ? kThemeHot : kThemeNormal;
}

// With a theme, the track, the arrows and the thumb are the theme's parts.
void TSeCustomScrollBar::PaintThemed(gfx::TCanvas& Canvas)
{
    TSeVisualStyle& style = TSeVisualStyle::Current();
    const int end = (m_kind == TSeScrollBarKind::sbHorizontal ? Width() : Height()) - m_borderWidth;
    style.DrawPart(Canvas, "ScrollBar", kThemeScrollTrack, Enabled() ? kThemeNormal : kThemeDisabled, TrackRect());
    style.DrawPart(Canvas, "ScrollBar", kThemeScrollArrow, PartThemeState(TPart::MinArrow),
        Span(m_borderWidth, m_borderWidth + ButtonLength()));
    style.DrawPart(Canvas, "ScrollBar", kThemeScrollArrow, PartThemeState(TPart::MaxArrow),
        Span(end - ButtonLength(), end));
    if (Enabled() && TrackLength() > 0)
        style.DrawPart(Canvas, "ScrollBar", kThemeScrollThumb, PartThemeState(TPart::Thumb), ThumbRect());
}

void TSeCustomScrollBar::PaintArrow(gfx::TCanvas& Canvas, const gfx::TRect& R, bool TowardsMin, bool Pressed)
{
    gfx::FillSolid(Canvas, R, gfx::clBtnFace);
    if (Pressed) {
        FrameRectColor(Canvas, R, gfx::clBtnShadow);
    } else {
        gfx::TRect edge = R;
        gfx::DrawEdge(Canvas, edge, gfx::TEdgeRing::Raised, gfx::TEdgeRing::Raised);
    }
    // A small solid triangle pointing along the bar.
    const int cx = (R.Left + R.Right) / 2 + (Pressed ? 1 : 0);
    const int cy = (R.Top + R.Bottom) / 2 + (Pressed ? 1 : 0);
    const int tip = TowardsMin ? -2 : 2;
    const bool horizontal = m_kind == TSeScrollBarKind::sbHorizontal;
    const gfx::TArrowDirection direction = horizontal
        ? (TowardsMin ? gfx::TArrowDirection::Left : gfx::TArrowDirection::Right)
        : (TowardsMin ? gfx::TArrowDirection::Up : gfx::TArrowDirection::Down);
    const gfx::TPoint at = horizontal ? gfx::Point(cx + tip, cy) : gfx::Point(cx, cy + tip);
    gfx::DrawArrowGlyph(Canvas, at, direction, Enabled() ? gfx::clBtnText : gfx::clBtnShadow);
}

void TSeCustomScrollBar::PaintClient(gfx::TCanvas& Canvas)
{
    TSeGraphicControl::PaintClient(Canvas);
    if (m_borderWidth > 0) {
        gfx::TRect border = gfx::Rect(0, 0, Width(), Height());
        gfx::DrawEdge(Canvas, border, gfx::TEdgeRing::Sunken, gfx::TEdgeRing::None);
    }
    if (TSeVisualStyle::Current().Active()) {
        PaintThemed(Canvas);
        return;
    }
    const gfx::TRect track = TrackRect();
    const gfx::TColor light = gfx::ColorToRGB(gfx::clBtnHighlight);
    const gfx::TColor dark = gfx::ColorToRGB(gfx::clScrollBar);
    for (int y = track.Top; y < track.Bottom; ++y)
        for (int x = track.Left; x < track.Right; ++x)
            Canvas.Pixels(x, y, ((x + y) & 1) != 0 ? light : dark);
    const int end = (m_kind == TSeScrollBarKind::sbHorizontal ? Width() : Height()) - m_borderWidth;
    PaintArrow(Canvas, Span(m_borderWidth, m_borderWidth + ButtonLength()), true, m_pressed == TPart::MinArrow);
    PaintArrow(Canvas, Span(end - ButtonLength(), end), false, m_pressed == TPart::MaxArrow);
    const gfx::TRect thumb = ThumbRect();
    if (Enabled() && TrackLength() > 0) {
        gfx::FillSolid(Canvas, thumb, gfx::clBtnFace);
        if (m_pressed == TPart::Thumb) {
            FrameRectColor(Canvas, thumb, gfx::clBtnShadow);
        } else {
            gfx::TRect edge = thumb;
            gfx::DrawEdge(Canvas, edge, gfx::TEdgeRing::Raised, gfx::TEdgeRing::Raised);
        }
    }
    if (m_pressed == TPart::TrackBefore)
        gfx::FillSolid(Canvas, Span(TrackStart(), Along(thumb.Left, thumb.Top)), gfx::cl3DDkShadow);
    else if (m_pressed == TPart::TrackAfter)
        gfx::FillSolid(Canvas, Span(Along(thumb.Right, thumb.Bottom), TrackStart() + TrackLength()), gfx::cl3DDkShadow);
}

} // namespace selfdrawn
