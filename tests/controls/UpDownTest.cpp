#include "Headless.h"

#include "platform/controls/TEdit.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TUpDown.h"
#include "platform/window/VirtualKeys.h"

#include <memory>
#include <vector>

using namespace ctl;

namespace {

class UpDown : public HeadlessTest {
protected:
    UpDown()
    {
        form->SetClientSize(200, 100);
        edit->SetBounds(10, 10, 50, 21);
        edit->SetParent(form.get());
        updown->SetMin(1);
        updown->SetMax(999);
        updown->SetAssociate(edit);
        updown->OnClick = [this](TObject*, TUDBtnType b) { buttons.push_back(b); };
        form->Show();
    }

    gfx::TPoint UpButton() const { return At(*updown, updown->Width() / 2, 2); }
    gfx::TPoint DownButton() const { return At(*updown, updown->Width() / 2, updown->Height() - 3); }

    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TEdit* edit { new TEdit(form.get()) };
    TUpDown* updown { new TUpDown(form.get()) };
    std::vector<TUDBtnType> buttons;
};

TEST_F(UpDown, ItSitsBesideItsAssociateAndShowsThePositionThere)
{
    EXPECT_EQ(updown->Parent(), form.get());
    EXPECT_EQ(updown->Left(), edit->Left() + edit->Width());
    EXPECT_EQ(updown->Top(), edit->Top());
    EXPECT_EQ(updown->Height(), edit->Height());
    EXPECT_EQ(updown->Position(), 1);
    EXPECT_EQ(edit->Text(), "1");
    updown->SetPosition(5000);
    EXPECT_EQ(edit->Text(), "999");
}

TEST_F(UpDown, TheButtonsStepAndStopAtTheEndsUnlessWrapping)
{
    Click(UpButton());
    Click(UpButton());
    EXPECT_EQ(edit->Text(), "3");
    for (int i = 0; i < 4; ++i)
        Click(DownButton());
    EXPECT_EQ(updown->Position(), 1); // never below Min
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_EQ(buttons.size(), 6u);
    EXPECT_EQ(buttons.front(), TUDBtnType::btNext);
    EXPECT_EQ(buttons.back(), TUDBtnType::btPrev);

    updown->Wrap = true;
    Click(DownButton());
    EXPECT_EQ(updown->Position(), 999);
    Click(UpButton());
    EXPECT_EQ(updown->Position(), 1);

    updown->SetIncrement(0); // refused
    updown->SetIncrement(10);
    Click(UpButton());
    EXPECT_EQ(updown->Position(), 11);
}

TEST_F(UpDown, ANumberTypedInTheAssociateIsWhereTheNextStepStarts)
{
    edit->SetFocus();
    edit->SelectAll();
    Harness.TypeText("41");
    Click(UpButton());
    EXPECT_EQ(edit->Text(), "42");

    // What is not a number is left for the step to replace.
    edit->SetText("many");
    Click(DownButton());
    EXPECT_EQ(edit->Text(), "41");
    edit->SetText(" 0 "); // below Min: taken as Min
    Click(DownButton());
    EXPECT_EQ(edit->Text(), "1");
}

TEST_F(UpDown, UpAndDownInTheAssociateStepAndItsOwnKeyHandlerStillRuns)
{
    std::vector<int> seen;
    updown->SetAssociate(nullptr);
    edit->OnKeyDown = [&seen](TObject*, int& key, TShiftState) { seen.push_back(key); };
    updown->SetAssociate(edit);
    edit->SetFocus();
    Harness.PressKey(wnd::VK_UP);
    Harness.PressKey(wnd::VK_UP);
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(edit->Text(), "2");
    Harness.TypeText("7");
    EXPECT_EQ(seen, (std::vector<int> { wnd::VK_UP, wnd::VK_UP, wnd::VK_DOWN }));

    updown->ArrowKeys = false;
    Harness.PressKey(wnd::VK_UP);
    EXPECT_EQ(updown->Position(), 2);

    // Letting go of the associate hands its own handler back.
    updown->SetAssociate(nullptr);
    seen.clear();
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(seen, (std::vector<int> { wnd::VK_DOWN }));
}

TEST_F(UpDown, HoldingAButtonRepeatsUntilReleasedOrLeft)
{
    const gfx::TPoint up = UpButton();
    Harness.MouseDown(up.X, up.Y);
    EXPECT_EQ(updown->Position(), 2);
    Harness.AdvanceTime(399);
    EXPECT_EQ(updown->Position(), 2);
    Harness.AdvanceTime(1); // the first delay
    Harness.AdvanceTime(300); // then every 100 ms
    EXPECT_EQ(updown->Position(), 6);
    const gfx::TPoint away = At(*form, 150, 80);
    Harness.MoveMouse(away.X, away.Y);
    Harness.AdvanceTime(500);
    EXPECT_EQ(updown->Position(), 6);
    Harness.MoveMouse(up.X, up.Y);
    Harness.AdvanceTime(100);
    EXPECT_EQ(updown->Position(), 7);
    Harness.MouseUp(up.X, up.Y);
    Harness.AdvanceTime(1000);
    EXPECT_EQ(updown->Position(), 7);
}

TEST_F(UpDown, OnChangingCanRefuseAStepAndRangesStayOrdered)
{
    updown->OnChanging = [](TObject*, bool& allow, int next) { allow = next != 3; };
    Click(UpButton());
    Click(UpButton());
    EXPECT_EQ(updown->Position(), 2);
    EXPECT_EQ(edit->Text(), "2");

    updown->SetMax(0); // below Min: refused
    EXPECT_EQ(updown->Max(), 999);
    updown->SetMin(500);
    EXPECT_EQ(updown->Position(), 500);
    EXPECT_EQ(edit->Text(), "500");
}

TEST_F(UpDown, AnAssociateFreedFirstLeavesNothingBehind)
{
    delete edit;
    EXPECT_EQ(updown->Associate(), nullptr);
    Click(UpButton());
    EXPECT_EQ(updown->Position(), 2);
}

} // namespace
