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
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(MenuRect().TopLeft(), (gfx::TPoint { Bounds().Left + 4, Bounds().Top + 19 }));
    EXPECT_EQ(MenuCaptions(), (std::vector<std::string> { "最小化(&N)", "最大化(&X)", "卷起(&L)", "-", "关闭(&C)" }));
    EXPECT_EQ(SkinForm->SystemMenu().Items(4)->ShortCut(), "Alt+F4");
    // Four entries and a divider of our skin.
    EXPECT_EQ(MenuRect().Height(), 89);
    // The button stays down while the menu is open, and comes up when it closes.
    EXPECT_TRUE(Button("sysmenubutton").Down);
    AppKey(wnd::VK_ESCAPE);
    EXPECT_FALSE(MenuOpen());
    EXPECT_FALSE(Button("sysmenubutton").Down);

    Harness.AdvanceTime(1000);
    Harness.DoubleClick(p.X, p.Y);
    ctl::Application->ProcessMessages();
    EXPECT_FALSE(Form->Visible());
}

TEST_F(CaptionButtonTest, CaptionRightClickOpensTheMenuAtTheCursorAndItsAccessKeysRun)
{
    CreateForm();
    const gfx::TPoint p = At(300, 15);
    Harness.Click(p.X, p.Y, wnd::TMouseButton::mbRight);
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(MenuRect().TopLeft(), p);
    AppKey('X'); // 最大化(&X)
    EXPECT_FALSE(MenuOpen());
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsMaximized);

    const gfx::TPoint q = At(300, 15);
    Harness.Click(q.X, q.Y, wnd::TMouseButton::mbRight);
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(MenuCaptions(), (std::vector<std::string> { "最小化(&N)", "恢复(&R)", "卷起(&L)", "-", "关闭(&C)" }));
    AppKey('R');
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);
    EXPECT_EQ(Bounds(), gfx::Bounds(100, 100, 746, 535));
}

TEST_F(CaptionButtonTest, AltSpaceThenMinimizeThenRestoreByArrowAndEnter)
{
    CreateForm();
    auto altSpace = [this] {
        Harness.KeyDown(wnd::VK_MENU);
        AppKey(wnd::VK_SPACE);
        Harness.KeyUp(wnd::VK_MENU);
    };
    altSpace();
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(MenuRect().TopLeft(), (gfx::TPoint { Bounds().Left + 4, Bounds().Top + 19 }));
    AppKey('N');
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsMinimized);

    altSpace();
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(MenuCaptions(), (std::vector<std::string> { "最大化(&X)", "恢复(&R)", "-", "关闭(&C)" }));
    AppKey(wnd::VK_DOWN);
    AppKey(wnd::VK_RETURN);
    EXPECT_FALSE(MenuOpen());
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);
    EXPECT_EQ(Bounds().Height(), 535);
}

TEST_F(CaptionButtonTest, ClosingFromTheMenuWaitsUntilTheMenuIsDone)
{
    CreateForm();
    std::vector<std::string> order;
    Form->OnClose = [&](ctl::TObject*, ctl::TCloseAction& action) {
        order.push_back("close");
        action = ctl::TCloseAction::caFree;
    };
    SkinForm->OnSkinMenuClose = [&](ctl::TObject*) { order.push_back("menu closed"); };
    SkinForm->ShowSystemMenu(200, 200);
    ASSERT_TRUE(MenuOpen());
    AppKey('C');
    EXPECT_EQ(order, (std::vector<std::string> { "menu closed", "close" }));
    Form = nullptr; // freed by its close action
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
