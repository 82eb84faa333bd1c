// The mouse on the skinned frame: hit testing, the hot and pressed frame
// objects, their fades, caption clicks, the commands and the system menu.

#include "skinform/TbsSkinForm.h"

#include "platform/controls/TApplication.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TMenuItem.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "skinctrls/TbsSkinHint.h"
#include "platform/window/Timers.h"
#include "platform/window/Window.h"
#include "skin/TbsSkinData.h"
#include "skinform/FrameHitTest.h"
#include "skinform/FrameTimers.h"

namespace skinform {

bool TbsSkinForm::ObjectInCaption(gfx::TPoint p) const
{
    for (const auto& object : m_frameObjects)
        if (dynamic_cast<const TbsSkinCaptionObject*>(object.get()) && object->Visible && object->ObjectRect.Contains(p))
            return true;
    return false;
}

wnd::LRESULT TbsSkinForm::FrameHitTest(gfx::TPoint p) const
{
    TbsFrameHitState state;
    state.WindowSize = WindowSize();
    state.RolledUpOrMinimized = m_rolledUp || m_formState == TbsFormState::fsMinimized;
    state.Resizable = m_formState != TbsFormState::fsMaximized && Sizeable();
    state.ObjectHot = m_hotIndex != -1 && !m_inSizeMove;
    state.InCaptionObject = [this](gfx::TPoint q) { return ObjectInCaption(q); };
    if (m_skinMode) {
        state.BorderWidth = m_skinData->FormInfo().BorderWidth;
        return skinform::FrameHitTest(m_geometry, p, state);
    }
    // The default frame: its 3-pixel border resizes, the caption bar moves,
    // its buttons are frame objects.
    TbsFrameGeometry g;
    const gfx::TSize s = state.WindowSize;
    const int corner = kDefaultBorder + DefaultCaptionHeight();
    g.Frame.ClientRect = wnd::GetClientRectInWindow(Handle());
    g.HitTestLT = { corner, corner };
    g.HitTestRT = { s.cx - corner, corner };
    g.HitTestLB = { corner, s.cy - corner };
    g.HitTestRB = { s.cx - corner, s.cy - corner };
    state.BorderWidth = kDefaultBorder;
    const gfx::TRect bar = gfx::Bounds(kDefaultBorder, kDefaultBorder, s.cx - 2 * kDefaultBorder, DefaultCaptionHeight());
    state.InCaptionObject = [this, bar](gfx::TPoint q) {
        if (!bar.Contains(q))
            return false;
        for (const auto& object : m_frameObjects)
            if (object->Visible && object->ObjectRect.Contains(q))
                return false;
        return true;
    };
    return skinform::FrameHitTest(g, p, state);
}

void TbsSkinForm::TrackHover(int X, int Y, bool Track)
{
    int candidate = -1;
    if (Track) {
        for (std::size_t i = 0; i < m_frameObjects.size(); ++i) {
            const auto& o = m_frameObjects[i];
            if (o->Enabled && o->Visible && o->ObjectRect.Contains({ X, Y })) {
                candidate = static_cast<int>(i);
                break;
            }
        }
    }
    if (m_pressedIndex != -1 && candidate != m_pressedIndex)
        candidate = -1;
    if (candidate == m_hotIndex)
        return;
    m_previousHotIndex = m_hotIndex;
    m_hotIndex = candidate;
    if (m_previousHotIndex != -1 && m_previousHotIndex < static_cast<int>(m_frameObjects.size())) {
        TbsActiveSkinObject& old = *m_frameObjects[m_previousHotIndex];
        if (old.Enabled && old.Visible) {
            old.MouseLeave();
            if (ShowObjectHint && m_skinHint)
                m_skinHint->HideHintText();
        }
    }
    if (m_hotIndex != -1) {
        TbsActiveSkinObject& hot = *m_frameObjects[m_hotIndex];
        hot.MouseEnter();
        if (ShowObjectHint && m_skinHint && !hot.Hint.empty())
            m_skinHint->ShowHintText(hot.Hint);
    }
}

void TbsSkinForm::SetSkinHint(skinctrls::TbsSkinHint* Value)
{
    if (m_skinHint)
        m_skinHint->RemoveFreeNotification(this);
    m_skinHint = Value;
    if (m_skinHint)
        m_skinHint->FreeNotification(this);
}

void TbsSkinForm::ResetHover()
{
    for (const auto& object : m_frameObjects) {
        object->Active = object->MouseIn = false;
        object->MorphFactor = 0;
        if (auto* b = dynamic_cast<TbsSkinButtonObject*>(object.get()); b && !(b->Down && b->HasMenu() && m_menuOpen))
            b->Down = false;
    }
    m_hotIndex = m_previousHotIndex = -1;
    if (!m_menuOpen)
        m_pressedIndex = -1;
    if (Handle()) {
        wnd::KillTimer(Handle(), kMorphTimerId);
        m_morphTimer = false;
    }
}

void TbsSkinForm::HoverTick()
{
    if (!m_active || m_inSizeMove) {
        wnd::KillTimer(Handle(), kHoverTimerId);
        m_hoverTimer = false;
        return;
    }
    const gfx::TPoint cursor = wnd::GetCursorPos();
    const gfx::TRect wr = WindowRect();
    const gfx::TPoint p { cursor.X - wr.Left, cursor.Y - wr.Top };
    if (m_geometry.Frame.ClientRect.Contains(p) && m_skinMode)
        TrackHover(p.X, p.Y, false);
    else if (!m_skinMode && wnd::GetClientRectInWindow(Handle()).Contains(p))
        TrackHover(p.X, p.Y, false);
    else
        TrackHover(p.X, p.Y, gfx::Rect(0, 0, wr.Width(), wr.Height()).Contains(p));
}

void TbsSkinForm::StartMorphTimer()
{
    if (!Handle() || m_morphTimer)
        return;
    wnd::SetTimer(Handle(), kMorphTimerId, kMorphInterval);
    m_morphTimer = true;
}

void TbsSkinForm::MorphTick()
{
    bool stepped = false;
    for (const auto& object : m_frameObjects)
        stepped = object->StepMorph() || stepped;
    if (!stepped) {
        wnd::KillTimer(Handle(), kMorphTimerId);
        m_morphTimer = false;
    }
}

bool TbsSkinForm::HandleMouseMessage(wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam, wnd::LRESULT& result)
{
    const auto hit = static_cast<wnd::LRESULT>(wParam);
    const gfx::TRect wr = WindowRect();
    auto windowPoint = [&] {
        const gfx::TPoint p = wnd::PointFromLParam(lParam);
        return gfx::TPoint { p.X - wr.Left, p.Y - wr.Top };
    };
    const bool captured = m_pressedIndex != -1 && wnd::GetCapture() == Handle();
    result = 0;
    switch (msg) {
    case wnd::WM_NCMOUSEMOVE: {
        const gfx::TPoint p = windowPoint();
        const int index = m_pressedIndex != -1 ? m_pressedIndex : m_hotIndex;
        if (index != -1)
            m_frameObjects[index]->MouseMove(p.X, p.Y);
        return false;
    }
    case wnd::WM_NCLBUTTONDOWN:
        if (hit != wnd::HTOBJECT)
            return false; // the caption moves, the edges size: the window system's loops
        MouseDownOnFrame(windowPoint(), wnd::TMouseButton::mbLeft, hit);
        return true;
    case wnd::WM_NCRBUTTONDOWN:
        if (hit == wnd::HTCAPTION) {
            const gfx::TPoint p = wnd::PointFromLParam(lParam);
            ShowSystemMenu(p.X, p.Y);
            return true;
        }
        if (hit != wnd::HTOBJECT)
            return false;
        MouseDownOnFrame(windowPoint(), wnd::TMouseButton::mbRight, hit);
        return true;
    case wnd::WM_NCLBUTTONUP:
    case wnd::WM_NCRBUTTONUP:
        if (m_pressedIndex == -1)
            return false;
        MouseUpOnFrame(windowPoint(), msg == wnd::WM_NCLBUTTONUP ? wnd::TMouseButton::mbLeft : wnd::TMouseButton::mbRight);
        return true;
    case wnd::WM_NCLBUTTONDBLCLK:
        if (hit == wnd::HTCAPTION) {
            CaptionDoubleClick();
            return true;
        }
        if (hit != wnd::HTOBJECT)
            return false;
        if (m_hotIndex != -1) {
            TbsActiveSkinObject& object = *m_frameObjects[m_hotIndex];
            object.DblClick();
            // A quick second click on a caption button is a click of its own.
            if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(&object); b && !b->HasMenu() && Handle())
                MouseDownOnFrame(windowPoint(), wnd::TMouseButton::mbLeft, hit);
        }
        return true;
    case wnd::WM_NCRBUTTONDBLCLK:
        if (m_hotIndex != -1)
            m_frameObjects[m_hotIndex]->DblClick();
        return true;
    case wnd::WM_MOUSEMOVE:
        if (!captured)
            return false;
        {
            // While a button is held the mouse belongs to it: follow it on and off.
            gfx::TPoint p = wnd::PointFromLParam(lParam);
            const gfx::TRect client = wnd::GetClientRectInWindow(Handle());
            p = { p.X + client.Left, p.Y + client.Top };
            TbsActiveSkinObject& pressed = *m_frameObjects[m_pressedIndex];
            const bool over = pressed.ObjectRect.Contains(p);
            if (over != pressed.Active) {
                if (over) {
                    m_hotIndex = m_pressedIndex;
                    pressed.MouseEnter();
                } else {
                    m_hotIndex = -1;
                    pressed.MouseLeave();
                }
            }
            pressed.MouseMove(p.X, p.Y);
        }
        return true;
    case wnd::WM_LBUTTONUP:
    case wnd::WM_RBUTTONUP:
        if (!captured)
            return false;
        MouseUpOnFrame({ -1, -1 }, msg == wnd::WM_LBUTTONUP ? wnd::TMouseButton::mbLeft : wnd::TMouseButton::mbRight);
        return true;
    default:
        return false;
    }
}

void TbsSkinForm::MouseDownOnFrame(gfx::TPoint p, wnd::TMouseButton button, wnd::LRESULT)
{
    TrackHover(p.X, p.Y);
    m_pressedIndex = m_hotIndex;
    if (m_pressedIndex == -1)
        return;
    TbsActiveSkinObject& object = *m_frameObjects[m_pressedIndex];
    if (!dynamic_cast<TbsSkinCaptionObject*>(&object))
        wnd::SetCapture(Handle());
    object.MouseDown(p.X, p.Y, button);
}

void TbsSkinForm::MouseUpOnFrame(gfx::TPoint p, wnd::TMouseButton button)
{
    const int index = m_pressedIndex;
    if (index == -1 || index >= static_cast<int>(m_frameObjects.size()))
        return;
    TbsActiveSkinObject& object = *m_frameObjects[index];
    if (!dynamic_cast<TbsSkinCaptionObject*>(&object) && wnd::GetCapture() == Handle())
        wnd::ReleaseCapture();
    // A button with an open menu stays pressed until the menu closes.
    if (auto* b = dynamic_cast<TbsSkinButtonObject*>(&object); b && b->HasMenu() && m_menuOpen)
        return;
    m_pressedIndex = -1;
    object.MouseUp(p.X, p.Y, button);
}

void TbsSkinForm::CaptionDoubleClick()
{
    const bool sizeable = Sizeable();
    if (sizeable && m_formState == TbsFormState::fsMinimized)
        SetFormState(TbsFormState::fsNormal);
    else if (sizeable && m_formState == TbsFormState::fsNormal && !m_rolledUp
        && m_borderIcons.Contains(TbsBorderIcon::biMaximize))
        SetFormState(TbsFormState::fsMaximized);
    else if (sizeable && m_formState == TbsFormState::fsMaximized && !m_rolledUpWhileMaximized)
        SetFormState(TbsFormState::fsNormal);
    else
        SetRolledUp(!m_rolledUp);
}

void TbsSkinForm::ExecuteCommand(skin::TbsStdCommand Command)
{
    switch (Command) {
    case skin::TbsStdCommand::cmClose:
        ExecuteSystemCommand(TbsSystemCommand::scClose);
        break;
    case skin::TbsStdCommand::cmMaximize:
        ExecuteSystemCommand(m_formState == TbsFormState::fsMaximized ? TbsSystemCommand::scRestore
                                                                      : TbsSystemCommand::scMaximize);
        break;
    case skin::TbsStdCommand::cmMinimize:
        ExecuteSystemCommand(m_formState == TbsFormState::fsMinimized ? TbsSystemCommand::scRestore
                                                                      : TbsSystemCommand::scMinimize);
        break;
    case skin::TbsStdCommand::cmRollUp:
        SetRolledUp(!m_rolledUp);
        break;
    case skin::TbsStdCommand::cmMinimizeToTray:
    case skin::TbsStdCommand::cmSysMenu:
    case skin::TbsStdCommand::cmDefault:
        break; // no tray here; the menu button opens on press
    }
}

void TbsSkinForm::ExecuteSystemCommand(TbsSystemCommand Command)
{
    switch (Command) {
    case TbsSystemCommand::scMinimize:
        SetFormState(TbsFormState::fsMinimized);
        break;
    case TbsSystemCommand::scMaximize:
        SetFormState(TbsFormState::fsMaximized);
        break;
    case TbsSystemCommand::scRestore:
        if (m_rolledUp && (m_formState == TbsFormState::fsNormal || m_rolledUpWhileMaximized))
            SetRolledUp(false);
        else
            SetFormState(TbsFormState::fsNormal);
        break;
    case TbsSystemCommand::scRollUp:
        SetRolledUp(true);
        break;
    case TbsSystemCommand::scClose:
        // The form may go away on closing: let the handler that asked return first.
        wnd::PostMessage(Handle(), wnd::WM_CLOSE);
        break;
    case TbsSystemCommand::scMinimizeToTray:
    case TbsSystemCommand::scNone:
        break;
    }
}

std::vector<TbsSystemMenuEntry> TbsSkinForm::SystemMenuEntries() const
{
    TbsSystemMenuState s;
    s.Minimize = m_borderIcons.Contains(TbsBorderIcon::biMinimize);
    s.Maximize = m_borderIcons.Contains(TbsBorderIcon::biMaximize);
    s.RollUp = m_borderIcons.Contains(TbsBorderIcon::biRollUp);
    s.MinimizeToTray = m_borderIcons.Contains(TbsBorderIcon::biMinimizeToTray);
    s.Minimized = m_formState == TbsFormState::fsMinimized;
    s.Maximized = m_formState == TbsFormState::fsMaximized;
    s.RolledUp = m_rolledUp;
    const skin::TbsSkinData* menuSkin = MenusSkinData();
    return DefaultSystemMenu(s, menuSkin ? menuSkin->ResourceStrData() : nullptr);
}

// The menu is made anew at every opening, for the form's state of the moment.
void TbsSkinForm::RebuildSystemMenu()
{
    m_systemMenu->Clear();
    for (const TbsSystemMenuEntry& entry : SystemMenuEntries()) {
        auto* item = new ctl::TMenuItem();
        if (!entry.Name.empty())
            item->SetName(entry.Name);
        item->SetCaption(entry.Caption);
        item->SetShortCut(entry.ShortCut);
        const TbsSystemCommand command = entry.Command;
        item->OnClick = [this, command](ctl::TObject*) { ExecuteSystemCommand(command); };
        m_systemMenu->Add(item);
    }
}

void TbsSkinForm::OpenSystemMenu(gfx::TRect anchor)
{
    if (!Handle())
        return;
    CloseSkinMenus();
    RebuildSystemMenu();
    if (OnSkinMenuOpen)
        OnSkinMenuOpen(this);
    m_skinMenu->DefMenuItemHeight = DefMenuItemHeight;
    m_skinMenu->DefMenuItemFont = DefMenuItemFont;
    m_skinMenu->UseSkinFontInMenu = UseSkinFontInMenu;
    m_skinMenu->MenusAlphaBlend = MenusAlphaBlend;
    m_skinMenu->MenusAlphaBlendAnimation = MenusAlphaBlendAnimation;
    m_skinMenu->MenusAlphaBlendValue = MenusAlphaBlendValue;
    // The menu windows never take the keyboard: the application's messages
    // pass by the menu first while it is open.
    if (!m_menuHook)
        m_menuHook = ctl::Application->AddMessageHook(
            [this](wnd::MSG& msg) { return m_menuOpen && m_skinMenu->HandleApplicationMessage(msg); });
    m_menuOpen = true;
    if (anchor.IsEmpty())
        m_skinMenu->Popup(Handle(), MenusSkinData(), m_systemMenu.get(), anchor.TopLeft());
    else
        m_skinMenu->Popup(Handle(), MenusSkinData(), false, m_systemMenu.get(), anchor);
    if (!m_skinMenu->Visible())
        MenuClosed();
}

void TbsSkinForm::CloseSkinMenus()
{
    if (m_skinMenu && m_skinMenu->Visible())
        m_skinMenu->CloseAll();
}

void TbsSkinForm::ShowSystemMenu(int X, int Y)
{
    OpenSystemMenu(gfx::Rect(X, Y, X, Y));
}

void TbsSkinForm::ShowSystemMenuFromKeyboard()
{
    const gfx::TRect wr = WindowRect();
    if (auto* button = FindSystemMenuButton(); button && button->Visible)
        OpenSystemMenu(gfx::Offset(button->ObjectRect, wr.Left, wr.Top));
    else
        ShowSystemMenu(wr.Left + m_geometry.Frame.ClientRect.Left, wr.Top + m_geometry.Frame.ClientRect.Top);
}

TbsSkinStdButtonObject* TbsSkinForm::FindSystemMenuButton() const
{
    for (const auto& object : m_frameObjects)
        if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(object.get()); b && b->Command == skin::TbsStdCommand::cmSysMenu)
            return b;
    return nullptr;
}

void TbsSkinForm::ButtonMenuRequested(TbsSkinButtonObject& button)
{
    const gfx::TRect wr = WindowRect();
    OpenSystemMenu(gfx::Offset(button.ObjectRect, wr.Left, wr.Top));
    if (!m_menuOpen)
        button.ReleaseMenu();
}

void TbsSkinForm::MenuClosed()
{
    if (!m_menuOpen)
        return;
    m_menuOpen = false;
    if (m_menuHook) {
        ctl::Application->RemoveMessageHook(m_menuHook);
        m_menuHook = 0;
    }
    if (m_pressedIndex != -1 && m_pressedIndex < static_cast<int>(m_frameObjects.size())) {
        if (auto* b = dynamic_cast<TbsSkinButtonObject*>(m_frameObjects[m_pressedIndex].get()); b && b->HasMenu()) {
            m_pressedIndex = -1;
            b->ReleaseMenu();
        }
    }
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
}

} // namespace skinform
