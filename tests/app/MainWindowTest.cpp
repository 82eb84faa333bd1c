#include "AppWindows.h"

#include "platform/time/Calendar.h"
#include "platform/time/DateTimeFormat.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"

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
    Main().Timer1->SetEnabled(true);
    Harness.AdvanceTime(1000);
    Main().Timer1->SetEnabled(false);
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
    const SeenBox question = ClickReadingBox(*Main().Button4, wnd::VK_ESCAPE);
    ASSERT_TRUE(question.shown);
    EXPECT_EQ(question.text, "是否确实要删除该记录! ");
    EXPECT_EQ(question.caption, ctl::Application->Title());
    EXPECT_FALSE(question.icon);
    EXPECT_EQ(question.buttons, (std::vector<std::string> { "&Yes", "&No" }));
    EXPECT_EQ(question.defaultButton, 0);
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
    AddNoteElsewhere({ "空", "外来", "" });
    ClickControl(*Main().bsSkinSpeedButton7);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "");
    EXPECT_EQ(TreeLines(*Main().TreeView1).back(), "空 [外来]");
    EXPECT_EQ(CountLine(), "现共有记录: 4 个");
}

TEST_F(MainWindow, RefreshShowsCategoriesChangedByAnotherProgramWithEveryBranchClosedAndNothingSelected)
{
    ClickNode(*Main().TreeView1, "购物", 1);
    ctl::TTreeNode* work = FindNode(*Main().TreeView1, "工作", 0);
    work->Expand(false);
    {
        app::TData other(Store.ConnectionString());
        other.ADOConnection1.ExecuteScript("update 类别 set 类别 = '家庭' where 类别 = '生活';"
                                           "update 笔记 set 类别 = '家庭' where 类别 = '生活';"
                                           "delete from 类别 where 类别 = '空';"
                                           "insert into 类别 (类别) values ('新类');"
                                           "insert into 笔记 (类别, 标题) values ('新类', '新的');"
                                           "delete from 笔记 where 标题 = '周报';");
    }
    AddNoteElsewhere({ "工作", "外来", "" });
    ClickControl(*Main().bsSkinSpeedButton7);
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Main().TreeView1->Selected(), nullptr);
    for (ctl::TTreeNode* root = Main().TreeView1->Items().GetFirstNode(); root; root = root->GetNextSibling())
        EXPECT_FALSE(root->Expanded()) << root->Text();
    // The branch that was open shows what the store holds now.
    EXPECT_EQ(TreeLines(*Main().TreeView1),
        (std::vector<std::string> { "工作 [" + kQuoted + "] [外来]", "家庭 [购物]", "新类 [新的]" }));
    // A category still in its place keeps its root.
    EXPECT_EQ(FindNode(*Main().TreeView1, "工作", 0), work);
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 3);
    EXPECT_EQ(CountLine(), "现共有记录: 4 个");

    // Categories that go away at the front and the end leave the one between.
    {
        app::TData other(Store.ConnectionString());
        other.ADOConnection1.ExecuteScript("delete from 类别 where 类别 in ('工作', '新类');");
    }
    ClickControl(*Main().bsSkinSpeedButton7);
    EXPECT_EQ(TreeLines(*Main().TreeView1), (std::vector<std::string> { "家庭 [购物]" }));
    {
        app::TData other(Store.ConnectionString());
        other.ADOConnection1.ExecuteScript("delete from 类别; insert into 类别 (类别) values ('新类'), ('家庭'), ('新类');");
    }
    ClickControl(*Main().bsSkinSpeedButton7);
    EXPECT_EQ(TreeLines(*Main().TreeView1),
        (std::vector<std::string> { "新类 [新的]", "家庭 [购物]", "新类 [新的]" }));
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, ExitAsksUnderTheProgramsTitleAndOnlyYesEndsTheProgram)
{
    const SeenBox question = ClickReadingBox(*Main().bsSkinSpeedButton6, wnd::VK_ESCAPE);
    ASSERT_TRUE(question.shown);
    EXPECT_EQ(question.text, "感谢您的使用！\n\n现在是否退出本系统！" + std::string(16, ' '));
    // No title of its own: the program file's name up to its first dot.
    EXPECT_EQ(question.caption, "app_tests");
    EXPECT_EQ(question.caption, ctl::TitleFromExeName(ctl::Application->ExeName()));
    EXPECT_FALSE(question.icon);
    EXPECT_EQ(question.buttons, (std::vector<std::string> { "&Yes", "&No" }));
    EXPECT_EQ(question.defaultButton, 0);
    EXPECT_TRUE(Main().Visible());
    EXPECT_FALSE(ctl::Application->Terminated());

    // Enter takes the default answer, Yes.
    ClickAnswering(*Main().bsSkinSpeedButton6, wnd::VK_RETURN);
    EXPECT_TRUE(ctl::Application->Terminated());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, ClosingThroughTheFrameEndsTheProgramWithoutAsking)
{
    bool asked = false;
    WhenIdle([&] {
        asked = true;
        QueueKey(wnd::VK_ESCAPE);
    });
    wnd::PostMessage(Main().Handle(), wnd::WM_CLOSE);
    Harness.ProcessMessages();
    EXPECT_FALSE(asked);
    EXPECT_TRUE(ctl::Application->Terminated());
}

TEST_F(MainWindow, ClockWritesTheDateAndTimeIntoPanelOneEachSecondFromTheFirstTick)
{
    auto clock = [this] { return Main().StatusBar1->Panels()[1]->Text(); };
    Main().Timer1->SetEnabled(true);
    EXPECT_EQ(Main().Timer1->Interval(), 1000u);
    Harness.AdvanceTime(999);
    EXPECT_EQ(clock(), "");
    for (int tick = 0; tick < 2; ++tick) {
        const std::string before = "  " + dt::DateTimeToStr(dt::Now());
        Harness.AdvanceTime(tick == 0 ? 1 : 1000);
        const std::string after = "  " + dt::DateTimeToStr(dt::Now());
        EXPECT_TRUE(clock() == before || clock() == after) << clock();
    }
    // Short date, one space, long time.
    EXPECT_EQ(clock().substr(2), dt::DateToStr(dt::Now()) + " " + clock().substr(clock().rfind(' ') + 1));
    Main().Timer1->SetEnabled(false);
}

TEST_F(MainWindow, PaintKeepsTheProgressBarOnTheStatusBarAsTheHeightChanges)
{
    const selfdrawn::TSeSkinProgressBar& bar = *Main().SeSkinProgressBar1;
    EXPECT_EQ(bar.Parent(), &Main());
    EXPECT_EQ(bar.BoundsRect(), gfx::Rect(472, Main().StatusBar1->Top() + 5, 722, Main().StatusBar1->Top() + 21));
    EXPECT_EQ(bar.Orientation(), selfdrawn::TSeProgressBarOrientation::kboHorizontal);
    EXPECT_FALSE(bar.Smooth());
    EXPECT_TRUE(bar.ShowBorder());
    EXPECT_TRUE(bar.Transparent());
    EXPECT_EQ(bar.Performance(), selfdrawn::TSePerformance::kspDoubleBuffer);

    Main().SetClientSize(738, 620);
    Main().Repaint();
    Harness.ProcessMessages();
    EXPECT_EQ(Main().StatusBar1->Top(), 620 - 24);
    EXPECT_EQ(bar.Top(), Main().StatusBar1->Top() + 5);
    EXPECT_EQ(bar.Left(), 472);

    // A wider window leaves the bar where it was across.
    Main().SetClientSize(900, 560);
    Main().Repaint();
    Harness.ProcessMessages();
    EXPECT_EQ(bar.Top(), Main().StatusBar1->Top() + 5);
    EXPECT_EQ(bar.Left(), 472);
    EXPECT_EQ(bar.Width(), 250);
}

TEST_F(MainWindow, InputWaitingWhileTheProgressBarFillsIsHandledInTheMiddleOfTheRefresh)
{
    ToFront(*Main().bsSkinSpeedButton1);
    QueueClick(Middle(*Main().bsSkinSpeedButton1));
    Main().FormShow(nullptr);
    // The new-note click ran during the bar's steps: its editors are enabled,
    // and the buttons it showed were hidden again by the refresh's later step.
    EXPECT_TRUE(EditorsEnabled());
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_EQ(Main().SeSkinProgressBar1->Position(), 100);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, DatePickerShowsTheRefreshTimeTheNotesDateAndTheNewNoteTime)
{
    dt::TDateTime before = dt::Now();
    ClickControl(*Main().bsSkinSpeedButton7);
    dt::TDateTime after = dt::Now();
    EXPECT_GE(Main().DateTimePicker1->DateTime().value, before.value);
    EXPECT_LE(Main().DateTimePicker1->DateTime().value, after.value);

    ClickNode(*Main().TreeView1, "周报", 1);
    EXPECT_EQ(Main().DateTimePicker1->DateTime(), SeedDate(1));
    ClickNode(*Main().TreeView1, "购物", 1);
    EXPECT_EQ(Main().DateTimePicker1->DateTime(), SeedDate(3));
    EXPECT_FALSE(Main().DateTimePicker1->Enabled());

    // Modify never touches the stored date.
    Main().bsSkinMemo21->SetText("牛奶");
    ClickControl(*Main().Button1);
    EXPECT_EQ(StoredDates()[2], SeedDate(3));

    before = dt::Now();
    ClickControl(*Main().bsSkinSpeedButton1);
    after = dt::Now();
    EXPECT_GE(Main().DateTimePicker1->DateTime().value, before.value);
    EXPECT_LE(Main().DateTimePicker1->DateTime().value, after.value);
    EXPECT_FALSE(Main().DateTimePicker1->Enabled());

    // Save dates the note at the moment of saving, not from the picker.
    // The store keeps whole seconds, so the texts are compared.
    Main().DateTimePicker1->SetDateTime(SeedDate(2));
    Main().SeSkinMemo1->SetText("dated now");
    const std::string savedAfter = dt::DateTimeToIsoText(dt::Now());
    ClickControl(*Main().Button2);
    EXPECT_GE(dt::DateTimeToIsoText(StoredDates()[3]), savedAfter);
    EXPECT_LE(dt::DateTimeToIsoText(StoredDates()[3]), dt::DateTimeToIsoText(dt::Now()));
}

TEST_F(MainWindow, OfTwoNotesWithOneTitleEitherNodeShowsModifiesAndDeletesTheFirst)
{
    AddNoteElsewhere({ "生活", "周报", "the second one" });
    ClickControl(*Main().bsSkinSpeedButton7);
    EXPECT_EQ(TreeLines(*Main().TreeView1)[1], "生活 [购物] [周报]");

    ClickChild(*Main().TreeView1, "生活", "周报");
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "工作");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "本周完成了\r\n登录页");

    Main().bsSkinMemo21->SetText("first, changed");
    ClickControl(*Main().Button1);
    EXPECT_EQ(StoredNotes()[0].body, "first, changed");
    EXPECT_EQ(StoredNotes()[3].body, "the second one");

    ClickChild(*Main().TreeView1, "生活", "周报");
    ClickAnswering(*Main().Button4, wnd::VK_RETURN);
    ASSERT_EQ(StoredNotes().size(), 3u);
    EXPECT_EQ(StoredNotes()[2], (Note { "生活", "周报", "the second one" }));
    EXPECT_EQ(TreeLines(*Main().TreeView1)[0], "工作 [" + kQuoted + "]");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, TwoCategoriesWithOneNameAreTwoBranchesWithTheSameNotes)
{
    {
        app::TData other(Store.ConnectionString());
        other.LB.Insert();
        other.LB.FieldByName("类别").SetAsString("工作");
        other.LB.Post();
    }
    ClickControl(*Main().bsSkinSpeedButton7);
    const std::string branch = "工作 [周报] [" + kQuoted + "]";
    EXPECT_EQ(TreeLines(*Main().TreeView1), (std::vector<std::string> { branch, "生活 [购物]", "空", branch }));
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 4);
    EXPECT_EQ(Main().SeSkinComboBox1->Items()[3], "工作");
    EXPECT_EQ(CountLine(), "现共有记录: 3 个");
}

TEST_F(MainWindow, AClickBesideTheNodesActsOnTheNodeThatStaysSelected)
{
    const gfx::TPoint below = At(*Main().TreeView1, 60, Main().TreeView1->ClientHeight() - 10);
    ToFront(*Main().TreeView1);
    Click(below);
    EXPECT_EQ(Main().TreeView1->Selected(), nullptr);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());

    // With a note selected, a click on empty space loads it again.
    ClickNode(*Main().TreeView1, "购物", 1);
    Main().bsSkinMemo21->SetText("not written");
    Click(below);
    ASSERT_NE(Main().TreeView1->Selected(), nullptr);
    EXPECT_EQ(Main().TreeView1->Selected()->Text(), "购物");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "牛奶 鸡蛋");
}

TEST_F(MainWindow, ModifyWritesTheMainWindowsNoteWhateverTheManagerLoaded)
{
    ClickNode(*Main().TreeView1, "购物", 1);
    ClickControl(*Main().bsSkinSpeedButton2);
    ClickNode(*Manager().bsSkinTreeView1, "工作", 0);
    Main().bsSkinMemo21->SetText("牛奶");
    ClickControl(*Main().Button1);
    EXPECT_EQ(StoredNotes()[2], (Note { "生活", "购物", "牛奶" }));
    EXPECT_EQ(StoredCategories(), (std::vector<std::string> { "工作", "生活", "空" }));
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, TabWalksTheSearchBoxTheTreeAndTheEnabledNoteEditorsInOrder)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    ASSERT_TRUE(Main().TreeView1->Focused());
    std::vector<std::string> order;
    for (int i = 0; i < 7; ++i) {
        Harness.PressKey(wnd::VK_TAB);
        order.push_back(Main().ActiveControl() ? Main().ActiveControl()->Name() : "");
    }
    // The disabled date picker and the hidden save and discard buttons are passed over.
    EXPECT_EQ(order,
        (std::vector<std::string> { "SeSkinComboBox1", "Button1", "Button4", "SeSkinMemo1", "bsSkinMemo21",
            "bsSkinEdit1", "TreeView1" }));
}

TEST_F(MainWindow, TheTextBoxesAskForTheChineseInputMethod)
{
    for (const ctl::TWinControl* box : std::initializer_list<const ctl::TWinControl*> { Main().SeSkinComboBox1,
             Main().DateTimePicker1, Main().SeSkinMemo1, Main().bsSkinMemo21, Main().bsSkinEdit1 })
        EXPECT_EQ(box->TWinControl::ImeName(), "汉王输入法") << box->Name();
}

TEST_F(MainWindow, HelpShowsTheAboutBoxAndOkOrEnterHidesIt)
{
    ClickControl(*Main().bsSkinSpeedButton5);
    ASSERT_TRUE(About().Visible());
    EXPECT_EQ(About().Caption(), "About");
    EXPECT_EQ(About().ClientWidth(), 298);
    EXPECT_EQ(About().ClientHeight(), 213);
    EXPECT_EQ(About().ProductName->Caption(), "Quorvane");
    EXPECT_EQ(About().Version->Caption(), "V1.1");
    EXPECT_EQ(About().Description->Caption(), "可以方便管理你的笔记,也可以作为备忘录.  ");
    EXPECT_TRUE(About().OKButton->Default());
    Harness.SaveSnapshot(About().Handle(), "app-about");

    // Pressed again while open, help brings the box to the front.
    ClickControl(*Main().bsSkinSpeedButton5);
    EXPECT_TRUE(About().Visible());
    EXPECT_EQ(wnd::GetActiveWindow(), About().Handle());
    ClickControl(*About().OKButton);
    EXPECT_FALSE(About().Visible());

    ClickControl(*Main().bsSkinSpeedButton5);
    ASSERT_TRUE(About().Visible());
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_FALSE(About().Visible());
}

class EmptyStore : public AppWindows {
protected:
    EmptyStore() : AppWindows(false) { }
};

TEST_F(EmptyStore, ShowsAnEmptyTreeAndListAndCountsNotesWithoutCategories)
{
    EXPECT_TRUE(TreeLines(*Main().TreeView1).empty());
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 0);
    EXPECT_EQ(CountLine(), "现共有记录: 0 个");

    ClickControl(*Main().bsSkinSpeedButton1);
    Main().SeSkinComboBox1->SetText("无类");
    Main().SeSkinMemo1->SetText("孤单");
    ClickControl(*Main().Button2);
    EXPECT_TRUE(TreeLines(*Main().TreeView1).empty());
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 0);
    EXPECT_EQ(CountLine(), "现共有记录: 1 个");
}

TEST_F(EmptyStore, TheOneNoteOfTheStoreOpensFromItsBranchAndItsDeleteLeavesTheBranchBare)
{
    {
        app::TData other(Store.ConnectionString());
        other.LB.Insert();
        other.LB.FieldByName("类别").SetAsString("唯一");
        other.LB.Post();
    }
    AddNoteElsewhere({ "唯一", "独篇", "只有一篇" });
    ClickControl(*Main().bsSkinSpeedButton7);
    ctl::TTreeNode* branch = FindNode(*Main().TreeView1, "唯一", 0);
    ASSERT_NE(branch, nullptr);
    EXPECT_TRUE(branch->HasChildren());
    EXPECT_EQ(TreeLines(*Main().TreeView1), (std::vector<std::string> { "唯一 [独篇]" }));

    ClickNode(*Main().TreeView1, "独篇", 1);
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "只有一篇");
    ClickAnswering(*Main().Button4, wnd::VK_RETURN);
    branch = FindNode(*Main().TreeView1, "唯一", 0);
    ASSERT_NE(branch, nullptr);
    EXPECT_FALSE(branch->HasChildren());
    EXPECT_EQ(CountLine(), "现共有记录: 0 个");
    EXPECT_TRUE(Errors.empty());
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

TEST_F(MainWindow, ToolBarHoldsItsItemsLeftToRightWithTheirCaptionsAndPictures)
{
    struct Item {
        const ctl::TControl* control;
        int width;
        const char* caption;
        int image;
    };
    const std::vector<Item> items { { Main().bsSkinBevel2, 25, nullptr, 0 },
        { Main().bsSkinSpeedButton1, 75, "新增笔记", 1 }, { Main().bsSkinSpeedButton7, 75, "刷新", 13 },
        { Main().bsSkinSpeedButton2, 75, "分类管理", 10 }, { Main().bsSkinSpeedButton3, 75, "打印", 14 },
        { Main().bsSkinBevel1, 23, nullptr, 0 }, { Main().bsSkinEdit1, 200, nullptr, 0 },
        { Main().bsSkinSpeedButton4, 56, "搜索", 12 }, { Main().bsSkinBevel3, 18, nullptr, 0 },
        { Main().bsSkinSpeedButton5, 56, "帮助", 11 }, { Main().bsSkinSpeedButton6, 56, "退出", 15 } };
    int x = 0;
    for (const Item& item : items) {
        EXPECT_EQ(item.control->BoundsRect(), gfx::Rect(x, 0, x + item.width, 25)) << item.control->Name();
        x += item.width;
        if (const auto* button = dynamic_cast<const skinctrls::TbsSkinSpeedButton*>(item.control)) {
            EXPECT_EQ(button->Caption(), item.caption);
            EXPECT_EQ(button->ImageIndex(), item.image);
            EXPECT_TRUE(button->ShowCaption());
            EXPECT_EQ(button->Spacing(), 1);
            EXPECT_EQ(button->SkinDataName(), "toolbutton");
            EXPECT_EQ(button->DefaultFont().Name, "宋体");
            EXPECT_EQ(button->DefaultFont().Height, 12);
        } else if (const auto* bevel = dynamic_cast<const skinctrls::TbsSkinBevel*>(item.control)) {
            EXPECT_EQ(bevel->Shape(), skinctrls::TBevelShape::bsSpacer);
            EXPECT_TRUE(bevel->DividerMode());
        }
    }
    EXPECT_EQ(Main().bsSkinEdit1->SkinDataName(), "tooledit");
    // Fonts: negative heights are character heights, positive ones cell heights.
    struct FontOf {
        const ctl::TControl* control;
        const char* name;
        int height;
    };
    for (const FontOf& f : std::vector<FontOf> { { &Main(), "Tahoma", -11 }, { Main().bsSkinEdit1, "Arial", 14 },
             { Main().TreeView1, "Tahoma", -16 }, { Main().SeSkinComboBox1, "Tahoma", -12 },
             { Main().DateTimePicker1, "Tahoma", -15 }, { Main().SeSkinMemo1, "Tahoma", -15 },
             { Main().bsSkinMemo21, "Arial", -15 } }) {
        EXPECT_EQ(f.control->Font().Name, f.name) << f.control->Name();
        EXPECT_EQ(f.control->Font().Height, f.height) << f.control->Name();
    }
    EXPECT_EQ(Main().bsSkinToolBar1->Height(), 25);
    EXPECT_EQ(Main().ImageList1->Count(), 16);
    EXPECT_EQ(Main().ImageList2->Count(), 2);
    // The left side: tree in its group box, the splitter beside it.
    EXPECT_EQ(Main().TreeView1->BoundsRect(), gfx::Rect(1, 23, 149, 455));
    EXPECT_EQ(Main().bsSkinSplitter1->BoundsRect(), gfx::Rect(150, 25, 159, 481));
    EXPECT_EQ(Main().TreeView1->Indent(), 19);
    EXPECT_TRUE(Main().TreeView1->ReadOnly);
    // The note panel's fixed places.
    EXPECT_EQ(Main().SeSkinComboBox1->BoundsRect(), gfx::Rect(264, 14, 385, 38));
    EXPECT_EQ(Main().DateTimePicker1->BoundsRect(), gfx::Rect(451, 11, 564, 37));
    EXPECT_EQ(Main().Button1->BoundsRect(), gfx::Rect(16, 9, 65, 47));
    EXPECT_EQ(Main().Button2->BoundsRect(), gfx::Rect(16, 7, 65, 48));
    EXPECT_EQ(Main().Button3->BoundsRect(), gfx::Rect(64, 7, 113, 48));
    EXPECT_EQ(Main().Button4->BoundsRect(), gfx::Rect(66, 9, 115, 47));
    EXPECT_EQ(Main().SeSkinComboBox1->ItemHeight(), 15);
    EXPECT_EQ(Main().SeSkinComboBox1->DropDownCount, 8);
    EXPECT_EQ(Main().SeSkinComboBox1->ComboStyle(), selfdrawn::TSeComboStyle::kcsDropDown);
    EXPECT_EQ(Main().bsSkinScrollBar1->Width(), 19);
    EXPECT_FALSE(Main().bsSkinScrollBar1->Enabled());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Main().StatusBar1->Panels()[i]->Width(), (std::vector<int> { 50, 150, 130, 130, 120 })[i]);
    EXPECT_EQ(Main().StatusBar1->Panels()[0]->Text(), "");
    EXPECT_EQ(Main().StatusBar1->Panels()[4]->Text(), "");
}

TEST_F(MainWindow, ATreeClickInTheNewStateDropsTheUnsavedNote)
{
    ClickControl(*Main().bsSkinSpeedButton1);
    Main().SeSkinMemo1->SetText("never saved");
    ClickNode(*Main().TreeView1, "购物", 1);
    EXPECT_EQ(NoteButtons(), "1--4");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "购物");
    EXPECT_EQ(StoredNotes().size(), 3u);
}

TEST_F(MainWindow, UndoAfterOpeningAnotherNoteLeavesItsTextAlone)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    ClickControl(*Main().SeSkinMemo1);
    Harness.TypeText("改");
    ASSERT_EQ(Main().SeSkinMemo1->Text(), "周报改");
    ClickNode(*Main().TreeView1, "He said \"it's\" done", 1);
    ClickControl(*Main().SeSkinMemo1);
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('Z');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "He said \"it's\" done");
}

TEST_F(MainWindow, ARefreshThatTheStoreRefusesStopsWhereItFailed)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    {
        // Another program takes the notes table away.
        app::TData other(Store.ConnectionString());
        other.ADOConnection1.ExecuteScript("drop table 笔记;");
    }
    ClickControl(*Main().bsSkinSpeedButton7);
    EXPECT_EQ(Errors.size(), 1u);
    // The first branch was added before its notes were asked for; the list,
    // the buttons and the count are left from the last refresh.
    EXPECT_EQ(TreeLines(*Main().TreeView1), (std::vector<std::string> { "工作" }));
    EXPECT_EQ(Main().SeSkinComboBox1->Items().Count(), 3);
    EXPECT_EQ(NoteButtons(), "1--4");
    EXPECT_EQ(CountLine(), "现共有记录: 3 个");
    EXPECT_TRUE(EditorsDisabled());
}

TEST_F(MainWindow, ABranchOpenedAfterTheRefreshShowsTheNotesTheStoreHoldsThen)
{
    // The refresh made the roots only; the notes come when a branch is opened.
    AddNoteElsewhere({ "工作", "外来", "" });
    ctl::TTreeNode* work = FindNode(*Main().TreeView1, "工作", 0);
    ASSERT_NE(work, nullptr);
    EXPECT_TRUE(work->HasChildren());
    EXPECT_FALSE(FindNode(*Main().TreeView1, "空", 0)->HasChildren());
    work->Expand(false);
    EXPECT_EQ(TreeLines(*Main().TreeView1)[0], "工作 [周报] [" + kQuoted + "] [外来]");
    ClickNode(*Main().TreeView1, "外来", 1);
    EXPECT_EQ(NoteButtons(), "1--4");
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "工作");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindow, DeletingTheFirstAndThenTheLastNoteOfABranchLeavesTheMiddleOne)
{
    AddNoteElsewhere({ "工作", "中间", "" });
    ClickControl(*Main().bsSkinSpeedButton7);
    ClickNode(*Main().TreeView1, "周报", 1);
    ClickAnswering(*Main().Button4, wnd::VK_RETURN);
    EXPECT_EQ(TreeLines(*Main().TreeView1)[0], "工作 [" + kQuoted + "] [中间]");
    ClickNode(*Main().TreeView1, "中间", 1);
    ClickAnswering(*Main().Button4, wnd::VK_RETURN);
    EXPECT_EQ(TreeLines(*Main().TreeView1)[0], "工作 [" + kQuoted + "]");
    EXPECT_EQ(CountLine(), "现共有记录: 2 个");

    // Modifying the one left moves it to another branch.
    ClickNode(*Main().TreeView1, kQuoted, 1);
    Main().SeSkinComboBox1->SetText("空");
    ClickControl(*Main().Button1);
    EXPECT_EQ(TreeLines(*Main().TreeView1),
        (std::vector<std::string> { "工作", "生活 [购物]", "空 [" + kQuoted + "]" }));
    EXPECT_TRUE(Errors.empty());
}
