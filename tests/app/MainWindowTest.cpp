#include "AppWindows.h"

using namespace app;

using MainWindow = AppWindows;

namespace {

const std::string kQuoted = "He said \"it's\" done";

} // namespace

TEST_F(MainWindow, StartsIdleWithTheTreeTheCategoryListAndTheCount)
{
    EXPECT_EQ(TreeLines(*Main().TreeView1),
        (std::vector<std::string> { "工作 [周报] [" + kQuoted + "]", "生活 [购物]", "空" }));
    for (ctl::TTreeNode* root = Main().TreeView1->Items().GetFirstNode(); root; root = root->GetNextSibling()) {
        EXPECT_FALSE(root->Expanded());
        EXPECT_EQ(root->ImageIndex(), 0);
        if (root->GetFirstChild()) {
            EXPECT_EQ(root->GetFirstChild()->ImageIndex(), 1);
        }
    }
    EXPECT_EQ(Main().TreeView1->Selected(), nullptr);
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 3);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
    EXPECT_FALSE(Main().DateTimePicker1->Enabled());
    EXPECT_EQ(CountLine(), "现共有记录: 3 个");
    EXPECT_EQ(Main().SeSkinProgressBar1->Position(), 100);
    EXPECT_EQ(Main().bsSkinEdit1->Text(), "请输入关键字");
    // The body memo fills the lower part of the note panel beside its scroll bar.
    EXPECT_EQ(Main().Panel3->Top(), Main().Splitter1->Top() + 8);
    EXPECT_EQ(Main().Splitter1->Top(), Main().Panel2->Top() + 153);
    EXPECT_GT(Main().bsSkinMemo21->Height(), 200);
    EXPECT_EQ(Main().bsSkinScrollBar1->Width(), 19);
    EXPECT_EQ(Main().StatusBar1->Panels()[1]->Text(), "");
    Main().Timer1->SetEnabled(true);
    Harness.AdvanceTime(1000);
    EXPECT_EQ(Main().StatusBar1->Panels()[1]->Text().substr(0, 2), "  ");
    EXPECT_GT(Main().StatusBar1->Panels()[1]->Text().size(), 10u);
    Harness.SaveSnapshot(Main().Handle(), "app-main-idle");
}

TEST_F(MainWindow, TreeClickOnANoteShowsItForViewingAndOtherClicksChangeNothing)
{
    ClickNode(*Main().TreeView1, "工作", 0);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());

    ClickNode(*Main().TreeView1, "周报", 1);
    EXPECT_EQ(NoteButtons(), "1--4");
    EXPECT_TRUE(EditorsEnabled());
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "工作");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "周报");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "本周完成了\r\n登录页");
    Harness.SaveSnapshot(Main().Handle(), "app-main-viewing");

    // A second click loads the stored values again over unsaved edits.
    Main().SeSkinMemo1->SetText("changed");
    ClickNode(*Main().TreeView1, "周报", 1);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "周报");

    // A title with both kinds of quotes is found as it stands.
    ClickNode(*Main().TreeView1, kQuoted, 1);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), kQuoted);
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "quotes ' and \" stay");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, ModifyWritesTheEditorsIntoTheNoteAndReturnsToIdle)
{
    ClickNode(*Main().TreeView1, kQuoted, 1);
    Main().SeSkinComboBox1->SetText("生活");
    Main().SeSkinMemo1->SetText("It's \"new\"\r\nsecond line");
    Main().bsSkinMemo21->SetText("body ' \" ;--");
    ClickControl(*Main().Button1);

    EXPECT_EQ(StoredNotes()[1], (Note { "生活", "It's \"new\"\r\nsecond line", "body ' \" ;--" }));
    EXPECT_EQ(StoredNotes().size(), 3u);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "");
    EXPECT_EQ(TreeLines(*Main().TreeView1),
        (std::vector<std::string> { "工作 [周报]", "生活 [It's \"new\"\r\nsecond line] [购物]", "空" }));

    // A category outside the list takes the note out of the tree; it is still counted.
    ClickNode(*Main().TreeView1, "周报", 1);
    Main().SeSkinComboBox1->SetText("无处");
    ClickControl(*Main().Button1);
    EXPECT_EQ(StoredNotes()[0].category, "无处");
    EXPECT_EQ(TreeLines(*Main().TreeView1).front(), "工作");
    EXPECT_EQ(CountLine(), "现共有记录: 3 个");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, NewNoteIsSavedDatedAtSavingAndAnAllEmptySaveDoesNothing)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    ClickControl(*Main().bsSkinSpeedButton1);
    EXPECT_EQ(NoteButtons(), "-23-");
    EXPECT_TRUE(EditorsEnabled());
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "");
    EXPECT_EQ(Main().TreeView1->Selected()->Text(), "周报");

    // All three editors empty: no row, no change of state.
    ClickControl(*Main().Button2);
    EXPECT_EQ(StoredNotes().size(), 3u);
    EXPECT_EQ(NoteButtons(), "-23-");

    // Discard has no action.
    Main().SeSkinMemo1->SetText("草稿");
    ClickControl(*Main().Button3);
    EXPECT_EQ(NoteButtons(), "-23-");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "草稿");

    Main().SeSkinComboBox1->SetText("空");
    Main().SeSkinMemo1->SetText("Title with ' and \"");
    Main().bsSkinMemo21->SetText("第一行\r\n第二行");
    ClickControl(*Main().Button2);
    ASSERT_EQ(StoredNotes().size(), 4u);
    EXPECT_EQ(StoredNotes()[3], (Note { "空", "Title with ' and \"", "第一行\r\n第二行" }));
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
    EXPECT_EQ(TreeLines(*Main().TreeView1).back(), "空 [Title with ' and \"]");
    EXPECT_EQ(CountLine(), "现共有记录: 4 个");

    // One filled editor is enough: a body only gives a note in no branch.
    ClickControl(*Main().bsSkinSpeedButton1);
    Main().bsSkinMemo21->SetText("only a body");
    ClickControl(*Main().Button2);
    ASSERT_EQ(StoredNotes().size(), 5u);
    EXPECT_EQ(StoredNotes()[4], (Note { "", "", "only a body" }));
    EXPECT_EQ(CountLine(), "现共有记录: 5 个");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, DeleteAsksAndNoKeepsEverythingWhileYesRemovesTheNote)
{
    ClickNode(*Main().TreeView1, "购物", 1);
    ClickAnswering(*Main().Button4, wnd::VK_ESCAPE);
    EXPECT_EQ(StoredNotes().size(), 3u);
    EXPECT_EQ(NoteButtons(), "1--4");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "购物");
    EXPECT_TRUE(EditorsEnabled());

    ClickAnswering(*Main().Button4, wnd::VK_RETURN);
    EXPECT_EQ(StoredNotes(),
        (std::vector<Note> { { "工作", "周报", "本周完成了\r\n登录页" }, { "工作", kQuoted, "quotes ' and \" stay" } }));
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "");
    EXPECT_EQ(TreeLines(*Main().TreeView1)[1], "生活");
    EXPECT_EQ(CountLine(), "现共有记录: 2 个");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, RefreshReturnsToIdleAndReadsNotesWrittenElsewhere)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    {
        app::TData other(Store.ConnectionString());
        other.BZ.Insert();
        other.BZ.FieldByName("类别").SetAsString("空");
        other.BZ.FieldByName("标题").SetAsString("外来");
        other.BZ.Post();
    }
    ClickControl(*Main().bsSkinSpeedButton7);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "");
    EXPECT_EQ(TreeLines(*Main().TreeView1).back(), "空 [外来]");
    EXPECT_EQ(CountLine(), "现共有记录: 4 个");
}

TEST_F(MainWindow, ExitAsksAndOnlyYesCloses)
{
    ClickAnswering(*Main().bsSkinSpeedButton6, wnd::VK_ESCAPE);
    EXPECT_TRUE(Main().Visible());
    EXPECT_FALSE(ctl::Application->Terminated());
}

TEST_F(MainWindow, PrintInIdleDoesNothingAndWithANoteSaysThePreviewIsMissing)
{
    bool asked = false;
    WhenIdle([&] {
        asked = true;
        QueueKey(wnd::VK_RETURN);
    });
    ClickControl(*Main().bsSkinSpeedButton3);
    EXPECT_FALSE(asked);
    Harness.SetIdleHandler(nullptr);

    ClickNode(*Main().TreeView1, "周报", 1);
    WhenIdle([&] {
        asked = true;
        QueueKey(wnd::VK_RETURN);
    });
    ClickControl(*Main().bsSkinSpeedButton3);
    EXPECT_TRUE(asked);
}

TEST_F(MainWindow, HelpShowsTheAboutBoxAndOkHidesIt)
{
    ClickControl(*Main().bsSkinSpeedButton5);
    ASSERT_TRUE(About().Visible());
    Harness.SaveSnapshot(About().Handle(), "app-about");
    ClickControl(*Main().bsSkinSpeedButton5);
    EXPECT_TRUE(About().Visible());
    ClickControl(*About().OKButton);
    EXPECT_FALSE(About().Visible());
}

class EmptyStore : public AppWindows {
protected:
    EmptyStore() : AppWindows(false) { }
};

TEST_F(EmptyStore, ShowsAnEmptyTreeAndListAndACountOfZero)
{
    EXPECT_TRUE(TreeLines(*Main().TreeView1).empty());
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 0);
    EXPECT_EQ(CountLine(), "现共有记录: 0 个");
}

TEST_F(MainWindow, ANoteRemovedElsewhereEndsTheActionWithAnErrorAndKeepsTheEditors)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    Main().SeSkinMemo1->SetText("my edit");
    {
        app::TData other(Store.ConnectionString());
        other.OpenCurrentNote("周报");
        other.ADOQuery1.Delete();
    }
    ClickControl(*Main().Button1);
    EXPECT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "my edit");
    EXPECT_EQ(NoteButtons(), "1--4");

    ClickNode(*Main().TreeView1, "周报", 1);
    EXPECT_EQ(Errors.size(), 2u);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "my edit");
    EXPECT_EQ(StoredNotes().size(), 2u);
}
