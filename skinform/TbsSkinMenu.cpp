#include "skinform/TbsSkinMenu.h"

#include "platform/controls/TMenuItem.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Timers.h"
#include "platform/window/Window.h"
#include "skin/SkinMessages.h"
#include "skin/SkinMonitor.h"
#include "skin/TbsSkinData.h"
#include "skinform/MenuLook.h"
#include "skinform/TbsSkinPopupWindow.h"

#include <algorithm>

namespace skinform {
namespace {

    constexpr wnd::WPARAM kSubMenuTimer = 1;
    constexpr wnd::UINT kSubMenuDelay = 500;

    bool HasVisibleChildFrom(const ctl::TMenuItem& item, int firstIndex)
    {
        for (int i = std::max(firstIndex, 0); i < item.Count(); ++i)
            if (item.Items(i)->Visible)
                return true;
        return false;
    }

    gfx::TRect WorkAreaAt(const gfx::TRect& anchor)
    {
        wnd::MONITORINFO info;
        if (wnd::GetMonitorInfo(wnd::MonitorFromPoint(anchor.TopLeft()), info))
            return info.rcWork;
        return wnd::GetWorkArea();
    }

    // The skinned controls open their right-click menus through this engine.
    const bool g_controlMenusRegistered = [] {
        skinctrls::SetPopupMenuEngineFactory(
            [](wnd::HWND form) -> std::unique_ptr<skinctrls::TbsPopupMenuEngine> {
                return std::make_unique<TbsSkinMenu>(form);
            });
        return true;
    }();

} // namespace

gfx::TFont TbsSkinMenu::DefaultMenuFont()
{
    gfx::TFont font;
    font.Name = "宋体";
    font.Height = 12;
    return font;
}

TbsSkinMenu::TbsSkinMenu(wnd::HWND form) : m_form(form) { }

TbsSkinMenu::~TbsSkinMenu()
{
    // The owner is going away too: its windows close without notices, which
    // would reach a form or control in the middle of its own destruction.
    m_windows.clear();
    if (m_timerWindow)
        wnd::DestroyWindow(m_timerWindow);
    *m_alive = false;
}

TbsSkinPopupWindow* TbsSkinMenu::Window(int index) const
{
    return index >= 0 && index < WindowCount() ? m_windows[static_cast<std::size_t>(index)].get() : nullptr;
}

bool TbsSkinMenu::IsMenuWindow(wnd::HWND hwnd) const
{
    return std::any_of(m_windows.begin(), m_windows.end(), [hwnd](const auto& w) { return w->Handle() == hwnd; });
}

int TbsSkinMenu::IndexOfWindow(const TbsSkinPopupWindow* window) const
{
    for (std::size_t i = 0; i < m_windows.size(); ++i)
        if (m_windows[i].get() == window)
            return static_cast<int>(i);
    return -1;
}

void TbsSkinMenu::Popup(wnd::HWND control, skin::TbsSkinData* skinData, bool popupUp, ctl::TMenuItem* item,
    const gfx::TRect& anchor, int firstIndex)
{
    CloseAll();
    ++m_generation;
    m_control = control;
    m_skinData = skinData;
    m_workArea = m_form && wnd::IsWindow(m_form) ? skin::GetMonitorArea(m_form, true) : WorkAreaAt(anchor);
    if (!item || !HasVisibleChildFrom(*item, firstIndex))
        return;
    m_visible = true;
    OpenWindow(item, firstIndex, anchor, popupUp ? TMenuOpening::Up : TMenuOpening::Down);
}

void TbsSkinMenu::Popup(wnd::HWND control, skin::TbsSkinData* skinData, ctl::TMenuItem* item, gfx::TPoint at)
{
    Popup(control, skinData, false, item, { at.X, at.Y, at.X, at.Y });
}

void TbsSkinMenu::OpenWindow(ctl::TMenuItem* item, int firstIndex, const gfx::TRect& anchor, TMenuOpening opening)
{
    TbsMenuLook look
        = ResolveMenuLook(m_skinData, DefMenuItemFont, UseSkinFontInMenu, DefMenuItemHeight, item->GetImageList());
    m_windows.push_back(std::make_unique<TbsSkinPopupWindow>(*this, *item, firstIndex, std::move(look)));
    m_windows.back()->Show(anchor, opening);
}

void TbsSkinMenu::CloseFrom(int index)
{
    index = std::max(index, 0);
    if (index < WindowCount()) {
        // Newest first, so a submenu goes before the window it belongs to.
        while (WindowCount() > index)
            m_windows.pop_back();
        if (index > 0)
            m_windows[static_cast<std::size_t>(index - 1)]->SubMenuClosed();
        if (m_waitingWindow && IndexOfWindow(m_waitingWindow) < 0)
            StopSubMenuTimer();
    }
    if (index == 0 && m_visible) {
        m_visible = false;
        StopSubMenuTimer();
        NotifyClosed();
    }
}

void TbsSkinMenu::CloseAll() { CloseFrom(0); }

void TbsSkinMenu::CloseTopWindow()
{
    CloseFrom(WindowCount() - 1);
}

// Each window is told once that the menu closed: the control, and the form
// when it is another window.
void TbsSkinMenu::NotifyClosed()
{
    const wnd::HWND control = m_control;
    const wnd::HWND form = m_form;
    m_control = nullptr;
    const std::shared_ptr<bool> alive = m_alive;
    if (control && wnd::IsWindow(control))
        wnd::SendMessage(control, skin::SKINMSG_MENUCLOSED, 0, 0);
    if (*alive && form && form != control && wnd::IsWindow(form))
        wnd::SendMessage(form, skin::SKINMSG_MENUCLOSED, 0, 0);
}

bool TbsSkinMenu::HandleApplicationMessage(const wnd::MSG& msg)
{
    if (!m_visible || m_windows.empty())
        return false;
    switch (msg.message) {
    case wnd::WM_KEYDOWN:
    case wnd::WM_SYSKEYDOWN:
        // The key may end the menu and free this object: nothing is used afterwards.
        m_windows.back()->KeyDown(static_cast<unsigned>(msg.wParam));
        return true;
    case wnd::WM_LBUTTONDOWN:
    case wnd::WM_RBUTTONDOWN:
    case wnd::WM_MBUTTONDOWN:
    case wnd::WM_NCLBUTTONDOWN:
    case wnd::WM_NCRBUTTONDOWN:
    case wnd::WM_NCMBUTTONDOWN:
        // A press anywhere but on the menu ends it; the press itself goes on.
        if (!IsMenuWindow(msg.hwnd))
            CloseAll();
        return false;
    case wnd::WM_CHAR:
    case wnd::WM_SYSCHAR:
    case wnd::WM_KEYUP:
    case wnd::WM_SYSKEYUP:
    case wnd::WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

// --- submenus -------------------------------------------------------------------

void TbsSkinMenu::EnsureTimerWindow()
{
    if (m_timerWindow)
        return;
    m_timerWindow = wnd::CreateWindowEx(
        0,
        [this](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) -> wnd::LRESULT {
            if (msg == wnd::WM_TIMER && wp == kSubMenuTimer) {
                SubMenuTimerTick();
                return 0;
            }
            return wnd::DefWindowProc(h, msg, wp, lp);
        },
        "", 0, 0, 0, 0, 0, wnd::HWND_MESSAGE);
}

void TbsSkinMenu::StartSubMenuTimer(TbsSkinPopupWindow* window, TbsSkinMenuItem* item)
{
    EnsureTimerWindow();
    m_waitingWindow = window;
    m_waitingItem = item;
    wnd::SetTimer(m_timerWindow, kSubMenuTimer, kSubMenuDelay);
}

void TbsSkinMenu::StopSubMenuTimer()
{
    if (m_timerWindow)
        wnd::KillTimer(m_timerWindow, kSubMenuTimer);
    m_waitingWindow = nullptr;
    m_waitingItem = nullptr;
}

void TbsSkinMenu::SubMenuTimerTick()
{
    TbsSkinPopupWindow* window = m_waitingWindow;
    TbsSkinMenuItem* item = m_waitingItem;
    StopSubMenuTimer();
    if (window && IndexOfWindow(window) >= 0 && window->IndexOfItem(item) >= 0 && item->Active)
        OpenSubMenu(window, item);
}

void TbsSkinMenu::OpenSubMenu(TbsSkinPopupWindow* window, TbsSkinMenuItem* item)
{
    StopSubMenuTimer();
    const int index = IndexOfWindow(window);
    if (index < 0 || !item->HasSubMenu())
        return;
    CloseFrom(index + 1);
    item->Down = true;
    const gfx::TRect anchor = window->ItemScreenRect(window->IndexOfItem(item));
    OpenWindow(&item->MenuItem(), 0, anchor, TMenuOpening::SubMenu);
}

// --- commands -------------------------------------------------------------------

void TbsSkinMenu::ChooseItem(TbsSkinPopupWindow* window, TbsSkinMenuItem* item)
{
    ctl::TMenuItem& entry = item->MenuItem();
    if (item->HasSubMenu()) {
        const std::shared_ptr<bool> alive = m_alive;
        const int generation = m_generation;
        entry.Click();
        // The click may have closed the menu or freed it.
        if (*alive && generation == m_generation && IndexOfWindow(window) >= 0 && window->IndexOfItem(item) >= 0)
            OpenSubMenu(window, item);
        return;
    }
    // The menu ends before the command runs; from here on nothing of the
    // menu, its windows or its entries is touched except through copies, since
    // the command may free any of them (or the form that owns this engine).
    const ctl::TNotifyEvent handler = entry.Enabled ? entry.OnClick : ctl::TNotifyEvent {};
    const wnd::HWND control = m_control;
    ctl::TMenuItem* sender = &entry;
    CloseAll();
    if (handler)
        handler(sender);
    if (control && wnd::IsWindow(control))
        wnd::SendMessage(control, skin::SKINMSG_MENUDONE, 0, 0);
}

} // namespace skinform
