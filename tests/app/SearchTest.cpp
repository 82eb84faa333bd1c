#include "AppWindows.h"

using namespace app;

class Search : public AppWindows {
protected:
    void SearchFor(const std::string& keyword)
    {
        Main().bsSkinEdit1->SetText(keyword);
        ClickControl(*Main().bsSkinSpeedButton4);
    }
    std::vector<std::string> Listed()
    {
        std::vector<std::string> titles;
        for (int i = 0; i < Results().ListBox1->Items().Count(); ++i)
            titles.push_back(Results().ListBox1->Items()[i]);
        return titles;
    }
    void DoubleClickResult(int index)
    {
        const gfx::TRect row = Results().ListBox1->ItemRect(index);
        const gfx::TPoint p = At(*Results().ListBox1, row.Left + 10, (row.Top + row.Bottom) / 2);
        Harness.DoubleClick(p.X, p.Y);
    }
};

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

TEST_F(Search, ADoubleClickWithNothingSelectedDoesNothing)
{
    SearchFor("zzz");
    ASSERT_TRUE(Listed().empty());
    Harness.DoubleClick(Middle(*Results().ListBox1).X, Middle(*Results().ListBox1).Y);
    EXPECT_EQ(NoteButtons(), "----");
    EXPECT_TRUE(EditorsDisabled());
}
