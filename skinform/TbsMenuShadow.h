#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/window/WinTypes.h"

namespace skinform {

// The drop shadow of a menu window: a dark, see-through band along the
// menu's right and bottom sides, in a window of its own just below the menu
// that takes neither the activation nor the mouse. Where the display cannot
// show a window's alpha the band is a solid grey.
class TbsMenuShadow {
public:
    static constexpr int kDepth = 4;
    static constexpr unsigned char kAlpha = 110;

    explicit TbsMenuShadow(wnd::HWND owner);
    ~TbsMenuShadow();
    TbsMenuShadow(const TbsMenuShadow&) = delete;
    TbsMenuShadow& operator=(const TbsMenuShadow&) = delete;

    // Shows the band for a menu window at `menu` (screen coordinates); call
    // it before showing the menu so that the menu comes out on top.
    void ShowFor(const gfx::TRect& menu);
    wnd::HWND Handle() const { return m_handle; }

private:
    wnd::HWND m_handle { nullptr };
    gfx::TSize m_size;
};

} // namespace skinform
