#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TFont.h"
#include "platform/window/WinTypes.h"

#include <string>

namespace gfx {
class TCanvas;
}

namespace ctl {

// The small top-most window that shows a hint text next to the pointer. It
// never takes the activation, so the keys stay with the form under it. The
// application makes one of its hint window class; descendants draw their own
// look by overriding CalcHintRect and Paint.
class THintWindow {
public:
    THintWindow();
    virtual ~THintWindow();
    THintWindow(const THintWindow&) = delete;
    THintWindow& operator=(const THintWindow&) = delete;

    // The rectangle (at 0,0) a window needs for Hint.
    virtual gfx::TRect CalcHintRect(int MaxWidth, const std::string& Hint);
    // Shows Hint in Rect (screen coordinates), kept inside the work area of
    // the monitor under Rect.
    virtual void ActivateHint(gfx::TRect Rect, const std::string& Hint);
    // Hides the window.
    void ReleaseHandle();

    bool Visible() const;
    wnd::HWND Handle() const { return m_handle; }
    const std::string& Caption() const { return m_caption; }
    // The font of the hint text.
    gfx::TFont Font;

protected:
    // Draws the whole window; the plain look is the text on the information
    // colour inside a one-pixel frame.
    virtual void Paint(gfx::TCanvas& Canvas);
    // Size of Text in the current Font, line breaks starting new lines.
    gfx::TSize MeasureText(const std::string& Text) const;
    void SetCaption(const std::string& Value) { m_caption = Value; }
    // Shows the window at Rect as it is, top-most and without activation.
    void ShowAt(const gfx::TRect& Rect);
    // Makes sure the window exists (a test's window system may have been replaced).
    void EnsureHandle();

private:
    wnd::LRESULT WindowProc(wnd::HWND Hwnd, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam);

    wnd::HWND m_handle { nullptr };
    std::string m_caption;
};

// Rect moved so that it lies inside WorkArea: left and up when it passes the
// right or bottom edge, then right and down when it passes the left or top.
gfx::TRect KeepInside(gfx::TRect Rect, const gfx::TRect& WorkArea);
// The work area of the monitor nearest to Point.
gfx::TRect WorkAreaAt(gfx::TPoint Point);
// Where a hint starts for the pointer at Pointer: below the pointer's image.
gfx::TPoint HintAnchorBelowPointer(gfx::TPoint Pointer);

} // namespace ctl
