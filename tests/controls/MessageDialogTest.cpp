#include "Headless.h"

#include "platform/controls/MessageDialog.h"
#include "platform/controls/TButton.h"
#include "platform/window/VirtualKeys.h"

using namespace ctl;

using MessageDialogTest = HeadlessTest;

TEST(MessageBoxContent, ButtonSetsDefaultsAndCancellingChoices)
{
    const TMessageBoxContent yesNo = MessageBoxContent("Quit?", "Veltrin", MB_YESNO);
    ASSERT_EQ(yesNo.Buttons.size(), 2u);
    EXPECT_EQ(yesNo.Icon, StylePainter::TMessageIcon::None);
    EXPECT_EQ(yesNo.DefaultIndex, 0);
    EXPECT_EQ(yesNo.CancelIndex, 1); // Esc answers No
    const TMessageBoxContent second = MessageBoxContent("", "", MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONWARNING);
    EXPECT_EQ(second.DefaultIndex, 1);
    EXPECT_EQ(second.Icon, StylePainter::TMessageIcon::Warning);
    const TMessageBoxContent confirm = MessageDlgContent("Print", TMsgDlgType::mtConfirmation,
        { TMsgDlgBtn::mbAll, TMsgDlgBtn::mbYes });
    EXPECT_EQ(confirm.Caption, "Confirm");
    EXPECT_EQ(confirm.Icon, StylePainter::TMessageIcon::Question);
    ASSERT_EQ(confirm.Buttons.size(), 2u);
    EXPECT_EQ(confirm.Buttons[0], TMsgDlgBtn::mbYes); // always in the standard order
    EXPECT_EQ(confirm.DefaultIndex, 0);
    EXPECT_EQ(confirm.CancelIndex, -1);
    EXPECT_EQ(ModalResultOf(TMsgDlgBtn::mbAll), IDALL);
    EXPECT_EQ(ModalResultOf(TMsgDlgBtn::mbNo), IDNO);
}

TEST_F(MessageDialogTest, YesNoBoxAnswersYesOnEnterAndNoOnEsc)
{
    WhenIdle([&] { QueueKey(wnd::VK_RETURN); });
    EXPECT_EQ(MessageBox("感谢您的使用！\r\r现在是否退出本系统！", "Veltrin", MB_YESNO), IDYES);
    WhenIdle([&] { QueueKey(wnd::VK_ESCAPE); });
    EXPECT_EQ(MessageBox("是否确实要删除该记录! ", "Veltrin", MB_YESNO), IDNO);
    WhenIdle([&] { QueueKey(wnd::VK_RETURN); });
    EXPECT_EQ(MessageBox("x", "y", MB_YESNO | MB_DEFBUTTON2), IDNO);
    WhenIdle([&] { QueueKey(wnd::VK_ESCAPE); });
    EXPECT_EQ(MessageBox("Done.", "y", MB_OK), IDOK);
}

TEST_F(MessageDialogTest, YesAllBoxAnswersSixOrEightAndEscClosesIt)
{
    const TMessageBoxContent content = MessageDlgContent("打印\r\rYES:是当前记录\r\rALL:是全部记录",
        TMsgDlgType::mtConfirmation, { TMsgDlgBtn::mbYes, TMsgDlgBtn::mbAll });
    auto box = CreateMessageDialog(content);
    auto* all = dynamic_cast<TButton*>(box->FindComponent("Button2"));
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->Caption(), "&All");
    WhenIdle([&] { QueueClick(Middle(*all)); });
    EXPECT_EQ(box->ShowModal(), IDALL);
    WhenIdle([&] { QueueKey(wnd::VK_RETURN); });
    EXPECT_EQ(CreateMessageDialog(content)->ShowModal(), IDYES);
    WhenIdle([&] { QueueKey(wnd::VK_ESCAPE); });
    EXPECT_EQ(CreateMessageDialog(content)->ShowModal(), IDCANCEL);
}

TEST_F(MessageDialogTest, TextLinesBreakWhereTheMessageBreaksThem)
{
    auto one = CreateMessageDialog(MessageBoxContent("a line", "c", MB_OK));
    auto three = CreateMessageDialog(MessageBoxContent("a line\r\rthird line", "c", MB_OK));
    auto* label1 = dynamic_cast<TControl*>(one->FindComponent("Message"));
    auto* label3 = dynamic_cast<TControl*>(three->FindComponent("Message"));
    ASSERT_TRUE(label1 && label3);
    EXPECT_EQ(label3->Height(), 3 * label1->Height());
    EXPECT_GT(three->ClientHeight(), one->ClientHeight());
}
