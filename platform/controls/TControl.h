#pragma once

#include "platform/controls/AlignLayout.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/TComponent.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

#include <string>

namespace ctl {

class TWinControl;
class TAction;
class TForm;

// Anything that can appear on a form: a rectangle on a parent with a font, a
// colour, a caption, a cursor and mouse events. Windowed controls derive from
// TWinControl; controls without a window of their own (labels, images,
// splitters) derive from TGraphicControl and are painted and fed mouse input
// by their parent.
//
// Property setters store the value first and then repaint or re-lay-out.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* AParent);

    int Left() const { return m_bounds.Left; }
    int Top() const { return m_bounds.Top; }
    int Width() const { return m_bounds.Width(); }
    int Height() const { return m_bounds.Height(); }
    void SetLeft(int Value) { SetBounds(Value, Top(), Width(), Height()); }
    void SetTop(int Value) { SetBounds(Left(), Value, Width(), Height()); }
    void SetWidth(int Value) { SetBounds(Left(), Top(), Value, Height()); }
    void SetHeight(int Value) { SetBounds(Left(), Top(), Width(), Value); }
    // Position in the parent's client area and size; negative sizes become 0.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    gfx::TRect BoundsRect() const { return m_bounds; }
    // The control's own area, (0, 0) at its top-left.
    virtual gfx::TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientSize(int AWidth, int AHeight);
    void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
    void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors Value);

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and on a parent chain that is shown.
    virtual bool Showing() const;
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool Value);

    const std::string& Caption() const { return m_text; }
    void SetCaption(const std::string& Value) { SetText(Value); }
    const std::string& Text() const { return m_text; }
    void SetText(const std::string& Value);

    const gfx::TFont& Font() const { return m_font; }
    // Takes a copy and stops following the parent's font.
    void SetFont(const gfx::TFont& Value);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool Value);
    gfx::TColor Color() const { return m_color; }
    void SetColor(gfx::TColor Value);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool Value);

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor Value) { m_cursor = Value; }
    // The cursor shown over the control (its Cursor, unless the control
    // chooses one by its state).
    virtual TCursor DisplayCursor() const { return m_cursor; }
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& Value) { m_hint = Value; }
    bool ShowHint { false };

    // The form the control sits on (nullptr while it has none).
    TForm* GetParentForm() const;
    gfx::TPoint ClientToScreen(gfx::TPoint Point) const;
    gfx::TPoint ScreenToClient(gfx::TPoint Point) const;
    // The client origin of the nearest window (own for windowed controls,
    // parent's for graphic ones) relative to this control's top-left.
    virtual gfx::TPoint WindowOffset() const;
    // The window that shows this control's pixels.
    virtual wnd::HWND WindowHandleForPaint() const;

    // Marks the control for painting; Repaint paints it at once.
    virtual void Invalidate();
    virtual void Repaint();
    void Update();
    // Sends a message straight to the control's message handler.
    wnd::LRESULT Perform(wnd::UINT Msg, wnd::WPARAM WParam = 0, wnd::LPARAM LParam = 0);
    void BringToFront();
    void SendToBack();

    // The mouse is over the control (between CM_MOUSEENTER and CM_MOUSELEAVE).
    bool MouseInControl() const { return m_mouseInControl; }
    // Runs the click action as a mouse click does.
    virtual void Click();

    // The command the control offers: the control shows the action's
    // caption, hint, enabled and visible states, and a click without an
    // OnClick of its own runs the action. The link is dropped when the
    // action is freed.
    TAction* Action() const { return m_action; }
    void SetAction(TAction* Value);
    // Follows a change of the linked action; descendants add what else they
    // show of it (checked state, picture).
    virtual void ActionChange(const TAction& Action);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

    // The message handler of the control; descendants override it for
    // messages of their own and pass the rest on.
    virtual wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam);

protected:
    // OnClick when set, otherwise the linked action.
    void RunClickHandler();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    // The platform's own handling of the pointer entering or leaving: sets
    // MouseInControl and runs OnMouseEnter / OnMouseLeave. Descendants add
    // hover states after calling it.
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // Notices after a property changed.
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    // The parent's font or colour changed (only called while following it).
    void ParentFontChanged();
    void ParentColorChanged();
    // Whether a left click on the control counts (mouse down and up inside).
    bool m_clickEvents { true };
    // Whether the mouse is captured while a button is held.
    bool m_captureMouse { true };
    // Controls like labels ask their parent for the background behind them.
    bool m_opaque { true };

    // Forgets a pending click (the press turned out to be something else).
    void CancelClick() { m_clicked = false; }
    void RequestAlign();
    // Called when the parent moves it during alignment (does not re-anchor).
    void SetAlignedBounds(const gfx::TRect& Bounds);
    virtual void BoundsChanged(const gfx::TRect& OldBounds);
    virtual void SetZOrder(bool TopMost);
    // Graphic controls paint themselves here, on their parent's canvas moved
    // to their top-left and clipped to their bounds.
    virtual void PaintOnParent(gfx::TCanvas& Canvas);

private:
    friend class TWinControl;
    friend class TGraphicControl;

    void HandleMouseButton(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam);
    void RememberAnchors();

    TWinControl* m_parent { nullptr };
    gfx::TRect m_bounds;
    TAlign m_align { TAlign::alNone };
    TAnchors m_anchors { kDefaultAnchors };
    gfx::TRect m_anchorBounds;
    gfx::TSize m_anchorParentSize;
    bool m_visible { true };
    bool m_enabled { true };
    std::string m_text;
    gfx::TFont m_font;
    bool m_parentFont { true };
    gfx::TColor m_color { gfx::clBtnFace };
    bool m_parentColor { false };
    TCursor m_cursor { crDefault };
    std::string m_hint;
    TAction* m_action { nullptr };
    bool m_clicked { false };
    bool m_mouseInControl { false };
    bool m_settingAlignedBounds { false };
};

} // namespace ctl
