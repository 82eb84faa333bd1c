#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TTimer.h"
#include "selfdrawn/TSeGraphicControl.h"

#include <functional>

namespace selfdrawn {

enum class TSeScrollBarKind { sbHorizontal, sbVertical };

// Scroll codes passed with OnScroll.
enum class TSeScrollCode { scLineUp = 0, scLineDown = 1, scPageUp = 2, scPageDown = 3, scPosition = 4, scTrack = 5, scEndScroll = 8 };

// The self-drawn scroll bar: arrows at both ends, a checkered track and a
// thumb whose length shows PageSize. Pressing an arrow or the track steps
// once and, while the button is held, again at the keyboard's repeat delay
// and rate; dragging the thumb tracks the pointer. Each step goes out through
// OnScroll, whose handler may change the position before it is applied.
class TSeCustomScrollBar : public TSeGraphicControl {
public:
    explicit TSeCustomScrollBar(ctl::TComponent* AOwner);

    TSeScrollBarKind Kind() const { return m_kind; }
    void SetKind(TSeScrollBarKind Value);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int PageSize() const { return m_pageSize; }
    int Position() const { return m_position; }
    void SetParams(int Min, int Max, int PageSize, int Position);
    void SetPosition(int Value);
    int SmallChange { 1 };
    int LargeChange { 1 };
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);

    // Geometry along the bar ("length" runs along it).
    int ButtonLength() const;
    gfx::TRect TrackRect() const;
    gfx::TRect ThumbRect() const;

    std::function<void(TObject* Sender, TSeScrollCode Code, int& Position)> OnScroll;

    // The part under the pointer.
    enum class TPart { None, MinArrow, MaxArrow, TrackBefore, TrackAfter, Thumb };
    TPart HotPart() const { return m_hot; }
    TPart PressedPart() const { return m_pressed; }
    // The wait before a held button repeats, then the wait between repeats,
    // in milliseconds, from the keyboard's delay and speed settings.
    static int RepeatDelay();
    static int RepeatInterval();

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    void PaintThemed(gfx::TCanvas& Canvas);
    int PartThemeState(TPart Part) const;

    int Along(int X, int Y) const { return m_kind == TSeScrollBarKind::sbHorizontal ? X : Y; }
    double Range() const;
    // The highest position that still shows a whole page.
    long long LastTopPosition() const;
    int ThumbLength() const;
    int TrackStart() const;
    int TrackLength() const;
    gfx::TRect Span(int From, int To) const;
    TPart PartAt(int X, int Y) const;
    void Step(TPart Part);
    void Scroll(TSeScrollCode Code, int Position);
    void RepeatStep();
    void PaintArrow(gfx::TCanvas& Canvas, const gfx::TRect& R, bool TowardsMin, bool Pressed);

    TSeScrollBarKind m_kind { TSeScrollBarKind::sbHorizontal };
    int m_min { 0 };
    int m_max { 100 };
    int m_pageSize { 0 };
    int m_position { 0 };
    int m_borderWidth { 1 };
    TPart m_pressed { TPart::None };
    int m_grabOffset { 0 };
    TPart m_hot { TPart::None };
    gfx::TPoint m_pointer;
    ctl::TTimer* m_repeatTimer;
};

class TSeSkinScrollBar : public TSeCustomScrollBar {
public:
    using TSeCustomScrollBar::TSeCustomScrollBar;
};

} // namespace selfdrawn
