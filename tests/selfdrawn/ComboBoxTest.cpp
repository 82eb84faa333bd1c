#include "SelfDrawnTestSupport.h"

#include "platform/controls/TForm.h"
#include "selfdrawn/TSeSkinComboBox.h"

using namespace selfdrawn;

class SelfDrawnCombo : public SelfDrawnTest {
protected:
    TSeSkinComboBox* combo { nullptr };
    void SetUp() override
    {
        combo = new TSeSkinComboBox(form.get());
        combo->SetBounds(10, 10, 150, 21);
        combo->SetParent(form.get());
        for (const char* item : { "工作", "生活", "学习" })
            combo->Items().Add(item);
    }
};

TEST_F(SelfDrawnCombo, ItemIndexIsClampedAndSetsTheText)
{
    EXPECT_EQ(combo->SkinObject(), "ComboBox");
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "学习");
    combo->SetItemIndex(-7);
    EXPECT_EQ(combo->ItemIndex(), 0);
    // Typing never changes ItemIndex.
    combo->SetFocus();
    Harness.TypeText("x");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->ClearAll();
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(3);
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(SelfDrawnCombo, UpFromNoSelectionPicksTheFirstItem)
{
    combo->SetFocus();
    Harness.PressKey(wnd::VK_UP);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "工作");
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(combo->Text(), "生活");
}

TEST_F(SelfDrawnCombo, ButtonDropsTheListAndAClickPicksAnItem)
{
    int closed = 0;
    combo->OnCloseUp = [&](ctl::TObject*) { ++closed; };
    const gfx::TRect button = combo->ButtonRect();
    Click(At(*combo, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2));
    ASSERT_TRUE(combo->DroppedDown());
    TSeCustomListBox* list = combo->List();
    // Eight rows of 15 pixels plus the two one-pixel bevel rings on each side.
    EXPECT_EQ(list->Height(), 8 * 15 + 4);
    EXPECT_EQ(list->ClientToScreen({ 0, 0 }), combo->ClientToScreen({ 0, combo->Height() }));
    EXPECT_FALSE(list->ScrollBar().Visible());
    Harness.SaveSnapshot(list->Handle(), "selfdrawn_combo_list");
    const int row = list->GetContentRect().Top + 15 + 7;
    Click(At(*list, 20, row));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "生活");
    EXPECT_EQ(closed, 1);
}

TEST_F(SelfDrawnCombo, LongListsScrollAndOpenAboveNearTheBottom)
{
    for (int i = 0; i < 12; ++i)
        combo->Items().Add("项目 " + std::to_string(i));
    combo->SetTop(form->ClientHeight() - 25);
    form->SetTop(768 - 40 - form->Height());
    combo->DropDown();
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(combo->List()->ScrollBar().Visible());
    EXPECT_LT(combo->List()->ClientToScreen({ 0, 0 }).Y, combo->ClientToScreen({ 0, 0 }).Y);
    Harness.PressKey(wnd::VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), -1);
}
