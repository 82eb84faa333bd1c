#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TFont.h"
#include "platform/window/WinTypes.h"
#include "skinctrls/TbsPopupMenuEngine.h"
#include "skinform/MenuPlacement.h"

#include <memory>
#include <vector>

namespace ctl {
class TMenuItem;
}
namespace skin {
class TbsSkinData;
}

namespace skinform {

class TbsSkinPopupWindow;
class TbsSkinMenuItem;

// The skinned popup menus of a form: opens the entries of a menu item as a
// popup window cut from the skin (or in the plain system-colour look without
// one), opens their submenus, follows the mouse and the keyboard, scrolls a
// menu taller than the screen, and runs the chosen entry's OnClick.
//
// Opening a menu for a control:
//     menu.Popup(control, skinData, false, &rootItem, anchorOnScreen);
// The control is sent SKINMSG_MENUCLOSED once when the menu closes and
// SKINMSG_MENUDONE after a chosen entry's OnClick has returned (when the
// control's window still exists). The menu windows never take the activation,
// so the keys reach the form: while a menu is open the form passes the
// application's messages to HandleApplicationMessage.
class TbsSkinMenu : public skinctrls::TbsPopupMenuEngine {
public:
    // `form`: the window whose monitor bounds the menus and which is told
    // when a menu closes; without one the monitor under the anchor is used.
    explicit TbsSkinMenu(wnd::HWND form = nullptr);
    // Closes the open windows without sending any notice.
    ~TbsSkinMenu() override;
    TbsSkinMenu(const TbsSkinMenu&) = delete;
    TbsSkinMenu& operator=(const TbsSkinMenu&) = delete;

    wnd::HWND Form() const { return m_form; }
    void SetForm(wnd::HWND form) { m_form = form; }

    // Closes what is open, then opens the visible entries of `item` from
    // `firstIndex` on next to `anchor` (screen coordinates): below it, or above
    // it with popupUp; an empty anchor is a point (a right-click). Nothing opens
    // when no entry is visible. `skinData` may be null or empty (plain look).
    void Popup(wnd::HWND control, skin::TbsSkinData* skinData, bool popupUp, ctl::TMenuItem* item,
        const gfx::TRect& anchor, int firstIndex = 0);
    // The same at a screen point.
    void Popup(wnd::HWND control, skin::TbsSkinData* skinData, ctl::TMenuItem* item, gfx::TPoint at) override;

    // Closes the open windows from index on (0: the whole menu).
    void CloseFrom(int index);
    // Ends the menu: every window closes and the control is told once.
    void CloseAll() override;
    // A menu is open.
    bool Visible() const override { return m_visible; }

    // Routes an application message while a menu is open: key-downs go to
    // the topmost menu window, wheel messages are swallowed, and a mouse
    // press outside the menu windows ends the menu (the press goes on). True
    // when the message was taken and must not be dispatched.
    bool HandleApplicationMessage(const wnd::MSG& msg) override;

    // The open windows, the top-level one first, then each submenu.
    int WindowCount() const { return static_cast<int>(m_windows.size()); }
    TbsSkinPopupWindow* Window(int index) const;

    // Item height and font without a skin, and whether a skin's menu font is used.
    int DefMenuItemHeight { 20 };
    gfx::TFont DefMenuItemFont { DefaultMenuFont() };
    bool UseSkinFontInMenu { true };
    // Constant alpha of the menu windows (where the display can show it),
    // faded in from 0 with the animation.
    bool MenusAlphaBlend { false };
    bool MenusAlphaBlendAnimation { false };
    unsigned char MenusAlphaBlendValue { 200 };
    // A soft shadow at the right and bottom of every menu window.
    bool MenusShadow { true };

    static gfx::TFont DefaultMenuFont();

private:
    friend class TbsSkinPopupWindow;

    // --- called by the menu windows ---------------------------------------
    skin::TbsSkinData* SkinData() const { return m_skinData; }
    const gfx::TRect& WorkArea() const { return m_workArea; }
    int IndexOfWindow(const TbsSkinPopupWindow* window) const;
    bool IsMenuWindow(wnd::HWND hwnd) const;
    // Waits 500 ms, then opens the item's submenu (unless the wait is stopped).
    void StartSubMenuTimer(TbsSkinPopupWindow* window, TbsSkinMenuItem* item);
    void StopSubMenuTimer();
    // Opens the submenu of an item of the window at once, marked Down.
    void OpenSubMenu(TbsSkinPopupWindow* window, TbsSkinMenuItem* item);
    // Runs the entry: an entry without submenu ends the menu and runs its
    // click; one with a submenu runs its click and opens the submenu.
    void ChooseItem(TbsSkinPopupWindow* window, TbsSkinMenuItem* item);
    // Escape: closes the topmost window; with none left the menu ends.
    void CloseTopWindow();

    void OpenWindow(ctl::TMenuItem* item, int firstIndex, const gfx::TRect& anchor, TMenuOpening opening);
    void SubMenuTimerTick();
    void EnsureTimerWindow();
    void NotifyClosed();

    wnd::HWND m_form { nullptr };
    wnd::HWND m_control { nullptr };
    skin::TbsSkinData* m_skinData { nullptr };
    gfx::TRect m_workArea;
    bool m_visible { false };
    std::vector<std::unique_ptr<TbsSkinPopupWindow>> m_windows;

    wnd::HWND m_timerWindow { nullptr };
    TbsSkinPopupWindow* m_waitingWindow { nullptr };
    TbsSkinMenuItem* m_waitingItem { nullptr };
    // Lets a command or a notification find out whether it freed the engine
    // or opened another menu.
    std::shared_ptr<bool> m_alive { std::make_shared<bool>(true) };
    int m_generation { 0 };
};

} // namespace skinform
