#include "platform/controls/TForm.h"

#include "platform/controls/TApplication.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/SystemInfo.h"

namespace ctl {
namespace {

// Posted to a form that asked to be freed (Release).
constexpr wnd::UINT CM_RELEASE = CM_BASE + 33;

} // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner)
{
    TControl::SetVisible(false);
    TControl::SetBounds(0, 0, 320, 240);
    CreateTopLevelHandle();
}

TForm::~TForm()
{
    // Free the components while the form is still whole, so their
    // notifications reach a complete form.
    DestroyComponents();
}

void TForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style = wnd::WS_CLIPCHILDREN;
    Params.ExStyle = 0;
    const bool sysMenu = m_borderIcons.Contains(TBorderIcon::biSystemMenu);
    switch (m_borderStyle) {
    case TFormBorderStyle::bsNone:
        Params.Style |= wnd::WS_POPUP;
        break;
    case TFormBorderStyle::bsDialog:
        Params.Style |= wnd::WS_CAPTION;
        Params.ExStyle |= wnd::WS_EX_DLGMODALFRAME;
        if (sysMenu)
            Params.Style |= wnd::WS_SYSMENU;
        break;
    case TFormBorderStyle::bsToolWindow:
        Params.Style |= wnd::WS_CAPTION;
        Params.ExStyle |= wnd::WS_EX_TOOLWINDOW;
        if (sysMenu)
            Params.Style |= wnd::WS_SYSMENU;
        break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsSizeable:
        Params.Style |= wnd::WS_CAPTION;
        if (m_borderStyle == TFormBorderStyle::bsSizeable)
            Params.Style |= wnd::WS_THICKFRAME;
        if (sysMenu) {
            Params.Style |= wnd::WS_SYSMENU;
            if (m_borderIcons.Contains(TBorderIcon::biMinimize))
                Params.Style |= wnd::WS_MINIMIZEBOX;
            if (m_borderIcons.Contains(TBorderIcon::biMaximize))
                Params.Style |= wnd::WS_MAXIMIZEBOX;
        }
        break;
    }
    if (!Enabled())
        Params.Style |= wnd::WS_DISABLED;
    Params.WndParent = nullptr;
}

void TForm::ApplyStyle()
{
    if (!Handle())
        return;
    // The client area keeps its size; the frame grows or shrinks around it.
    const gfx::TRect client = ClientRect();
    TCreateParams params;
    CreateParams(params);
    const wnd::DWORD visible = wnd::GetWindowStyle(Handle()) & wnd::WS_VISIBLE;
    wnd::SetWindowLongPtr(Handle(), wnd::GWL_STYLE, static_cast<std::intptr_t>(params.Style | visible));
    wnd::SetWindowLongPtr(Handle(), wnd::GWL_EXSTYLE, static_cast<std::intptr_t>(params.ExStyle));
    wnd::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
        wnd::SWP_FRAMECHANGED | wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOZORDER | wnd::SWP_NOACTIVATE);
    SetClientSize(client.Width(), client.Height());
}

void TForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (Value == m_borderStyle)
        return;
    m_borderStyle = Value;
    ApplyStyle();
}

void TForm::SetBorderIcons(TBorderIcons Value)
{
    if (Value == m_borderIcons)
        return;
    m_borderIcons = Value;
    ApplyStyle();
}

void TForm::CenterOnScreen()
{
    const int screenWidth = wnd::GetSystemMetrics(wnd::SM_CXSCREEN);
    const int screenHeight = wnd::GetSystemMetrics(wnd::SM_CYSCREEN);
    SetBounds((screenWidth - Width()) / 2, (screenHeight - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool Value)
{
    if (Value == Visible())
        return;
    if (Value) {
        if (m_position == TPosition::poScreenCenter)
            CenterOnScreen();
        DoShow();
        TControl::SetVisible(true);
        wnd::ShowWindow(Handle(), wnd::SW_SHOW);
        wnd::SetActiveWindow(Handle());
    } else {
        TControl::SetVisible(false);
        wnd::ShowWindow(Handle(), wnd::SW_HIDE);
        DoHide();
    }
}

void TForm::Show()
{
    SetVisible(true);
    wnd::BringWindowToTop(Handle());
    wnd::SetActiveWindow(Handle());
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

bool TForm::Active() const
{
    return Handle() && wnd::GetActiveWindow() == Handle();
}

TModalResult TForm::ShowModal()
{
    if (Visible() || m_modal)
        throw EComponentError("Cannot make a visible window modal");
    const wnd::HWND previouslyActive = wnd::GetActiveWindow();
    std::vector<wnd::HWND> disabled;
    for (wnd::HWND h : wnd::GetTopLevelWindows())
        if (h != Handle() && wnd::IsWindowVisible(h) && wnd::IsWindowEnabled(h)) {
            wnd::EnableWindow(h, false);
            disabled.push_back(h);
        }
    // The other windows come back, and the one that was active before gets
    // the activation (and so the keyboard) again.
    auto restore = [&] {
        for (wnd::HWND h : disabled)
            if (wnd::IsWindow(h))
                wnd::EnableWindow(h, true);
        m_modal = false;
        Hide();
        if (previouslyActive && wnd::IsWindow(previouslyActive) && wnd::IsWindowVisible(previouslyActive))
            wnd::SetActiveWindow(previouslyActive);
    };
    m_modal = true;
    m_modalResult = mrNone;
    try {
        Show();
        while (m_modalResult == mrNone) {
            Application->HandleMessage();
            if (Application->Terminated() && m_modalResult == mrNone)
                m_modalResult = mrCancel;
            if (m_modalResult != mrNone)
                CloseModal();
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return m_modalResult;
}

void TForm::CloseModal()
{
    TCloseAction action = TCloseAction::caHide;
    if (!Application->Terminated()) {
        if (!CloseQuery())
            action = TCloseAction::caNone;
        else if (OnClose)
            OnClose(this, action);
    }
    if (action == TCloseAction::caNone)
        m_modalResult = mrNone;
}

void TForm::Close()
{
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        wnd::ShowWindow(Handle(), wnd::SW_MINIMIZE);
        break;
    default:
        Release();
        break;
    }
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Release()
{
    wnd::PostMessage(Handle(), CM_RELEASE);
}

void TForm::SetActiveControl(TWinControl* Control)
{
    m_activeControl = Control;
    if (Control && Active() && Control->CanFocus())
        Control->SetFocus();
}

namespace {

// Sends a message to every control inside Parent, depth first, until one
// answers non-zero; returns that answer.
wnd::LRESULT PerformOnAll(const TWinControl& Parent, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        TControl* c = Parent.Controls(i);
        if (const wnd::LRESULT answer = c->Perform(Msg, WParam, LParam))
            return answer;
        if (auto* container = dynamic_cast<TWinControl*>(c))
            if (const wnd::LRESULT answer = PerformOnAll(*container, Msg, WParam, LParam))
                return answer;
    }
    return 0;
}

} // namespace

void TForm::ControlFocused(TWinControl* Control)
{
    const bool changed = m_activeControl != Control;
    m_activeControl = Control;
    if (changed)
        PerformOnAll(*this, CM_FOCUSCHANGED, 0, reinterpret_cast<wnd::LPARAM>(Control));
}

bool TForm::DialogChar(char32_t Character)
{
    return PerformOnAll(*this, CM_DIALOGCHAR, static_cast<wnd::WPARAM>(Character), 0) != 0;
}

void TForm::ControlRemoved(TControl* Control)
{
    if (m_activeControl && (m_activeControl == Control
            || (dynamic_cast<TWinControl*>(Control) && static_cast<TWinControl*>(Control)->ContainsControl(m_activeControl))))
        m_activeControl = nullptr;
}

void TForm::FocusFirstControl()
{
    if (m_activeControl && m_activeControl->CanFocus()) {
        m_activeControl->SetFocus();
        return;
    }
    if (TWinControl* first = FindNextControl(nullptr, true, true, false))
        first->SetFocus();
}

bool TForm::DialogKey(int Key)
{
    switch (Key) {
    case wnd::VK_TAB:
        SelectNext(m_activeControl, wnd::GetKeyState(wnd::VK_SHIFT) >= 0, true);
        return true;
    case wnd::VK_LEFT:
    case wnd::VK_UP:
    case wnd::VK_RIGHT:
    case wnd::VK_DOWN:
        if (!m_activeControl)
            return false;
        SelectNext(m_activeControl, Key == wnd::VK_RIGHT || Key == wnd::VK_DOWN, false);
        return true;
    case wnd::VK_RETURN:
    case wnd::VK_ESCAPE: {
        // The buttons decide: the focused or default one takes Enter, the cancel one Esc.
        std::vector<TWinControl*> list;
        GetTabOrderList(list);
        for (TWinControl* c : list)
            if (c->Perform(CM_DIALOGKEY, static_cast<wnd::WPARAM>(Key)) != 0)
                return true;
        return false;
    }
    default:
        return false;
    }
}

gfx::TCanvas& TForm::Canvas()
{
    if (!m_canvas)
        throw EComponentError("Canvas used outside painting (" + Name() + ")");
    return *m_canvas;
}

void TForm::PaintWindow(gfx::TCanvas& Canvas)
{
    m_canvas = &Canvas;
    try {
        if (OnPaint)
            OnPaint(this);
    } catch (...) {
        m_canvas = nullptr;
        throw;
    }
    m_canvas = nullptr;
}

wnd::LRESULT TForm::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    switch (Msg) {
    case wnd::WM_CLOSE:
        Close();
        return 0;
    case wnd::WM_SETFOCUS:
        FocusFirstControl();
        return 0;
    case CM_DIALOGKEY:
        return DialogKey(static_cast<int>(WParam)) ? 1 : 0;
    case CM_RELEASE:
        // Met by a loop that a handler runs (ProcessMessages, a modal
        // dialog), the release waits until that handler has returned: it may
        // be one of this form's own, still using the form.
        if (wnd::DispatchDepth() > 1) {
            Hide();
            wnd::PostWhenHandlersReturn(Handle(), CM_RELEASE);
            return 0;
        }
        delete this;
        return 0;
    default:
        return TWinControl::WndProc(Msg, WParam, LParam);
    }
}

} // namespace ctl
