#include "AppWindows.h"

using namespace app;

using Search = AppWindows;

TEST_F(Search, ListsNotesWhoseTitleOrBodyHoldsTheKeywordOnce)
{
    SearchFor("'");
    ASSERT_TRUE(Results().Visible());
    EXPECT_EQ(Listed(), (std::vector<std::string> { "He said \"it's\" done" }));
    Harness.SaveSnapshot(Results().Handle(), "app-search-results");

    SearchFor("本周");
    EXPECT_EQ(Listed(), (std::vector<std::string> { "周报" }));
    SearchFor("");
    EXPECT_EQ(Listed().size(), 3u);
    // The initial text of the search box is searched for as it stands.
    SearchFor("请输入关键字");
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(Results().Visible());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(Search, DoubleClickOpensTheNoteAndModifyWritesIntoIt)
{
    ClickControl(*Main().bsSkinSpeedButton1);
    Main().SeSkinMemo1->SetText("unsaved");
    SearchFor("\"it's\"");
    ASSERT_EQ(Listed().size(), 1u);
    DoubleClickResult(0);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "He said \"it's\" done");
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "工作");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "quotes ' and \" stay");
    // Delete keeps the visibility it had (hidden in the New state).
    EXPECT_EQ(NoteButtons(), "1---");
    EXPECT_TRUE(EditorsEnabled());
    EXPECT_TRUE(Results().Visible());

    Main().bsSkinMemo21->SetText("edited from the results");
    ClickControl(*Main().Button1);
    EXPECT_EQ(StoredNotes()[1], (Note { "工作", "He said \"it's\" done", "edited from the results" }));
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());

    ClickControl(*Results().OKButton);
    EXPECT_FALSE(Results().Visible());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(Search, NothingFoundShowsAnEmptyListWithoutAMessageAndADoubleClickThereDoesNothing)
{
    bool asked = false;
    WhenIdle([&] {
        asked = ReadActiveBox().shown;
        QueueKey(wnd::VK_ESCAPE);
    });
    SearchFor("zzz");
    Harness.SetIdleHandler(nullptr);
    EXPECT_FALSE(asked);
    EXPECT_TRUE(Results().Visible());
    ASSERT_TRUE(Listed().empty());
    Harness.DoubleClick(Middle(*Results().ListBox1).X, Middle(*Results().ListBox1).Y);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
}

TEST_F(Search, AKeywordInTitleAndBodyListsTheNoteOnceAndWildcardsActAsWildcards)
{
    SearchFor("周");
    EXPECT_EQ(Listed(), (std::vector<std::string> { "周报" }));
    SearchFor("牛%蛋");
    EXPECT_EQ(Listed(), (std::vector<std::string> { "购物" }));
    SearchFor("_");
    EXPECT_EQ(Listed().size(), 3u);
    EXPECT_EQ(Results().Caption(), "查询结果");
    EXPECT_EQ(Results().ClientWidth(), 298);
    EXPECT_EQ(Results().ClientHeight(), 330);
    EXPECT_EQ(Results().ListBox1->ItemHeight(), 13);
    EXPECT_TRUE(Results().OKButton->Default());
}

TEST_F(Search, ANoteTitledLikeAnotherIsListedTooAndEitherEntryOpensTheFirst)
{
    AddNoteElsewhere({ "生活", "周报", "the second one" });
    SearchFor("周报");
    ASSERT_EQ(Listed(), (std::vector<std::string> { "周报", "周报" }));
    DoubleClickResult(1);
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "工作");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "本周完成了\r\n登录页");
    EXPECT_EQ(Main().DateTimePicker1->DateTime(), SeedDate(1));
}

TEST_F(Search, AnOpenedResultBecomesTheNoteThatAVisibleDeleteRemoves)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    SearchFor("牛奶");
    DoubleClickResult(0);
    EXPECT_EQ(NoteButtons(), "1--4");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "购物");
    // The tree and its selection are not touched.
    EXPECT_EQ(Main().TreeView1->Selected()->Text(), "周报");
    ClickAnswering(*Main().Button4, wnd::VK_RETURN);
    EXPECT_EQ(StoredNotes().size(), 2u);
    EXPECT_EQ(StoredNotes()[0].title, "周报");
    EXPECT_EQ(TreeLines(*Main().TreeView1)[1], "生活");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(Search, TheListStaysAsFoundAndANoteGoneSinceEndsTheOpeningWithEmptiedEditors)
{
    SearchFor("牛奶");
    ClickNode(*Main().TreeView1, "购物", 1);
    ClickAnswering(*Main().Button4, wnd::VK_RETURN);
    EXPECT_EQ(Listed(), (std::vector<std::string> { "购物" }));

    ClickNode(*Main().TreeView1, "周报", 1);
    DoubleClickResult(0);
    EXPECT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), "");
    EXPECT_EQ(Main().SeSkinMemo1->Text(), "");
    EXPECT_EQ(Main().bsSkinMemo21->Text(), "");
}

TEST_F(Search, EnterInTheListClosesTheResultsWithTheDefaultButton)
{
    SearchFor("周");
    ToFront(*Results().ListBox1);
    Results().ListBox1->SetFocus();
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_FALSE(Results().Visible());
}

TEST_F(Search, ALargeResultShowsItsFirstScreenAtOnceAndListsEveryNoteInOrderAsTimePasses)
{
    constexpr int Many = 2500;
    auto title = [](int note) {
        std::string number = std::to_string(note);
        return "批量 " + std::string(4 - number.size(), '0') + number;
    };
    {
        app::TData other(Store.ConnectionString());
        db::Transaction transaction(other.ADOConnection1);
        for (int i = 0; i < Many; ++i) {
            other.BZ.Insert();
            other.BZ.FieldByName("类别").SetAsString("工作");
            other.BZ.FieldByName("标题").SetAsString(title(i));
            other.BZ.Post();
        }
        transaction.Commit();
    }
    SearchFor("批量");
    const auto first = Listed();
    const std::size_t screen = static_cast<std::size_t>(Results().ListBox1->ClientHeight() / 13);
    ASSERT_GE(first.size(), screen) << "the first screen is full";
    EXPECT_LT(first.size(), static_cast<std::size_t>(Many));
    EXPECT_EQ(first.front(), title(0));
    EXPECT_TRUE(Results().FillTimer->Enabled());
    Harness.SaveSnapshot(Results().Handle(), "app-search-large-result-first-screen");

    // Opening a result and saving a change while the list fills: the list
    // goes on with the notes found, unchanged by the write.
    DoubleClickResult(1);
    Main().bsSkinMemo21->SetText("changed while the list fills");
    ClickControl(*Main().Button1);
    EXPECT_TRUE(Errors.empty());

    for (int tick = 0; tick < 2 * Many && Results().FillTimer->Enabled(); ++tick)
        Harness.AdvanceTime(1);
    EXPECT_FALSE(Results().FillTimer->Enabled());
    const auto all = Listed();
    ASSERT_EQ(all.size(), static_cast<std::size_t>(Many));
    for (int i = 0; i < Many; ++i)
        ASSERT_EQ(all[static_cast<std::size_t>(i)], title(i));

    // A new search while a large list fills starts the list afresh.
    SearchFor("批量");
    SearchFor("本周");
    Harness.AdvanceTime(5);
    EXPECT_EQ(Listed(), (std::vector<std::string> { "周报" }));
}
