#include "SelfDrawnTestSupport.h"

#include "platform/window/Clipboard.h"
#include "platform/window/Messages.h"
#include "selfdrawn/TSeSkinEdit.h"

using namespace selfdrawn;

class PasswordEdit : public SelfDrawnTest {
protected:
    TSeSkinEdit* edit { nullptr };
    void SetUp() override
    {
        edit = new TSeSkinEdit(form.get());
        edit->SetBounds(10, 10, 121, 21);
        edit->SetParent(form.get());
        edit->SetText("secret");
        edit->SetPasswordKind(TSePasswordKind::pkRect);
        edit->SetFocus();
        Harness.ProcessMessages();
        wnd::SetClipboardText("before");
    }
};

TEST_F(PasswordEdit, CopyAndCutKeepThePasswordOffTheClipboard)
{
    ASSERT_EQ(edit->SelText(), "secret"); // selected on focus
    Ctrl('C');
    Ctrl(wnd::VK_INSERT);
    edit->Perform(wnd::WM_COPY);
    EXPECT_EQ(wnd::GetClipboardText(), "before");
    Harness.PressKey(wnd::VK_END);
    Shift(wnd::VK_LEFT);
    Shift(wnd::VK_LEFT);
    Ctrl('X'); // cut still deletes
    EXPECT_EQ(edit->Text(), "secr");
    EXPECT_EQ(wnd::GetClipboardText(), "before");
    Shift(wnd::VK_LEFT);
    Shift(wnd::VK_DELETE); // Shift+Delete cuts the same way
    EXPECT_EQ(edit->Text(), "sec");
    EXPECT_EQ(wnd::GetClipboardText(), "before");
    Ctrl('Z'); // the two adjacent deletions undo together
    EXPECT_EQ(edit->Text(), "secret");
    // Without a password kind the same text is copied.
    edit->SetPasswordKind(TSePasswordKind::pkNone);
    edit->SelectAll();
    Ctrl('C');
    EXPECT_EQ(wnd::GetClipboardText(), "secret");
}

TEST_F(PasswordEdit, EveryCharacterIsOneCellForCaretAndHitTest)
{
    const int cell = edit->GetPasswordCellWidth();
    const int left = edit->GetTextRect().Left;
    ASSERT_GT(cell, 1);
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(edit->CaretX(i), left + i * cell);
    EXPECT_EQ(edit->HitTest(left + 2 * cell + cell - 1), 2); // inside the third cell: before it
    EXPECT_EQ(edit->HitTest(left - 5), 0);
    EXPECT_EQ(edit->HitTest(left + 40 * cell), 6);
    // Clicking in a cell puts the caret before its character.
    Click(At(*edit, left + 3 * cell + 1, edit->Height() / 2));
    EXPECT_EQ(edit->CaretIndex(), 3);
}

TEST_F(PasswordEdit, PasswordCharacterSwitchesKindAndSetsTheCellWidth)
{
    const int shapeCell = edit->GetPasswordCellWidth();
    edit->SetPasswordWideChar(U'*');
    EXPECT_EQ(edit->PasswordKind(), TSePasswordKind::pkChar);
    const int starCell = edit->GetPasswordCellWidth();
    EXPECT_LT(starCell, shapeCell); // "*" is narrower than "W"
    EXPECT_EQ(edit->CaretX(6) - edit->CaretX(0), 6 * starCell);
}

TEST_F(PasswordEdit, LongPasswordsScrollByCells)
{
    edit->SetText(std::string(40, 'x'));
    Harness.PressKey(wnd::VK_END);
    const int cell = edit->GetPasswordCellWidth();
    const gfx::TRect r = edit->GetTextRect();
    EXPECT_GT(edit->FirstVisible(), 1);
    EXPECT_LE(edit->CaretX(40), r.Right);
    EXPECT_GT(edit->CaretX(40) + cell, r.Right); // one more cell would not fit
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(edit->FirstVisible(), 1);
}

TEST_F(PasswordEdit, SymbolsAreDrawnInTheirCellsSelectedOnesInHighlightText)
{
    edit->SetText("abcd");
    edit->SetSelStart(1);
    edit->SetSelLength(2);
    const gfx::TRect r = edit->GetTextRect();
    const int cell = edit->GetPasswordCellWidth();
    const int midY = (r.Top + r.Bottom) / 2;
    const auto middleOf = [&](int i) { return r.Left + i * cell + cell / 2; };
    EXPECT_EQ(PixelOf(*edit, middleOf(0), midY), Sys(gfx::clWindowText));
    EXPECT_EQ(PixelOf(*edit, middleOf(1), midY), Sys(gfx::clHighlightText));
    EXPECT_EQ(PixelOf(*edit, middleOf(2), midY), Sys(gfx::clHighlightText));
    EXPECT_EQ(PixelOf(*edit, middleOf(3), midY), Sys(gfx::clWindowText));
    // The shape keeps 2 pixels free on each side of its cell and 3 above.
    EXPECT_EQ(PixelOf(*edit, r.Left + cell + 1, midY), Sys(gfx::clHighlight));
    EXPECT_EQ(PixelOf(*edit, middleOf(0), r.Top + 2), Sys(gfx::clWindow));
    EXPECT_EQ(PixelOf(*edit, r.Left + 4 * cell + 2, midY), Sys(gfx::clWindow)); // nothing after the text
}
