// The caption buttons of the skinned frame: their looks under the mouse, the
// fades, the commands, and the system menu opened by button, caption
// right-click and Alt+Space.

#include "SkinFormFixture.h"

#include "platform/graphics/TBitmap.h"
#include "platform/window/Input.h"
#include "platform/window/VirtualKeys.h"

namespace {

using skinform::TbsFormState;
using skinform::TbsSkinStdButtonObject;

class CaptionButtonTest : public SkinFormFixture {
protected:
    const TbsSkinStdButtonObject& Button(const char* name) const
    {
        return dynamic_cast<const TbsSkinStdButtonObject&>(Object(name));
    }
    // The window's pixels over a button equal a cell of the buttons' picture.
    bool ShowsCell(const char* name, gfx::TRect cell)
    {
        const gfx::TBitmap pixels = Harness.Capture(Hwnd());
        const gfx::TBitmap* picture = Data->ActivePicture(2);
        const gfx::TRect r = Object(name).ObjectRect;
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x)
                if (pixels.GetPixel(r.Left + x, r.Top + y) != picture->GetPixel(cell.Left + x, cell.Top + y))
                    return false;
        return true;
    }
    std::vector<std::string> MenuCaptions(std::size_t index = 0) const
    {
        std::vector<std::string> out;
        for (const auto& e : Menus.at(index).Entries)
            out.push_back(e.Caption);
        return out;
    }
};

} // namespace

TEST_F(CaptionButtonTest, HoverFadesInOverFiveTicksAndMovingOnFadesTheFirstBack)
{
    CreateForm();
    const gfx::TPoint min = ObjectMiddle("minbutton");
    Harness.MoveMouse(min.X, min.Y);
    EXPECT_TRUE(Button("minbutton").Active);
    for (int tick = 1; tick <= 5; ++tick) {
        Harness.AdvanceTime(20);
        EXPECT_NEAR(Button("minbutton").MorphFactor, 0.2 * tick, 1e-9) << tick;
    }
    EXPECT_TRUE(ShowsCell("minbutton", Button("minbutton").ActiveSkinRect));
    Snapshot("skinform_min_hot");

    const gfx::TPoint max = ObjectMiddle("maxbutton");
    Harness.MoveMouse(max.X, max.Y);
    Harness.AdvanceTime(20);
    EXPECT_NEAR(Button("minbutton").MorphFactor, 0.8, 1e-9);
    EXPECT_NEAR(Button("maxbutton").MorphFactor, 0.2, 1e-9);
    Harness.AdvanceTime(80);
    EXPECT_EQ(Button("minbutton").MorphFactor, 0);
    EXPECT_EQ(Button("maxbutton").MorphFactor, 1);
    EXPECT_TRUE(ShowsCell("minbutton", Button("minbutton").SkinRect));

    // Leaving the window: the hover timer lets the last one go.
    Harness.MoveMouse(5, 5);
    Harness.AdvanceTime(200);
    EXPECT_FALSE(Button("maxbutton").Active);
    EXPECT_EQ(Button("maxbutton").MorphFactor, 0);
}

TEST_F(CaptionButtonTest, PressedButtonShowsItsDownLookWhileTheMouseIsOverIt)
{
    CreateForm();
    const gfx::TPoint p = ObjectMiddle("closebutton");
    Harness.MoveMouse(p.X, p.Y);
    Harness.MouseDown(p.X, p.Y);
    EXPECT_TRUE(Button("closebutton").Down);
    EXPECT_TRUE(ShowsCell("closebutton", Button("closebutton").DownRect));
    Snapshot("skinform_close_down");
    Harness.MoveMouse(p.X - 200, p.Y + 100);
    EXPECT_FALSE(Button("closebutton").Active);
    EXPECT_FALSE(ShowsCell("closebutton", Button("closebutton").DownRect));
    Harness.MouseUp(p.X - 200, p.Y + 100);
    Harness.ProcessMessages();
    // Released off the button: the form stays.
    EXPECT_TRUE(Form->Visible());
    EXPECT_FALSE(Button("closebutton").Down);
}

TEST_F(CaptionButtonTest, CloseButtonClosesOnceItsHandlerReturned)
{
    CreateForm();
    int closes = 0;
    Form->OnClose = [&](ctl::TObject*, ctl::TCloseAction& action) {
        ++closes;
        action = ctl::TCloseAction::caFree;
    };
    const gfx::TPoint p = ObjectMiddle("closebutton");
    Harness.MoveMouse(p.X, p.Y);
    Harness.MouseDown(p.X, p.Y);
    wnd::TRawInput up;
    up.kind = wnd::TRawInputKind::ButtonUp;
    up.pos = p;
    Harness.Queue(up);
    // The release is handled to its end; the close comes as a message of its own.
    bool sawClose = false;
    wnd::MSG msg;
    while (wnd::PeekMessage(msg)) {
        if (msg.message == wnd::WM_CLOSE) {
            EXPECT_EQ(closes, 0);
            sawClose = true;
        }
        wnd::TranslateMessage(msg);
        wnd::DispatchMessage(msg);
    }
    EXPECT_TRUE(sawClose);
    EXPECT_EQ(closes, 1);
    Form = nullptr; // freed by its close action
}

TEST_F(CaptionButtonTest, MaximizeButtonShowsItsRestoreLookWhileMaximized)
{
    CreateForm();
    ClickObject("maxbutton");
    ASSERT_EQ(SkinForm->FormState(), TbsFormState::fsMaximized);
    EXPECT_TRUE(Button("maxbutton").InRestoreState());
    Harness.MoveMouse(500, 500);
    Harness.AdvanceTime(200);
    EXPECT_TRUE(ShowsCell("maxbutton", Button("maxbutton").RestoreRect));
    Snapshot("skinform_maximized");
    ClickObject("maxbutton");
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);
    Harness.MoveMouse(500, 500);
    Harness.AdvanceTime(200);
    EXPECT_TRUE(ShowsCell("maxbutton", Button("maxbutton").SkinRect));
}

TEST_F(CaptionButtonTest, RollUpButtonTogglesAndShowsItsRestoreLook)
{
    CreateForm();
    ClickObject("rollupbutton");
    EXPECT_TRUE(SkinForm->RolledUp());
    Harness.MoveMouse(900, 700);
    Harness.AdvanceTime(200);
    EXPECT_TRUE(ShowsCell("rollupbutton", Button("rollupbutton").RestoreRect));
    ClickObject("rollupbutton");
    EXPECT_FALSE(SkinForm->RolledUp());
    EXPECT_EQ(Bounds().Height(), 535);
}

TEST_F(CaptionButtonTest, SystemMenuButtonOpensTheMenuBelowItAndDoubleClickCloses)
{
    CreateForm();
    const gfx::TPoint p = ObjectMiddle("sysmenubutton");
    Harness.Click(p.X, p.Y);
    ASSERT_EQ(Menus.size(), 1u);
    EXPECT_EQ(Menus[0].Anchor, gfx::Offset(gfx::Rect(4, 6, 17, 19), Bounds().Left, Bounds().Top));
    EXPECT_EQ(MenuCaptions(), (std::vector<std::string> { "最小化(&N)", "最大化(&X)", "卷起(&L)", "-", "关闭(&C)" }));
    EXPECT_EQ(Menus[0].Entries.back().ShortCut, "Alt+F4");
    // The button stays down while the menu is open, and comes up when it closes.
    EXPECT_TRUE(Button("sysmenubutton").Down);
    wnd::SendMessage(Hwnd(), skin::SKINMSG_MENUCLOSED, 0, 0);
    EXPECT_FALSE(Button("sysmenubutton").Down);

    Harness.DoubleClick(p.X, p.Y);
    Harness.ProcessMessages();
    EXPECT_FALSE(Form->Visible());
}

TEST_F(CaptionButtonTest, CaptionRightClickOpensTheMenuAtTheCursorAndItsCommandsRun)
{
    CreateForm();
    const gfx::TPoint p = At(300, 15);
    Harness.Click(p.X, p.Y, wnd::TMouseButton::mbRight);
    ASSERT_EQ(Menus.size(), 1u);
    EXPECT_EQ(Menus[0].Anchor, gfx::Rect(p.X, p.Y, p.X, p.Y));
    Menus[0].Choose(Menus[0].Entries[1].Command); // 最大化
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsMaximized);
    wnd::SendMessage(Hwnd(), skin::SKINMSG_MENUCLOSED, 0, 0);

    const gfx::TPoint q = At(300, 15);
    Harness.Click(q.X, q.Y, wnd::TMouseButton::mbRight);
    ASSERT_EQ(Menus.size(), 2u);
    EXPECT_EQ(MenuCaptions(1), (std::vector<std::string> { "最小化(&N)", "恢复(&R)", "卷起(&L)", "-", "关闭(&C)" }));
    Menus[1].Choose(Menus[1].Entries[1].Command); // 恢复
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);
}

TEST_F(CaptionButtonTest, AltSpaceOpensTheSystemMenuFromTheKeyboard)
{
    CreateForm();
    Harness.KeyDown(wnd::VK_MENU);
    Harness.PressKey(wnd::VK_SPACE);
    Harness.KeyUp(wnd::VK_MENU);
    ASSERT_EQ(Menus.size(), 1u);
    EXPECT_EQ(Menus[0].Anchor, gfx::Offset(gfx::Rect(4, 6, 17, 19), Bounds().Left, Bounds().Top));
    // Choosing minimize there, then restoring.
    Menus[0].Choose(skinform::TbsSystemCommand::scMinimize);
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsMinimized);
    wnd::SendMessage(Hwnd(), skin::SKINMSG_MENUCLOSED, 0, 0);
    Harness.KeyDown(wnd::VK_MENU);
    Harness.PressKey(wnd::VK_SPACE);
    Harness.KeyUp(wnd::VK_MENU);
    ASSERT_EQ(Menus.size(), 2u);
    EXPECT_EQ(MenuCaptions(1), (std::vector<std::string> { "最大化(&X)", "恢复(&R)", "-", "关闭(&C)" }));
    Menus[1].Choose(skinform::TbsSystemCommand::scRestore);
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);
    EXPECT_EQ(Bounds().Height(), 535);
}

TEST_F(CaptionButtonTest, ClosingFromTheMenuIsDeferredUntilTheChoiceReturned)
{
    CreateForm();
    bool closed = false;
    Form->OnClose = [&](ctl::TObject*, ctl::TCloseAction&) { closed = true; };
    SkinForm->ShowSystemMenu(200, 200);
    ASSERT_EQ(Menus.size(), 1u);
    Menus[0].Choose(Menus[0].Entries.back().Command);
    EXPECT_FALSE(closed);
    Harness.ProcessMessages();
    EXPECT_TRUE(closed);
}

TEST_F(CaptionButtonTest, HiddenCaptionButtonsAreDisabledAndGone)
{
    CreateForm();
    SkinForm->SetHideCaptionButtons(true);
    for (const char* name : { "closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton" }) {
        EXPECT_FALSE(Object(name).Enabled) << name;
        EXPECT_FALSE(Object(name).Visible) << name;
    }
    SkinForm->SetHideCaptionButtons(false);
    EXPECT_TRUE(Object("closebutton").Visible);
}
