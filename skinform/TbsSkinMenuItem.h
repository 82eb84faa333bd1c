#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"

namespace ctl {
class TMenuItem;
}
namespace gfx {
class TCanvas;
class TBitmap;
}

namespace skinform {

struct TbsMenuLook;

// One entry shown in a menu window: the menu item, its rectangle in the
// window and its states. It paints itself from the skin's menu-item record,
// or in system colours without one.
class TbsSkinMenuItem {
public:
    explicit TbsSkinMenuItem(ctl::TMenuItem& item) : m_item(&item) { }

    ctl::TMenuItem& MenuItem() const { return *m_item; }
    bool IsSeparator() const;
    bool HasSubMenu() const;
    // Enabled and not a separator: it can be hot and chosen.
    bool CanBeActive() const;

    void Draw(gfx::TCanvas& canvas, const TbsMenuLook& look) const;
    // One step of the fade towards the active (or back to the normal) image;
    // false when the item has nothing left to fade.
    bool StepMorph();
    bool Morphing() const;

    gfx::TRect ObjectRect;
    bool Active { false }; // under the mouse or selected
    bool Down { false }; // its submenu is open
    bool Visible { false }; // inside the window's visible range
    bool Waiting { false }; // selected by the keyboard, not yet entered
    double MorphFactor { 0 };

private:
    bool Highlighted() const { return Active || Down; }
    void DrawSkinned(gfx::TCanvas& canvas, const TbsMenuLook& look) const;
    void DrawPlain(gfx::TCanvas& canvas, const TbsMenuLook& look) const;
    void DrawItemImage(gfx::TCanvas& canvas, const TbsMenuLook& look, int width) const;
    void DrawContent(gfx::TCanvas& canvas, const TbsMenuLook& look, const gfx::TRect& textRect, gfx::TColor color) const;

    ctl::TMenuItem* m_item;
};

} // namespace skinform
