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
