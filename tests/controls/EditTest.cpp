#include "Headless.h"

#include "platform/controls/TEdit.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/VirtualKeys.h"

using namespace ctl;

namespace {

struct EditForm {
    TForm form { nullptr };
    TEdit* edit { new TEdit(&form) };
    int changes { 0 };

    EditForm()
    {
        edit->SetBounds(8, 8, 200, 24);
        edit->SetParent(&form);
        edit->OnChange = [this](TObject*) { ++changes; };
        form.Show();
        edit->SetFocus();
    }
};

} // namespace

using EditTest = HeadlessTest;

TEST_F(EditTest, TypingAndTheInputMethodInsertAtTheCaret)
{
    EditForm f;
    Harness.TypeText("ab");
    Harness.CommitComposition("笔记");
    EXPECT_EQ(f.edit->Text(), "ab笔记");
    Harness.PressKey(wnd::VK_LEFT);
    Harness.PressKey(wnd::VK_LEFT);
    Harness.TypeText("-");
    EXPECT_EQ(f.edit->Text(), "ab-笔记");
    Harness.PressKey(wnd::VK_END);
    Harness.PressKey(wnd::VK_BACK);
    EXPECT_EQ(f.edit->Text(), "ab-笔");
    Harness.PressKey(wnd::VK_HOME);
    Harness.PressKey(wnd::VK_DELETE);
    EXPECT_EQ(f.edit->Text(), "b-笔");
    EXPECT_EQ(f.changes, 7);
}

TEST_F(EditTest, SelectionCopiesCutsAndPastes)
{
    EditForm f;
    f.edit->SetText("请输入关键字");
    Harness.PressKey(wnd::VK_HOME);
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.PressKey(wnd::VK_RIGHT);
    Harness.PressKey(wnd::VK_RIGHT);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_EQ(f.edit->SelText(), "请输");
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('X');
    Harness.PressKey(wnd::VK_END);
    Harness.PressKey('V');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.edit->Text(), "入关键字请输");
    wnd::SetClipboardText("one\r\ntwo");
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('A');
    Harness.PressKey('V');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.edit->Text(), "one"); // a line box takes the first line only
}

TEST_F(EditTest, MaxLengthAndReadOnlyLimitTheUser)
{
    EditForm f;
    f.edit->SetMaxLength(3);
    Harness.TypeText("汉字输入");
    EXPECT_EQ(f.edit->Text(), "汉字输");
    f.edit->SetReadOnly(true);
    Harness.PressKey(wnd::VK_BACK);
    Harness.TypeText("x");
    EXPECT_EQ(f.edit->Text(), "汉字输");
    f.edit->SetText("program text is not limited");
    EXPECT_EQ(f.edit->Text(), "program text is not limited");
}

TEST_F(EditTest, ReadOnlyRefusesUndo)
{
    EditForm f;
    Harness.TypeText("ab");
    ASSERT_TRUE(f.edit->CanUndo());
    f.edit->SetReadOnly(true);
    f.edit->Undo();
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('Z');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.edit->Text(), "ab");
    f.edit->SetReadOnly(false);
    f.edit->Undo();
    EXPECT_EQ(f.edit->Text(), "");
}

TEST_F(EditTest, CharCaseTurnsTypedAndSetTextToOneCase)
{
    EditForm f;
    f.edit->SetText("Note 笔记");
    f.edit->SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(f.edit->Text(), "NOTE 笔记");
    const int changes = f.changes;
    f.edit->SetText("abc");
    EXPECT_EQ(f.edit->Text(), "ABC");
    EXPECT_EQ(f.changes, changes + 1); // one change, not one per conversion
    Harness.PressKey(wnd::VK_END);
    Harness.TypeText("d");
    EXPECT_EQ(f.edit->Text(), "ABCD");
    f.edit->SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(f.edit->Text(), "abcd");
    f.edit->SetCharCase(TEditCharCase::ecNormal);
    Harness.TypeText("E");
    EXPECT_EQ(f.edit->Text(), "abcdE");
}

int CaretX()
{
    wnd::POINT p;
    wnd::GetCaretPos(p);
    return p.X;
}

TEST_F(EditTest, AlignmentAndMarginsPlaceTheText)
{
    EditForm f;
    f.edit->SetText("ab");
    f.edit->SetSelStart(0);
    const int left = CaretX();
    f.edit->SetMargins(5, 1);
    EXPECT_EQ(CaretX(), left + 4);
    f.edit->SetAlignment(TAlignment::taRightJustify);
    f.edit->SetSelStart(2);
    const gfx::TRect client = f.edit->ClientRect();
    // The caret after the text sits one pixel inside the right margin.
    EXPECT_EQ(CaretX(), client.Right - 2 - 1 - 1);
    f.edit->SetAlignment(TAlignment::taCenter);
    const int centred = CaretX();
    EXPECT_GT(centred, left + 4);
    EXPECT_LT(centred, client.Right - 4);
}

TEST_F(EditTest, ClickPlacesTheCaretAndDragSelects)
{
    EditForm f;
    f.edit->SetText("abcdef");
    const gfx::TPoint start = At(*f.edit, 4, 12);
    Click(start);
    EXPECT_EQ(f.edit->SelStart(), 0);
    Harness.Drag(start, At(*f.edit, 190, 12));
    EXPECT_EQ(f.edit->SelLength(), 6);
    Harness.SaveSnapshot(f.form.Handle(), "controls-edit");
}

TEST_F(EditTest, WordMovesShiftExtendAndUndo)
{
    EditForm f;
    Harness.TypeText("one two three");
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_LEFT);
    Harness.PressKey(wnd::VK_LEFT);
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.edit->SelStart(), 4);
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_RIGHT);
    Harness.KeyUp(wnd::VK_CONTROL);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_EQ(f.edit->SelText(), "two ");
    Harness.TypeText("2 ");
    EXPECT_EQ(f.edit->Text(), "one 2 three");
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('Z');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.edit->Text(), "one two three"); // the replacement undoes as one step
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('Z');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.edit->Text(), "");
}

TEST_F(EditTest, ShiftInsertPastesShiftDeleteCutsCtrlInsertCopies)
{
    EditForm f;
    f.edit->SetText("查找");
    f.edit->SelectAll();
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_INSERT);
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(wnd::GetClipboardText(), "查找");
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.PressKey(wnd::VK_DELETE);
    EXPECT_EQ(f.edit->Text(), "");
    Harness.PressKey(wnd::VK_INSERT);
    Harness.PressKey(wnd::VK_INSERT);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_EQ(f.edit->Text(), "查找查找");
}

TEST_F(EditTest, DoubleClickSelectsAWordAndCharacterMessagesCarryChinese)
{
    EditForm f;
    f.edit->SetText("alpha beta");
    Harness.DoubleClick(At(*f.edit, 5, 12).X, At(*f.edit, 5, 12).Y);
    EXPECT_EQ(f.edit->SelText(), "alpha ");
    f.edit->SetSelStart(f.edit->Text().size());
    wnd::SendMessage(f.edit->Handle(), wnd::WM_CHAR, 0x4E2D, 0); // 中
    EXPECT_EQ(f.edit->Text(), "alpha beta中");
    EXPECT_EQ(f.edit->SelStart(), 11); // positions count characters
}

// The darkest red level inside the edit's text area.
int DarkestRed(wnd::THeadlessHarness& harness, const TForm& form, const TControl& edit)
{
    const gfx::TBitmap shot = harness.Capture(form.Handle());
    const gfx::TPoint client = wnd::GetClientRectInWindow(form.Handle()).TopLeft();
    int darkest = 255;
    for (int y = edit.Top() + 4; y < edit.Top() + edit.Height() - 4; ++y)
        for (int x = edit.Left() + 4; x < edit.Left() + 60; ++x)
            darkest = std::min(darkest, gfx::GetRValue(shot.GetPixel(client.X + x, client.Y + y)));
    return darkest;
}

TEST_F(EditTest, DisabledBoxDrawsGreyText)
{
    EditForm f;
    f.edit->SetText("WWWW");
    Harness.ProcessMessages();
    EXPECT_LT(DarkestRed(Harness, f.form, *f.edit), 40);
    f.edit->SetEnabled(false);
    Harness.ProcessMessages();
    const int darkest = DarkestRed(Harness, f.form, *f.edit);
    EXPECT_GE(darkest, gfx::GetRValue(gfx::ColorToRGB(gfx::clGrayText)) - 8);
    EXPECT_LT(darkest, 200); // the text is still there
}
