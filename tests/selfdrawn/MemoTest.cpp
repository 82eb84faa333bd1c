#include "SelfDrawnTestSupport.h"

#include "selfdrawn/TSeSkinMemo.h"

using namespace selfdrawn;

class SelfDrawnMemo : public SelfDrawnTest {
protected:
    TSeSkinMemo* memo { nullptr };
    void SetUp() override
    {
        memo = new TSeSkinMemo(form.get());
        memo->SetBounds(10, 10, 200, 60);
        memo->SetParent(form.get());
        memo->SetFocus();
        Harness.ProcessMessages();
    }
};

TEST_F(SelfDrawnMemo, EnterBreaksLinesAndTheScrollBarFollowsTheContent)
{
    EXPECT_EQ(memo->SkinObject(), "Edit");
    Harness.TypeText("第一行");
    EXPECT_FALSE(memo->ScrollBar().Visible());
    const int page = memo->VisibleLines();
    for (int i = 0; i < page + 2; ++i) {
        Harness.PressKey(wnd::VK_RETURN);
        Harness.TypeText("line");
    }
    EXPECT_EQ(memo->LineCount(), page + 3);
    EXPECT_TRUE(memo->ScrollBar().Visible());
    EXPECT_EQ(memo->TopLine(), 3); // the caret's line is in view
    EXPECT_EQ(memo->ScrollBar().Position(), 3);
    Ctrl('A');
    Harness.PressKey(wnd::VK_DELETE);
    EXPECT_EQ(memo->Text(), "");
    EXPECT_FALSE(memo->ScrollBar().Visible());
}

TEST_F(SelfDrawnMemo, ArrowsMoveBetweenLinesAndUndoRestores)
{
    memo->SetText("ab\ncd");
    Harness.PressKey(wnd::VK_END);
    Harness.PressKey(wnd::VK_UP);
    EXPECT_EQ(memo->CaretIndex(), 2);
    Harness.CommitComposition("你好");
    EXPECT_EQ(memo->Text(), "ab你好\ncd");
    Harness.PressKey(wnd::VK_BACK);
    Harness.PressKey(wnd::VK_BACK);
    EXPECT_EQ(memo->Text(), "ab\ncd");
    Ctrl('Z');
    EXPECT_EQ(memo->Text(), "ab你好\ncd");
}
