// Moving, sizing, snapping, maximizing, minimizing and rolling up the skinned
// form with the mouse, and the fade-in when it shows.

#include "SkinFormFixture.h"

#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"

namespace {

using skinform::TbsFormState;

class SkinFormStateTest : public SkinFormFixture { };

// A primary monitor with a task bar and a second one to its right without.
std::vector<wnd::MONITORINFO> TwoMonitors()
{
    wnd::MONITORINFO primary;
    primary.rcMonitor = gfx::Rect(0, 0, 1024, 768);
    primary.rcWork = gfx::Rect(0, 0, 1024, 728);
    primary.primary = true;
    wnd::MONITORINFO second;
    second.rcMonitor = gfx::Rect(1024, 0, 2304, 1024);
    second.rcWork = second.rcMonitor;
    return { primary, second };
}

class TwoMonitorTest : public SkinFormFixture {
protected:
    TwoMonitorTest() : SkinFormFixture(TwoMonitors()) { }
};

} // namespace

TEST_F(SkinFormStateTest, DraggingTheCaptionMovesTheWindow)
{
    CreateForm();
    const gfx::TRect before = Bounds();
    Harness.Drag(At(300, 15), { At(300, 15).X + 60, At(300, 15).Y + 40 });
    EXPECT_EQ(Bounds(), gfx::Offset(before, 60, 40));
}

TEST_F(SkinFormStateTest, DraggingEdgesAndCornersSizesDownToTheMinimum)
{
    CreateForm();
    const gfx::TRect before = Bounds();
    Harness.Drag(At(745, 534), { At(745, 534).X + 30, At(745, 534).Y + 20 });
    EXPECT_EQ(Bounds(), gfx::Rect(before.Left, before.Top, before.Right + 30, before.Bottom + 20));
    // The frame follows the new size.
    EXPECT_EQ(Object("closebutton").ObjectRect.Right, 776 - 4);

    const gfx::TPoint left = At(1, 300);
    Harness.Drag(left, { left.X + 2000, left.Y });
    EXPECT_EQ(Bounds().Width(), 160);
    const gfx::TPoint top = At(80, 1);
    Harness.Drag(top, { top.X, top.Y + 2000 });
    EXPECT_EQ(Bounds().Height(), 30);
}

TEST_F(SkinFormStateTest, MagneticSnapsAtThreePixelsButNotAtFive)
{
    CreateForm();
    SkinForm->Magnetic = true;
    SkinForm->MagneticSize = 5;
    const gfx::TPoint grip = At(300, 15);
    Harness.Drag(grip, { grip.X - (Bounds().Left - 3), grip.Y });
    EXPECT_EQ(Bounds().Left, 0);

    Form->SetBounds(100, 100, 746, 535);
    Harness.AdvanceTime(1000); // not a double click on the caption
    const gfx::TPoint grip2 = At(300, 15);
    Harness.Drag(grip2, { grip2.X - (Bounds().Left - 5), grip2.Y });
    EXPECT_EQ(Bounds().Left, 5);
}

namespace {

// The skinned form beside a second, plain window of the program.
class SnapToWindowsTest : public SkinFormFixture {
protected:
    void CreateForms(const gfx::TRect& otherBounds)
    {
        CreateForm();
        SkinForm->Magnetic = true;
        SkinForm->MagneticSize = 5;
        Other = std::make_unique<ctl::TForm>(nullptr);
        Other->SetBounds(otherBounds.Left, otherBounds.Top, otherBounds.Width(), otherBounds.Height());
        Other->Show();
        Harness.ProcessMessages();
        ASSERT_EQ(Bounds(), gfx::Bounds(100, 100, 746, 535));
    }
    void DragBy(gfx::TPoint from, int dx, int dy)
    {
        Harness.AdvanceTime(1000); // never a double click
        Harness.Drag(from, { from.X + dx, from.Y + dy });
    }

    std::unique_ptr<ctl::TForm> Other;
};

} // namespace

TEST_F(SnapToWindowsTest, AMovedFormComesBesideANearbyWindowOfTheProgram)
{
    CreateForms(gfx::Bounds(850, 150, 150, 300)); // 4 pixels right of the form
    DragBy(At(300, 15), 2, 0);
    EXPECT_EQ(Bounds().Right, 850);
    EXPECT_EQ(Bounds().Width(), 746);

    // At the distance itself nothing pulls.
    Form->SetBounds(99, 100, 746, 535);
    DragBy(At(300, 15), 0, 1);
    EXPECT_EQ(Bounds(), gfx::Bounds(99, 101, 746, 535));

    // A hidden window does not pull, nor does one without Magnetic.
    Other->Hide();
    Form->SetBounds(100, 100, 746, 535);
    DragBy(At(300, 15), 2, 0);
    EXPECT_EQ(Bounds().Left, 102);
    Other->Show();
    SkinForm->Magnetic = false;
    Form->SetBounds(100, 100, 746, 535);
    DragBy(At(300, 15), 2, 0);
    EXPECT_EQ(Bounds().Left, 102);
}

TEST_F(SnapToWindowsTest, AWindowFarAwayAcrossTheMoveDoesNotPull)
{
    // Lined up with the form's right side but far below it.
    CreateForms(gfx::Bounds(850, 700, 150, 20));
    DragBy(At(300, 15), 2, 0);
    EXPECT_EQ(Bounds().Left, 102);
}

TEST_F(SnapToWindowsTest, SizingSnapsOnlyTheDraggedSides)
{
    CreateForms(gfx::Bounds(850, 150, 150, 300));
    DragBy(At(745, 300), 2, 0); // the right edge, 2 pixels short of the window
    EXPECT_EQ(Bounds(), gfx::Rect(100, 100, 850, 635));

    // From the left: the left side snaps to the other window placed there,
    // the right side stays.
    Other->SetBounds(0, 150, 96, 300);
    DragBy(At(1, 300), -2, 0);
    EXPECT_EQ(Bounds(), gfx::Rect(96, 100, 850, 635));
    // From the top: the top comes to the other window's bottom.
    Other->SetBounds(300, 0, 200, 97);
    DragBy(At(300, 1), 0, -1);
    EXPECT_EQ(Bounds(), gfx::Rect(96, 97, 850, 635));
}

TEST_F(SkinFormStateTest, CaptionDoubleClickMaximizesToTheWorkAreaAndRestores)
{
    CreateForm();
    const gfx::TRect normal = Bounds();
    const gfx::TPoint caption = At(300, 15);
    Harness.DoubleClick(caption.X, caption.Y);
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsMaximized);
    EXPECT_EQ(Bounds(), gfx::Rect(0, 0, 1024, 728));
    // Maximized, the edges no longer size.
    EXPECT_EQ(HitAt(1, 300), wnd::HTOBJECT);
    const gfx::TPoint again = At(300, 15);
    Harness.DoubleClick(again.X, again.Y);
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);
    EXPECT_EQ(Bounds(), normal);
    EXPECT_TRUE(SkinForm->SavedBounds().IsEmpty());
}

TEST_F(TwoMonitorTest, MaximizeStaysOnTheWindowsMonitorWithAGapWithoutTaskBar)
{
    CreateForm(1200, 100);
    ClickObject("maxbutton");
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsMaximized);
    EXPECT_EQ(Bounds(), gfx::Rect(1025, 1, 2303, 1023));
    ClickObject("maxbutton");
    EXPECT_EQ(Bounds(), gfx::Bounds(1200, 100, 746, 535));

    // On the primary monitor the task bar's work area is the target.
    Form->SetBounds(100, 100, 746, 535);
    Harness.ProcessMessages();
    ClickObject("maxbutton");
    EXPECT_EQ(Bounds(), gfx::Rect(0, 0, 1024, 728));
}

TEST_F(SkinFormStateTest, RollUpLeavesTheFrameAloneAndDoubleClickUnrolls)
{
    CreateForm();
    ClickObject("rollupbutton");
    EXPECT_TRUE(SkinForm->RolledUp());
    EXPECT_EQ(Bounds().Height(), 30);
    EXPECT_EQ(Bounds().Width(), 746);
    Snapshot("skinform_rolled_up");
    // Rolled up, the frame does not size; the caption still moves it.
    EXPECT_EQ(HitAt(300, 29), wnd::HTOBJECT);
    EXPECT_EQ(HitAt(300, 15), wnd::HTCAPTION);

    const gfx::TPoint caption = At(300, 15);
    Harness.DoubleClick(caption.X, caption.Y);
    EXPECT_FALSE(SkinForm->RolledUp());
    EXPECT_EQ(Bounds().Height(), 535);
}

TEST_F(SkinFormStateTest, RollUpNeedsItsBorderIcon)
{
    CreateForm();
    SkinForm->SetBorderIcons({ skinform::TbsBorderIcon::biSystemMenu, skinform::TbsBorderIcon::biMinimize,
        skinform::TbsBorderIcon::biMaximize });
    EXPECT_FALSE(Object("rollupbutton").Visible);
    SkinForm->SetRolledUp(true);
    EXPECT_FALSE(SkinForm->RolledUp());
    // A non-sizeable form without roll-up: a caption double-click does nothing.
    Form->SetBorderStyle(ctl::TFormBorderStyle::bsSingle);
    Harness.ProcessMessages();
    const gfx::TRect before = Bounds();
    const gfx::TPoint caption = At(300, 15);
    Harness.DoubleClick(caption.X, caption.Y);
    EXPECT_EQ(Bounds(), before);
    EXPECT_FALSE(SkinForm->RolledUp());
}

TEST_F(SkinFormStateTest, MaximizingARolledUpFormShowsItWholeAndRestoreUnrollsToo)
{
    CreateForm();
    const gfx::TRect normal = Bounds();
    SkinForm->SetRolledUp(true);
    SkinForm->SetFormState(TbsFormState::fsMaximized);
    EXPECT_FALSE(SkinForm->RolledUp());
    EXPECT_EQ(Bounds(), gfx::Rect(0, 0, 1024, 728));
    SkinForm->SetFormState(TbsFormState::fsNormal);
    EXPECT_EQ(Bounds(), normal);
    EXPECT_FALSE(SkinForm->RolledUp());
}

TEST_F(SkinFormStateTest, RestoreWithoutSavedBoundsKeepsAVisibleWindow)
{
    CreateForm();
    // Maximized, then rolled up while maximized and restored from the menu.
    SkinForm->SetFormState(TbsFormState::fsMaximized);
    SkinForm->SetRolledUp(true);
    EXPECT_TRUE(SkinForm->RolledUp());
    SkinForm->ExecuteSystemCommand(skinform::TbsSystemCommand::scRestore);
    EXPECT_FALSE(SkinForm->RolledUp());
    EXPECT_EQ(Bounds().Height(), 728);
    // A restore with nothing saved leaves a window of at least the minimum size.
    Form->SetBounds(10, 10, 20, 20);
    SkinForm->ExecuteSystemCommand(skinform::TbsSystemCommand::scMaximize);
    SkinForm->ExecuteSystemCommand(skinform::TbsSystemCommand::scRestore);
    EXPECT_GE(Bounds().Width(), 160);
    EXPECT_GE(Bounds().Height(), 30);
}

TEST_F(SkinFormStateTest, AnotherFormMinimizesToItsMinimumSizeAndComesBack)
{
    CreateForm();
    const gfx::TRect normal = Bounds();
    ClickObject("minbutton");
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsMinimized);
    EXPECT_EQ(Bounds(), gfx::Bounds(normal.Left, normal.Top, 160, 30));
    SkinForm->SetRolledUp(true);
    EXPECT_FALSE(SkinForm->RolledUp());
    const gfx::TPoint caption = At(40, 15);
    Harness.DoubleClick(caption.X, caption.Y);
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);
    EXPECT_EQ(Bounds(), normal);
}

TEST_F(SkinFormStateTest, TheMainFormMinimizesTheWholeApplication)
{
    ctl::Application->CreateForm(Form);
    SkinForm = new skinform::TbsSkinForm(Form);
    Data = std::make_unique<skin::TbsSkinData>(&SkinForm->MessageTarget());
    Data->SetCompressedStoredSkin(&Stored);
    SkinForm->SetSkinData(Data.get());
    Form->SetBounds(100, 100, 746, 535);
    Form->Show();
    ctl::TForm* other = new ctl::TForm(Form);
    other->Show();
    Harness.ProcessMessages();

    ClickObject("minbutton");
    EXPECT_TRUE(ctl::Application->Minimized());
    EXPECT_TRUE(wnd::IsIconic(Hwnd()));
    EXPECT_FALSE(wnd::IsWindowVisible(other->Handle()));
    EXPECT_EQ(SkinForm->FormState(), TbsFormState::fsNormal);

    // The task bar restores it.
    wnd::SendMessage(Hwnd(), wnd::WM_SYSCOMMAND, wnd::SC_RESTORE, 0);
    EXPECT_FALSE(ctl::Application->Minimized());
    EXPECT_FALSE(wnd::IsIconic(Hwnd()));
    EXPECT_TRUE(wnd::IsWindowVisible(other->Handle()));
    EXPECT_EQ(Bounds(), gfx::Bounds(100, 100, 746, 535));
}

TEST_F(SkinFormStateTest, FadeInRisesOneStepPerTimerTick)
{
    Form = new ctl::TForm(nullptr);
    SkinForm = new skinform::TbsSkinForm(Form);
    SkinForm->AlphaBlendAnimation = true;
    Data = std::make_unique<skin::TbsSkinData>(&SkinForm->MessageTarget());
    Data->SetCompressedStoredSkin(&Stored);
    SkinForm->SetSkinData(Data.get());
    Form->Show();
    // Shown transparent; the loop runs between the steps.
    EXPECT_EQ(wnd::GetWindowAlpha(Hwnd()), 0);
    Harness.AdvanceTime(1);
    EXPECT_EQ(wnd::GetWindowAlpha(Hwnd()), 5);
    Harness.AdvanceTime(1);
    EXPECT_EQ(wnd::GetWindowAlpha(Hwnd()), 10);
    Harness.AdvanceTime(100);
    EXPECT_EQ(wnd::GetWindowAlpha(Hwnd()), 255);
    EXPECT_EQ(wnd::GetWindowExStyle(Hwnd()) & wnd::WS_EX_LAYERED, 0u);
}

TEST_F(SkinFormStateTest, AlphaBlendFadesToItsValueAndStaysLayered)
{
    Form = new ctl::TForm(nullptr);
    SkinForm = new skinform::TbsSkinForm(Form);
    SkinForm->AlphaBlendAnimation = true;
    SkinForm->AlphaBlendValue = 202;
    SkinForm->SetAlphaBlend(true);
    Form->Show();
    Harness.AdvanceTime(100);
    EXPECT_EQ(wnd::GetWindowAlpha(Hwnd()), 202);
    EXPECT_NE(wnd::GetWindowExStyle(Hwnd()) & wnd::WS_EX_LAYERED, 0u);
}
