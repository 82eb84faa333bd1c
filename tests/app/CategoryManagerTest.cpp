#include "AppWindows.h"

using namespace app;

class CategoryManager : public AppWindows {
protected:
    CategoryManager()
    {
        ClickControl(*Main().bsSkinSpeedButton2);
    }
    std::string SaveCaption() { return Manager().bsSkinButton1->Caption(); }
    std::vector<std::string> ListedCategories()
    {
        std::vector<std::string> names;
        for (const std::string& line : TreeLines(*Manager().bsSkinTreeView1))
            names.push_back(line);
        return names;
    }
};

TEST_F(CategoryManager, OpensInAddModeWithTheCategoryList)
{
    ASSERT_TRUE(Manager().Visible());
    EXPECT_EQ(ListedCategories(), (std::vector<std::string> { "工作", "生活", "空" }));
    EXPECT_EQ(SaveCaption(), "保存");
    EXPECT_FALSE(Manager().bsSkinButton4->Enabled());
    EXPECT_EQ(Manager().Label1->Caption(), "");
    Harness.SaveSnapshot(Manager().Handle(), "app-category-manager");
}

TEST_F(CategoryManager, AddInsertsARowEvenForANameThatExistsAndRefreshesBothWindows)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    Manager().SeSkinEdit1->SetText("It's \"家\"");
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "工作", "生活", "空", "It's \"家\"" }));
    EXPECT_EQ(ListedCategories().back(), "It's \"家\"");
    EXPECT_EQ(TreeLines(*Main().TreeView1).back(), "It's \"家\"");
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 4);
    EXPECT_EQ(Manager().SeSkinEdit1->Text(), "");
    EXPECT_EQ(SaveCaption(), "保存");
    // The main window's refresh hides the note buttons and empties the
    // category text but leaves the memos as they were.
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "周报");
    EXPECT_TRUE(Main().SeSkinMemo1->Enabled());

    Manager().SeSkinEdit1->SetText("工作");
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories().size(), 5u);
    EXPECT_EQ(TreeLines(*Main().TreeView1).back(), "工作 [周报] [He said \"it's\" done]");

    // An empty edit box saves nothing.
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories().size(), 5u);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(CategoryManager, RenameMovesTheNotesAndStaysOnTheSameCategory)
{
    ClickNode(*Manager().bsSkinTreeView1, "工作", 0);
    EXPECT_EQ(Manager().SeSkinEdit1->Text(), "工作");
    EXPECT_EQ(SaveCaption(), "修改");
    EXPECT_TRUE(Manager().bsSkinButton4->Enabled());

    // The main window loading a note in between does not change what is renamed.
    ClickNode(*Main().TreeView1, "购物", 1);
    Manager().SeSkinEdit1->SetText("Work \"'\"");
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "Work \"'\"", "生活", "空" }));
    for (const Note& note : StoredNotes())
        EXPECT_NE(note.category, "工作");
    EXPECT_EQ(StoredNotes()[0].category, "Work \"'\"");
    EXPECT_EQ(StoredNotes()[2].category, "生活");
    EXPECT_EQ(TreeLines(*Main().TreeView1)[0], "Work \"'\" [周报] [He said \"it's\" done]");
    EXPECT_EQ(Manager().SeSkinEdit1->Text(), "");
    EXPECT_EQ(SaveCaption(), "修改");
    // With the box left empty, save does nothing.
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "Work \"'\"", "生活", "空" }));

    // A further save renames the same row again; onto an existing name it merges.
    Manager().SeSkinEdit1->SetText("生活");
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "生活", "生活", "空" }));
    EXPECT_EQ(TreeLines(*Main().TreeView1)[0], TreeLines(*Main().TreeView1)[1]);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(CategoryManager, DeleteIsRefusedWhileNotesUseTheCategory)
{
    ClickNode(*Manager().bsSkinTreeView1, "生活", 0);
    Manager().Label1->SetCaption("x");
    const int oneLine = Manager().Label1->Height();
    ClickControl(*Manager().bsSkinButton4);
    EXPECT_EQ(Manager().Label1->Caption(), "该项有下级内容,不能删除," + std::string(15, ' ') + "\r否则会遗失数据.");
    EXPECT_GE(Manager().Label1->Height(), 2 * oneLine);
    EXPECT_EQ(StoredCategories().size(), 3u);
    EXPECT_EQ(StoredNotes().size(), 3u);
    EXPECT_EQ(SaveCaption(), "保存");
    EXPECT_FALSE(Manager().bsSkinButton4->Enabled());
    EXPECT_EQ(Manager().SeSkinEdit1->Text(), "");
    Harness.SaveSnapshot(Manager().Handle(), "app-category-manager-refused");

    // A click on a category empties the message line again.
    ClickNode(*Manager().bsSkinTreeView1, "空", 0);
    EXPECT_EQ(Manager().Label1->Caption(), "");
}

TEST_F(CategoryManager, DeleteRemovesAnEmptyCategoryFromBothLists)
{
    ClickNode(*Manager().bsSkinTreeView1, "空", 0);
    ClickControl(*Manager().bsSkinButton4);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "工作", "生活" }));
    EXPECT_EQ(ListedCategories(), (std::vector<std::string> { "工作", "生活" }));
    EXPECT_EQ(TreeLines(*Main().TreeView1).size(), 2u);
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 2);
    EXPECT_EQ(SaveCaption(), "保存");
    EXPECT_FALSE(Manager().bsSkinButton4->Enabled());
    EXPECT_EQ(Manager().Label1->Caption(), "");
}

TEST_F(CategoryManager, NewReturnsToAddModeAndCloseHides)
{
    ClickNode(*Manager().bsSkinTreeView1, "空", 0);
    ClickControl(*Manager().bsSkinButton3);
    EXPECT_EQ(SaveCaption(), "保存");
    EXPECT_FALSE(Manager().bsSkinButton4->Enabled());
    EXPECT_EQ(Manager().SeSkinEdit1->Text(), "");
    ClickControl(*Manager().bsSkinButton2);
    EXPECT_FALSE(Manager().Visible());
    EXPECT_EQ(StoredCategories().size(), 3u);
}

TEST_F(CategoryManager, HasItsLayoutAndIsShownAgainWithTheListReadAnew)
{
    EXPECT_EQ(Manager().Caption(), "管理");
    EXPECT_EQ(Manager().ClientWidth(), 353);
    EXPECT_EQ(Manager().ClientHeight(), 234);
    EXPECT_EQ(Manager().bsSkinTreeView1->BoundsRect(), gfx::Rect(2, 2, 131, 181));
    EXPECT_EQ(Manager().SeSkinEdit1->Left(), 152);
    EXPECT_EQ(Manager().SeSkinEdit1->Top(), 48);
    EXPECT_EQ(Manager().SeSkinEdit1->Font().Color, gfx::clRed);
    EXPECT_EQ(Manager().Label1->Font().Color, gfx::clFuchsia);
    int x = 140;
    for (const auto* button : { Manager().bsSkinButton3, Manager().bsSkinButton4, Manager().bsSkinButton1 }) {
        EXPECT_EQ(button->BoundsRect(), gfx::Rect(x, 200, x + 50, 225)) << button->Name();
        x += 51;
    }
    EXPECT_EQ(Manager().bsSkinButton2->Left(), 294);

    // Shown again while visible: brought to the front, the list as it was.
    {
        app::TData other(Store.ConnectionString());
        other.LB.Insert();
        other.LB.FieldByName("类别").SetAsString("外来");
        other.LB.Post();
    }
    ClickControl(*Main().bsSkinSpeedButton2);
    EXPECT_EQ(wnd::GetActiveWindow(), Manager().Handle());
    EXPECT_EQ(ListedCategories().size(), 3u);

    // Closed and shown again: the list is read anew.
    ClickControl(*Manager().bsSkinButton2);
    ClickControl(*Main().bsSkinSpeedButton2);
    EXPECT_EQ(ListedCategories().back(), "外来");
}

TEST_F(CategoryManager, TheMessageLineIsKeptBySaveAndByACompletedDelete)
{
    ClickNode(*Manager().bsSkinTreeView1, "生活", 0);
    ClickControl(*Manager().bsSkinButton4);
    const std::string refused = Manager().Label1->Caption();
    ASSERT_FALSE(refused.empty());
    Manager().SeSkinEdit1->SetText("新类");
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories().back(), "新类");
    EXPECT_EQ(Manager().Label1->Caption(), refused);

    ClickNode(*Manager().bsSkinTreeView1, "新类", 0);
    EXPECT_EQ(Manager().Label1->Caption(), "");
    Manager().Label1->SetCaption("kept");
    ClickControl(*Manager().bsSkinButton4);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "工作", "生活", "空" }));
    EXPECT_EQ(Manager().Label1->Caption(), "kept");
}

TEST_F(CategoryManager, DeleteNeedsSomeTextAndRemovesTheLoadedCategoryWhateverTheTextSays)
{
    ClickNode(*Manager().bsSkinTreeView1, "空", 0);
    Manager().SeSkinEdit1->SetText("");
    ClickControl(*Manager().bsSkinButton4);
    EXPECT_EQ(StoredCategories().size(), 3u);
    EXPECT_EQ(SaveCaption(), "修改");
    EXPECT_TRUE(Manager().bsSkinButton4->Enabled());

    Manager().SeSkinEdit1->SetText("工作");
    ClickControl(*Manager().bsSkinButton4);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "工作", "生活" }));
    EXPECT_EQ(Manager().Label1->Caption(), "");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(CategoryManager, ARenameThatCannotBeCompletedLeavesTheNotesUnderTheirOldName)
{
    ClickNode(*Manager().bsSkinTreeView1, "工作", 0);
    {
        // Another program removes the category row in between.
        app::TData other(Store.ConnectionString());
        other.OpenCurrentCategory("工作");
        other.QLB.Delete();
    }
    Manager().SeSkinEdit1->SetText("新名");
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(Errors.size(), 1u);
    EXPECT_EQ(StoredNotes()[0].category, "工作");
    EXPECT_EQ(StoredNotes()[1].category, "工作");
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "生活", "空" }));
    // The steps after the failing one are not done.
    EXPECT_EQ(Manager().SeSkinEdit1->Text(), "新名");
    EXPECT_EQ(ListedCategories().size(), 3u);

    // The store takes further changes afterwards.
    ClickNode(*Manager().bsSkinTreeView1, "空", 0);
    Manager().SeSkinEdit1->SetText("空的");
    ClickControl(*Manager().bsSkinButton1);
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "生活", "空的" }));
    EXPECT_EQ(Errors.size(), 1u);
}

TEST_F(CategoryManager, ANewCategoryCanBeTypedAndSavedFromTheKeyboard)
{
    ClickControl(*Manager().SeSkinEdit1);
    ASSERT_TRUE(Manager().SeSkinEdit1->Focused());
    Harness.TypeText("旅行");
    // Tab passes 新增 and the disabled 删除 on the way to 保存.
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_EQ(Manager().ActiveControl(), Manager().bsSkinButton3);
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_EQ(Manager().ActiveControl(), Manager().bsSkinButton1);
    Harness.PressKey(wnd::VK_SPACE);
    EXPECT_EQ(StoredCategories().back(), "旅行");
    EXPECT_EQ(ListedCategories().back(), "旅行");
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_EQ(Manager().ActiveControl(), Manager().bsSkinButton2);
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_EQ(Manager().ActiveControl(), Manager().bsSkinTreeView1);
}
