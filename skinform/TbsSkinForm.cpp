// The skinned form component: taking over the form's window procedure, the
// frame messages, and the walk over the skin change.

#include "skinform/TbsSkinForm.h"

#include "platform/controls/TApplication.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TMenuItem.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"
#include "platform/window/Timers.h"
#include "platform/window/Window.h"
#include "skin/SkinMonitor.h"
#include "skin/SkinnedControlWalk.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/TbsSkinHint.h"
#include "skinform/FrameTimers.h"
#include "skinform/WindowPlacement.h"

#include <stdexcept>

namespace skinform {

namespace {

    // Messages after which an open skinned menu has to go.
    bool ClosesMenus(wnd::UINT msg)
    {
        switch (msg) {
        case wnd::WM_MOVE:
        case wnd::WM_SIZE:
        case wnd::WM_ACTIVATE:
        case wnd::WM_KILLFOCUS:
        case wnd::WM_CANCELMODE:
        case wnd::WM_MOUSEACTIVATE:
        case wnd::WM_NCLBUTTONDOWN:
        case wnd::WM_NCRBUTTONDOWN:
        case wnd::WM_NCMBUTTONDOWN:
        case wnd::WM_LBUTTONDOWN:
        case wnd::WM_RBUTTONDOWN:
        case wnd::WM_MBUTTONDOWN:
        case wnd::WM_PARENTNOTIFY:
            return true;
        default:
            return false;
        }
    }

    gfx::TFont CaptionFont(gfx::TColor color)
    {
        gfx::TFont font;
        font.Name = "宋体";
        font.Height = 12;
        font.Style = { gfx::TFontStyle::fsBold };
        font.Color = color;
        return font;
    }

} // namespace

std::intptr_t TbsSkinForm::FormMessageTarget::Perform(unsigned message, std::intptr_t wparam, std::intptr_t lparam)
{
    const wnd::HWND hwnd = m_owner.Handle();
    if (!hwnd)
        return 0;
    return wnd::SendMessage(hwnd, message, static_cast<wnd::WPARAM>(wparam), lparam);
}

TbsSkinForm::TbsSkinForm(ctl::TComponent* AOwner) : TComponent(AOwner)
{
    m_form = dynamic_cast<ctl::TForm*>(AOwner);
    if (!m_form || !m_form->Handle())
        throw std::invalid_argument("TbsSkinForm needs a form with a window as its owner");
    DefCaptionFont = CaptionFont(gfx::clBtnText);
    DefInActiveCaptionFont = CaptionFont(gfx::clBtnShadow);
    DefMenuItemFont.Name = "宋体";
    DefMenuItemFont.Height = 12;

    // The form's own border icons go; the frame draws its buttons itself.
    m_form->SetBorderIcons({});
    const wnd::HWND hwnd = m_form->Handle();
    m_oldProc = wnd::SetWindowProc(hwnd,
        [this](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) { return WindowProc(h, msg, wp, lp); });
    const wnd::DWORD style = wnd::GetWindowStyle(hwnd);
    wnd::SetWindowLongPtr(hwnd, wnd::GWL_STYLE, static_cast<std::intptr_t>(style & ~wnd::WS_CAPTION));
    m_screenEntry = std::make_unique<skin::ScopedSkinForm>(m_messageTarget);
    m_skinMenu = std::make_unique<TbsSkinMenu>(hwnd);
    m_systemMenu = std::make_unique<ctl::TMenuItem>();
    m_active = m_form->Active();
    CreateBuiltInButtons();
    wnd::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
        wnd::SWP_FRAMECHANGED | wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOZORDER | wnd::SWP_NOACTIVATE);
}

TbsSkinForm::~TbsSkinForm()
{
    m_screenEntry.reset();
    if (m_menuHook)
        ctl::Application->RemoveMessageHook(m_menuHook);
    m_menuOpen = false;
    m_skinMenu.reset();
    const wnd::HWND hwnd = Handle();
    if (!hwnd)
        return;
    StopTimers();
    wnd::KillTimer(hwnd, kAlphaTimerId);
    if (wnd::GetCapture() == hwnd)
        wnd::ReleaseCapture();
    wnd::SetWindowProc(hwnd, m_oldProc);
    if (m_region)
        wnd::SetWindowRgn(hwnd, std::nullopt, false);
}

wnd::HWND TbsSkinForm::Handle() const
{
    return m_form && m_form->HandleAllocated() ? m_form->Handle() : nullptr;
}

skin::TbsSkinData* TbsSkinForm::MenusSkinData() const
{
    return m_menusSkinData ? m_menusSkinData : m_skinData;
}

void TbsSkinForm::SetSkinData(skin::TbsSkinData* Value)
{
    Refer(m_skinData, Value);
    ApplyFrameSkin();
}

void TbsSkinForm::SetMenusSkinData(skin::TbsSkinData* Value)
{
    Refer(m_menusSkinData, Value);
}

// Points one of the two skin references at Value and asks to hear when it
// goes away; the old one is let go unless the other reference still holds it.
void TbsSkinForm::Refer(skin::TbsSkinData*& Field, skin::TbsSkinData* Value)
{
    const skin::TbsSkinData* other = &Field == &m_skinData ? m_menusSkinData : m_skinData;
    if (Field && Field != other && Field != Value)
        RemoveFreeNotification(Field);
    Field = Value;
    if (Value)
        FreeNotification(Value);
}

void TbsSkinForm::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove) {
        if (AComponent == m_skinHint)
            m_skinHint = nullptr;
        if (skin::IsSkinData(AComponent, m_menusSkinData))
            m_menusSkinData = nullptr;
        if (skin::IsSkinData(AComponent, m_skinData)) {
            m_skinData = nullptr;
            ApplyFrameSkin();
        }
    }
    ctl::TComponent::Notification(AComponent, Operation);
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons Value)
{
    m_borderIcons = Value;
    ApplyBorderIcons();
    if (Handle())
        wnd::RedrawWindow(Handle(), nullptr, nullptr, wnd::RDW_FRAME | wnd::RDW_INVALIDATE);
}

void TbsSkinForm::SetHideCaptionButtons(bool Value)
{
    m_hideCaptionButtons = Value;
    SetBorderIcons(m_borderIcons);
}

bool TbsSkinForm::IsActive() const
{
    return m_active;
}

bool TbsSkinForm::IsMainForm() const
{
    return ctl::Application->MainForm() == m_form;
}

bool TbsSkinForm::HasBorder() const
{
    return m_form->BorderStyle() != ctl::TFormBorderStyle::bsNone;
}

bool TbsSkinForm::Sizeable() const
{
    return m_form->BorderStyle() == ctl::TFormBorderStyle::bsSizeable;
}

int TbsSkinForm::DefaultCaptionHeight() const
{
    return m_form->BorderStyle() == ctl::TFormBorderStyle::bsToolWindow ? kDefaultToolCaptionHeight
                                                                          : kDefaultCaptionHeight;
}

gfx::TRect TbsSkinForm::WindowRect() const
{
    return Handle() ? wnd::GetWindowRect(Handle()) : gfx::TRect {};
}

gfx::TSize TbsSkinForm::WindowSize() const
{
    const gfx::TRect r = WindowRect();
    return { r.Width(), r.Height() };
}

std::string TbsSkinForm::CaptionText() const
{
    return Handle() ? wnd::GetWindowText(Handle()) : std::string();
}

TbsActiveSkinObject* TbsSkinForm::FindFrameObject(std::string_view name) const
{
    for (const auto& object : m_frameObjects)
        if (object->IDName == name)
            return object.get();
    return nullptr;
}

gfx::TSize TbsSkinForm::MinimumSize() const
{
    const bool minimized = m_formState == TbsFormState::fsMinimized;
    if (m_skinMode) {
        const gfx::TBitmap& p = m_skinData->Picture();
        const int width = (p.Width() < MinWidth && !minimized) ? MinWidth : p.Width();
        const int h = p.Height() - m_skinData->FormInfo().ClientRect.Height();
        const int height = (h >= MinHeight || m_rolledUp || minimized) ? h : MinHeight;
        return { width, height };
    }
    const int width = MinWidth > 0 ? MinWidth : 120;
    const int h = DefaultCaptionHeight() + 2 * kDefaultBorder;
    const int height = (h >= MinHeight || m_rolledUp || minimized) ? h : MinHeight;
    return { width, height };
}

wnd::LRESULT TbsSkinForm::CallDefault(wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam)
{
    return wnd::CallWindowProc(m_oldProc, Handle(), msg, wParam, lParam);
}

wnd::LRESULT TbsSkinForm::WindowProc(wnd::HWND hwnd, wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam)
{
    if (hwnd != Handle())
        return wnd::CallWindowProc(m_oldProc, hwnd, msg, wParam, lParam);
    if (ClosesMenus(msg) && m_menuOpen)
        CloseSkinMenus();
    wnd::LRESULT result = 0;
    if (HandleFrameMessage(msg, wParam, lParam, result))
        return result;
    if (HandleMouseMessage(msg, wParam, lParam, result))
        return result;
    return CallDefault(msg, wParam, lParam);
}

bool TbsSkinForm::HandleFrameMessage(wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam, wnd::LRESULT& result)
{
    switch (msg) {
    case wnd::WM_NCCALCSIZE: {
        if (!HasBorder())
            return false;
        auto* params = wnd::FromLParam<wnd::NCCALCSIZE_PARAMS>(lParam);
        const gfx::TRect window = params->rgrc[0];
        if (m_skinMode) {
            m_geometry = ComputeFrameGeometry(m_skinData->FormInfo(),
                { m_skinData->Picture().Width(), m_skinData->Picture().Height() }, window.Width(), window.Height());
            params->rgrc[0] = SkinnedClientRect(m_skinData->FormInfo(),
                { m_skinData->Picture().Width(), m_skinData->Picture().Height() }, window);
        } else {
            params->rgrc[0] = DefaultClientRect(window, DefaultCaptionHeight());
        }
        result = 0;
        return true;
    }
    case wnd::WM_NCPAINT:
        if (!HasBorder())
            return false;
        PaintFrame();
        result = 0;
        return true;
    case wnd::WM_NCACTIVATE:
        CallDefault(msg, wParam, lParam);
        m_active = wParam != 0;
        ResetHover();
        PaintFrame();
        result = 1;
        return true;
    case wnd::WM_ACTIVATE:
        result = CallDefault(msg, wParam, lParam);
        m_active = wnd::LOWORD(wParam) != wnd::WA_INACTIVE;
        ResetHover();
        PaintFrame();
        if (m_active ? static_cast<bool>(OnActivate) : static_cast<bool>(OnDeActivate))
            (m_active ? OnActivate : OnDeActivate)(this);
        return true;
    case wnd::WM_NCHITTEST: {
        const gfx::TRect wr = WindowRect();
        const gfx::TPoint p = wnd::PointFromLParam(lParam);
        const gfx::TPoint local { p.X - wr.Left, p.Y - wr.Top };
        result = FrameHitTest(local);
        if (result == wnd::HTOBJECT) {
            TrackHover(local.X, local.Y);
            if (!m_hoverTimer && m_active) {
                wnd::SetTimer(Handle(), kHoverTimerId, kHoverInterval);
                m_hoverTimer = true;
            }
        }
        return true;
    }
    case wnd::WM_ERASEBKGND:
        if (auto* canvas = reinterpret_cast<gfx::TCanvas*>(wParam))
            PaintClientBackground(*canvas);
        result = 1;
        return true;
    case wnd::WM_SIZE:
        result = CallDefault(msg, wParam, lParam);
        // The desktop gave the minimized application's window back.
        if (wParam == wnd::SIZE_RESTORED && IsMainForm() && ctl::Application->Minimized())
            ctl::Application->Restore();
        OnSizeChanged();
        return true;
    case wnd::WM_MOVING:
        if (Magnetic) {
            auto* proposed = wnd::FromLParam<gfx::TRect>(lParam);
            *proposed = MagneticMove(*proposed, skin::GetMonitorArea(Handle(), true), SnapTargets(Handle()), MagneticSize);
        }
        result = 1;
        return true;
    case wnd::WM_SIZING:
        result = CallDefault(msg, wParam, lParam);
        if (Magnetic) {
            auto* proposed = wnd::FromLParam<gfx::TRect>(lParam);
            *proposed = MagneticSizing(*proposed, wParam, SnapTargets(Handle()), MagneticSize, MinimumSize());
        }
        return true;
    case wnd::WM_GETMINMAXINFO: {
        result = CallDefault(msg, wParam, lParam);
        auto* info = wnd::FromLParam<wnd::MINMAXINFO>(lParam);
        const gfx::TSize min = MinimumSize();
        info->ptMinTrackSize = { min.cx, min.cy };
        const gfx::TRect area = skin::GetMonitorArea(Handle(), !MaximizeOnFullScreen);
        info->ptMaxTrackSize = { area.Width(), area.Height() };
        return true;
    }
    case wnd::WM_ENTERSIZEMOVE:
    case wnd::WM_EXITSIZEMOVE:
        result = CallDefault(msg, wParam, lParam);
        m_inSizeMove = msg == wnd::WM_ENTERSIZEMOVE;
        ResetHover();
        if (!m_inSizeMove)
            PaintFrame();
        return true;
    case wnd::WM_SETTEXT:
        result = CallDefault(msg, wParam, lParam);
        PaintFrame();
        return true;
    case wnd::WM_SHOWWINDOW:
        result = CallDefault(msg, wParam, lParam);
        if (wParam)
            StartAlphaFade();
        return true;
    case wnd::WM_TIMER:
        if (wParam != kAlphaTimerId && wParam != kHoverTimerId && wParam != kMorphTimerId)
            return false;
        HandleTimer(wParam);
        result = 0;
        return true;
    case wnd::WM_SYSCOMMAND:
        return HandleSysCommand(wParam, lParam, result);
    default:
        if (msg == skin::SKINMSG_BEFORELOAD || msg == skin::SKINMSG_LOADED || msg == skin::SKINMSG_AFTERLOAD
            || msg == skin::SKINMSG_STRINGS) {
            HandleSkinMessage(msg, wParam);
            result = 0;
            return true;
        }
        if (msg == skin::SKINMSG_MENUCLOSED) {
            MenuClosed();
            result = 0;
            return true;
        }
        return false;
    }
}

bool TbsSkinForm::HandleSysCommand(wnd::WPARAM wParam, wnd::LPARAM lParam, wnd::LRESULT& result)
{
    result = 0;
    switch (wParam & 0xFFF0) {
    case wnd::SC_KEYMENU:
        if (m_menuOpen)
            CloseSkinMenus();
        // Alt+Space: the system menu under the frame's top-left corner.
        if (lParam == ' ')
            ShowSystemMenuFromKeyboard();
        return true;
    case wnd::SC_MINIMIZE:
        ExecuteSystemCommand(TbsSystemCommand::scMinimize);
        return true;
    case wnd::SC_MAXIMIZE:
        ExecuteSystemCommand(TbsSystemCommand::scMaximize);
        return true;
    case wnd::SC_RESTORE:
        // From the task bar: the application (or this form's window) comes back.
        if (wnd::IsIconic(Handle())) {
            if (IsMainForm() && ctl::Application->Minimized())
                ctl::Application->Restore();
            else
                result = CallDefault(wnd::WM_SYSCOMMAND, wParam, lParam);
            return true;
        }
        ExecuteSystemCommand(TbsSystemCommand::scRestore);
        return true;
    default:
        return false;
    }
}

void TbsSkinForm::HandleTimer(wnd::WPARAM id)
{
    if (id == kAlphaTimerId)
        AlphaTick();
    else if (id == kHoverTimerId)
        HoverTick();
    else if (id == kMorphTimerId)
        MorphTick();
}

void TbsSkinForm::HandleSkinMessage(wnd::UINT msg, wnd::WPARAM wParam)
{
    auto* sender = reinterpret_cast<skin::TbsSkinData*>(wParam);
    if (sender && sender == m_skinData) {
        if (msg == skin::SKINMSG_BEFORELOAD) {
            StopTimers();
            ClearFrameObjects();
        } else if (msg == skin::SKINMSG_LOADED) {
            ApplyFrameSkin();
        }
    }
    // The skinned controls of the form let go of their records before a load
    // and take the new ones after it.
    if (m_form)
        skin::ForwardSkinChange(*m_form, msg, sender);
}

void TbsSkinForm::ApplyFrameSkin()
{
    if (!Handle())
        return;
    StopTimers();
    m_hotIndex = m_previousHotIndex = m_pressedIndex = -1;
    m_skinMode = m_skinData && !m_skinData->IsEmpty() && !m_skinData->Picture().Empty();
    ClearFrameObjects();
    if (m_skinMode) {
        CreateFrameObjects();
    } else {
        CreateBuiltInButtons();
        if (m_region) {
            m_region.reset();
            wnd::SetWindowRgn(Handle(), std::nullopt, true);
        }
    }
    ApplyBorderIcons();

    // The frame answers the client size anew.
    wnd::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
        wnd::SWP_FRAMECHANGED | wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOZORDER | wnd::SWP_NOACTIVATE);
    const gfx::TSize min = MinimumSize();
    gfx::TRect r = WindowRect();
    const bool minimized = m_formState == TbsFormState::fsMinimized;
    int width = r.Width() < min.cx || minimized ? min.cx : r.Width();
    int height = r.Height() < min.cy || m_rolledUp || minimized ? min.cy : r.Height();
    if (width != r.Width() || height != r.Height())
        SetBoundsRect(gfx::Bounds(r.Left, r.Top, width, height));
    m_frameWidth = width;
    m_frameHeight = height;
    UpdateFrameGeometry();
    LayoutFrameObjects();
    UpdateFrameRegion(true);
    wnd::RedrawWindow(Handle(), nullptr, nullptr, wnd::RDW_FRAME | wnd::RDW_INVALIDATE | wnd::RDW_ERASE);
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    if (ClientWidth > 0 && ClientHeight > 0)
        m_form->SetClientSize(ClientWidth, ClientHeight);
}

void TbsSkinForm::StopTimers()
{
    if (!Handle())
        return;
    wnd::KillTimer(Handle(), kHoverTimerId);
    wnd::KillTimer(Handle(), kMorphTimerId);
    m_hoverTimer = m_morphTimer = false;
}

void TbsSkinForm::OnSizeChanged()
{
    const gfx::TSize size = WindowSize();
    const bool changed = size.cx != m_frameWidth || size.cy != m_frameHeight;
    m_frameWidth = size.cx;
    m_frameHeight = size.cy;
    const gfx::TSize min = MinimumSize();
    if (size.cx < min.cx || size.cy < min.cy)
        return;
    UpdateFrameGeometry();
    LayoutFrameObjects();
    if (m_skinMode)
        UpdateFrameRegion(changed);
    PaintFrame();
}

} // namespace skinform
