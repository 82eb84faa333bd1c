#include "SelfDrawnTestSupport.h"

#include "platform/text/Utf8.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Messages.h"
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

TEST_F(SelfDrawnEdit, RefusedInputLeavesTextAndUndoAloneButCollapsesTheSelection)
{
    edit->SetText("abc");
    edit->SetMaxLength(3);
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    const int before = changes;
    Harness.TypeText("xy"); // "b" -> "x" fits, then "y" does not
    EXPECT_EQ(edit->Text(), "axc");
    EXPECT_EQ(edit->SelLength(), 0);
    edit->SelectAll();
    wnd::SetClipboardText("12345");
    Ctrl('V'); // five characters would replace three: refused as a whole
    EXPECT_EQ(edit->Text(), "axc");
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(changes, before + 1);
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_FALSE(edit->CanUndo());
}

TEST_F(SelfDrawnEdit, UndoMergesOnlyNeighbouringEdits)
{
    Harness.TypeText("ab");
    Harness.PressKey(wnd::VK_HOME);
    Harness.TypeText("X"); // not where the typing ended: a step of its own
    edit->Perform(wnd::WM_UNDO);
    EXPECT_EQ(edit->Text(), "ab");
    // Delete at the same place merges forwards.
    edit->SetText("12345");
    Harness.PressKey(wnd::VK_HOME);
    Harness.PressKey(wnd::VK_RIGHT);
    for (int i = 0; i < 3; ++i)
        Harness.PressKey(wnd::VK_DELETE);
    EXPECT_EQ(edit->Text(), "15");
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), "12345");
    EXPECT_EQ(edit->SelText(), "234");
}

TEST_F(SelfDrawnEdit, ShiftArrowsExtendFromTheCaretEndOfAnySelection)
{
    edit->SetText("abcd");
    edit->SelectAll();
    Shift(wnd::VK_LEFT); // the caret is at the end: the selection shrinks there
    EXPECT_EQ(edit->SelText(), "abc");
    EXPECT_EQ(edit->CaretIndex(), 3);
    Harness.PressKey(wnd::VK_HOME);
    Shift(wnd::VK_END);
    Shift(wnd::VK_LEFT);
    EXPECT_EQ(edit->SelText(), "abc");
    Harness.PressKey(wnd::VK_END);
    Shift(wnd::VK_HOME);
    Shift(wnd::VK_RIGHT); // caret at the start: it moves right, the end stays
    EXPECT_EQ(edit->SelText(), "bcd");
    EXPECT_EQ(edit->SelStart(), 1);
}

TEST_F(SelfDrawnEdit, CtrlArrowsMoveByWords)
{
    edit->SetText("one two  three");
    Harness.PressKey(wnd::VK_HOME);
    Ctrl(wnd::VK_RIGHT);
    EXPECT_EQ(edit->CaretIndex(), 4);
    Ctrl(wnd::VK_RIGHT);
    EXPECT_EQ(edit->CaretIndex(), 9);
    Ctrl(wnd::VK_LEFT);
    Ctrl(wnd::VK_LEFT);
    EXPECT_EQ(edit->CaretIndex(), 0);
}

TEST_F(SelfDrawnEdit, AlignmentPlacesShortTextsAndReadOnlyStillCopies)
{
    edit->SetText("ab");
    const gfx::TRect r = edit->GetTextRect();
    const int width = edit->CaretX(2) - edit->CaretX(0);
    edit->SetTextAlignment(ctl::TAlignment::taRightJustify);
    EXPECT_EQ(edit->CaretX(2), r.Right);
    edit->SetTextAlignment(ctl::TAlignment::taCenter);
    EXPECT_EQ(edit->CaretX(0), r.Left + (r.Width() - width) / 2);

    edit->SetReadOnly(true);
    edit->SelectAll();
    Ctrl('C');
    EXPECT_EQ(wnd::GetClipboardText(), "ab");
    Ctrl('X');
    Harness.TypeText("z");
    Ctrl('V');
    EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(SelfDrawnEdit, SelectionShowsWithoutFocusOnlyWhenNotHidden)
{
    edit->SetText("abcdef");
    edit->SelectAll();
    auto* other = new TSeSkinEdit(form.get());
    other->SetBounds(10, 60, 121, 21);
    other->SetParent(form.get());
    other->SetFocus();
    const gfx::TRect r = edit->GetTextRect();
    const int x = edit->CaretX(0) + 1;
    const int y = r.Bottom - 1;
    EXPECT_EQ(PixelOf(*edit, x, y), Sys(gfx::clWindow));
    edit->SetHideSelection(false);
    EXPECT_EQ(PixelOf(*edit, x, y), Sys(gfx::clHighlight));
}

// A line far longer than the box (a whole file pasted into a title) shows
// exactly what a box holding only the part in view shows, at both ends.
TEST_F(SelfDrawnEdit, AVeryLongLineShowsWhatTheVisiblePartAloneShows)
{
    std::string longLine;
    for (int i = 0; i < 3000; ++i)
        longLine += "今天 release " + std::to_string(i) + " ";
    longLine += "结尾END";
    edit->SetText(longLine);

    auto* other = new TSeSkinEdit(form.get());
    other->SetBounds(10, 60, 121, 21);
    other->SetParent(form.get());
    const auto samePixels = [&] {
        Harness.ProcessMessages();
        const gfx::TRect r = edit->GetTextRect();
        const gfx::TBitmap mine = Harness.Capture(edit->Handle());
        const gfx::TBitmap theirs = Harness.Capture(other->Handle());
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (mine.GetPixel(x, y) != theirs.GetPixel(x, y))
                    return false;
        return true;
    };

    edit->SetFocus();
    Harness.PressKey(wnd::VK_END);
    const int caret = edit->CaretIndex();
    ASSERT_GT(edit->FirstVisible(), 1);
    EXPECT_LE(edit->CaretX(caret), edit->GetTextRect().Right);
    // The first character shown is the first one from which the rest fits:
    // a box holding exactly the rest needs no scrolling at its end.
    const std::u32string all = text::Utf8ToUtf32(longLine);
    other->SetText(text::Utf32ToUtf8(all.substr(static_cast<std::size_t>(edit->FirstVisible() - 1))));
    other->SetFocus();
    Harness.PressKey(wnd::VK_END);
    EXPECT_EQ(other->FirstVisible(), 1);
    EXPECT_TRUE(samePixels());

    edit->SetFocus();
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(edit->FirstVisible(), 1);
    other->SetText(text::Utf32ToUtf8(all.substr(0, 200)));
    other->SetFocus();
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(other->FirstVisible(), 1);
    EXPECT_TRUE(samePixels());
}
