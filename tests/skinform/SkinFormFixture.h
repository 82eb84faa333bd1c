#pragma once

// A headless form wearing the program's own skin through a TbsSkinForm, as
// the main window does, with helpers to drive its frame by mouse.

#include "platform/controls/TApplication.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TMenuItem.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "skin/EmbeddedSkin.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skinform/TbsSkinForm.h"
#include "skinform/TbsSkinPopupWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class SkinFormFixture : public ::testing::Test {
protected:
    explicit SkinFormFixture(std::vector<wnd::MONITORINFO> monitors = DefaultMonitors()) : Harness(std::move(monitors)) { }

    static std::vector<wnd::MONITORINFO> DefaultMonitors()
    {
        wnd::MONITORINFO primary;
        primary.rcMonitor = gfx::Rect(0, 0, 1024, 768);
        primary.rcWork = gfx::Rect(0, 0, 1024, 728);
        primary.primary = true;
        return { primary };
    }

    void SetUp() override
    {
        ctl::Application->Initialize();
        ctl::Application->OnException = [this](ctl::TObject*, const std::exception& e) { Errors.push_back(e.what()); };
        Stored.SetCompressedData(skin::EmbeddedSkinBytes());
    }

    void TearDown() override
    {
        delete Form;
        Form = nullptr;
        ctl::Application->OnException = nullptr;
        EXPECT_TRUE(Errors.empty()) << Errors.front();
    }

    // A sizeable form at (x, y) with a 738 x 505 client area in the skinned frame.
    void CreateForm(int x = 100, int y = 100, bool withSkin = true)
    {
        Form = new ctl::TForm(nullptr);
        Form->SetCaption("Veltrin");
        SkinForm = new skinform::TbsSkinForm(Form);
        Data = std::make_unique<skin::TbsSkinData>(&SkinForm->MessageTarget());
        Data->OnLoadError = [this](const std::string& error) { LoadErrors.push_back(error); };
        if (withSkin)
            Data->SetCompressedStoredSkin(&Stored);
        SkinForm->SetMenusSkinData(Data.get());
        SkinForm->SetSkinData(Data.get());
        Form->SetBounds(x, y, 300, 200);
        Form->SetClientSize(738, 505);
        Form->Show();
        Harness.ProcessMessages();
    }

    wnd::HWND Hwnd() const { return Form->Handle(); }
    gfx::TRect Bounds() const { return wnd::GetWindowRect(Hwnd()); }
    // A screen point at (x, y) of the window, frame included.
    gfx::TPoint At(int x, int y) const { return { Bounds().Left + x, Bounds().Top + y }; }
    wnd::LRESULT HitAt(int x, int y) const
    {
        return wnd::SendMessage(Hwnd(), wnd::WM_NCHITTEST, 0, wnd::LParamFromPoint(At(x, y)));
    }
    const skinform::TbsActiveSkinObject& Object(const char* name) const
    {
        const skinform::TbsActiveSkinObject* o = SkinForm->FindFrameObject(name);
        EXPECT_NE(o, nullptr) << name;
        return *o;
    }
    gfx::TPoint ObjectMiddle(const char* name) const
    {
        const gfx::TRect r = Object(name).ObjectRect;
        return At(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }
    void ClickObject(const char* name)
    {
        const gfx::TPoint p = ObjectMiddle(name);
        Harness.Click(p.X, p.Y);
    }
    void Snapshot(const std::string& name) { Harness.SaveSnapshot(Hwnd(), name); }

    // The open system menu: its entries' captions and its window on the screen.
    bool MenuOpen() const { return SkinForm->SkinMenu().Visible(); }
    std::vector<std::string> MenuCaptions() const
    {
        std::vector<std::string> out;
        if (skinform::TbsSkinPopupWindow* w = SkinForm->SkinMenu().Window(0))
            for (int i = 0; i < w->ItemCount(); ++i)
                out.push_back(w->Items(i).MenuItem().Caption());
        return out;
    }
    gfx::TRect MenuRect() const
    {
        skinform::TbsSkinPopupWindow* w = SkinForm->SkinMenu().Window(0);
        return w ? wnd::GetWindowRect(w->Handle()) : gfx::TRect {};
    }
    // A key pressed as the program's loop takes it (through its message hooks).
    void AppKey(int vk)
    {
        wnd::TRawInput down;
        down.kind = wnd::TRawInputKind::KeyDown;
        down.vk = vk;
        Harness.Queue(down);
        wnd::TRawInput up = down;
        up.kind = wnd::TRawInputKind::KeyUp;
        Harness.Queue(up);
        ctl::Application->ProcessMessages();
    }

    wnd::THeadlessHarness Harness;
    skin::TbsCompressedStoredSkin Stored;
    std::unique_ptr<skin::TbsSkinData> Data;
    ctl::TForm* Form { nullptr };
    skinform::TbsSkinForm* SkinForm { nullptr };
    std::vector<std::string> Errors;
    std::vector<std::string> LoadErrors;
};
