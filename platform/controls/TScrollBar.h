#pragma once

#include "platform/controls/TCustomControl.h"

namespace ctl {

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A stand-alone scroll bar: arrows at both ends, a track and a thumb whose
// length shows PageSize against the whole range. Position runs from 0 to Max;
// arrows move it by SmallChange, clicks on the track by LargeChange, and the
// thumb can be dragged. A bar with nothing to scroll (Max 0) is disabled.
class TScrollBar : public TCustomControl {
public:
    TScrollBar(TComponent* AOwner, TScrollBarKind Kind);

    TScrollBarKind Kind() const { return m_kind; }
    int Max() const { return m_max; }
    int PageSize() const { return m_pageSize; }
    // Sets the range and the visible part; the position is kept inside.
    void SetRange(int Max, int PageSize);
    int Position() const { return m_position; }
    // Moves the thumb; runs OnChange when the position changed.
    void SetPosition(int Value);

    int SmallChange { 10 };
    int LargeChange { 200 };
    TNotifyEvent OnChange;

    // The thickness of a bar across its length.
    static int Thickness();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Lengths along the bar.
    int Length() const;
    int ArrowLength() const;
    // The thumb's start and length along the bar.
    int ThumbStart() const;
    int ThumbLength() const;
    int Along(int X, int Y) const { return m_kind == TScrollBarKind::sbHorizontal ? X : Y; }
    gfx::TRect PartRect(int Start, int Stop) const;
    // What a press at `At` does: one step of the arrows or the track.
    int StepAt(int At) const;

    TScrollBarKind m_kind;
    int m_max { 0 };
    int m_pageSize { 1 };
    int m_position { 0 };
    bool m_dragging { false };
    int m_dragOffset { 0 };
};

} // namespace ctl
