#pragma once

#include "platform/controls/TControl.h"
#include "platform/window/Window.h"

#include <vector>

namespace ctl {

// A control with a window of its own: it can hold child controls, take the
// keyboard focus and take part in Tab navigation. Its window is created as
// soon as it has a parent that has one (a form has one from the start) and
// lives until the control is freed; its window procedure feeds WndProc, and
// an exception that escapes a handler is shown by the application instead of
// travelling through the window system.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    wnd::HWND Handle() const { return m_handle; }
    bool HandleAllocated() const { return m_handle != nullptr; }
    // The control that owns a window of this library, or nullptr.
    static TWinControl* FindControl(wnd::HWND Handle);

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int Index) const;
    bool ContainsControl(const TControl* Control) const;
    // The topmost visible child at a client point (disabled ones too when asked).
    TControl* ControlAtPos(gfx::TPoint Pos, bool AllowDisabled) const;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    gfx::TRect ClientRect() const override;
    gfx::TPoint WindowOffset() const override { return {}; }
    wnd::HWND WindowHandleForPaint() const override { return m_handle; }
    void SetParent(TWinControl* AParent) override;
    void SetVisible(bool Value) override;
    void SetEnabled(bool Value) override;
    bool Showing() const override;
    void Invalidate() override;
    void Repaint() override;

    // Lays out the aligned and anchored children in the client area.
    // Moving is the child whose bounds or alignment just changed, if any.
    void AlignControls(TControl* Moving = nullptr);
    // The area children are aligned in; panels shrink it by their bevels.
    virtual void AdjustClientRect(gfx::TRect& Rect) const;

    // Tab navigation: order among the windowed siblings, and whether Tab stops here.
    int TabOrder() const;
    void SetTabOrder(int Value);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool Value) { m_tabStop = Value; }
    // Every windowed descendant in Tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // The control after (or before) CurControl that can take the focus,
    // wrapping around; nullptr when there is none.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // The input method a text control asks for when it gets the focus. The
    // desktop's input method is told where the control is; choosing one by
    // name is not offered by the desktop, so the name is kept and not used.
    const std::string& ImeName() const { return m_imeName; }
    void SetImeName(const std::string& Value) { m_imeName = Value; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    struct TCreateParams {
        std::string Caption;
        wnd::DWORD Style { 0 };
        wnd::DWORD ExStyle { 0 };
        gfx::TRect Bounds;
        wnd::HWND WndParent { nullptr };
    };
    virtual void CreateParams(TCreateParams& Params);
    // Creates the window (and the windows of the children); nothing when it
    // exists or the control has no parent window to live in.
    void CreateHandle();
    // Creates the window of a top-level control (forms).
    void CreateTopLevelHandle();

    // Paints the control's own content; the default fills nothing (the
    // background erase already painted Color).
    virtual void PaintWindow(gfx::TCanvas& Canvas);
    // Fills the background with Color; false leaves the background alone.
    virtual bool EraseBackground(gfx::TCanvas& Canvas);
    // Paints the graphic children over the control's own content.
    void PaintControls(gfx::TCanvas& Canvas);

    // DLGC_* bits of the keys the control handles itself.
    virtual unsigned WantedKeys() const { return 0; }
    virtual void KeyDown(int& Key, TShiftState Shift);
    virtual void KeyUp(int& Key, TShiftState Shift);
    virtual void KeyPress(unsigned& Key);
    virtual void DoEnter();
    virtual void DoExit();

    void FontChanged() override;
    void ColorChanged() override;
    void TextChanged() override;
    void SetZOrder(bool TopMost) override;
    void BoundsChanged(const gfx::TRect& OldBounds) override;
    // The window's frame or size changed outside the control (user sizing, the window system).
    void UpdateBoundsFromWindow();

private:
    friend class TControl;

    void InsertControl(TControl* Control);
    void RemoveControl(TControl* Control);
    void CreateChildHandles();
    wnd::LRESULT MainWndProc(wnd::HWND Hwnd, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam);
    wnd::LRESULT RouteMouse(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam);
    void HandleKey(wnd::UINT Msg, wnd::WPARAM WParam);
    void PaintHandler();
    void MoveWindowToBounds();

    wnd::HWND m_handle { nullptr };
    std::vector<TControl*> m_controls; // z-order, bottom first
    std::vector<TWinControl*> m_tabList;
    bool m_tabStop { false };
    std::string m_imeName;
    bool m_aligning { false };
    bool m_movingWindow { false };
    bool m_destroyingHandle { false };
};

// The control that holds the mouse captured (a graphic control captures
// through its parent's window); nullptr releases the capture.
TControl* CaptureControl();
void SetCaptureControl(TControl* Control);
// The control the pointer is over; moving the mark sends CM_MOUSELEAVE to the
// old and CM_MOUSEENTER to the new control.
TControl* MouseControl();
void SetMouseControl(TControl* Control);

} // namespace ctl
