#include "skinctrls/TbsSkinScrollBar.h"

#include "platform/graphics/TBitmap.h"
#include "skin/SkinControlRecords.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "platform/window/VirtualKeys.h"
#include "skinctrls/DefaultLook.h"

#include <algorithm>
#include <cmath>

namespace skinctrls {
namespace {

constexpr int kButton = 17;
constexpr int kMinThumb = 16;
constexpr unsigned kFirstDelay = 500;
constexpr unsigned kRepeatDelay = 50;

int RoundEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode: ties to even
}

// The rectangle excluding its right and bottom edges.
bool Inside(const gfx::TRect& r, int x, int y)
{
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

} // namespace

TbsSkinScrollBar::TbsSkinScrollBar(ctl::TComponent* AOwner) : TbsSkinCustomControl(AOwner)
{
    SetSkinDataName("hscrollbar");
    SetDefaultHeight(19);
    SetBounds(0, 0, 200, 19);
    SetTabStop(false);
}

TbsSkinScrollBar::~TbsSkinScrollBar() = default;

void TbsSkinScrollBar::SetKind(TScrollBarKind Value)
{
    if (m_kind == Value)
        return;
    m_kind = Value;
    SetSkinDataName(Value == TScrollBarKind::sbVertical ? "vscrollbar" : "hscrollbar");
    const bool across = Value == TScrollBarKind::sbVertical ? Width() > Height() : Height() > Width();
    if (across)
        SetBounds(Left(), Top(), Height(), Width());
    if (Value == TScrollBarKind::sbVertical) {
        SetDefaultWidth(DefaultHeight());
        SetDefaultHeight(0);
    } else {
        SetDefaultHeight(DefaultWidth());
        SetDefaultWidth(0);
    }
    Invalidate();
}

int TbsSkinScrollBar::ClampPosition(int Value) const
{
    const int last = m_pageSize ? m_max - m_pageSize + 1 : m_max;
    return std::clamp(Value, m_min, std::max(m_min, last));
}

void TbsSkinScrollBar::SetPosition(int Value)
{
    Value = ClampPosition(Value);
    if (Value == m_position)
        return;
    m_position = Value;
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TbsSkinScrollBar::SetRangeValues(int AMin, int AMax, int APageSize, int APosition)
{
    m_min = AMin;
    m_max = AMax;
    m_pageSize = APageSize;
    m_position = ClampPosition(APosition);
    Invalidate();
}

void TbsSkinScrollBar::SetMin(int Value)
{
    m_min = Value;
    m_position = ClampPosition(m_position);
    Invalidate();
}

void TbsSkinScrollBar::SetMax(int Value)
{
    m_max = Value;
    m_position = ClampPosition(m_position);
    Invalidate();
}

void TbsSkinScrollBar::SetPageSize(int Value)
{
    if (Value >= 0 && Value <= m_max - m_min + 1) {
        m_pageSize = Value;
        m_position = ClampPosition(m_position);
    }
    Invalidate();
}

void TbsSkinScrollBar::SetCanFocused(bool Value)
{
    m_canFocused = Value;
    SetTabStop(Value);
    Invalidate();
}

void TbsSkinScrollBar::SetBoth(bool Value)
{
    if (Value == m_both)
        return;
    m_both = Value;
    if (Value) {
        m_nameBeforeBoth = SkinDataName();
        SetSkinDataName(BothSkinDataName);
    } else if (!m_nameBeforeBoth.empty()) {
        SetSkinDataName(m_nameBeforeBoth);
    }
    if (SkinIndex() == -1)
        Invalidate();
    else
        ApplySkin();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int Value)
{
    if (Value < 0)
        return;
    m_bothMarkerWidth = Value;
    if (SkinIndex() == -1)
        Invalidate();
}

void TbsSkinScrollBar::LookupSkinRecord()
{
    TbsSkinCustomControl::LookupSkinRecord();
    const auto* record = dynamic_cast<const skin::TbsDataSkinScrollBarControl*>(SkinRecord());
    if (record && HasSkinImage())
        m_look = ScrollBarSkinOf(*record);
    else
        m_look.reset();
}

void TbsSkinScrollBar::ResetSkinIndex()
{
    TbsSkinCustomControl::ResetSkinIndex();
    m_look.reset();
}

const TbsScrollBarSkin* TbsSkinScrollBar::SkinLook() const
{
    return m_look && SkinIndex() != -1 ? &*m_look : nullptr;
}

TbsSkinScrollBar::TGeometry TbsSkinScrollBar::Geometry() const
{
    TGeometry g;
    if (const TbsScrollBarSkin* look = SkinLook()) {
        PlaceSkinParts(g, *look);
        const bool vertical = m_kind == TScrollBarKind::sbVertical;
        PlaceThumb(g, vertical ? look->Thumb.Height() : look->Thumb.Width(),
            vertical ? look->Thumb.Width() : look->Thumb.Height());
    } else {
        PlaceDefaultParts(g);
        PlaceThumb(g, kMinThumb, 0);
    }
    return g;
}

void TbsSkinScrollBar::PlaceDefaultParts(TGeometry& g) const
{
    const int w = Width();
    const int h = Height();
    if (m_kind == TScrollBarKind::sbVertical) {
        g.decrease = gfx::Rect(1, 1, w - 1, kButton);
        g.increase = gfx::Rect(1, h - kButton, w - 1, h - 1);
        g.track = gfx::Rect(1, kButton, w - 1, h - kButton);
    } else {
        const int l = m_both ? w - m_bothMarkerWidth : w;
        g.decrease = gfx::Rect(1, 1, kButton, h - 1);
        g.increase = gfx::Rect(l - kButton, 1, l - 1, h - 1);
        g.track = gfx::Rect(kButton, 1, l - kButton, h - 1);
    }
}

void TbsSkinScrollBar::PlaceSkinParts(TGeometry& g, const TbsScrollBarSkin& Look) const
{
    // The far end of the track and whatever lies beyond the record's split
    // point follow the bar's length.
    const skin::TbsSkinGeometry& points = SkinPart().Geometry();
    g.track = Look.TrackArea;
    g.increase = Look.Increase;
    g.decrease = Look.Decrease;
    if (m_kind == TScrollBarKind::sbVertical) {
        const int grow = Height() - SkinPart().SkinHeight();
        g.track.Bottom += grow;
        for (gfx::TRect* button : { &g.increase, &g.decrease })
            if (points.LeftBottom.Y < button->Top)
                gfx::OffsetRect(*button, 0, grow);
    } else {
        const int grow = Width() - SkinPart().SkinWidth();
        g.track.Right += grow;
        for (gfx::TRect* button : { &g.increase, &g.decrease })
            if (points.RightTop.X < button->Left)
                gfx::OffsetRect(*button, grow, 0);
    }
}

void TbsSkinScrollBar::PlaceThumb(TGeometry& g, int MinLength, int Across) const
{
    const bool vertical = m_kind == TScrollBarKind::sbVertical;
    const int t0 = vertical ? g.track.Top : g.track.Left;
    const int t1 = vertical ? g.track.Bottom : g.track.Right;
    const int length = t1 - t0;
    int thumb = MinLength;
    if (m_pageSize != 0) {
        const int range = m_max - m_min + 1;
        const int paged = std::max(kMinThumb, range > 0 ? RoundEven(double(length) * m_pageSize / range) : 0) / 2 * 2;
        thumb = std::max(paged, MinLength);
    }
    // The thumb never outgrows its track.
    thumb = std::min(thumb, std::max(length, 0));
    // Both directions place the thumb by one rule: the share of the travel
    // span the position has gone, nothing when there is no span.
    const int span = Span();
    const double f = span > 0 ? std::clamp(double(m_position - m_min) / span, 0.0, 1.0) : 0.0;
    const int offset = RoundEven(double(length - thumb) * f);
    g.firstTravel = t0 + thumb / 2;
    g.lastTravel = t1 - thumb / 2;
    if (vertical) {
        const int left = Across ? g.track.Left + (g.track.Width() - Across) / 2 : g.track.Left;
        const int right = Across ? left + Across : g.track.Right;
        g.thumb = gfx::Rect(left, t0 + offset, right, t0 + offset + thumb);
    } else {
        const int top = Across ? g.track.Top + (g.track.Height() - Across) / 2 : g.track.Top;
        const int bottom = Across ? top + Across : g.track.Bottom;
        g.thumb = gfx::Rect(t0 + offset, top, t0 + offset + thumb, bottom);
    }
}

TbsSkinScrollBar::TPart TbsSkinScrollBar::PartAt(int X, int Y) const
{
    const TGeometry g = Geometry();
    if (Enabled() && Inside(g.thumb, X, Y))
        return TPart::Thumb;
    if (Inside(g.increase, X, Y))
        return TPart::Increase;
    if (Inside(g.decrease, X, Y))
        return TPart::Decrease;
    return TPart::None;
}

void TbsSkinScrollBar::DrawPart(gfx::TCanvas& Canvas, gfx::TRect Rect, TPart Part) const
{
    const TPartState& s = State(Part);
    gfx::TColor frame = gfx::clBtnShadow;
    gfx::TColor fill = gfx::clBtnFace;
    const bool focusedThumb = Part == TPart::Thumb && (m_dragging || (m_canFocused && Focused()));
    if ((s.down && s.hot) || focusedThumb) {
        frame = kDefaultFrameColor;
        fill = kDefaultDownColor;
    } else if (s.hot) {
        frame = kDefaultFrameColor;
        fill = kDefaultHotColor;
    }
    gfx::DrawFramedFill(Canvas, Rect, frame, fill);
    if (Part == TPart::Thumb)
        return;
    const bool vertical = m_kind == TScrollBarKind::sbVertical;
    skin::TbsArrowKind arrow = Part == TPart::Increase ? (vertical ? skin::TbsArrowKind::akDown : skin::TbsArrowKind::akRight)
                                                       : (vertical ? skin::TbsArrowKind::akUp : skin::TbsArrowKind::akLeft);
    skin::DrawArrowGlyph(Canvas, gfx::Inflate(Rect, -1, -1), gfx::clBlack, arrow);
}

void TbsSkinScrollBar::DrawDefault(gfx::TBitmap& Bitmap)
{
    gfx::TCanvas& canvas = Bitmap.Canvas();
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.Brush.Color = gfx::clBtnFace;
    canvas.FillRect(gfx::Rect(0, 0, Width(), Height()));
    const TGeometry g = Geometry();
    DrawPart(canvas, g.increase, TPart::Increase);
    DrawPart(canvas, g.decrease, TPart::Decrease);
    if (Enabled())
        DrawPart(canvas, g.thumb, TPart::Thumb);
}

void TbsSkinScrollBar::DrawSkin(gfx::TBitmap& Bitmap)
{
    TbsSkinCustomControl::DrawSkin(Bitmap);
    const TbsScrollBarSkin* look = SkinLook();
    if (!look)
        return;
    gfx::TCanvas& canvas = Bitmap.Canvas();
    const TGeometry g = Geometry();
    DrawSkinButton(canvas, g.increase, TPart::Increase, look->IncreaseHot, look->IncreaseDown);
    DrawSkinButton(canvas, g.decrease, TPart::Decrease, look->DecreaseHot, look->DecreaseDown);
    if (Enabled())
        DrawSkinThumb(canvas, g.thumb, *look);
}

// A hot or pressed button takes its state's picture; a normal one is what the bar's image shows.
void TbsSkinScrollBar::DrawSkinButton(gfx::TCanvas& Canvas, const gfx::TRect& Place, TPart Part,
    const gfx::TRect& Hot, const gfx::TRect& Down) const
{
    const TPartState& s = State(Part);
    const gfx::TRect source = s.down && s.hot ? Down : s.hot ? Hot : gfx::TRect {};
    if (source.IsEmpty())
        return;
    Canvas.CopyRect(gfx::Bounds(Place.Left, Place.Top, source.Width(), source.Height()), *SkinPicture(), source);
}

void TbsSkinScrollBar::DrawSkinThumb(gfx::TCanvas& Canvas, const gfx::TRect& Place, const TbsScrollBarSkin& Look) const
{
    if (Place.IsEmpty())
        return;
    const TPartState& s = State(TPart::Thumb);
    const bool down = m_dragging || (m_canFocused && Focused());
    const gfx::TRect source = down ? Look.ThumbDown : s.hot ? Look.ThumbHot : Look.Thumb;
    const gfx::TRect glyph = down ? Look.GlyphDown : s.hot ? Look.GlyphHot : Look.Glyph;
    const gfx::TBitmap& picture = *SkinPicture();
    gfx::TBitmap thumb(Place.Width(), Place.Height());
    if (m_pageSize == 0)
        thumb.Canvas().CopyRect(gfx::Rect(0, 0, source.Width(), source.Height()), picture, source);
    else if (m_kind == TScrollBarKind::sbVertical)
        skin::BuildVertSkinImage(Look.ThumbOffset1, Look.ThumbOffset2, thumb, Place.Height(), source, picture);
    else
        skin::BuildHorzSkinImage(Look.ThumbOffset1, Look.ThumbOffset2, thumb, Place.Width(), source, picture);
    if (!glyph.IsEmpty()) {
        const int x = (thumb.Width() - glyph.Width()) / 2;
        const int y = (thumb.Height() - glyph.Height()) / 2;
        thumb.Canvas().CopyRect(gfx::Bounds(x, y, glyph.Width(), glyph.Height()), picture, glyph);
    }
    Canvas.Draw(Place.Left, Place.Top, thumb);
}

void TbsSkinScrollBar::Step(TRepeat Mode)
{
    switch (Mode) {
    case TRepeat::Increase:
        if (OnUpButtonClick)
            OnUpButtonClick(this);
        else
            SetPosition(m_position + SmallChange);
        break;
    case TRepeat::Decrease:
        if (OnDownButtonClick)
            OnDownButtonClick(this);
        else
            SetPosition(m_position - SmallChange);
        break;
    case TRepeat::PageUp:
        SetPosition(m_position - LargeChange);
        if (OnPageUp)
            OnPageUp(this);
        break;
    case TRepeat::PageDown:
        SetPosition(m_position + LargeChange);
        if (OnPageDown)
            OnPageDown(this);
        break;
    case TRepeat::None:
        break;
    }
}

void TbsSkinScrollBar::StartTimer(unsigned Interval)
{
    if (!m_timer) {
        m_timer = std::make_unique<ctl::TTimer>(nullptr);
        m_timer->OnTimer = [this](ctl::TObject*) { Tick(); };
    }
    m_timer->SetEnabled(false);
    m_timer->SetInterval(Interval);
    m_timer->SetEnabled(true);
}

void TbsSkinScrollBar::StopTimer()
{
    if (m_timer)
        m_timer->SetEnabled(false);
}

void TbsSkinScrollBar::Tick()
{
    if (m_firstDelay) {
        m_firstDelay = false;
        StartTimer(kRepeatDelay);
    }
    if (m_repeat == TRepeat::Increase || m_repeat == TRepeat::Decrease) {
        Step(m_repeat);
        return;
    }
    // Paging continues while the thumb has not yet passed the mouse.
    const TGeometry g = Geometry();
    const int at = Along(m_mouse.X, m_mouse.Y);
    const int thumbStart = Along(g.thumb.Left, g.thumb.Top);
    const int thumbEnd = Along(g.thumb.Right, g.thumb.Bottom);
    if ((m_repeat == TRepeat::PageUp && at < thumbStart) || (m_repeat == TRepeat::PageDown && at >= thumbEnd)) {
        Step(m_repeat);
    } else {
        StopTimer();
        m_repeat = TRepeat::None;
    }
}

void TbsSkinScrollBar::SetHot(TPart Part)
{
    if (Part == m_hot)
        return;
    if (m_hot != TPart::None)
        State(m_hot).hot = false;
    m_hot = Part;
    if (m_hot != TPart::None)
        State(m_hot).hot = true;
    Invalidate();
}

void TbsSkinScrollBar::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    // A focusable bar takes the focus first; a press it cannot follow with the focus is dropped.
    if (Button == ctl::TMouseButton::mbLeft && m_canFocused && !Focused()) {
        if (CanFocus())
            SetFocus();
        if (!Focused())
            return;
    }
    TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft)
        return;
    m_mouse = { X, Y };
    m_repeat = TRepeat::None;
    m_firstDelay = true;
    const TPart part = PartAt(X, Y);
    if (part != TPart::None) {
        m_captured = part;
        State(part).down = true;
        SetHot(part);
        Invalidate();
        if (part == TPart::Thumb) {
            const TGeometry g = Geometry();
            m_dragging = true;
            m_dragStartMouse = Along(X, Y);
            m_dragStartOffset = Along(g.thumb.Left, g.thumb.Top) + Along(g.thumb.Width(), g.thumb.Height()) / 2 - g.firstTravel;
            return;
        }
        m_repeat = part == TPart::Increase ? TRepeat::Increase : TRepeat::Decrease;
        Step(m_repeat);
        StartTimer(kFirstDelay);
        return;
    }
    const TGeometry g = Geometry();
    if (!Inside(g.track, X, Y))
        return;
    m_repeat = Along(X, Y) < Along(g.thumb.Left, g.thumb.Top) ? TRepeat::PageUp : TRepeat::PageDown;
    Step(m_repeat);
    StartTimer(kFirstDelay);
}

void TbsSkinScrollBar::MouseMove(ctl::TShiftState Shift, int X, int Y)
{
    m_mouse = { X, Y };
    const TPart under = PartAt(X, Y);
    if (m_captured == TPart::None || m_captured == under)
        SetHot(under);
    else
        SetHot(TPart::None);
    if (m_repeat == TRepeat::Increase || m_repeat == TRepeat::Decrease) {
        // Leaving the held button pauses the repeat; coming back resumes it.
        if (under == m_captured)
            StartTimer(m_firstDelay ? kFirstDelay : kRepeatDelay);
        else
            StopTimer();
    }
    if (m_dragging) {
        const TGeometry g = Geometry();
        const int span = g.lastTravel - g.firstTravel;
        const int offset = m_dragStartOffset + Along(X, Y) - m_dragStartMouse;
        const double fraction = span > 0 ? std::clamp(double(offset) / span, 0.0, 1.0) : 0.0;
        SetPosition(m_min + RoundEven(Span() * fraction));
    }
    TbsSkinCustomControl::MouseMove(Shift, X, Y);
}

void TbsSkinScrollBar::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft)
        return;
    StopTimer();
    m_repeat = TRepeat::None;
    const TPart captured = m_captured;
    m_captured = TPart::None;
    if (captured == TPart::None)
        return;
    State(captured).down = false;
    SetHot(PartAt(X, Y));
    Invalidate();
    if (captured == TPart::Thumb) {
        m_dragging = false;
        if (OnLastChange)
            OnLastChange(this);
    }
}

void TbsSkinScrollBar::MouseLeave()
{
    TbsSkinCustomControl::MouseLeave();
    if (m_captured == TPart::None && !m_dragging)
        SetHot(TPart::None);
    if (m_repeat == TRepeat::PageDown)
        StopTimer();
}

void TbsSkinScrollBar::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TbsSkinCustomControl::KeyDown(Key, Shift);
    if (!m_canFocused)
        return;
    switch (Key) {
    case wnd::VK_LEFT:
    case wnd::VK_UP:
        SetPosition(m_position - SmallChange);
        break;
    case wnd::VK_RIGHT:
    case wnd::VK_DOWN:
        SetPosition(m_position + SmallChange);
        break;
    default:
        break;
    }
}

unsigned TbsSkinScrollBar::WantedKeys() const
{
    return m_canFocused ? ctl::DLGC_WANTARROWS : 0;
}

void TbsSkinScrollBar::DoEnter()
{
    TbsSkinCustomControl::DoEnter();
    Invalidate();
}

void TbsSkinScrollBar::DoExit()
{
    TbsSkinCustomControl::DoExit();
    Invalidate();
}

wnd::LRESULT TbsSkinScrollBar::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_MOUSEWHEEL) {
        // The wheel moves a focused bar by one small step per message: toward the end when turned toward the user.
        if (m_canFocused && Focused())
            SetPosition(m_position + (wnd::GET_WHEEL_DELTA_WPARAM(WParam) <= 0 ? SmallChange : -SmallChange));
        return 0;
    }
    return TbsSkinCustomControl::WndProc(Msg, WParam, LParam);
}

} // namespace skinctrls
