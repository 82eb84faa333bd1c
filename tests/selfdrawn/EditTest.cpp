#include "SelfDrawnTestSupport.h"

#include "platform/window/Clipboard.h"
#include "selfdrawn/TSeSkinEdit.h"

using namespace selfdrawn;

class SelfDrawnEdit : public SelfDrawnTest {
protected:
    TSeSkinEdit* edit { nullptr };
    int changes { 0 };
    void SetUp() override
    {
        edit = new TSeSkinEdit(form.get());
        edit->SetBounds(10, 10, 121, 21);
        edit->SetParent(form.get());
        edit->OnChange = [this](ctl::TObject*) { ++changes; };
        edit->SetFocus();
        Harness.ProcessMessages();
    }
};

TEST_F(SelfDrawnEdit, DefaultsAndAutoHeight)
{
    EXPECT_EQ(edit->SkinObject(), "Edit");
    EXPECT_EQ(TSeSkinEdit::Version(), "3.4.7");
    // kbkSingle with width 1 and three border rings: content starts 5 in.
    EXPECT_EQ(edit->GetContentRect().Top, 5);
    gfx::TFont big = edit->Font();
    big.Height = -20;
    edit->SetFont(big);
    EXPECT_EQ(edit->Height(), 10 + edit->GetTextRect().Height());
    EXPECT_EQ(PixelOf(*edit, 0, 5), Sys(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*edit, 1, 5), Sys(gfx::cl3DDkShadow));
    EXPECT_EQ(PixelOf(*edit, 3, 5), Sys(gfx::clWindow));
}

TEST_F(SelfDrawnEdit, TypingUndoesAsOneStepAndBackspacesMerge)
{
    Harness.TypeText("abc");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(changes, 3);
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), "");
    Harness.TypeText("hello");
    for (int i = 0; i < 3; ++i)
        Harness.PressKey(wnd::VK_BACK);
    EXPECT_EQ(edit->Text(), "he");
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), "hello");
    EXPECT_EQ(edit->SelText(), "llo"); // the restored text comes back selected
    // Delete at the end and Backspace at the start change nothing.
    Harness.PressKey(wnd::VK_END);
    const int before = changes;
    Harness.PressKey(wnd::VK_DELETE);
    Harness.PressKey(wnd::VK_HOME);
    Harness.PressKey(wnd::VK_BACK);
    EXPECT_EQ(changes, before);
}

TEST_F(SelfDrawnEdit, SelectionReplaceAndClipboard)
{
    edit->SetText("one two");
    EXPECT_FALSE(edit->CanUndo()); // set by the program: no undo
    Harness.PressKey(wnd::VK_END);
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_LEFT);
    Harness.KeyUp(wnd::VK_CONTROL);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_EQ(edit->SelText(), "two");
    Ctrl('C');
    EXPECT_EQ(wnd::GetClipboardText(), "two");
    Harness.TypeText("X"); // replaces the selection
    EXPECT_EQ(edit->Text(), "one X");
    Ctrl('Z'); // the replacement and the deletion undo together
    EXPECT_EQ(edit->Text(), "one two");
    Harness.PressKey(wnd::VK_HOME);
    Ctrl('V');
    EXPECT_EQ(edit->Text(), "twoone two");
    Harness.PressKey(wnd::VK_HOME);
    Shift(wnd::VK_RIGHT);
    Ctrl('X');
    EXPECT_EQ(edit->Text(), "woone two");
    EXPECT_EQ(wnd::GetClipboardText(), "t");
}

TEST_F(SelfDrawnEdit, ChineseThroughCharactersAndTheInputMethod)
{
    Harness.TypeText("中文");
    Harness.Compose("ni", 2);
    Harness.CommitComposition("你好");
    EXPECT_EQ(edit->Text(), "中文你好");
    EXPECT_EQ(edit->CaretIndex(), 4);
    Harness.PressKey(wnd::VK_BACK);
    EXPECT_EQ(edit->Text(), "中文你");
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), "中文你好");
}

TEST_F(SelfDrawnEdit, MaxLengthReadOnlyAndCharCase)
{
    edit->SetMaxLength(3);
    Harness.TypeText("abcd");
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetReadOnly(true);
    Harness.PressKey(wnd::VK_BACK);
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetReadOnly(false);
    edit->SetMaxLength(0);
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(edit->Text(), "ABC");
    edit->SetText("x中\U0001F600y");
    EXPECT_EQ(edit->Text(), "X中Y"); // the emoji has no place in the legacy code page
}

TEST_F(SelfDrawnEdit, LongTextScrollsToKeepTheCaretVisible)
{
    Harness.TypeText("the quick brown fox jumps over the lazy dog");
    EXPECT_GT(edit->FirstVisible(), 1);
    EXPECT_LE(edit->CaretX(edit->CaretIndex()), edit->GetTextRect().Right);
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(edit->FirstVisible(), 1);
}

TEST_F(SelfDrawnEdit, MouseSelectsByDragAndWordByDoubleClick)
{
    edit->SetText("alpha beta");
    const int y = edit->Height() / 2;
    const int start = edit->CaretX(0);
    const int end = edit->CaretX(5);
    Harness.Drag(At(*edit, start, y), At(*edit, end, y));
    EXPECT_EQ(edit->SelText(), "alpha");
    Harness.DoubleClick(At(*edit, edit->CaretX(7), y).X, At(*edit, edit->CaretX(7), y).Y);
    EXPECT_EQ(edit->SelText(), "beta");
}
