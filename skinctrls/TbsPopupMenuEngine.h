#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/window/WinTypes.h"

#include <functional>
#include <memory>

namespace ctl {
class TMenuItem;
}
namespace skin {
class TbsSkinData;
}

namespace skinctrls {

// The skinned popup menus as the controls see them. The engine lives with the
// skinned form, a module that builds on these controls, so the controls name
// only this interface; the engine's module registers a factory for it. Without
// a registered engine the controls have no right-click menus of their own.
class TbsPopupMenuEngine {
public:
    virtual ~TbsPopupMenuEngine() = default;
    // Opens the visible entries of Item at a screen point; Control is sent
    // SKINMSG_MENUCLOSED when the menu closes and SKINMSG_MENUDONE after a
    // chosen entry's OnClick has run.
    virtual void Popup(wnd::HWND Control, skin::TbsSkinData* SkinData, ctl::TMenuItem* Item, gfx::TPoint At) = 0;
    // A menu is open.
    virtual bool Visible() const = 0;
    // Routes an application message while the menu is open (keys to the menu,
    // a press outside ends it); true when the message was taken.
    virtual bool HandleApplicationMessage(const wnd::MSG& Msg) = 0;
    virtual void CloseAll() = 0;
};

// Makes an engine whose menus are placed on the monitor of Form.
using TbsPopupMenuEngineFactory = std::function<std::unique_ptr<TbsPopupMenuEngine>(wnd::HWND Form)>;
void SetPopupMenuEngineFactory(TbsPopupMenuEngineFactory Factory);
// A new engine, or nullptr while none is registered.
std::unique_ptr<TbsPopupMenuEngine> CreatePopupMenuEngine(wnd::HWND Form);

} // namespace skinctrls
