#include "Headless.h"

#include "platform/controls/TEdit.h"
#include "platform/window/Clipboard.h"
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

using TEditTest = HeadlessTest;

TEST_F(TEditTest, TypingAndTheInputMethodInsertAtTheCaret)
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

TEST_F(TEditTest, SelectionCopiesCutsAndPastes)
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

TEST_F(TEditTest, MaxLengthAndReadOnlyLimitTheUser)
{
    EditForm f;
    f.edit->MaxLength = 3;
    Harness.TypeText("汉字输入");
    EXPECT_EQ(f.edit->Text(), "汉字输");
    f.edit->ReadOnly = true;
    Harness.PressKey(wnd::VK_BACK);
    Harness.TypeText("x");
    EXPECT_EQ(f.edit->Text(), "汉字输");
    f.edit->SetText("program text is not limited");
    EXPECT_EQ(f.edit->Text(), "program text is not limited");
}

TEST_F(TEditTest, ClickPlacesTheCaretAndDragSelects)
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
