#include "platform/controls/TControl.h"

#include "platform/controls/TAction.h"
#include "platform/controls/TApplication.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TWinControl.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"

namespace ctl {
namespace {

// The control the mouse pointer is over, for the enter and leave notices.
TControl* g_mouseControl = nullptr;
TControl* g_captureControl = nullptr;

} // namespace

TControl* CaptureControl()
{
    return g_captureControl;
}

void SetCaptureControl(TControl* Control)
{
    g_captureControl = Control;
    if (!Control) {
        if (wnd::GetCapture())
            wnd::ReleaseCapture();
        return;
    }
    if (wnd::HWND h = Control->WindowHandleForPaint())
        wnd::SetCapture(h);
}

// Moves the "mouse is over" mark to a new control, telling the old one that
// the pointer left and the new one that it entered.
void SetMouseControl(TControl* Control)
{
    if (Control == g_mouseControl)
        return;
    TControl* old = g_mouseControl;
    g_mouseControl = Control;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (Control && g_mouseControl == Control)
        Control->Perform(CM_MOUSEENTER);
    Application->HintMouseMessage(g_mouseControl);
}

TControl* MouseControl()
{
    return g_mouseControl;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner)
{
}

TControl::~TControl()
{
    if (g_mouseControl == this)
        g_mouseControl = nullptr;
    if (Application->HintControl() == this)
        Application->CancelHint();
    if (g_captureControl == this)
        SetCaptureControl(nullptr);
    if (m_parent)
        m_parent->RemoveControl(this);
    if (m_action)
        m_action->UnRegisterClient(this);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == m_parent)
        return;
    if (AParent == this)
        throw EComponentError("A control cannot be its own parent");
    if (m_parent)
        m_parent->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const gfx::TRect old = m_bounds;
    m_bounds = gfx::Bounds(ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight));
    if (!m_settingAlignedBounds)
        RememberAnchors();
    if (m_bounds == old)
        return;
    BoundsChanged(old);
    if (!m_settingAlignedBounds)
        RequestAlign();
}

void TControl::BoundsChanged(const gfx::TRect& OldBounds)
{
    if (m_parent && m_visible) {
        gfx::TRect both;
        gfx::UnionRect(both, OldBounds, m_bounds);
        if (wnd::HWND h = m_parent->Handle())
            wnd::InvalidateRect(h, &both, true);
    }
    if (OldBounds.Width() != m_bounds.Width() || OldBounds.Height() != m_bounds.Height())
        Resize();
}

void TControl::SetAlignedBounds(const gfx::TRect& Bounds)
{
    m_settingAlignedBounds = true;
    try {
        SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    } catch (...) {
        m_settingAlignedBounds = false;
        throw;
    }
    m_settingAlignedBounds = false;
}

void TControl::RememberAnchors()
{
    m_anchorBounds = m_bounds;
    if (m_parent) {
        gfx::TRect r = m_parent->ClientRect();
        m_parent->AdjustClientRect(r);
        m_anchorParentSize = { r.Width(), r.Height() };
    } else {
        m_anchorParentSize = {};
    }
}

gfx::TRect TControl::ClientRect() const
{
    return gfx::Rect(0, 0, Width(), Height());
}

void TControl::SetClientSize(int AWidth, int AHeight)
{
    const gfx::TRect client = ClientRect();
    SetBounds(Left(), Top(), Width() + AWidth - client.Width(), Height() + AHeight - client.Height());
}

void TControl::SetAlign(TAlign Value)
{
    if (Value == m_align)
        return;
    m_align = Value;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors Value)
{
    m_anchors = Value;
    RememberAnchors();
}

void TControl::RequestAlign()
{
    if (m_parent)
        m_parent->AlignControls(this);
}

void TControl::PaintOnParent(gfx::TCanvas&)
{
}

void TControl::SetVisible(bool Value)
{
    if (Value == m_visible)
        return;
    m_visible = Value;
    VisibleChanged();
    if (m_parent) {
        if (wnd::HWND h = m_parent->Handle())
            wnd::InvalidateRect(h, &m_bounds, true);
        m_parent->AlignControls();
    }
}

bool TControl::Showing() const
{
    return m_visible && m_parent && m_parent->Showing();
}

void TControl::SetEnabled(bool Value)
{
    if (Value == m_enabled)
        return;
    m_enabled = Value;
    EnabledChanged();
}

void TControl::SetText(const std::string& Value)
{
    if (Value == m_text)
        return;
    m_text = Value;
    TextChanged();
}

void TControl::SetFont(const gfx::TFont& Value)
{
    m_parentFont = false;
    if (Value == m_font)
        return;
    m_font = Value;
    FontChanged();
}

void TControl::SetParentFont(bool Value)
{
    m_parentFont = Value;
    if (Value && m_parent)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!m_parentFont || !m_parent || m_parent->Font() == m_font)
        return;
    m_font = m_parent->Font();
    FontChanged();
}

void TControl::SetColor(gfx::TColor Value)
{
    m_parentColor = false;
    if (Value == m_color)
        return;
    m_color = Value;
    ColorChanged();
}

void TControl::SetParentColor(bool Value)
{
    m_parentColor = Value;
    if (Value && m_parent)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!m_parentColor || !m_parent || m_parent->Color() == m_color)
        return;
    m_color = m_parent->Color();
    ColorChanged();
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::TextChanged()
{
    Invalidate();
}

void TControl::EnabledChanged()
{
    Invalidate();
}

void TControl::VisibleChanged()
{
}

TForm* TControl::GetParentForm() const
{
    const TControl* c = this;
    while (c->m_parent)
        c = c->m_parent;
    return const_cast<TForm*>(dynamic_cast<const TForm*>(c));
}

gfx::TPoint TControl::ClientToScreen(gfx::TPoint Point) const
{
    wnd::HWND h = WindowHandleForPaint();
    if (!h)
        return Point;
    const gfx::TPoint offset = WindowOffset();
    wnd::POINT p { Point.X - offset.X, Point.Y - offset.Y };
    wnd::ClientToScreen(h, p);
    return p;
}

gfx::TPoint TControl::ScreenToClient(gfx::TPoint Point) const
{
    wnd::HWND h = WindowHandleForPaint();
    if (!h)
        return Point;
    wnd::ScreenToClient(h, Point);
    const gfx::TPoint offset = WindowOffset();
    return { Point.X + offset.X, Point.Y + offset.Y };
}

gfx::TPoint TControl::WindowOffset() const
{
    return { -Left(), -Top() };
}

wnd::HWND TControl::WindowHandleForPaint() const
{
    return m_parent ? m_parent->Handle() : nullptr;
}

void TControl::Invalidate()
{
    if (m_parent && m_visible)
        if (wnd::HWND h = m_parent->Handle())
            wnd::InvalidateRect(h, &m_bounds, !m_opaque);
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (wnd::HWND h = WindowHandleForPaint())
        wnd::UpdateWindow(h);
}

wnd::LRESULT TControl::Perform(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    return WndProc(Msg, WParam, LParam);
}

void TControl::BringToFront()
{
    SetZOrder(true);
}

void TControl::SendToBack()
{
    SetZOrder(false);
}

void TControl::SetZOrder(bool TopMost)
{
    if (!m_parent)
        return;
    auto& list = m_parent->m_controls;
    list.erase(std::find(list.begin(), list.end(), this));
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

void TControl::Click()
{
    RunClickHandler();
}

void TControl::RunClickHandler()
{
    if (OnClick)
        OnClick(this);
    else if (m_action)
        m_action->Execute();
}

void TControl::SetAction(TAction* Value)
{
    if (m_action == Value)
        return;
    if (m_action) {
        m_action->UnRegisterClient(this);
        RemoveFreeNotification(m_action);
    }
    m_action = Value;
    if (!m_action)
        return;
    m_action->RegisterClient(this);
    FreeNotification(m_action);
    ActionChange(*m_action);
}

void TControl::ActionChange(const TAction& Action)
{
    SetCaption(Action.Caption());
    SetHint(Action.Hint());
    SetEnabled(Action.Enabled());
    SetVisible(Action.Visible());
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_action)
        m_action = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseEnter()
{
    m_mouseInControl = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    m_mouseInControl = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::HandleMouseButton(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    const int x = wnd::GET_X_LPARAM(LParam);
    const int y = wnd::GET_Y_LPARAM(LParam);
    TShiftState shift = MouseShiftState(WParam);
    TMouseButton button = TMouseButton::mbLeft;
    if (Msg == wnd::WM_RBUTTONDOWN || Msg == wnd::WM_RBUTTONUP || Msg == wnd::WM_RBUTTONDBLCLK)
        button = TMouseButton::mbRight;
    else if (Msg == wnd::WM_MBUTTONDOWN || Msg == wnd::WM_MBUTTONUP || Msg == wnd::WM_MBUTTONDBLCLK)
        button = TMouseButton::mbMiddle;

    switch (Msg) {
    case wnd::WM_LBUTTONDBLCLK:
    case wnd::WM_RBUTTONDBLCLK:
    case wnd::WM_MBUTTONDBLCLK:
        shift.Include(TShiftKind::ssDouble);
        if (Msg == wnd::WM_LBUTTONDBLCLK)
            DblClick();
        [[fallthrough]];
    case wnd::WM_LBUTTONDOWN:
    case wnd::WM_RBUTTONDOWN:
    case wnd::WM_MBUTTONDOWN:
        if (button == TMouseButton::mbLeft) {
            if (m_captureMouse)
                SetCaptureControl(this);
            if (m_clickEvents)
                m_clicked = true;
        }
        MouseDown(button, shift, x, y);
        break;
    default: {
        const bool wasClicked = m_clicked && button == TMouseButton::mbLeft;
        if (button == TMouseButton::mbLeft) {
            m_clicked = false;
            if (g_captureControl == this)
                SetCaptureControl(nullptr);
        }
        MouseUp(button, shift, x, y);
        if (wasClicked && ClientRect().Contains({ x, y }))
            Click();
        break;
    }
    }
}

wnd::LRESULT TControl::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    switch (Msg) {
    case wnd::WM_LBUTTONDOWN:
    case wnd::WM_LBUTTONUP:
    case wnd::WM_LBUTTONDBLCLK:
    case wnd::WM_RBUTTONDOWN:
    case wnd::WM_RBUTTONUP:
    case wnd::WM_RBUTTONDBLCLK:
    case wnd::WM_MBUTTONDOWN:
    case wnd::WM_MBUTTONUP:
    case wnd::WM_MBUTTONDBLCLK:
        HandleMouseButton(Msg, WParam, LParam);
        return 0;
    case wnd::WM_MOUSEMOVE:
        MouseMove(MouseShiftState(WParam), wnd::GET_X_LPARAM(LParam), wnd::GET_Y_LPARAM(LParam));
        return 0;
    case CM_MOUSEENTER:
        MouseEnter();
        return 0;
    case CM_MOUSELEAVE:
        MouseLeave();
        return 0;
    case wnd::WM_CAPTURECHANGED:
        m_clicked = false;
        return 0;
    default:
        return 0;
    }
}

} // namespace ctl
