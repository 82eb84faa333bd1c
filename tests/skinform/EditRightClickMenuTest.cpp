#include "../controls/Headless.h"

#include "platform/window/Clipboard.h"
#include "platform/window/VirtualKeys.h"
#include "skinctrls/TbsSkinEdit.h"
#include "skinctrls/TbsSkinMemo2.h"

using namespace skinctrls;

namespace {

// The search box and the note body of a form, right-clicked: the skinned
// menu runs in its own loop and reads the queued keys.
class EditRightClickMenuTest : public HeadlessTest {
protected:
    EditRightClickMenuTest()
    {
        form->SetBorderStyle(ctl::TFormBorderStyle::bsNone);
        form->SetBounds(100, 100, 400, 300);
        edit->SetBounds(10, 10, 200, 20);
        edit->SetParent(form.get());
        edit->SetText("关键字");
        memo->SetBounds(10, 50, 300, 200);
        memo->SetParent(form.get());
        form->Show();
        Harness.ProcessMessages();
    }

    // A right click on the control, then the keys the open menu is to read.
    void RightClickThenKeys(const ctl::TControl& c, std::initializer_list<int> keys)
    {
        wnd::TRawInput press;
        press.kind = wnd::TRawInputKind::MouseMove;
        press.pos = Middle(c);
        Harness.Queue(press);
        press.kind = wnd::TRawInputKind::ButtonDown;
        press.button = wnd::TMouseButton::mbRight;
        Harness.Queue(press);
        press.kind = wnd::TRawInputKind::ButtonUp;
        Harness.Queue(press);
        for (int key : keys)
            QueueKey(key);
        Harness.ProcessMessages();
    }

    std::unique_ptr<ctl::TForm> form { std::make_unique<ctl::TForm>(nullptr) };
    TbsSkinEdit* edit { new TbsSkinEdit(form.get()) };
    TbsSkinMemo2* memo { new TbsSkinMemo2(form.get()) };
};

} // namespace

TEST_F(EditRightClickMenuTest, SelectAllThenCopyFromTheSearchBox)
{
    wnd::SetClipboardText("");
    edit->SetSelLength(0);
    // Only Select All is enabled: it is the entry Enter chooses.
    RightClickThenKeys(*edit, { wnd::VK_RETURN });
    EXPECT_EQ(edit->SelText(), "关键字");
    // Now Cut is the first enabled entry; Down moves to Copy.
    RightClickThenKeys(*edit, { wnd::VK_DOWN, wnd::VK_RETURN });
    EXPECT_EQ(wnd::GetClipboardText(), "关键字");
    EXPECT_EQ(edit->Text(), "关键字");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(EditRightClickMenuTest, PasteIntoTheBody)
{
    wnd::SetClipboardText("粘贴的正文");
    // Nothing to undo or cut: Paste is the first enabled entry.
    RightClickThenKeys(*memo, { wnd::VK_RETURN });
    EXPECT_EQ(memo->Text(), "粘贴的正文");
}

TEST_F(EditRightClickMenuTest, DismissedMenuIsFreedAndTheNextOneRuns)
{
    wnd::SetClipboardText("x");
    RightClickThenKeys(*edit, { wnd::VK_ESCAPE });
    EXPECT_EQ(edit->Text(), "关键字");
    // A menu dismissed without a command did not stay behind: the next one opens and acts.
    RightClickThenKeys(*edit, { wnd::VK_DOWN, wnd::VK_RETURN });
    EXPECT_EQ(edit->SelText(), "关键字");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(EditRightClickMenuTest, KeyboardRequestOpensTheMenuOnTheControl)
{
    wnd::SetClipboardText("");
    edit->SetSelLength(0);
    QueueKey(wnd::VK_RETURN);
    edit->Perform(wnd::WM_CONTEXTMENU, 0, wnd::MAKELPARAM(-1, -1));
    EXPECT_EQ(edit->SelText(), "关键字");
}
