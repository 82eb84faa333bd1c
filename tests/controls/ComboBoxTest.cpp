#include "Headless.h"

#include "platform/controls/TComboBox.h"
#include "platform/controls/TComboListWindow.h"
#include "platform/controls/TForm.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"

#include <memory>

using namespace ctl;

namespace {

class ComboBox : public HeadlessTest {
protected:
    ComboBox()
    {
        form->SetClientSize(300, 200);
        combo->SetBounds(10, 10, 160, 21);
        for (const char* name : { "Office", "Basement", "Bureau", "Virtual printer", "打印机" })
            combo->Items().Add(name);
        combo->SetItemIndex(0);
        combo->SetParent(form.get());
        combo->OnChange = [this](TObject*) { ++changes; };
        form->Show();
        combo->SetFocus();
        Harness.ProcessMessages();
    }

    // Runs `action` the first time the open list waits, with its window.
    void WhileOpen(std::function<void(TComboListWindow&)> action)
    {
        WhenIdle([this, action] {
            ASSERT_NE(combo->ListWindow(), nullptr);
            action(*combo->ListWindow());
        });
    }
    gfx::TPoint Row(const TComboListWindow& list, int row) const
    {
        const gfx::TRect r = list.List->ItemRect(row);
        return list.List->ClientToScreen({ r.Left + 5, (r.Top + r.Bottom) / 2 });
    }

    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TComboBox* combo { new TComboBox(form.get()) };
    int changes { 0 };
};

TEST_F(ComboBox, ArrowsHomeEndAndTheWheelChangeTheSelectionWhileClosed)
{
    EXPECT_EQ(combo->Text(), "Office");
    Harness.PressKey(wnd::VK_UP);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 0) << "nothing moved at the top";
    Harness.PressKey(wnd::VK_DOWN);
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(combo->Text(), "Bureau");
    EXPECT_EQ(changes, 2);
    Harness.PressKey(wnd::VK_END);
    EXPECT_EQ(combo->Text(), "打印机");
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 4);
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(combo->ItemIndex(), 0);
    const gfx::TPoint middle = Middle(*combo);
    Harness.Wheel(middle.X, middle.Y, -wnd::WHEEL_DELTA * 2);
    EXPECT_EQ(combo->ItemIndex(), 2);
    Harness.Wheel(middle.X, middle.Y, wnd::WHEEL_DELTA * 5);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 6);
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBox, AFirstLetterWalksTheItemsStartingWithItAndWraps)
{
    Harness.TypeText("b");
    EXPECT_EQ(combo->Text(), "Basement");
    Harness.TypeText("B");
    EXPECT_EQ(combo->Text(), "Bureau");
    Harness.TypeText("b");
    EXPECT_EQ(combo->Text(), "Basement");
    Harness.TypeText("打");
    EXPECT_EQ(combo->ItemIndex(), 4);
    Harness.TypeText("z");
    EXPECT_EQ(combo->ItemIndex(), 4) << "no item starts with z";
    EXPECT_EQ(changes, 4);
}

TEST_F(ComboBox, TheOpenListTakesArrowsAndEnterWhileEscKeepsTheChoice)
{
    WhileOpen([this](TComboListWindow& list) {
        EXPECT_EQ(list.List->ItemIndex(), 0);
        EXPECT_EQ(list.Width(), combo->Width());
        EXPECT_EQ(list.Top(), combo->ClientToScreen({ 0, combo->Height() }).Y) << "below the box";
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_ESCAPE);
    });
    Harness.PressKey(wnd::VK_F4);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(combo->DroppedDown());

    WhileOpen([this](TComboListWindow&) {
        // Alt is let go first: Alt+Down in the open list would close it.
        wnd::TRawInput altUp;
        altUp.kind = wnd::TRawInputKind::KeyUp;
        altUp.vk = wnd::VK_MENU;
        Harness.Queue(altUp);
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_RETURN);
    });
    Harness.KeyDown(wnd::VK_MENU);
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(combo->Text(), "Virtual printer");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(ComboBox, AClickOnARowTakesItAndAClickOutsideClosesTheList)
{
    WhileOpen([this](TComboListWindow& list) {
        // Hovering marks the row before it is clicked.
        QueueClick(Row(list, 2));
    });
    Click(Middle(*combo));
    EXPECT_EQ(combo->Text(), "Bureau");
    EXPECT_EQ(changes, 1);

    WhileOpen([this](TComboListWindow&) { QueueClick(At(*form, 250, 180)); });
    Click(At(*combo, combo->ButtonRect().Left + 3, 10));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Bureau");
    EXPECT_EQ(changes, 1);
}

TEST_F(ComboBox, TheListOpensAboveTheBoxWhenTheWorkAreaHasNoRoomBelowAndScrollsLongLists)
{
    const gfx::TRect work = wnd::GetWorkArea();
    form->SetBounds(work.Left + 20, work.Bottom - 80, 300, 70);
    for (int i = 0; i < 20; ++i)
        combo->Items().Add("Extra " + std::to_string(i));
    combo->SetDropDownCount(6);
    combo->SetItemIndex(20);
    Harness.ProcessMessages();
    WhileOpen([this](TComboListWindow& list) {
        EXPECT_EQ(list.Top() + list.Height(), combo->ClientToScreen({ 0, 0 }).Y) << "above the box";
        EXPECT_EQ(list.List->PageRows(), 6);
        EXPECT_LE(list.List->TopIndex(), 20);
        EXPECT_GT(list.List->TopIndex() + 6, 20) << "the selected row is in view";
        QueueKey(wnd::VK_ESCAPE);
    });
    combo->DropDown();
    EXPECT_EQ(combo->ItemIndex(), 20);
}

TEST_F(ComboBox, ADisabledOrEmptyComboDoesNotOpen)
{
    combo->SetEnabled(false);
    combo->DropDown();
    EXPECT_FALSE(combo->DroppedDown());
    combo->SetEnabled(true);
    combo->Items().Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->DropDown();
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(changes, 0);
}

} // namespace
