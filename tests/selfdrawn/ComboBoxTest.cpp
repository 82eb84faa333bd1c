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

TEST_F(SelfDrawnCombo, AutoCompleteRunsOnTheTimerAndOnlyWhileTypingForwards)
{
    combo->Items().Clear();
    for (const char* item : { "Banana", "apple", "apricot" })
        combo->Items().Add(item);
    combo->AutoComplete = true;
    combo->SetFocus();
    Harness.TypeText("Ap");
    Harness.AdvanceTime(90);
    EXPECT_EQ(combo->Text(), "Ap"); // not yet
    Harness.AdvanceTime(10);
    EXPECT_EQ(combo->Text(), "apple"); // the first item that begins with it, in any case
    EXPECT_EQ(combo->SelText(), "ple");
    EXPECT_EQ(combo->ItemIndex(), -1);
    Harness.TypeText("r"); // replaces the completed part
    Harness.AdvanceTime(100);
    EXPECT_EQ(combo->Text(), "apricot");
    EXPECT_EQ(combo->SelText(), "icot");
    Harness.PressKey(wnd::VK_BACK); // drops the completion: the typed text is unchanged
    Harness.AdvanceTime(100);
    EXPECT_EQ(combo->Text(), "apr");
    Harness.PressKey(wnd::VK_BACK); // deleting never completes
    Harness.AdvanceTime(100);
    EXPECT_EQ(combo->Text(), "ap");
    Harness.TypeText("x");
    Harness.AdvanceTime(100);
    EXPECT_EQ(combo->Text(), "apx"); // nothing begins with it
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(SelfDrawnCombo, AutoCompleteIsOffByDefaultAndForPickOnlyBoxes)
{
    combo->SetFocus();
    Harness.TypeText("生");
    Harness.AdvanceTime(200);
    EXPECT_EQ(combo->Text(), "生");
    combo->AutoComplete = true;
    combo->SetComboStyle(TSeComboStyle::kcsDropDownList);
    combo->SetItemIndex(0);
    Harness.AdvanceTime(200);
    EXPECT_EQ(combo->Text(), "工作");
}

TEST_F(SelfDrawnCombo, PickOnlyStyleTakesKeysWheelAndReportsEveryPick)
{
    int changes = 0;
    combo->OnChange = [&](ctl::TObject*) { ++changes; };
    combo->SetReadOnly(false);
    combo->SetComboStyle(TSeComboStyle::kcsDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 0); // -1 becomes the first item
    EXPECT_TRUE(combo->ReadOnly());
    EXPECT_EQ(combo->DisplayCursor(), ctl::crArrow);
    combo->SetFocus();
    changes = 0;
    Harness.PressKey(wnd::VK_END);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "学习");
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(combo->ItemIndex(), 0);
    Harness.PressKey(wnd::VK_NEXT);
    EXPECT_EQ(combo->ItemIndex(), 2);
    Harness.PressKey(wnd::VK_PRIOR);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 4);
    Harness.TypeText("x");
    EXPECT_EQ(combo->Text(), "工作");
    // A notch down moves three items with three wheel lines, clamped to the last.
    const gfx::TPoint p = Middle(*combo);
    Harness.Wheel(p.X, p.Y, -120);
    EXPECT_EQ(combo->ItemIndex(), 2);
    Harness.Wheel(p.X, p.Y, 120);
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetComboStyle(TSeComboStyle::kcsDropDown);
    EXPECT_FALSE(combo->ReadOnly());
}

TEST_F(SelfDrawnCombo, FreeTextStyleLeavesPageAndHomeKeysToTheEdit)
{
    combo->SetText("abc");
    combo->SetFocus();
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(combo->CaretIndex(), 0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    Harness.PressKey(wnd::VK_NEXT);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "abc");
}

TEST_F(SelfDrawnCombo, ListClickAsksOnAllowChangeEnterAndEscapeDoNot)
{
    std::vector<std::string> events;
    combo->OnDropDown = [&](ctl::TObject*) { events.push_back("drop"); };
    combo->OnCloseUp = [&](ctl::TObject*) { events.push_back("close"); };
    combo->OnListBoxClick = [&](ctl::TObject*) { events.push_back("click"); };
    combo->OnAllowChange = [&](ctl::TObject*, int index, const std::string& item, bool& allow) {
        events.push_back("allow " + std::to_string(index) + " " + item);
        allow = false;
    };
    combo->DropDown();
    TSeCustomListBox* list = combo->List();
    Click(At(*list, 20, list->GetContentRect().Top + 2 * 15 + 7));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), -1); // refused
    EXPECT_EQ(events, (std::vector<std::string> { "drop", "click", "allow 2 学习", "close" }));
    EXPECT_TRUE(combo->Focused());

    combo->DropDown();
    Harness.PressKey(wnd::VK_DOWN);
    Harness.PressKey(wnd::VK_RETURN); // takes the list's item without asking
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->DropDown();
    EXPECT_EQ(list->ItemIndex(), 1);
    Harness.PressKey(wnd::VK_DOWN);
    Harness.PressKey(wnd::VK_ESCAPE);
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->DropDown();
    Harness.PressKey(wnd::VK_UP);
    Harness.PressKey(wnd::VK_SPACE);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "工作");
    EXPECT_EQ(std::count(events.begin(), events.end(), "allow 2 学习"), 1);
}

TEST_F(SelfDrawnCombo, ClickingElsewhereClosesWithoutAChange)
{
    combo->SetItemIndex(1);
    combo->DropDown();
    ASSERT_TRUE(combo->DroppedDown());
    Harness.PressKey(wnd::VK_DOWN);
    Click(At(*form, 300, 200));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "生活");
}

TEST_F(SelfDrawnCombo, DropDownPlacementKeepsInsideTheWorkArea)
{
    // Near the bottom it opens above, ending on the box's top edge.
    form->SetBounds(900, 768 - 40 - form->Height(), form->Width(), form->Height());
    combo->SetTop(form->ClientHeight() - 25);
    combo->SetLeft(form->ClientWidth() - combo->Width());
    combo->DropDown();
    ASSERT_TRUE(combo->DroppedDown());
    const gfx::TRect window = combo->DropDownWindow()->BoundsRect();
    EXPECT_EQ(window.Bottom, combo->ClientToScreen({ 0, 0 }).Y);
    EXPECT_EQ(window.Height(), 8 * 15 + 4);
    // Past the right edge of the work area it moves left to end there.
    EXPECT_EQ(window.Right, 1024);
    EXPECT_EQ(window.Width(), combo->Width());
}

TEST_F(SelfDrawnCombo, ButtonOnTheLeftNarrowsTheTextFromTheLeft)
{
    const gfx::TRect right = combo->GetTextRect();
    combo->SetButtonAlign(TSeComboButtonAlign::cbaLeft);
    const gfx::TRect text = combo->GetTextRect();
    const gfx::TRect button = combo->ButtonRect();
    EXPECT_EQ(text.Left, right.Left + 15);
    EXPECT_EQ(text.Right, right.Right + 15);
    EXPECT_EQ(button.Right, text.Left);
    EXPECT_EQ(button.Width(), 15);
    Click(At(*combo, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2));
    EXPECT_TRUE(combo->DroppedDown());
}

TEST_F(SelfDrawnCombo, ButtonIsNonClientAndLightsUpUnderThePointer)
{
    const gfx::TRect button = combo->ButtonRect();
    const gfx::TPoint inButton = At(*combo, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
    const gfx::TPoint inText = At(*combo, combo->GetTextRect().Left + 3, combo->Height() / 2);
    const auto hit = [&](gfx::TPoint p) { return combo->Perform(wnd::WM_NCHITTEST, 0, wnd::MAKELPARAM(p.X, p.Y)); };
    EXPECT_EQ(hit(inButton), wnd::HTBORDER);
    EXPECT_EQ(hit(inText), wnd::HTCLIENT);
    // Pressing in the text of a free-text box does not drop the list.
    Click(inText);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(combo->Focused());
}

TEST_F(SelfDrawnCombo, LoadingStoresTheIndexAsGivenAndStartsNoCompletion)
{
    auto loaded = std::make_unique<ctl::TForm>(nullptr);
    loaded->BeginLoading();
    auto* box = new TSeSkinComboBox(loaded.get());
    box->SetParent(loaded.get());
    box->AutoComplete = true;
    box->Items().Add("one");
    box->SetItemIndex(4); // the items may not all be there yet
    EXPECT_EQ(box->ItemIndex(), 4);
    box->SetText("o");
    gfx::TFont big = box->Font();
    big.Height = -24;
    box->SetFont(big);
    loaded->EndLoading();
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->Height(), 2 * box->GetContentRect().Top + box->GetTextRect().Height());
    Harness.AdvanceTime(200);
    EXPECT_EQ(box->Text(), "o"); // no completion was started while loading
}

TEST_F(SelfDrawnCombo, DisabledBoxLooksLikeAnEnabledOneInTheClassicLook)
{
    combo->SetItemIndex(0);
    Harness.ProcessMessages();
    const gfx::TBitmap enabled = Harness.Capture(combo->Handle());
    combo->SetEnabled(false);
    combo->Invalidate();
    Harness.ProcessMessages();
    const gfx::TBitmap disabled = Harness.Capture(combo->Handle());
    int differing = 0;
    for (int y = 0; y < combo->Height(); ++y)
        for (int x = 0; x < combo->Width(); ++x)
            differing += enabled.GetPixel(x, y) != disabled.GetPixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

TEST_F(SelfDrawnCombo, PressingTheButtonOfAnOpenListClosesIt)
{
    const gfx::TRect button = combo->ButtonRect();
    const gfx::TPoint inButton = At(*combo, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
    Click(inButton);
    ASSERT_TRUE(combo->DroppedDown());
    Click(inButton);
    EXPECT_FALSE(combo->DroppedDown());
    // The press that closed it is spent: the next one opens the list again.
    Click(inButton);
    EXPECT_TRUE(combo->DroppedDown());
}
