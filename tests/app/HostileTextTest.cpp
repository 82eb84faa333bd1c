// Text users and other programs hand the windows: a megabyte at once, NUL
// bytes, ten thousand lines, right-to-left scripts and combining marks,
// damaged UTF-8 pasted from the clipboard. It is saved, shown and found again
// character for character.

#include "AppWindows.h"

#include "platform/text/Utf8.h"
#include "platform/window/Clipboard.h"

using namespace app;

using HostileText = AppWindows;

TEST_F(HostileText, AMegabyteBodyOfTenThousandLinesIsSavedShownSearchedAndModifiedWhole)
{
    const std::string body = HostileLongBody();
    ASSERT_GT(body.size(), 1000000u);
    const Note note { "工作", "כותרת e\u0301 标题 مرحبا", body };
    ClickControl(*Main().bsSkinSpeedButton1);
    Main().SeSkinComboBox1->SetText(note.category);
    Main().SeSkinMemo1->SetText(note.title);
    Main().bsSkinMemo21->SetText(note.body);
    ClickControl(*Main().Button2);
    ASSERT_TRUE(Errors.empty()) << Errors.front();
    EXPECT_EQ(StoredNotes().back(), note);

    ClickChild(*Main().TreeView1, "工作", note.title);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), note.title);
    EXPECT_EQ(Main().bsSkinMemo21->Text(), body);
    Harness.SaveSnapshot(Main().Handle(), "app-hostile-text");

    // Words from the last line are found, in any script.
    SearchFor("第9999行");
    EXPECT_EQ(Listed(), (std::vector<std::string> { note.title }));
    SearchFor("مرحبا e\u0301");
    EXPECT_EQ(Listed(), (std::vector<std::string> { note.title }));
    DoubleClickResult(0);
    EXPECT_EQ(Main().bsSkinMemo21->Text(), body);
    ClickControl(*Main().Button1);
    EXPECT_EQ(StoredNotes().back(), note) << "a modify without changes keeps every byte";
    EXPECT_TRUE(Errors.empty());
}

// A single line this long is laid out whole on every paint of the tree and the
// editors; a hundred kilobytes keep the test quick and still far past any
// width the controls show.
TEST_F(HostileText, AHundredKilobyteTitleAndCategoryAreSavedAndShownInTheTree)
{
    const std::string title = std::string(100000, 't') + "尾";
    const std::string category = std::string(100000, 'c') + "类";
    ClickControl(*Main().bsSkinSpeedButton1);
    Main().SeSkinComboBox1->SetText(category);
    Main().SeSkinMemo1->SetText(title);
    Main().bsSkinMemo21->SetText("body");
    ClickControl(*Main().Button2);
    ASSERT_TRUE(Errors.empty()) << Errors.front();
    EXPECT_EQ(StoredNotes().back(), (Note { category, title, "body" }));
    EXPECT_EQ(CountLine(), "现共有记录: 4 个");

    // Once the category is in the list, the note shows under it.
    {
        TData other(Store.ConnectionString());
        other.LB.Insert();
        other.LB.FieldByName("类别").SetAsString(category);
        other.LB.Post();
    }
    ClickControl(*Main().bsSkinSpeedButton7);
    ClickChild(*Main().TreeView1, category, title);
    EXPECT_EQ(Main().SeSkinMemo1->Text(), title);
    EXPECT_EQ(Main().SeSkinComboBox1->Text(), category);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(HostileText, DamagedUtf8PastedFromTheClipboardKeepsEveryCharacter)
{
    // A lone continuation byte, a cut-off sequence, an overlong encoding and
    // a surrogate, between good text.
    const std::string pasted = "前\x80中\xE4\xB8后 \xC0\xAF \xED\xA0\x80 end";
    ClickNode(*Main().TreeView1, "周报", 1);
    for (ctl::TControl* editor : std::initializer_list<ctl::TControl*> { Main().SeSkinMemo1, Main().bsSkinMemo21 }) {
        ClickControl(*editor);
        Harness.KeyDown(wnd::VK_CONTROL);
        Harness.PressKey('A');
        Harness.KeyUp(wnd::VK_CONTROL);
        ASSERT_TRUE(wnd::SetClipboardText(pasted));
        Harness.KeyDown(wnd::VK_CONTROL);
        Harness.PressKey('V');
        Harness.KeyUp(wnd::VK_CONTROL);
    }
    ClickControl(*Main().Button1);
    ASSERT_TRUE(Errors.empty()) << Errors.front();
    const Note stored = StoredNotes().front();
    // Each damaged byte is kept or stands as U+FFFD: the same characters either way.
    EXPECT_EQ(text::Utf8ToUtf32(stored.title), text::Utf8ToUtf32(pasted));
    EXPECT_EQ(text::Utf8ToUtf32(stored.body), text::Utf8ToUtf32(pasted));

    SearchFor("后");
    EXPECT_EQ(Listed(), (std::vector<std::string> { stored.title }));
    DoubleClickResult(0);
    EXPECT_EQ(Main().bsSkinMemo21->Text(), stored.body);
    EXPECT_TRUE(Errors.empty());
}
