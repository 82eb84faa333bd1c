#pragma once

// A headless screen with one window that stands for the form and the control
// a skinned menu belongs to, the menu engine of that form, and menu items to
// open. Keys are routed to the menu as the form's application message hook
// routes them.

#include "platform/controls/TMenuItem.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"
#include "skin/SkinMessages.h"
#include "skinform/TbsSkinMenu.h"
#include "skinform/TbsSkinPopupWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace menutest {

inline std::vector<wnd::MONITORINFO> OneMonitor()
{
    wnd::MONITORINFO m;
    m.rcMonitor = { 0, 0, 1024, 768 };
    m.rcWork = { 0, 0, 1024, 728 };
    m.primary = true;
    return { m };
}

// The primary monitor and one right of it whose task bar is at its top.
inline std::vector<wnd::MONITORINFO> TwoMonitors()
{
    std::vector<wnd::MONITORINFO> monitors = OneMonitor();
    wnd::MONITORINFO second;
    second.rcMonitor = { 1024, 0, 1824, 600 };
    second.rcWork = { 1024, 30, 1824, 600 };
    monitors.push_back(second);
    return monitors;
}

class MenuFixture : public ::testing::Test {
protected:
    explicit MenuFixture(std::vector<wnd::MONITORINFO> monitors = OneMonitor(), gfx::TRect formBounds = { 100, 100, 500, 400 })
        : Harness(std::move(monitors))
    {
        Form = wnd::CreateWindowEx(
            0,
            [this](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) -> wnd::LRESULT {
                if (msg == skin::SKINMSG_MENUCLOSED || msg == skin::SKINMSG_MENUDONE) {
                    Log.push_back(msg == skin::SKINMSG_MENUCLOSED ? "closed" : "done");
                    return 0;
                }
                return wnd::DefWindowProc(h, msg, wp, lp);
            },
            "Form", wnd::WS_OVERLAPPEDWINDOW | wnd::WS_VISIBLE, formBounds.Left, formBounds.Top, formBounds.Width(),
            formBounds.Height(), nullptr);
        Menu = std::make_unique<skinform::TbsSkinMenu>(Form);
        Menu->DefMenuItemFont.Name = "Tahoma";
    }

    ~MenuFixture() override { Menu.reset(); }

    // An entry of `parent` whose click is written to the log as "click <caption>".
    ctl::TMenuItem* Add(ctl::TMenuItem& parent, const std::string& caption, const std::string& name = "")
    {
        auto* item = new ctl::TMenuItem();
        item->SetCaption(caption);
        item->SetName(name);
        item->OnClick = [this, caption](ctl::TObject*) { Log.push_back("click " + caption); };
        parent.Add(item);
        return item;
    }

    // The system menu of a normal window: four entries, a separator and close.
    void FillSystemMenu()
    {
        Add(Root, "最小化(&N)", "BSF_MINITEM");
        Add(Root, "最大化(&X)", "BSF_MAXITEM");
        Add(Root, "卷起(&L)", "BSF_ROLLUP");
        Add(Root, "-");
        Add(Root, "关闭(&C)", "BSF_CLOSE")->SetShortCut("Alt+F4");
    }

    void Open(gfx::TRect anchor = { 104, 106, 117, 119 }) { Menu->Popup(Form, nullptr, false, &Root, anchor); }

    void Key(unsigned vk)
    {
        wnd::MSG msg;
        msg.hwnd = Form;
        msg.message = wnd::WM_KEYDOWN;
        msg.wParam = vk;
        EXPECT_TRUE(Menu->HandleApplicationMessage(msg));
        Harness.ProcessMessages();
    }

    skinform::TbsSkinPopupWindow& Window(int index) const
    {
        skinform::TbsSkinPopupWindow* window = Menu->Window(index);
        EXPECT_NE(window, nullptr) << "no menu window " << index;
        if (!window)
            throw std::runtime_error("no menu window");
        return *window;
    }
    gfx::TRect WindowRect(int index) const { return wnd::GetWindowRect(Window(index).Handle()); }
    gfx::TPoint ItemCentre(int window, int item) const
    {
        const gfx::TRect r = Window(window).ItemScreenRect(item);
        return { (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 };
    }
    // Moves the mouse over an item and lets the 50 ms polling see it.
    void Hover(int window, int item)
    {
        const gfx::TPoint p = ItemCentre(window, item);
        Harness.MoveMouse(p.X, p.Y);
        Harness.AdvanceTime(50);
    }
    void ClickItem(int window, int item)
    {
        Hover(window, item);
        const gfx::TPoint p = ItemCentre(window, item);
        Harness.Click(p.X, p.Y);
    }
    int Count(const std::string& entry) const { return static_cast<int>(std::count(Log.begin(), Log.end(), entry)); }

    wnd::THeadlessHarness Harness;
    wnd::HWND Form { nullptr };
    std::vector<std::string> Log;
    ctl::TMenuItem Root;
    std::unique_ptr<skinform::TbsSkinMenu> Menu;
};

} // namespace menutest
