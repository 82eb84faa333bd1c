#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/window/WinTypes.h"
#include "skin/SkinGeometry.h"
#include "skinform/MenuLook.h"
#include "skinform/MenuPlacement.h"
#include "skinform/TbsMenuShadow.h"
#include "skinform/TbsSkinMenuItem.h"

#include <memory>
#include <vector>

namespace ctl {
class TMenuItem;
}
namespace gfx {
class TCanvas;
}

namespace skinform {

class TbsSkinMenu;

// One open level of a skinned menu: a borderless topmost window that never
// takes the activation, showing the visible entries of a menu item. It sizes
// itself to its entries (as tall as the work area at most, scrolling beyond),
// follows the mouse by polling, and takes the keys the menu routes to it.
class TbsSkinPopupWindow {
public:
    TbsSkinPopupWindow(TbsSkinMenu& menu, ctl::TMenuItem& item, int firstIndex, TbsMenuLook look);
    ~TbsSkinPopupWindow();
    TbsSkinPopupWindow(const TbsSkinPopupWindow&) = delete;
    TbsSkinPopupWindow& operator=(const TbsSkinPopupWindow&) = delete;

    // Sizes the window, places it at the anchor (screen coordinates) inside
    // the work area and shows it without activating it.
    void Show(const gfx::TRect& anchor, TMenuOpening opening);

    wnd::HWND Handle() const { return m_handle; }
    ctl::TMenuItem& MenuItem() const { return *m_menuItem; }
    const TbsMenuLook& Look() const { return m_look; }

    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TbsSkinMenuItem& Items(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
    int IndexOfItem(const TbsSkinMenuItem* item) const;
    // The hot entry, or -1.
    int ActiveItem() const { return m_activeItem; }
    // The window is shorter than its entries and scrolls.
    bool Scroll() const { return m_scroll; }
    int VisibleStartIndex() const { return m_visibleStartIndex; }
    int VisibleCount() const { return m_visibleCount; }
    // The rectangle the entries are laid out in (window coordinates).
    const gfx::TRect& ItemsRect() const { return m_itemsRect; }
    gfx::TRect ItemScreenRect(int index) const;
    // The drop shadow, or nullptr when the menu has none.
    const TbsMenuShadow* Shadow() const { return m_shadow.get(); }
    // The zones at the top and bottom of a scrolling window.
    gfx::TRect ScrollUpZone() const;
    gfx::TRect ScrollDownZone() const;

    // A key routed by the menu: arrows, Enter, Escape and access keys.
    void KeyDown(unsigned key);
    // Makes an entry the hot one from the keyboard, scrolling it into view.
    void SelectItem(int index);
    // Clears the Down mark of the entry whose submenu closed.
    void SubMenuClosed();

private:
    enum class TScrollState { None, Up, Down };

    wnd::LRESULT WindowProc(wnd::HWND hwnd, wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam);
    void CreateItems(int firstIndex);
    gfx::TSize MeasureWindow();
    void LayoutItems();
    void ApplyMask();

    void Paint(gfx::TCanvas& canvas);
    void PaintWindow(gfx::TCanvas& canvas);
    void PaintScrollMarkers(gfx::TCanvas& canvas);
    void RedrawItem(int index);
    void Redraw();

    void MouseTimerTick();
    void TrackMouse(gfx::TPoint client);
    void TrackScrollZones(gfx::TPoint client);
    void StartScrolling(TScrollState state);
    void StopScrolling();
    void ScrollTimerTick();
    bool CanScrollUp() const { return m_visibleStartIndex > 0; }
    bool CanScrollDown() const;
    void MouseUp(gfx::TPoint client);
    int ItemAt(gfx::TPoint client) const;

    void EnterItem(int index);
    void LeaveItem(int index);
    void StartFade(int index);
    void MorphTimerTick();
    void AlphaTimerTick();
    // The next entry that can be hot, from `from` in steps of `step`, wrapping around; -1 for none.
    int NextSelectable(int from, int step) const;
    bool IsSubMenu() const;

    TbsSkinMenu& m_menu;
    ctl::TMenuItem* m_menuItem;
    TbsMenuLook m_look;
    wnd::HWND m_handle { nullptr };
    std::unique_ptr<TbsMenuShadow> m_shadow;
    std::vector<std::unique_ptr<TbsSkinMenuItem>> m_items;

    gfx::TSize m_size;
    skin::TbsSkinGeometry m_geometry; // the window picture's cut for the window's size
    gfx::TRect m_itemsRect;
    int m_activeItem { -1 };
    bool m_scroll { false };
    int m_visibleStartIndex { 0 };
    int m_visibleCount { 0 };
    TScrollState m_scrollState { TScrollState::None };
    gfx::TPoint m_lastCursor { -100000, -100000 };
    int m_alpha { 255 };
};

} // namespace skinform
