#include "platform/text/TextEditModel.h"

#include <gtest/gtest.h>

namespace {

using text::TextEditModel;

void Type(TextEditModel& model, std::u32string_view characters)
{
    for (char32_t c : characters)
        model.ReplaceSelection(std::u32string(1, c));
}

TEST(TextEditModel, TypingInARowUndoesAsOneStep)
{
    TextEditModel model;
    Type(model, U"abc");
    EXPECT_EQ(model.Text(), U"abc");
    EXPECT_EQ(model.Caret(), 3);
    EXPECT_TRUE(model.Undo());
    EXPECT_EQ(model.Text(), U"");
    EXPECT_EQ(model.Caret(), 0);
    EXPECT_FALSE(model.Undo());
}

TEST(TextEditModel, BackspacesAndDeletesInARowUndoAsOneStep)
{
    TextEditModel model;
    model.SetText(U"hello world");
    model.MoveCaret(5, false);
    model.DeleteBackward();
    model.DeleteBackward();
    model.DeleteBackward();
    EXPECT_EQ(model.Text(), U"he world");
    model.Undo();
    EXPECT_EQ(model.Text(), U"hello world");
    EXPECT_EQ(model.SelectedText(), U"llo");

    model.MoveCaret(0, false);
    model.DeleteForward();
    model.DeleteForward();
    EXPECT_EQ(model.Text(), U"llo world");
    model.Undo();
    EXPECT_EQ(model.Text(), U"hello world");
}

TEST(TextEditModel, BackspaceAtTheEndRemovesOneCharacterAtATime)
{
    TextEditModel model;
    Type(model, U"hello");
    model.DeleteBackward();
    model.DeleteBackward();
    model.DeleteBackward();
    EXPECT_EQ(model.Text(), U"he");
    EXPECT_EQ(model.Caret(), 2);
}

TEST(TextEditModel, DeleteAtTheEndAndBackspaceAtTheStartRecordNothing)
{
    TextEditModel model;
    model.SetText(U"ab");
    model.MoveCaret(2, false);
    EXPECT_FALSE(model.DeleteForward());
    model.MoveCaret(0, false);
    EXPECT_FALSE(model.DeleteBackward());
    EXPECT_FALSE(model.CanUndo());
}

TEST(TextEditModel, ReplacingASelectionUndoesInOneStep)
{
    TextEditModel model;
    model.SetText(U"笔记分类");
    model.SetSelection(1, 2);
    Type(model, U"xy");
    EXPECT_EQ(model.Text(), U"笔xy类");
    model.Undo();
    EXPECT_EQ(model.Text(), U"笔记分类");
    EXPECT_EQ(model.SelectedText(), U"记分");
}

TEST(TextEditModel, InputBeyondMaxLengthIsRefusedAsAWhole)
{
    TextEditModel model;
    model.MaxLength = 3;
    model.SetText(U"ab");
    model.MoveCaret(2, false);
    model.MoveCaret(0, true);
    EXPECT_FALSE(model.ReplaceSelection(U"wxyz"));
    EXPECT_EQ(model.Text(), U"ab");
    EXPECT_FALSE(model.HasSelection());
    EXPECT_FALSE(model.CanUndo());
}

TEST(TextEditModel, ShiftMovesExtendAndShrinkTheSelection)
{
    TextEditModel model;
    model.SetText(U"abcdef");
    model.MoveCaret(4, false);
    model.MoveCaret(3, true);
    model.MoveCaret(2, true);
    EXPECT_EQ(model.SelStart(), 2);
    EXPECT_EQ(model.SelLength(), 2);
    model.MoveCaret(3, true);
    EXPECT_EQ(model.SelectedText(), U"d");
    model.MoveCaret(6, true);
    EXPECT_EQ(model.SelectedText(), U"ef");
    model.MoveCaret(1, false);
    EXPECT_FALSE(model.HasSelection());
}

TEST(TextEditModel, ShiftMovesAfterASelectionMadeAtOnceWorkFromTheCaretEnd)
{
    TextEditModel model;
    model.SetText(U"abcd");
    model.SelectAll();
    model.MoveCaret(3, true);
    EXPECT_EQ(model.SelStart(), 0);
    EXPECT_EQ(model.SelectedText(), U"abc");

    model.SelectWordAt(0);
    model.MoveCaret(model.Caret() + 1, true);
    EXPECT_EQ(model.SelectedText(), U"abcd");

    model.SetSelection(1, 2);
    EXPECT_EQ(model.Caret(), 3);
    model.MoveCaret(0, true);
    EXPECT_EQ(model.SelectedText(), U"a");
}

TEST(TextEditModel, DeletionsApartUndoSeparatelyAndPutEveryCharacterBack)
{
    TextEditModel model;
    model.SetText(U"abcd");
    model.SetSelection(2, 1);
    model.DeleteSelection(); // "c"
    model.MoveCaret(1, false);
    model.DeleteBackward(); // "a", one character away from where "c" was
    EXPECT_EQ(model.Text(), U"bd");
    model.Undo();
    EXPECT_EQ(model.Text(), U"abd");
    model.Undo();
    EXPECT_EQ(model.Text(), U"abcd");
    EXPECT_FALSE(model.CanUndo());
}

TEST(TextEditModel, ANewTextFromTheProgramCannotBeUndoneIntoByOldEdits)
{
    TextEditModel model;
    model.SetText(U"first note");
    model.MoveCaret(5, false);
    model.ReplaceSelection(U"!");
    model.SetText(U"second"); // the program shows another note
    EXPECT_FALSE(model.CanUndo());
    EXPECT_FALSE(model.Undo());
    EXPECT_EQ(model.Text(), U"second");

    model.ReplaceSelection(U"x");
    model.SetText(model.Text()); // the same text again keeps the undo
    EXPECT_TRUE(model.CanUndo());
}

TEST(TextEditModel, WordsAreSeparatedByBlanks)
{
    TextEditModel model;
    model.SetText(U"one two  three");
    EXPECT_EQ(model.NextWordStart(0), 4);
    EXPECT_EQ(model.NextWordStart(4), 9);
    EXPECT_EQ(model.PreviousWordStart(9), 4);
    EXPECT_EQ(model.PreviousWordStart(6), 4);
    model.SelectWordAt(5);
    EXPECT_EQ(model.SelectedText(), U"two  ");
    EXPECT_EQ(model.Caret(), 9);
}

TEST(TextEditModel, ReadOnlyRefusesChangesButKeepsSelecting)
{
    TextEditModel model;
    model.SetText(U"abc");
    model.ReadOnly = true;
    model.SelectAll();
    EXPECT_FALSE(model.ReplaceSelection(U"x"));
    EXPECT_FALSE(model.DeleteSelection());
    EXPECT_EQ(model.SelectedText(), U"abc");
}

TEST(TextEditModel, FilterAppliesToEveryNewText)
{
    TextEditModel model;
    model.Filter = [](const std::u32string& t) {
        std::u32string upper = t;
        for (auto& c : upper)
            if (c >= U'a' && c <= U'z')
                c = c - U'a' + U'A';
        return upper;
    };
    Type(model, U"ab");
    EXPECT_EQ(model.Text(), U"AB");
}

} // namespace
