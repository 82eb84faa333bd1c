#pragma once

#include "platform/graphics/TCanvas.h"
#include "platform/window/Messages.h"

namespace ctl {

// The vertical scroll bar that list-like controls (list box, tree view)
// draw along their right edge when their rows do not fit. It knows the
// number of rows, how many fit (the page) and the first row shown, and turns
// clicks on its arrows, its track, drags of its thumb and turns of the mouse
// wheel into a new first row.
class TScrollBarPart {
public:
    // Rows 0..Count-1 of which Page fit; the position stays in 0..Count-Page.
    void SetRange(int Count, int Page);
    int Count() const { return m_count; }
    int Page() const { return m_page; }
    int Position() const { return m_position; }
    int MaxPosition() const;
    // Returns whether the position changed.
    bool SetPosition(int Value);
    bool Needed() const { return m_count > m_page; }
    // A control can switch its bar off; then the rows never scroll by mouse.
    void SetEnabled(bool Value) { m_enabled = Value; }
    bool Enabled() const { return m_enabled; }
    // Whether the bar takes room and input now.
    bool Shown() const { return m_enabled && Needed(); }
    // The first row after the wheel turned by the delta in a WM_MOUSEWHEEL
    // WParam: three rows a notch, towards the top when pushed away.
    int WheelPosition(wnd::WPARAM WParam) const;

    // The bar's strip in a client rectangle, and the client area left for rows.
    static int Thickness();
    gfx::TRect BarRect(const gfx::TRect& Client) const;
    gfx::TRect RowsRect(const gfx::TRect& Client) const;

    void Paint(gfx::TCanvas& Canvas, const gfx::TRect& Client) const;

    // Mouse input in client coordinates; true when the point was on the bar
    // (or a thumb drag is going on). Each returns whether the position changed
    // through `changed`. Only a left press acts on a shown bar.
    bool MouseDown(bool LeftButton, gfx::TPoint Point, const gfx::TRect& Client, bool& Changed);
    bool MouseMove(gfx::TPoint Point, const gfx::TRect& Client, bool& Changed);
    bool MouseUp();
    bool Dragging() const { return m_dragging; }
    // The last left press landed on the bar.
    bool Pressed() const { return m_pressed; }
    // The left button came up: whether it ends a press on the bar, which the
    // control must not take for a click on its rows.
    bool EndPress();

private:
    gfx::TRect ThumbRect(const gfx::TRect& Bar) const;

    int m_count { 0 };
    int m_page { 1 };
    int m_position { 0 };
    bool m_enabled { true };
    bool m_pressed { false };
    bool m_dragging { false };
    int m_dragOffset { 0 };
};

} // namespace ctl
